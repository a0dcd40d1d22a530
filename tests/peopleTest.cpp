// Several people at one keyboard, played by keys alone: Anna, who only ends
// her turns, and Ben, who conquers, against one computer player. Each
// person's turn is announced by name, every battle names its seats, Anna is
// put out while the game goes on, and the winner is named. A save made
// halfway loads back into the same game.
#include <gtest/gtest.h>

#include <algorithm>

#include "bot/TestBot.h"
#include "bot/invariants.h"
#include "session.h"

namespace sonarch::testing {
namespace {

constexpr int stepLimit = 20000;
const std::string mapFile = "Broad World.map";

struct Game {
    std::string transcript;
    std::vector<std::string> broken;
    int steps = 0;
};

// The keys of the game's moves and what they tell, without the walking of
// the cursor between them, which differs after a load puts it on zone 1.
std::vector<std::string> told(const std::string& transcript) {
    std::vector<std::string> lines;
    std::istringstream in(transcript);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("msg: ", 0) != 0) continue;
        const bool walking = line.find(" has ") != std::string::npos && line.find(" links ") != std::string::npos;
        if (!walking && line.find("You are now at") == std::string::npos) lines.push_back(line);
    }
    return lines;
}

// Plays a whole game from the main menu; with saveAt, saves after that
// many steps and loads the save back at once.
Game playTogether(std::uint64_t seed, int saveAt = -1) {
    Session s("type Anna\ntype Ben\ntype halfway\n", {}, seed);
    s.data.addMap(mapFile);
    s.start();
    Game game;
    auto press = [&](const std::string& keyName) {
        s.press(keyName);
        for (const auto& what : brokenInvariants(s.form)) game.broken.push_back(what);
    };
    for (const char* key : {"Enter", "Enter", "Down", "Enter", "P", "1"}) press(key);
    TestBot anna(s.form, press, TestBot::Style::Idler);
    TestBot ben(s.form, press, TestBot::Style::Conqueror);
    for (bool playing = true; playing && game.steps < stepLimit && game.broken.empty(); ++game.steps) {
        if (game.steps == saveAt) {
            for (const char* key : {"Escape", "Down", "Down", "Enter", "Up", "Enter", "Enter", "Enter"}) press(key);
        }
        playing = (s.form.view().board.humanPlayer == 1 ? anna : ben).step();
    }
    game.transcript = s.out.str();
    return game;
}

bool holds(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(People, TwoPeopleAndAComputerPlayerPlayAWholeGameAtOneKeyboard) {
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        const Game game = playTogether(seed);
        ASSERT_TRUE(game.broken.empty()) << game.broken.front();
        const std::string& t = game.transcript;
        // Ben must win, after a battle of the computer player against him.
        if (!holds(t, "Ben has won the game! Main Menu.")) continue;
        const std::string jacob = "Jacob of ";
        EXPECT_TRUE(holds(t, "say: 2 people. How many computer players would you like? The max is 6."));
        EXPECT_TRUE(holds(t, "msg: Anna's turn. Choose your starting zone and press Spacebar. You are now in "));
        EXPECT_TRUE(holds(t, "msg: Ben's turn. Choose your starting zone and press Spacebar. You are now in "));
        EXPECT_FALSE(holds(t, "It is your turn.")) << "each person is named";
        EXPECT_FALSE(holds(t, " attacked You ")) << "nobody is You with several people";
        const auto out = t.find("msg: Anna has been defeated!");
        ASSERT_NE(out, std::string::npos) << "the idle person is put out";
        EXPECT_TRUE(holds(t.substr(out), "msg: Ben's turn.")) << "the game goes on after Anna is out";
        EXPECT_FALSE(holds(t.substr(out), "msg: Anna's turn.")) << "a person out plays no more";
        EXPECT_TRUE(holds(t, " attacked Ben in ")) << "a computer player's battle names the person";

        // Saved halfway and loaded: the rest of the game is the same.
        const Game resumed = playTogether(seed, game.steps / 2);
        ASSERT_TRUE(resumed.broken.empty()) << resumed.broken.front();
        EXPECT_TRUE(holds(resumed.transcript, "say: Game Saved!"));
        EXPECT_TRUE(told(resumed.transcript) == told(game.transcript))
            << "the game saved and loaded halfway goes on as it would have";
        return;
    }
    FAIL() << "Ben won no game in 20";
}

}  // namespace
}  // namespace sonarch::testing
