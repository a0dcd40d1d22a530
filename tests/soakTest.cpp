// Soak: many seeded whole games, the test player in the human seat against
// one to seven computer players as the map allows, on every bundled map and
// on generated maps with one-way links and zones without links. The game's
// invariants must hold after every press and every game must end within a
// limit of keys. SONARCH_SOAK_GAMES sets how many games (thousands on
// demand); the default keeps the run short.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <sstream>

#include "bot/TestBot.h"
#include "bot/invariants.h"
#include "bot/playFolder.h"
#include "game/Form1.h"
#include "bot/headlessGame.h"
#include "support.h"

namespace sonarch::testing {
namespace {

constexpr long keyLimit = 100000;
// A game that cannot be won is given this many keys to be lost.
constexpr long outOfReachLimit = 2000;

enum class Ending { Won, Lost, Stalemate, Unfinished };

struct SoakGame {
    Ending ending = Ending::Unfinished;
    long keys = 0;
    int turns = 0;  // turns announced, the human's and the computer players'
    std::vector<std::string> broken;
};

// A game cannot end while a computer player holds only zones that list no
// links: the human's attack must be answered by a link of the target back
// to the attacking zone, and no computer player can reach such a zone when
// nothing links to it either. Such a game is stopped once it has had its
// chance to be lost.
bool heldOutOfReach(const Form1& f) {
    for (int p = 1; p <= f.playerCount; ++p) {
        if (p == f.humanPlayer || f.playerName[p].empty()) continue;
        bool owns = false, reachable = false;
        for (int z = 1; z <= f.zoneCount; ++z) {
            if (f.zoneOwner[z] != p) continue;
            owns = true;
            if (f.linkCount[z] > 0) reachable = true;
            for (int y = 1; y <= f.zoneCount; ++y)
                for (int k = 1; k <= f.linkCount[y]; ++k)
                    if (f.links[y][k] == z) reachable = true;
        }
        if (owns && !reachable) return true;
    }
    return false;
}

SoakGame playSoakGame(const PlayFolder& folder, int mapIndex, int gameNumber, std::uint64_t seed,
                      TestBot::Style style) {
    std::ostringstream transcript;
    HeadlessGame run(folder.path(), {seed, {}}, transcript);
    Form1& form = run.form;
    SoakGame game;
    auto press = [&](const std::string& keyName) {
        auto stroke = parseKeyName(keyName);
        short down = stroke->code, up = stroke->code;
        form.Form_KeyDown(down, stroke->shift);
        form.Form_KeyUp(up, stroke->shift);
        ++game.keys;
        for (const auto& what : brokenInvariants(form))
            game.broken.push_back(what + " after key " + keyName);
    };
    form.Form_Load();
    // The map first, then as many computer players as the map allows, in turn.
    std::vector<std::string> keys = TestBot::newGameKeys(mapIndex, 1);
    const std::string count = keys.back();
    keys.pop_back();
    for (const auto& keyName : keys) press(keyName);
    const int mostComputers = form.maxPlayers - 1;
    if (mostComputers < 1) return game;
    press(std::to_string(1 + gameNumber % mostComputers));
    TestBot bot(form, press, style);
    while (game.broken.empty() && game.keys < keyLimit && bot.step()) {
        if (game.keys >= outOfReachLimit && heldOutOfReach(form)) break;
    }
    const std::string said = transcript.str();
    if (said.find("Congratulations, you have won! Main Menu.") != std::string::npos)
        game.ending = Ending::Won;
    else if (said.find("You have been defeated! Game over. Main Menu.") != std::string::npos)
        game.ending = Ending::Lost;
    else if (form.humanPlayer != 0 && heldOutOfReach(form))
        game.ending = Ending::Stalemate;
    std::istringstream lines(said);
    for (std::string line; std::getline(lines, line);)
        if (line.ends_with("'s turn.") || line.ends_with("It is your turn.")) ++game.turns;
    return game;
}

int soakGames() {
    const char* wanted = std::getenv("SONARCH_SOAK_GAMES");
    return wanted ? std::atoi(wanted) : 144;
}

TEST(Soak, SeededWholeGamesKeepTheInvariantsAndEnd) {
    PlayFolder folder(sourceDir() / "Maps");
    const int maps = static_cast<int>(folder.mapFiles().size());
    const int games = soakGames();
    long keys = 0, turns = 0, longestEnded = 0;
    int won = 0, lost = 0, stalemates = 0;
    const auto began = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        const int mapIndex = g % maps;
        const int round = g / maps;
        // One game in four has the idle player, who is sure to lose.
        const auto style = round % 4 == 3 ? TestBot::Style::Idler : TestBot::Style::Conqueror;
        const SoakGame game = playSoakGame(folder, mapIndex, round, 1000 + g, style);
        ASSERT_TRUE(game.broken.empty())
            << "game " << g << " on " << folder.mapFiles()[mapIndex] << ": " << game.broken.front();
        ASSERT_NE(game.ending, Ending::Unfinished)
            << "game " << g << " on " << folder.mapFiles()[mapIndex] << " did not end in "
            << game.keys << " keys";
        keys += game.keys;
        turns += game.turns;
        if (game.ending != Ending::Stalemate) longestEnded = std::max(longestEnded, game.keys);
        won += game.ending == Ending::Won;
        lost += game.ending == Ending::Lost;
        stalemates += game.ending == Ending::Stalemate;
        folder.emptySaves();
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    std::printf("soak: %d games (%d won, %d lost, %d held out of reach), %ld turns, %ld keys "
                "(at most %ld in a game that ended), %.1f s\n",
                games, won, lost, stalemates, turns, keys, longestEnded, seconds);
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 0);
}

}  // namespace
}  // namespace sonarch::testing
