// A computer player's turn summed up for a brief telling, on a board laid
// out by hand: the outcomes are those of a turn as the rules give them, and
// every count below is worked out from them by hand.
#include <gtest/gtest.h>

#include "board.h"
#include "wording/Wording.h"

namespace sonarch::testing {

namespace {

// You hold Alder and Birch; Landon (seat 2) Elm, Gorse and Heath; Damien
// (seat 3) Fern; Dale is unclaimed. As Landon's turn left it: Alder and
// Birch taken from you, Dale taken unclaimed, Fern held against him.
Board afterLandonsTurn() {
    return boardOf({"Landon", "Damien"},
                   {{"Alder", {}, 2, 3}, {"Birch", {}, 2, 2}, {"Cedar", {}, 1, 4}, {"Dale", {}, 2, 2},
                    {"Elm", {}, 2, 5}, {"Fern", {}, 3, 3}, {"Gorse", {}, 2, 3}, {"Heath", {}, 2, 2}});
}

Outcome battle(Outcome::Kind kind, int zone, int from, int defender) {
    return {.kind = kind, .player = 2, .zone = zone, .from = from, .defender = defender, .roll1 = 9, .roll2 = 4};
}

// Alder and Birch won from you, Dale taken unclaimed, Fern lost to Damien.
const Outcomes landonsAttacks{
    battle(Outcome::Kind::BattleWon, 1, 5, 1),
    battle(Outcome::Kind::BattleWon, 2, 1, 1),
    {.kind = Outcome::Kind::ZoneTaken, .player = 2, .zone = 4, .from = 7, .army = 2},
    battle(Outcome::Kind::BattleLost, 6, 8, 3),
};

TurnTally tallied(const Outcomes& outcomes, int listener) {
    TurnTally tally;
    for (const Outcome& outcome : outcomes) tally.count(outcome, listener);
    return tally;
}

}  // namespace

// 4 attacks (2 won from you, 1 unclaimed zone, 1 lost): 3 zones taken, 2
// of them yours; 4 + 2 + 1 = 7 points over Elm, Gorse and Heath, 4 on Elm.
TEST(BriefTurn, CountsTheAttacksTheZonesTakenAndYoursAndSumsThePlacing) {
    const Board board = afterLandonsTurn();
    const PlayWords& words = clearWording().play;
    EXPECT_EQ(words.attacksSummed(board, 2, tallied(landonsAttacks, 1)),
              "Landon attacked 4 times and took 3 zones, 2 of them yours: Alder, Birch.");
    ZoneTable<int> placed{};
    placed[5] = 4;
    placed[7] = 2;
    placed[8] = 1;
    EXPECT_EQ(words.placingSummed(board, 2, placed), "Landon placed 7 points over 3 zones, most on Elm.");
    // The classic wording sums a turn up in the same words.
    EXPECT_EQ(classicWording().play.placingSummed(board, 2, placed), words.placingSummed(board, 2, placed));
}

// Heard by nobody in particular (several people at one keyboard), no zone
// is "yours"; one attack is "once"; an attack that took nothing says so.
TEST(BriefTurn, NamesNoZoneYoursWithoutAListenerAndSaysOnceAndNoZones) {
    const Board board = afterLandonsTurn();
    const PlayWords& words = clearWording().play;
    EXPECT_EQ(words.attacksSummed(board, 2, tallied(landonsAttacks, 0)), "Landon attacked 4 times and took 3 zones.");
    EXPECT_EQ(words.attacksSummed(board, 2, tallied({landonsAttacks[3]}, 1)), "Landon attacked once and took no zones.");
    EXPECT_EQ(words.attacksSummed(board, 2, tallied({landonsAttacks[0]}, 1)),
              "Landon attacked once and took 1 zone, yours: Alder.");
}

// Beyond three of your zones they are counted, not named; a placing whose
// largest share is shared names no zone; one on a single zone is left to
// the sentence in full.
TEST(BriefTurn, CountsYourZonesBeyondThreeAndNamesOnlyALargestShareOfItsOwn) {
    const Board board = afterLandonsTurn();
    const PlayWords& words = clearWording().play;
    Outcomes four;
    for (const int zone : {1, 2, 3, 4}) four.push_back(battle(Outcome::Kind::BattleWon, zone, 5, 1));
    EXPECT_EQ(words.attacksSummed(board, 2, tallied(four, 1)), "Landon attacked 4 times and took 4 zones, 4 of them yours.");
    ZoneTable<int> placed{};
    placed[5] = 2;
    placed[7] = 2;
    placed[8] = 1;
    EXPECT_EQ(words.placingSummed(board, 2, placed), "Landon placed 5 points over 3 zones.");
    ZoneTable<int> onOne{};
    onOne[5] = 3;
    EXPECT_EQ(words.placingSummed(board, 2, onOne), "");
}

}  // namespace sonarch::testing
