// A pause is a state of the game, advanced by the host's events on a clock
// the test holds: keys in a pause meet the gate, Ctrl ends it, its tick ends
// it, and a computer player's turn goes on move by move between pauses.
#include <gtest/gtest.h>

#include "board.h"
#include "input/keyCodes.h"

namespace sonarch::testing {
namespace {

class Pauses : public ::testing::Test {
protected:
    void SetUp() override {
        // The human's last point to place; Jacob, whose turn is next, holds
        // zone 2 with 8, which leads nowhere: he can only store his points.
        s = gameOn({"Jacob"}, {{"Home", {2}, 1, 3}, {"Fort", {}, 2, 8}});
        Board board = s->form.view().board;
        board.placingPoints = 1;
        board.points[1] = 1;
        s->form.setUpBoard(board);
    }
    GameSession& game() { return s->run.session; }
    void down(short code) { game().keyDown(code, 0); }
    void up(short code) { game().keyUp(code, 0); }

    std::unique_ptr<Session> s;
};

TEST_F(Pauses, KeysMeetTheGateAndTheTickOrCtrlEndsThePause) {
    down(key::Space);
    EXPECT_EQ(s->said(), (Lines{"msg: The army of Home was increased to 4. You have 0 points remaining.",
                                "pause: 2"}));
    ASSERT_TRUE(game().pausing());
    up(key::Space);
    down(key::Space);
    down(key::Escape);
    EXPECT_EQ(s->said(), Lines{}) << "game keys wait for the pause to end";
    EXPECT_EQ(s->form.view().board.zoneArmy[1], 4);
    down(key::Period);
    EXPECT_EQ(s->said(), (Lines{"say: 1. The army of Home was increased to 4. You have 0 points remaining."}));
    ASSERT_TRUE(game().pausing()) << "the history answers without ending the pause";

    // The tick ends it: Jacob's turn is told, one move, and a pause after it.
    game().tick();
    EXPECT_EQ(s->said(), (Lines{"msg: Jacob's turn.",
                                "msg: Jacob stores their points because all armies are at maximum size.",
                                "pause: 5"}));
    ASSERT_TRUE(game().pausing());
    down(key::S);
    const Lines standing = s->said();
    ASSERT_EQ(standing.size(), 1u);
    EXPECT_EQ(standing[0].rfind("say: Jacob's turn: you hold 1 of 2 zones", 0), 0u) << standing[0];

    // Ctrl ends the pause at once; its release ends none.
    down(key::Ctrl);
    EXPECT_EQ(s->said(), (Lines{"say: ", "msg: It is your turn."}));
    EXPECT_FALSE(game().pausing());
    up(key::Ctrl);
    EXPECT_EQ(s->form.view().ctrlHeld, 0);
}

TEST_F(Pauses, CtrlHeldBeforeAPauseEndsItAtItsFirstEventOnly) {
    down(key::Ctrl);
    s->said();
    down(key::Space);
    s->said();
    ASSERT_TRUE(game().pausing());
    // The first event of the pause finds Ctrl held: the pause ends, and
    // Jacob's turn is told up to its own pause.
    up(key::Space);
    EXPECT_EQ(s->said(), (Lines{"msg: Jacob's turn.",
                                "msg: Jacob stores their points because all armies are at maximum size.",
                                "pause: 5"}));
    ASSERT_TRUE(game().pausing());
    down(key::Z);
    EXPECT_TRUE(game().pausing()) << "Ctrl was used up by the pause before";
    EXPECT_EQ(s->said(), Lines{});
}

}  // namespace
}  // namespace sonarch::testing
