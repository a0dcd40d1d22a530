// The key-stream fuzzer's bounded run: seeded random streams of presses of
// every kind, in the menus and in play, on every bundled map and on
// generated maps with one-way links and zones without links; the game's
// invariants must hold after every press.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "bot/keyStream.h"
#include "bot/playFolder.h"
#include "support.h"

namespace sonarch::testing {
namespace {

constexpr int streams = 300;
constexpr int pressesPerStream = 300;

TEST(KeyStreamFuzz, RandomStreamsKeepTheInvariantsOnEveryMap) {
    PlayFolder folder(sourceDir() / "Maps");
    const int maps = static_cast<int>(folder.mapFiles().size());
    std::mt19937_64 random(8);
    std::map<int, int> startsOnMap;
    int presses = 0, computerTurns = 0, gamesOver = 0;
    for (int stream = 0; stream < streams; ++stream) {
        std::vector<std::uint8_t> bytes(2 + 2 * pressesPerStream);
        for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
        // The first byte starts a game on a map and with a number of
        // computer players that go round all of them; one stream in eight
        // stays in the menus.
        bytes[0] = static_cast<std::uint8_t>(stream % 8 == 7 ? 2 * stream : 2 * stream + 1);
        const KeyStreamOutcome outcome = playKeyStream(folder.path(), bytes.data(), bytes.size());
        folder.emptySaves();
        ASSERT_TRUE(outcome.broken.empty()) << "stream " << stream << ": " << outcome.broken.front();
        if (outcome.gamesStarted) ++startsOnMap[(bytes[0] >> 1) % maps];
        presses += outcome.presses;
        computerTurns += outcome.computerTurns;
        gamesOver += outcome.gamesOver;
    }
    for (int m = 0; m < maps; ++m)
        EXPECT_GT(startsOnMap[m], 0) << "no game started on " << folder.mapFiles()[m];
    // The streams went deep into play, not only round the menus.
    EXPECT_GT(presses, streams * pressesPerStream / 2);
    EXPECT_GT(computerTurns, streams);
    std::printf("%d streams, %d presses, %d computer turns, %d games over\n", streams, presses,
                computerTurns, gamesOver);
}

}  // namespace
}  // namespace sonarch::testing
