// The turn cycle by the player's keys: the income a placing phase adds to
// the points stored, and the order of turns past players who are out.
#include <gtest/gtest.h>

#include "board.h"
#include "peek.h"

namespace sonarch::testing {
namespace {

// Ford and Mill are joined, Dale stands alone: a chain of 2, added to what
// was stored, and never more than 20 held.
TEST(TurnCycle, TheIncomeAddsTheChainToThePointsStored) {
    const struct {
        int stored, held;
    } incomes[] = {{0, 2}, {5, 7}, {18, 20}, {19, 20}, {20, 20}};
    for (const auto& income : incomes) {
        auto s = gameOn({"Jacob"},
                        {{"Ford", {2}, 1, 1}, {"Mill", {1}, 1, 1}, {"Dale", {}, 1, 1}, {"Keep", {}, 2, 8}});
        storePoints(*s, 1, income.stored);
        s->press("Shift+Enter");
        EXPECT_EQ(s->said(), Lines{"msg: Choose where to place your points."});
        EXPECT_EQ(pointsOf(*s, 1), income.held) << income.stored << " stored";
    }
}

// Jacob is out: after the player's turn comes Ethan's, and then the player's
// again. Ethan's one zone is full and out of reach, so his turn is short.
TEST(TurnCycle, PlayersWhoAreOutAreSkipped) {
    auto s = gameOn({"Jacob", "Ethan"}, {{"Home", {}, 1, 1}, {"Keep", {}, 3, 8}});
    putOut(*s, 2);
    s->press("Shift+Enter");
    s->press("Shift+Enter");
    EXPECT_EQ(messagesOnly(s->said()),
              (Lines{"msg: Choose where to place your points.", "msg: Ethan's turn.",
                     "msg: Ethan stores their points because all armies are at maximum size.",
                     "msg: It is your turn."}));
}

}  // namespace
}  // namespace sonarch::testing
