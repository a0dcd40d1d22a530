// The human's turn by keys on laid-out boards with fixed dice: attacks and
// their sentences, and the opening of the placing phase.
#include <gtest/gtest.h>

#include "board.h"

namespace sonarch::testing {
namespace {

// Home (yours, army 5) and Field (Jacob's, army 3) link both ways; Waste is
// unclaimed and links to Field; Far is Jacob's second zone.
std::vector<BoardZone> twoFronts(int fieldOwner = 2) {
    return {{"Home", {2}, 1, 5}, {"Field", {1, 3}, fieldOwner, 3}, {"Waste", {2}, 0, 0}, {"Far", {}, 2, 1}};
}

TEST(HumanAttack, ACaptureSaysTheRollsAndFollowsWithTheCapturedZone) {
    auto s = gameOn({"Jacob"}, twoFronts(), then(diceTotalling(5, 20), diceTotalling(3, 9)));
    s->press("Space");
    s->press("Right");
    s->press("Enter");
    s->press("Space");
    EXPECT_EQ(s->said(), (Lines{
        "say: Strength 5 army of Home selected. Select a connected zone to attack.",
        "say: Field, owned by Jacob with a army of 3. You are now at Home.",
        "msg: You are now at Field which is owned by Jacob and has an army of 3.",
        "msg: Your armies captured Field with a roll of 20 to 9. Field now has an army of 3."}));
    EXPECT_EQ(s->form.attackFrom, 2);
    // The captured zone attacks on: Waste is unclaimed and its links reach Field.
    s->press("W");
    s->press("W");
    s->press("Space");
    EXPECT_EQ(s->said().back(), "msg: You have taken control of Waste.");
    EXPECT_EQ(s->form.zoneArmy[3], 2);
}

TEST(HumanAttack, AFailureKeepsTheAttackingZoneChosen) {
    auto s = gameOn({"Jacob"}, twoFronts(), then(diceTotalling(5, 10), diceTotalling(3, 12)));
    s->press("Space");
    s->form.cursorZone = 2;
    s->press("Space");
    EXPECT_EQ(s->said().back(),
              "msg: Your armies failed to capture Field with a roll of 10 to 12. Field now has an army of 1.");
    EXPECT_EQ(s->form.attackFrom, 1);
    EXPECT_EQ(s->form.zoneArmy[1], 1);
}

TEST(HumanTurn, ShiftEnterOpensThePlacingPhaseWithTheChainAsIncome) {
    auto s = gameOn({"Jacob"}, twoFronts());
    s->form.points[1] = 19;
    s->press("Shift+Enter");
    EXPECT_EQ(s->said(), Lines{"msg: Choose where to place your points."});
    EXPECT_EQ(s->form.points[1], 20);  // 19 + chain 1, capped at 20
    EXPECT_EQ(s->form.placingPoints, 1);
}

}  // namespace
}  // namespace sonarch::testing
