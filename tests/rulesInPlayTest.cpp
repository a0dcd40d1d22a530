// Rules a player depends on, each played through the real game from a saved
// position with the keys a player presses, so that each holds wherever the
// rule's code lives: one battle a turn for the gentle player, the turn's
// count of zones that can attack, the captured zone attacking on, a seat
// with nothing left put out, groups joined by one-way links, the cap on
// points, and what a new or loaded game takes over from the one before.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "rules/boardShape.h"
#include "board.h"
#include "support.h"

namespace sonarch::testing {
namespace {

struct SavedZone {
    std::string name;
    int owner;
    int army;
    std::vector<int> links;  // zone numbers from 1, one way
};

struct SavedPlayer {
    std::string name;
    int points;
};

// A saved game in the human's turn, attack phase: "You" is player 1, the
// computer players follow.
std::string savedGame(const std::vector<SavedZone>& zones, const std::vector<SavedPlayer>& players,
                      int placing = 0) {
    const auto number = [](int value) { return " " + std::to_string(value) + " \r\n"; };
    std::string text = "Line\r\n" + number(static_cast<int>(zones.size())) +
                       number(static_cast<int>(players.size())) + number(1) + number(1) + number(0) +
                       number(placing);
    for (const SavedZone& zone : zones) {
        text += zone.name + "\r\n" + number(zone.owner) + number(static_cast<int>(zone.links.size())) +
                number(zone.army);
        for (const int link : zone.links) text += number(link);
    }
    for (std::size_t p = 0; p < players.size(); ++p)
        text += players[p].name + "\r\n" + number(p == 0 ? 0 : 1) + number(players[p].points);
    return text;
}

Lines linesOf(const std::string& text) {
    Lines lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string joined(const Lines& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\n";
    return text;
}

// The keys that open the one saved game from the main menu just after start.
const std::string loadIt = "Down\nDown\nEnter\nDown\nEnter\n";

// The transcript's lines after "Game Loaded!" (or "Game loaded.").
Lines afterLoading(const DataDir& data, const std::string& keysBefore, const std::string& keysAfter,
                   RunOptions options = {}) {
    if (!options.random.seed) options.random.seed = 5;
    const PlayResult result = play(data, keysBefore + loadIt + keysAfter, options);
    Lines lines = linesOf(result.out);
    const auto loaded = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
        return line == "say: Game Loaded!" || line.rfind("say: Game loaded.", 0) == 0;
    });
    EXPECT_NE(loaded, lines.end()) << result.out;
    return loaded == lines.end() ? Lines{} : Lines(loaded + 1, lines.end());
}

// Three strong zones of Jacob's, each beside a zone of army 1 of yours: a
// standard player would fight them all; a gentle one fights one battle and
// then places its point.
TEST(RulesInPlay, AGentleComputerPlayerFightsOneBattleATurn) {
    DataDir data;
    data.writeSave("a.snr", savedGame({{"Ash", 1, 1, {2}},
                                       {"Birch", 2, 8, {1, 3}},
                                       {"Cedar", 1, 1, {2, 4}},
                                       {"Dale", 2, 8, {3, 5}},
                                       {"Elm", 1, 1, {4, 6}},
                                       {"Fir", 2, 8, {5}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    const Lines turn = afterLoading(data, "Shift+F3\n", "Shift+Enter\nShift+Enter\n");
    const auto battles = std::count_if(turn.begin(), turn.end(), [](const std::string& line) {
        return line.find("Jacob of ") != std::string::npos && line.find(" attacked ") != std::string::npos;
    });
    EXPECT_EQ(battles, 1) << joined(turn);
    EXPECT_EQ(turn.back(), "msg: It is your turn.");
}

// Ash has an army of 3 but reaches only Birch, its owner's own zone; only
// Dale, beside Jacob's Cedar, can attack. Jacob places a point and attacks
// nothing (every zone of his has an army of 1 before it).
TEST(RulesInPlay, TheClearTurnStartCountsOnlyZonesWithAnEnemyInReach) {
    DataDir data;
    data.writeSave("b.snr", savedGame({{"Ash", 1, 3, {2}},
                                       {"Birch", 1, 1, {1, 3}},
                                       {"Cedar", 2, 1, {2, 4}},
                                       {"Dale", 1, 2, {3}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    const Lines turn = afterLoading(data, "F2\n", "Shift+Enter\nShift+Enter\n");
    EXPECT_EQ(turn, (Lines{"msg: Placing phase: you have 2 points to place.",
                           "msg: You keep 2 points for your next turn.", "msg: Jacob's turn.",
                           "msg: Jacob has increased the army of Cedar to 2.", "pause: 5",
                           "msg: It is your turn. 1 zone of yours can attack.",
                           "msg: Since your last turn: you lost no zones. You 3 zones, Jacob 1."}));
}

// Ash (5) takes Birch with five sixes against a one, and the army that
// moved in (4) attacks on from Birch: Cedar is no link of Ash's, so only
// the captured zone can reach it.
TEST(RulesInPlay, TheZoneJustCapturedBecomesTheAttackingZone) {
    DataDir data;
    data.writeSave("c.snr", savedGame({{"Ash", 1, 5, {2}},
                                       {"Birch", 2, 1, {1, 3}},
                                       {"Cedar", 2, 1, {2, 4}},
                                       {"Dale", 2, 1, {3}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    RunOptions options;
    options.random.fixedNumbers = {0.99, 0.99, 0.99, 0.99, 0.99, 0.0, 0.99, 0.99, 0.99, 0.99, 0.0};
    EXPECT_EQ(afterLoading(data, "", "Space\nQ\nQ\nSpace\nW\nW\nSpace\n", options),
              (Lines{"say: Strength 5 army of Ash selected. Select a connected zone to attack.", "say: Birch",
                     "msg: You are now at Birch which is owned by Jacob and has an army of 1.",
                     "msg: Your armies captured Birch with a roll of 30 to 1. Birch now has an army of 4.",
                     "say: Cedar", "msg: You are now at Cedar which is owned by Jacob and has an army of 1.",
                     "msg: Your armies captured Cedar with a roll of 24 to 1. Cedar now has an army of 3."}));
}

// Jacob holds nothing and no zone is free: a loaded game counts him as
// started, so his turn puts him out and the game is won.
TEST(RulesInPlay, ASeatWithNoZoneAndNothingToClaimIsPutOutAndTheGameWon) {
    DataDir data;
    data.writeSave("e.snr", savedGame({{"Ash", 1, 3, {2}},
                                       {"Birch", 1, 1, {1, 3}},
                                       {"Cedar", 1, 1, {2, 4}},
                                       {"Dale", 1, 1, {3}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    const Lines turn = afterLoading(data, "", "Shift+Enter\nShift+Enter\n");
    ASSERT_FALSE(turn.empty());
    EXPECT_EQ(turn.back(), "msg: Jacob has been defeated! Congratulations, you have won! Main Menu.");
}

// Birch's one link leads to Ash and none back: the two are still one group
// (a link joins two zones whichever way it leads), and M says so.
TEST(RulesInPlay, AOneWayLinkJoinsAGroupBothWays) {
    DataDir data;
    data.writeSave("f.snr", savedGame({{"Ash", 1, 1, {4}},
                                       {"Birch", 1, 1, {1}},
                                       {"Cedar", 2, 1, {2}},
                                       {"Dale", 2, 1, {3}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    const Lines said = afterLoading(data, "", "M\n");
    ASSERT_FALSE(said.empty());
    EXPECT_EQ(said.back().substr(0, said.back().find(',')), "say: You: 2 zones in one group around Ash");
}

// Two rings of three zones, each ring's links one way round, and one
// one-way bridge between them: read both ways, each ring is a region.
TEST(RulesInPlay, OneWayLinksMakeRegionsBothWays) {
    const Board board = boardOf({"Jacob"}, {{"A", {2}, 0, 0},
                                            {"B", {3}, 0, 0},
                                            {"C", {1, 4}, 0, 0},
                                            {"D", {5}, 0, 0},
                                            {"E", {6}, 0, 0},
                                            {"F", {4}, 0, 0}});
    EXPECT_EQ(mapRegions(board), (std::vector<ZoneSet>{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(gatesOf(board, {4, 5, 6}), (ZoneSet{4}));
    EXPECT_EQ(joinedOutside(board, {4, 5, 6}, 4), (ZoneSet{3}));
}

// Your chain is 3 and you hold 19 points: the turn's income stops at 20.
TEST(RulesInPlay, PointsHeldStopAtTwenty) {
    DataDir data;
    data.writeSave("cap.snr", savedGame({{"Ash", 1, 1, {2}},
                                         {"Birch", 1, 1, {1, 3}},
                                         {"Cedar", 1, 1, {2, 4}},
                                         {"Dale", 2, 1, {3}}},
                                        {{"You", 19}, {"Jacob", 0}}));
    const Lines said = afterLoading(data, "", "Shift+Enter\nS\n");
    ASSERT_FALSE(said.empty());
    EXPECT_NE(said.back().find(" chain 3, 20 points to place."), std::string::npos) << said.back();
}

// A game loaded with 15 points to place, then left for a new game on Four
// Corners: the new game begins with its own income, 1 point for 1 zone.
TEST(RulesInPlay, PointsOfOneGameAreNotCarriedIntoTheNext) {
    DataDir data;
    data.addMap("Four Corners.map");
    data.writeSave("g.snr", savedGame({{"Ash", 1, 3, {2}},
                                       {"Birch", 1, 1, {1, 3}},
                                       {"Cedar", 2, 1, {2, 4}},
                                       {"Dale", 1, 2, {3}}},
                                      {{"You", 15}, {"Jacob", 0}}, 1));
    const Lines said = afterLoading(data, "", "S\nEscape\nEnter\nDown\nEnter\n1\nSpace\nS\n");
    ASSERT_FALSE(said.empty());
    EXPECT_NE(said.front().find(" chain 2, 15 points to place."), std::string::npos) << said.front();
    EXPECT_EQ(said.back(), "say: Your turn, placing phase: you hold 1 of 4 zones, 1 army, chain 1, 1 point to place.");
}

// F3 chose strong in the menu; the game loaded then goes on at strong, not
// at the standard strength of the run's earlier (no) game.
TEST(RulesInPlay, ALoadedGameGoesOnAtTheStrengthChosenNow) {
    DataDir data;
    data.writeSave("h.snr", savedGame({{"Ash", 1, 3, {2}},
                                       {"Birch", 1, 1, {1, 3}},
                                       {"Cedar", 2, 1, {2, 4}},
                                       {"Dale", 1, 2, {3}}},
                                      {{"You", 0}, {"Jacob", 0}}));
    const Lines said = afterLoading(data, "F3\n", "S\n");
    ASSERT_FALSE(said.empty());
    const std::string& standing = said.back();
    EXPECT_EQ(standing.substr(standing.rfind(". ") + 2), "Computer players: strong.");
}

}  // namespace
}  // namespace sonarch::testing
