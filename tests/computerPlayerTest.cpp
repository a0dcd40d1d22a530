// The computer player's decision rule at the borders of each chance: a zone
// of 3 attacks a weaker target always, an equal on a percentage over 50, one
// stronger by 1 over 70, by 2 over 90, and a stronger one never. Whole turns
// are told in the golden transcripts and the whole games.
#include <gtest/gtest.h>

#include "board.h"
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

}  // namespace
}  // namespace sonarch::testing
