// The computer player's decision rule at the borders of each chance: a zone
// of 3 attacks a weaker target always, an equal on a percentage over 50, one
// stronger by 1 over 70, by 2 over 90, and a stronger one never. Whole turns
// are told in the golden transcripts and the whole games; here, a turn that
// needs more than one sweep over the zones, worked out by hand.
#include <gtest/gtest.h>

#include "board.h"
#include "peek.h"
#include "rules/computerPlayer.h"

namespace sonarch::testing {
namespace {

TEST(DecisionRule, TheBordersOfEachChance) {
    struct Border {
        int target, drawn;
        bool attacks;
    };
    for (const Border b : {Border{2, 1, true}, Border{3, 50, false}, Border{3, 51, true},
                           Border{4, 70, false}, Border{4, 71, true}, Border{5, 90, false},
                           Border{5, 91, true}, Border{6, 100, false}, Border{8, 100, false}}) {
        auto s = gameOn({"Jacob", "Ethan"},
                        {{"North", {2}, 2, 3}, {"West", {}, 3, b.target}, {"Dale", {}, 3, 1},
                         {"Home", {}, 1, 1}},
                        {percentageOf(b.drawn)});
        s->form.board.turnPlayer = 2;  // Jacob's turn
        Outcomes out;
        runAI(s->form.board, s->form.random, out);
        EXPECT_EQ(s->form.board.zoneArmy[1] == 1, b.attacks) << "target " << b.target << " drawn " << b.drawn;
    }
}

// Jacob's Keep (8) reaches the unclaimed Yonder, and Yonder the unclaimed
// Far, but Yonder comes before Keep in zone order: only a second sweep,
// started by the conquest, finds Far. A weaker zone is attacked without a
// draw; the three points of his chain go to zone floor(0.9 x 4) + 1 = 4, Keep.
TEST(ComputerTurn, EachConquestStartsAnotherSweep) {
    auto s = gameOn({"Jacob"},
                    {{"Home", {}, 1, 1}, {"Yonder", {3, 4}, 0, 0}, {"Far", {2}, 0, 0}, {"Keep", {2}, 2, 8}},
                    {0.9, 0.9, 0.9});
    s->press("Shift+Enter");
    s->press("Shift+Enter");
    EXPECT_EQ(messagesOnly(s->said()), (Lines{"msg: Choose where to place your points.", "msg: Jacob's turn.",
                                          "msg: Jacob has taken control of Yonder. Yonder now has an army of 7.",
                                          "msg: Jacob has taken control of Far. Far now has an army of 6.",
                                          "msg: Jacob has increased the army of Keep to 4.", "msg: It is your turn."}));
    EXPECT_EQ(ownerOf(*s, 3), 2);
    EXPECT_EQ(armyOf(*s, 2), 1);
    EXPECT_EQ(armyOf(*s, 4), 4);
}

}  // namespace
}  // namespace sonarch::testing
