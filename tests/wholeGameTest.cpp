// Whole games on every bundled map, played by keys alone: the test player
// takes the human seat and the computer players their own, to victory and
// to defeat; each game is then replayed from its key script and seed and
// must give the same transcript byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bot/TestBot.h"
#include "bot/invariants.h"
#include "session.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

struct Game {
    std::string script;
    std::string transcript;
    bool won = false;
    bool lost = false;
    std::vector<std::string> broken;
};

constexpr int keyLimit = 60000;

// firstKeys come before the new game's: F3 for the computer players' strength.
Game playGame(const std::string& mapFile, int computers, std::uint64_t seed, TestBot::Style style,
              const std::vector<std::string>& firstKeys = {}) {
    Session s("", {}, seed);
    s.data.addMap(mapFile);
    s.start();
    Game game;
    auto press = [&](const std::string& keyName) {
        game.script += keyName + "\n";
        s.press(keyName);
        for (const auto& what : brokenInvariants(s.form)) game.broken.push_back(what);
    };
    for (const auto& keyName : firstKeys) press(keyName);
    for (const auto& keyName : TestBot::newGameKeys(0, computers)) press(keyName);
    TestBot bot(s.form, press, style);
    int steps = 0;
    while (bot.step() && ++steps < keyLimit && game.broken.empty()) {
    }
    game.transcript = s.out.str();
    game.won = game.transcript.find("Congratulations, you have won! Main Menu.") != std::string::npos;
    game.lost = game.transcript.find("You have been defeated! Game over. Main Menu.") != std::string::npos;
    return game;
}

void expectReplays(const std::string& mapFile, std::uint64_t seed, const Game& game) {
    DataDir data;
    data.addMap(mapFile);
    RunOptions options;
    options.random.seed = seed;
    const PlayResult replay = play(data, game.script, options);
    EXPECT_EQ(replay.status, 0) << replay.err;
    EXPECT_TRUE(replay.out == game.transcript) << "the replay of " << mapFile << " differs";
}

std::vector<std::string> bundledMaps() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(sourceDir() / "Maps"))
        if (entry.is_regular_file() && entry.path().filename().string()[0] != '.')
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class OnEveryMap : public ::testing::TestWithParam<std::string> {};

TEST_P(OnEveryMap, TheTestPlayerWinsAGameAndItReplays) {
    for (std::uint64_t seed = 1; seed <= 30; ++seed) {
        const Game game = playGame(GetParam(), 1, seed, TestBot::Style::Conqueror);
        ASSERT_TRUE(game.broken.empty()) << game.broken.front();
        ASSERT_TRUE(game.won || game.lost) << "the game with seed " << seed << " did not end";
        if (!game.won) continue;
        expectReplays(GetParam(), seed, game);
        return;
    }
    FAIL() << "no victory in 30 games on " << GetParam();
}

TEST_P(OnEveryMap, AnIdlePlayerIsDefeatedAndItReplays) {
    const Game game = playGame(GetParam(), 1, 7, TestBot::Style::Idler);
    ASSERT_TRUE(game.broken.empty()) << game.broken.front();
    EXPECT_TRUE(game.lost);
    expectReplays(GetParam(), 7, game);
}

// A game against three computer players of each strength F3 chooses ends,
// keeps every rule of the board, and replays byte for byte from its keys and
// seed: the gentle and the strong player draw only from the game's source.
TEST(EachStrength, AWholeGameReplays) {
    for (const auto& [keys, heard] : {std::pair{Lines{"F3"}, "say: Computer players: strong."},
                                      std::pair{Lines{"F3", "F3"}, "say: Computer players: gentle."}}) {
        const Game game = playGame("Broad World.map", 3, 5, TestBot::Style::Conqueror, keys);
        ASSERT_TRUE(game.broken.empty()) << game.broken.front();
        EXPECT_NE(game.transcript.find(heard), std::string::npos);
        EXPECT_TRUE(game.won || game.lost) << heard;
        expectReplays("Broad World.map", 5, game);
    }
}

INSTANTIATE_TEST_SUITE_P(Bundled, OnEveryMap, ::testing::ValuesIn(bundledMaps()),
                         [](const auto& info) {
                             std::string name = info.param;
                             for (char& ch : name)
                                 if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return name;
                         });

}  // namespace
}  // namespace sonarch::testing
