// The one rule every seat's moves go through: boards, moves, and the
// outcomes or refusals worked out by hand, for a person and for a computer
// player; then the table handing the moves out, and the seats of several
// people: whose turn, who is out, who wins.
#include <gtest/gtest.h>

#include "board.h"
#include "rules/moves.h"
#include "rules/newGame.h"
#include "table/Table.h"

namespace sonarch::testing {
namespace {

RandomSource dice(const std::vector<int>& faces) {
    RandomSource random;
    for (const int face : faces) random.queueFixed(dieOf(face));
    random.seedFromClock(0);
    return random;
}

// Seats 1.. people (named as given), then computer players.
Board seated(const std::vector<std::string>& people, const std::vector<std::string>& computers,
             const std::vector<BoardZone>& zones) {
    std::vector<std::string> names = people;
    names.erase(names.begin());
    names.insert(names.end(), computers.begin(), computers.end());
    Board board = boardOf(names, zones);
    for (int p = 1; p <= static_cast<int>(people.size()); ++p) {
        board.playerName[static_cast<std::size_t>(p)] = people[static_cast<std::size_t>(p - 1)];
        board.isComputer[static_cast<std::size_t>(p)] = 0;
    }
    return board;
}

// A one-way map: Hill leads to Ford, but Ford does not lead back; Ford and
// Moor lead to each other. You hold Hill and Moor, Jacob holds Ford.
const std::vector<BoardZone> oneWay = {{"Hill", {2}, 1, 3}, {"Ford", {3}, 2, 1}, {"Moor", {2}, 1, 2}};

struct Case {
    const char* what;
    int seat;
    Move move;
    Refusal expected;
};

TEST(Moves, EachMoveIsRefusedForItsReasonAndTheBoardKept) {
    Board board = boardOf({"Jacob"}, oneWay);
    const Case cases[] = {
        {"out of turn", 2, Move::attack(2, 3), Refusal::NotYourTurn},
        {"a claim after the start", 1, Move::claim(2), Refusal::WrongPhase},
        {"placing in the attack phase", 1, Move::place(1), Refusal::WrongPhase},
        {"no attacking zone", 1, Move::attack(0, 2), Refusal::NoAttacker},
        {"from another's zone", 1, Move::attack(2, 3), Refusal::NotYours},
        {"off the map", 1, Move::attack(1, 4), Refusal::NoSuchZone},
        {"on its own zone", 1, Move::attack(1, 3), Refusal::OwnZone},
        // A person reaches a zone whose links lead back: Ford's lead only to Moor.
        {"along a link that does not lead back", 1, Move::attack(1, 2), Refusal::OutOfReach},
    };
    for (const Case& c : cases) {
        Board before = board;
        RandomSource random = dice({});
        Outcomes out;
        EXPECT_EQ(playMove(board, c.seat, c.move, random, out), c.expected) << c.what;
        EXPECT_TRUE(out.empty()) << c.what;
        EXPECT_TRUE(board == before) << c.what << ": a refused move changes nothing";
    }
    board.zoneArmy[3] = 1;
    RandomSource random = dice({});
    Outcomes out;
    EXPECT_EQ(playMove(board, 1, Move::attack(3, 2), random, out), Refusal::TooWeak);
}

TEST(Moves, APersonAndAComputerPlayerReachAlongDifferentLinks) {
    const Board board = boardOf({"Jacob"}, oneWay);
    // Hill's own link leads to Ford, Ford's not back: the computer player's
    // way, not the person's. Moor and Ford lead to each other: both ways.
    EXPECT_FALSE(seatReaches(board, 1, 1, 2));
    EXPECT_TRUE(seatReaches(board, 2, 1, 2));
    EXPECT_TRUE(seatReaches(board, 1, 3, 2));
    EXPECT_TRUE(seatReaches(board, 2, 3, 2));
    // Ford's one link leads to Moor; Moor's to Ford: a person at Ford
    // reaches Moor (Moor's link leads back), a computer player too.
    EXPECT_TRUE(seatReaches(board, 1, 2, 3));
    EXPECT_TRUE(seatReaches(board, 2, 2, 3));
}

TEST(Moves, ACaptureMakesTheZoneTakenTheAttackingZoneAndALossKeepsIt) {
    // Moor (2) on Ford (1): two sixes against a one, 12 to 1: the loss is
    // raised to 1, so 1 moves in and Moor keeps 1.
    Board board = boardOf({"Jacob"}, oneWay);
    RandomSource random = dice({6, 6, 1});
    Outcomes out;
    ASSERT_EQ(playMove(board, 1, Move::attack(3, 2), random, out), Refusal::None);
    ASSERT_EQ(out.front().kind, Outcome::Kind::BattleWon);
    EXPECT_EQ(out.front().roll1, 12);
    EXPECT_EQ(out.front().roll2, 1);
    EXPECT_EQ(board.zoneOwner[2], 1);
    EXPECT_EQ(board.zoneArmy[2], 1);
    EXPECT_EQ(board.zoneArmy[3], 1);
    EXPECT_EQ(board.attackFrom, 2) << "the zone taken attacks next";

    // Lost: 1 and 1 against a six; the attacking zone stays chosen.
    board = boardOf({"Jacob"}, oneWay);
    random = dice({1, 1, 6});
    out.clear();
    ASSERT_EQ(playMove(board, 1, Move::attack(3, 2), random, out), Refusal::None);
    EXPECT_EQ(out.front().kind, Outcome::Kind::BattleLost);
    EXPECT_EQ(board.attackFrom, 3);
}

TEST(Moves, ClaimsAndPlacingFollowEachSeatsRule) {
    Board board = seated({"Anna", "Ben"}, {"Jacob"}, {{"Hill", {2}, 0, 0}, {"Ford", {1, 3}, 0, 0}, {"Moor", {2}, 0, 0}});
    for (int p = 1; p <= 3; ++p) board.hasStarted[static_cast<std::size_t>(p)] = 0;
    board.choosingStart = 1;
    RandomSource random = dice({});
    Outcomes out;
    // A person's start: army 1, placing opens with a chain of 1.
    ASSERT_EQ(playMove(board, 1, Move::claim(1), random, out), Refusal::None);
    EXPECT_EQ(board.zoneArmy[1], 1);
    EXPECT_EQ(board.placingPoints, 1);
    EXPECT_EQ(board.points[1], 1);
    EXPECT_EQ(playMove(board, 1, Move::claim(2), random, out), Refusal::WrongPhase) << "one start a person";
    // A computer player's start: army 2, no points to place; starting on
    // the zones held is only for when nothing is free.
    board.turnPlayer = 3;
    EXPECT_EQ(playMove(board, 3, Move::startOnZonesHeld(), random, out), Refusal::NoSuchZone);
    EXPECT_EQ(playMove(board, 3, Move::claim(1), random, out), Refusal::ZoneOwned);
    ASSERT_EQ(playMove(board, 3, Move::claim(3), random, out), Refusal::None);
    EXPECT_EQ(board.zoneArmy[3], 2);
    EXPECT_EQ(board.points[3], 0);

    // A: as many as the zone takes (8 - 5 = 3) of the 10 held, told once.
    board.turnPlayer = 1;
    board.zoneArmy[1] = 5;
    board.points[1] = 10;
    out.clear();
    ASSERT_EQ(playMove(board, 1, Move::placeAll(1), random, out), Refusal::None);
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out.front().army, 8);
    EXPECT_EQ(out.front().points, 7);
    EXPECT_FALSE(turnEndsByItself(board));
    EXPECT_EQ(playMove(board, 1, Move::place(1), random, out), Refusal::ArmyFull);
    EXPECT_EQ(playMove(board, 1, Move::place(3), random, out), Refusal::NotYours);
    // Placed to the last point, the turn ends by itself.
    board.zoneArmy[1] = 1;
    board.points[1] = 2;
    ASSERT_EQ(playMove(board, 1, Move::place(1, 2), random, out), Refusal::None);
    EXPECT_TRUE(turnEndsByItself(board));
    EXPECT_EQ(playMove(board, 1, Move::place(1), random, out), Refusal::NoPointsLeft);
}

TEST(Moves, EndingThePhasesOpensPlacingThenPassesTheTurnToTheNextPerson) {
    // Anna holds Hill and Ford (a chain of 2) with 19 points held.
    Board board = seated({"Anna", "Ben"}, {"Jacob"}, {{"Hill", {2}, 1, 2}, {"Ford", {1, 3}, 1, 1}, {"Moor", {2}, 2, 1}, {"Fen", {}, 3, 1}});
    board.points[1] = 19;
    RandomSource random = dice({});
    Outcomes out;
    ASSERT_EQ(playMove(board, 1, Move::endPhase(), random, out), Refusal::None);
    ASSERT_EQ(out.back().kind, Outcome::Kind::PlacingOpens);
    EXPECT_EQ(board.points[1], 20) << "19 held and a chain of 2, kept at 20";
    out.clear();
    ASSERT_EQ(playMove(board, 1, Move::endPhase(), random, out), Refusal::None);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].kind, Outcome::Kind::PointsKept);
    EXPECT_EQ(out[0].points, 20);
    EXPECT_EQ(out[1].kind, Outcome::Kind::TurnBegins);
    EXPECT_EQ(board.turnPlayer, 2);
    EXPECT_EQ(board.humanPlayer, 2) << "the keys pass to Ben";
    EXPECT_EQ(board.placingPoints, 0);
    out.clear();
    ASSERT_EQ(playMove(board, 2, Move::endPhase(), random, out), Refusal::None);
    ASSERT_EQ(playMove(board, 2, Move::endPhase(), random, out), Refusal::None);
    EXPECT_EQ(board.turnPlayer, 3);
    EXPECT_EQ(board.humanPlayer, 1) << "while Jacob plays, Anna plays next";
}

TEST(Moves, APersonPutOutLeavesTheOthersPlayingAndTheLastEndsTheGame) {
    // Jacob's Moor (8) takes Anna's last zone: Ben still plays, so she is
    // only out. Then Jacob takes Ben's last: the last person out is a defeat.
    Board board = seated({"Anna", "Ben"}, {"Jacob"}, {{"Hill", {3}, 1, 1}, {"Ford", {3}, 2, 1}, {"Moor", {1, 2}, 3, 8}});
    board.turnPlayer = 3;
    RandomSource random = dice({6, 6, 6, 6, 6, 6, 6, 6, 1});
    Outcomes out;
    ASSERT_EQ(playMove(board, 3, Move::attack(3, 1), random, out), Refusal::None);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].kind, Outcome::Kind::PlayerOut);
    EXPECT_EQ(out[1].name, "Anna");
    EXPECT_FALSE(board.gameOver);
    EXPECT_FALSE(board.inGame(1));

    board.zoneArmy[3] = 8;
    random = dice({6, 6, 6, 6, 6, 6, 6, 6, 1});
    out.clear();
    ASSERT_EQ(playMove(board, 3, Move::attack(3, 2), random, out), Refusal::None);
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[1].kind, Outcome::Kind::HumanDefeated);
    EXPECT_EQ(out[1].name, "Ben");
    EXPECT_TRUE(board.gameOver);

    // People only: the last other seat out wins the game for the one left.
    board = seated({"Anna", "Ben"}, {}, {{"Hill", {2}, 1, 3}, {"Ford", {1}, 2, 1}});
    random = dice({6, 6, 6, 1});
    out.clear();
    ASSERT_EQ(playMove(board, 1, Move::attack(1, 2), random, out), Refusal::None);
    ASSERT_EQ(out.size(), 3u);
    EXPECT_EQ(out[1].kind, Outcome::Kind::PlayerOut);
    EXPECT_EQ(out[2].kind, Outcome::Kind::GameWon);
    EXPECT_EQ(out[2].player, 1) << "the winner";
}

TEST(Moves, ANewGameSeatsThePeopleFirstAndNoComputerPlayerTakesAPersonsName) {
    // The first draw names Jacob (list 1, entry 1), whom a person called
    // jacob already is, capitals aside: the second names Ethan (entry 2).
    RandomSource random;
    for (const double u : {0.0, 0.0, 0.0, 1.5 / 500}) random.queueFixed(u);
    random.seedFromClock(0);
    Board board;
    startGame(board, boardOf({}, {{"Hill", {}, 0, 0}, {"Ford", {}, 0, 0}}).map, {"jacob", "Ben"}, 1, random);
    EXPECT_EQ(board.playerCount, 3);
    EXPECT_EQ(board.playerName[1], "jacob");
    EXPECT_EQ(board.playerName[2], "Ben");
    EXPECT_EQ(board.playerName[3], "Ethan");
    EXPECT_EQ(board.isComputer[1] + board.isComputer[2], 0);
    EXPECT_EQ(board.isComputer[3], 1);
    EXPECT_EQ(board.peopleCount(), 2);
}

TEST(Moves, AMapSeatsOnePlayerForEveryTwoZonesUpToEight) {
    EXPECT_EQ(seatsAllowed(3), 1);
    EXPECT_EQ(seatsAllowed(4), 2);
    EXPECT_EQ(seatsAllowed(9), 4);
    EXPECT_EQ(seatsAllowed(17), 8);
    EXPECT_EQ(seatsAllowed(100), 8);
}

// The table hands every move out with the board after it, and ends a
// person's turn by itself at the last point, then plays Jacob's whole turn.
struct Recorder : TableListener {
    std::vector<Played> heard;
    void played(const Played& played) override { heard.push_back(played); }
};

TEST(Table, HandsOutEachMoveAndPlaysTheComputerTurnsThatFollow) {
    RandomSource random = dice({});
    Table table(random);
    Recorder listener;
    table.seatListener(&listener);
    // Jacob's Fen leads nowhere and is full: his turn stores its points.
    Board board = boardOf({"Jacob"}, {{"Hill", {}, 1, 1}, {"Fen", {}, 2, 8}});
    board.placingPoints = 1;
    board.points[1] = 1;
    table.setUp(board, Strength::Standard);
    EXPECT_EQ(table.play(2, Move::endPhase()), Refusal::NotYourTurn);
    EXPECT_TRUE(listener.heard.empty());
    ASSERT_EQ(table.play(1, Move::place(1)), Refusal::None);
    std::vector<Played::Kind> kinds;
    for (const Played& p : listener.heard) kinds.push_back(p.kind);
    EXPECT_EQ(kinds, (std::vector<Played::Kind>{Played::Kind::Move, Played::Kind::TurnOver,
                                                Played::Kind::ComputerMove, Played::Kind::TurnPassed}));
    EXPECT_EQ(listener.heard[0].after.zoneArmy[1], 2) << "each board as its move left it";
    EXPECT_EQ(listener.heard[1].after.turnPlayer, 2);
    EXPECT_EQ(table.board().turnPlayer, 1) << "back with the person";
}

}  // namespace
}  // namespace sonarch::testing
