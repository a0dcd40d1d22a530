#include "studyKeyTimes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <sstream>
#include <vector>

#include "bot/TestBot.h"
#include "bot/headlessGame.h"
#include "host/keyNames.h"

namespace sonarch::bench {

void studyKeyFigures(const std::filesystem::path& folder, int presses) {
    std::ostringstream transcript;
    testing::HeadlessGame run(folder.string(), {3, {}}, transcript);
    run.session.start();
    auto press = [&](const std::string& name) { run.press(*parseKeyName(name)); };
    for (const auto& name : testing::TestBot::newGameKeys(0, 7)) press(name);
    // Into the game far enough that S has zones, armies and a chain to tell.
    testing::TestBot bot(run.form, press, testing::TestBot::Style::Conqueror);
    for (int step = 0; step < 400 && bot.step(); ++step) {
    }
    const KeyStroke study = *parseKeyName("S");
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(presses));
    for (int i = 0; i < presses; ++i) {
        const auto start = std::chrono::steady_clock::now();
        run.press(study);
        micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double share) { return micros[static_cast<std::size_t>(share * double(micros.size() - 1))]; };
    std::printf("S (how you stand), key to sentence on a game in play, 100 zones, 8 players, %d presses: "
                "median %.1f us, p99 %.1f us, max %.1f us\n",
                presses, at(0.5), at(0.99), micros.back());
    // The sentence itself, so that a figure is never that of a key answered with nothing.
    const std::string told = transcript.str();
    const auto lineStart = told.rfind('\n', told.size() >= 2 ? told.size() - 2 : 0);
    std::printf("  its last sentence: %s", told.substr(lineStart == std::string::npos ? 0 : lineStart + 1).c_str());
}

}  // namespace sonarch::bench
