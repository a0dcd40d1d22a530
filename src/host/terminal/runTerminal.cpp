// The terminal as the program starts it: the player's terminal taken over
// for keys, the voice that --speech chooses, and a clean way out on errors.
#include <unistd.h>

#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "game/Form1.h"
#include "host/terminal/TerminalHost.h"
#include "host/speech/voiceFactory.h"
#include "host/terminal/terminalMode.h"

namespace sonarch {

int runTerminal(const CommandLine& options) {
    terminal::TerminalSettings settings;
    settings.dataDir = options.headless.dataDir;
    settings.speechOff = options.speech == "none";
    settings.seed = options.headless.seed;
    settings.fixedRandom = options.headless.fixedRandom;
    settings.cueSounds = std::make_shared<speech::CueSounds>();
    // The voice that --speech chooses, as in the window.
    terminal::VoiceMaker voiceMaker = [choice = options.speech](std::string& whyNot) {
        return createSpeechVoice(choice, whyNot);
    };
    terminal::TerminalMode mode(STDIN_FILENO);
    terminal::TerminalHost host(std::move(voiceMaker), std::move(settings), STDIN_FILENO,
                                STDOUT_FILENO, &mode);
    Form1 form(host);
    form.speechRate = options.headless.speechRate;
    try {
        return host.run(form);
    } catch (const std::exception& error) {
        mode.restore();
        std::cerr << "sonarch: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace sonarch
