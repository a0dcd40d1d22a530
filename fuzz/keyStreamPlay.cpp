#include "keyStreamPlay.h"

#include <array>
#include <sstream>

#include "bot/TestBot.h"
#include "bot/invariants.h"
#include "game/Form1.h"
#include "bot/headlessGame.h"

namespace sonarch::testing {

namespace {
// The keys the game knows, a few it does not, and the modifiers themselves.
constexpr std::array<short, 44> keyCodes{
    9,  13, 13, 13, 16, 17, 18, 27, 32, 32, 32, 37, 38, 39, 40, 48, 49, 50, 51, 52, 53, 56,
    57, 69, 73, 79, 80, 81, 82, 84, 85, 87, 88, 89, 90, 96, 101, 123, 188, 190, 192, 8, 65, 255};

std::string answers() {
    // Enough answers for every save prompt a stream can open.
    std::string script;
    for (int i = 0; i < 8; ++i) script += "type fuzz save\ncancel\ntype ../escape\ntype\n";
    return script;
}
}  // namespace

KeyStreamOutcome playKeyStream(const std::string& dataDir, const std::uint8_t* bytes, std::size_t size) {
    KeyStreamOutcome outcome;
    if (size < 2) return outcome;
    std::ostringstream transcript;
    HeadlessGame run(dataDir, {bytes[1], {}}, transcript, answers());
    Form1& form = run.form;
    auto press = [&](short code, short shift, int kind) {
        const bool inGame = form.view().board.humanPlayer != 0;
        if (kind != 2) run.keyDown({code, shift});
        if (kind != 1) run.keyUp({code, shift});
        ++outcome.presses;
        if (inGame && form.view().board.humanPlayer == 0) ++outcome.gamesOver;
        for (const auto& what : brokenInvariants(form))
            outcome.broken.push_back(what + " after key " + std::to_string(code) + " mask " +
                                     std::to_string(shift));
    };
    try {
        run.session.start();
        const int maps = form.view().mapFileCount;
        if (bytes[0] & 1 && maps > 0) {
            for (const auto& name : TestBot::newGameKeys((bytes[0] >> 1) % maps, 1 + (bytes[0] >> 5) % 3)) {
                const auto stroke = parseKeyName(name);
                press(stroke->code, stroke->shift, 0);
            }
            outcome.gamesStarted = form.view().board.humanPlayer != 0;
        }
        for (std::size_t i = 2; i + 1 < size && !run.host.ended() && outcome.broken.empty(); i += 2) {
            const short code = keyCodes[bytes[i] % keyCodes.size()];
            // Most presses plain, some with each mask, a few only down or only up.
            const std::uint8_t b = bytes[i + 1];
            const short shift = (b & 0x18) == 0 ? static_cast<short>(b & 7) : 0;
            const int kind = (b >> 6) == 3 ? 1 + ((b >> 5) & 1) : 0;
            press(code, shift, kind);
        }
    } catch (const ScriptError&) {
        // More save prompts than answers: the stream ends there.
    }
    std::istringstream said(transcript.str());
    for (std::string line; std::getline(said, line);)
        if (line.ends_with("'s turn.")) ++outcome.computerTurns;
    return outcome;
}

}  // namespace sonarch::testing
