// The human's turn by keys on laid-out boards with fixed dice: attacks and
// their sentences, the placing phase and the end of the turn.
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

TEST(HumanTurn, TheLastPointEndsTheTurnAfterTwoSeconds) {
    // In Jacob's turn Home is stronger than Field by 3: a percentage is drawn
    // and no attack made; then his one point goes to Field.
    auto zones = twoFronts();
    zones[1].links = {1};
    auto s = gameOn({"Jacob"}, zones, {percentageOf(100), drawOf(2, 4)});
    s->form.placingPoints = 1;
    s->form.points[1] = 1;
    s->form.chain[2] = 1;
    s->press("Space");
    EXPECT_EQ(s->said(), (Lines{"msg: The army of Home was increased to 6. You have 0 points remaining.",
                                "pause: 2", "msg: Jacob's turn.",
                                "msg: Jacob has increased the army of Field to 4.", "pause: 5",
                                "msg: It is your turn."}));
    EXPECT_EQ(s->form.turnPlayer, 1);
    EXPECT_EQ(s->form.placingPoints, 0);
}

TEST(HumanTurn, ClaimingTheStartOpensThePlacingPhase) {
    auto zones = twoFronts();
    zones[0].owner = 0;
    zones[0].army = 0;
    auto s = gameOn({"Jacob"}, zones);
    s->form.choosingStart = 1;
    s->form.hasStarted[1] = 0;
    s->press("Space");
    EXPECT_EQ(s->said(), Lines{"msg: Home is now under your control. Choose where to place your points."});
    EXPECT_EQ(s->form.points[1], 1);
    EXPECT_EQ(s->form.hasStarted[1], 1);
    EXPECT_EQ(s->form.placingPoints, 1);
    EXPECT_EQ(s->form.choosingStart, 0);
}

}  // namespace
}  // namespace sonarch::testing
