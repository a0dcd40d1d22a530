// The terminal as the program starts it: the player's terminal taken over
// for keys, the voice that --speech chooses, and a clean way out on errors.
#include <unistd.h>

#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "host/posix/PosixPlatform.h"
#include "host/speech/voiceFactory.h"
#include "host/terminal/TerminalHost.h"
#include "host/terminal/terminalMode.h"

namespace sonarch {

int runTerminal(const RunOptions& options) {
    terminal::VoiceMaker voiceMaker = [choice = options.speech]() -> std::unique_ptr<Voice> {
        // With --speech none the printed lines are the whole output.
        if (choice == "none") return std::make_unique<SilentVoice>();
        return openNamedVoice(speechVoices(), choice);
    };
    terminal::TerminalMode mode(STDIN_FILENO);
    terminal::TerminalHost host(std::move(voiceMaker), STDIN_FILENO, STDOUT_FILENO, &mode);
    PosixPlatform platform(options.dataDir);
    GameSession game(platform, host, options.random);
    try {
        return host.run(game);
    } catch (const std::exception& error) {
        mode.restore();
        std::cerr << "sonarch: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace sonarch
