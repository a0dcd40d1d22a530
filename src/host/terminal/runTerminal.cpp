// The terminal as the program starts it: the player's terminal taken over
// for keys, the voice that --speech chooses, and a clean way out on errors.
#include <unistd.h>

#include <exception>
#include <iostream>
#include <memory>
#include <string>

#include "host/posix/PosixPlatform.h"
#include "host/speech/CueSounds.h"
#include "host/speech/voiceFactory.h"
#include "host/terminal/TerminalHost.h"
#include "host/terminal/terminalMode.h"

namespace sonarch {

namespace {
// With --speech none the printed lines are the whole output, and there is
// no rate to set.
class PrintedOnly final : public Voice {
public:
    void setRate(int) override {}
    void setVolume(int) override {}
    void speak(const std::string&) override {}
    RateSetBy rateSetBy() const override { return RateSetBy::Nobody; }
};
}  // namespace

int runTerminal(const RunOptions& options, const OnlineStarter& makeInbox) {
    auto cues = std::make_shared<speech::CueSounds>();
    terminal::VoiceMaker voiceMaker = [choice = options.speech, cues]() -> std::unique_ptr<Voice> {
        std::unique_ptr<Voice> voice = choice == "none" ? std::make_unique<PrintedOnly>()
                                                        : openNamedVoice(speechVoices(), choice);
        // After the voice, so that the built-in one chooses the sound device's rate.
        std::string noSound;
        cues->prepare(noSound);
        return voice;
    };
    terminal::TerminalMode mode(STDIN_FILENO);
    terminal::TerminalHost host(std::move(voiceMaker), STDIN_FILENO, STDOUT_FILENO, &mode);
    host.playCuesWith([cues](Cue cue) { cues->play(cue); });
    PosixPlatform platform(options.dataDir);
    GameSession game(platform, host, options.random);
    prepareSession(options, game);
    host.attach(game);
    host.useOnline(makeInbox);
    if (const auto ask = onlineAskOf(options.online)) host.goOnline(*ask);
    try {
        return host.run(game);
    } catch (const std::exception& error) {
        mode.restore();
        std::cerr << "sonarch: " << error.what() << '\n';
        return 1;
    }
}

}  // namespace sonarch
