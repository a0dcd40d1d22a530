// The keys of play on a small board laid out by hand: exploring by links,
// the cursor rules, and every refusal of placement and attack.
#include <gtest/gtest.h>

#include "board.h"

namespace sonarch::testing {
namespace {

// Five zones: North links to Middle and East; Middle to North, South, East;
// South to Middle; East to North only; Island has no links. You own North
// (army 3) and Middle (army 1); Jacob owns East (army 2); South is unclaimed.
class Board : public ::testing::Test {
protected:
    void SetUp() override {
        s.start();
        layOutGame(s.form, {"Jacob", "Emma"},
                   {{"North", {2, 4}, 1, 3}, {"Middle", {1, 3, 4}, 1, 1}, {"South", {2}, 0, 0},
                    {"East", {1}, 2, 2}, {"Island", {}, 0, 0}});
        s.said();
    }
    Session s;
};

TEST_F(Board, OwnerAndArmyOfTheCursorZone) {
    s.press("Z");
    s.press("X");
    s.form.cursorZone = 3;
    s.press("Z");
    s.press("X");
    EXPECT_EQ(s.said(), (Lines{"say: North controlled by You.", "say: Army of 3 in North.",
                               "say: South is unclaimed.", "say: No army in South."}));
}

TEST_F(Board, ALinkKeyPressedTwiceMovesAndAThirdPressPreviewsAgain) {
    s.press("Q");
    s.press("Q");
    s.press("Q");
    EXPECT_EQ(s.said(), (Lines{"say: Middle",
                               "msg: You are now at Middle which is owned by You and has an army of 1.",
                               "say: North"}));
    EXPECT_EQ(s.form.cursorZone, 2);
    EXPECT_EQ(s.form.lastKey, 81);
}

TEST_F(Board, ZBetweenTwoPressesKeepsThePairButTabBreaksIt) {
    s.press("Q");
    s.press("Z");
    s.press("Q");
    EXPECT_EQ(s.form.cursorZone, 2);
    s.said();
    s.press("Q");
    s.press("Tab");
    s.press("Q");
    EXPECT_EQ(s.said(), (Lines{"say: North", "msg: Middle has 3 links to other zones. 1. North 2. South 3. East",
                               "say: North"}));
    EXPECT_EQ(s.form.cursorZone, 2);
}

TEST_F(Board, LinkKeysBeyondTheZonesLinksOnlyBecomeTheLastKey) {
    s.press("E");
    EXPECT_TRUE(s.said().empty());
    EXPECT_EQ(s.form.lastKey, 69);
}

TEST_F(Board, PlayersListCountsOnlyThoseStillIn) {
    s.form.playerName[3] = "";
    s.press("Grave");
    EXPECT_EQ(s.said(), Lines{"msg: 2 players. . 1. You. 2. Jacob. 3. "});
}

TEST_F(Board, ArrowsSelectAndWrapAndEnterFollows) {
    s.press("Right");
    s.press("Right");
    s.press("Left");
    s.press("Left");
    s.press("Enter");
    const std::string east = "say: East, owned by Jacob with a army of 2. You are now at North.";
    const std::string middle = "say: Middle, owned by You with a army of 1. You are now at North.";
    EXPECT_EQ(s.said(), (Lines{east, middle, east, middle,
                               "msg: You are now at Middle which is owned by You and has an army of 1."}));
    s.form.zoneOwner[2] = 0;
    s.form.cursorZone = 1;
    s.press("Right");
    s.press("Right");
    EXPECT_EQ(s.said(), (Lines{east, "say: Middle. You are now at North."}));
}

TEST_F(Board, ASelectionLeftOverFromAnotherZoneIsBroughtIntoRange) {
    s.form.cursorZone = 2;
    s.form.linkCursor = 3;
    s.press("Enter");  // Middle link 3 is East, which has one link
    s.press("Enter");  // link 3 of East does not exist: link 1 is followed
    EXPECT_EQ(s.form.cursorZone, 1);
    s.form.cursorZone = 2;
    s.form.linkCursor = 3;
    s.press("Enter");
    s.press("Left");   // brought down to East's one link, then wrapped to it
    EXPECT_EQ(s.form.linkCursor, 1);
}

TEST_F(Board, AZoneWithoutLinksSaysSoAndTheCursorStays) {
    s.form.cursorZone = 5;
    s.press("Enter");
    s.press("Left");
    s.press("Right");
    EXPECT_EQ(s.said(), Lines(3, "say: Island has no links."));
    EXPECT_EQ(s.form.cursorZone, 5);
}

TEST_F(Board, RefusalsOfTheAttackPhaseChangeNothing) {
    s.form.cursorZone = 2;
    s.press("Space");  // own zone of army 1
    s.form.cursorZone = 4;
    s.press("Space");  // a target with no attacking zone chosen
    s.form.cursorZone = 1;
    s.press("Space");  // North chosen
    s.form.cursorZone = 3;
    s.press("Space");  // South's links do not reach North
    s.form.attackFrom = 2;
    s.press("Space");  // Middle is too weak
    EXPECT_EQ(s.said(), (Lines{"say: The army of Middle is too weak to attack.",
                               "say: You must first choose an army to attack with.",
                               "say: Strength 3 army of North selected. Select a connected zone to attack.",
                               "msg: The army of North cannot reach South to attack.",
                               "say: The army of Middle is too weak to attack."}));
    EXPECT_EQ(s.form.zoneArmy, (ZoneTable<int>{0, 3, 1, 0, 2, 0}));
    EXPECT_EQ(s.form.zoneOwner, (ZoneTable<int>{0, 1, 1, 0, 2, 0}));
}

TEST_F(Board, RefusalsOfThePlacingPhase) {
    s.form.placingPoints = 1;
    s.form.points[1] = 0;
    s.form.zoneArmy[1] = 8;
    s.press("Space");  // at max army
    s.form.cursorZone = 4;
    s.press("Space");  // not yours
    s.form.cursorZone = 2;
    s.press("Space");  // no points left: nothing
    EXPECT_EQ(s.said(), (Lines{"msg: This zone is at max army.", "msg: You must choose land that you own."}));
    EXPECT_EQ(s.form.zoneArmy[2], 1);
}

TEST_F(Board, PlacingAPointAndKeepingTheRest) {
    s.form.placingPoints = 1;
    s.form.points[1] = 2;
    s.press("Space");
    EXPECT_EQ(s.said(), Lines{"msg: The army of North was increased to 4. You have 1 points remaining."});
}

TEST_F(Board, TheStartingZoneMustBeUnclaimed) {
    s.form.choosingStart = 1;
    s.press("Space");
    s.press("Shift+Enter");  // ignored while choosing
    EXPECT_EQ(s.said(), Lines{"msg: You must choose land that is unoccupied."});
    EXPECT_EQ(s.form.placingPoints, 0);
}

TEST_F(Board, NothingHappensOnAnotherPlayersTurnOrWithAModifier) {
    s.press("Shift");
    s.press("Alt");
    s.press("Ctrl+Space");
    s.form.turnPlayer = 2;
    s.press("Space");
    s.press("Shift+Enter");
    EXPECT_TRUE(s.said().empty());
}

TEST_F(Board, EscapeInTheMiddleOfAnAttackKeepsEveryField) {
    s.form.menuCursor = 3;
    s.press("Space");
    s.said();
    s.press("Escape");
    s.press("Escape");
    EXPECT_EQ(s.said(), (Lines{"say: Main Menu", "say: Menu Closed"}));
    EXPECT_EQ(s.form.attackFrom, 1);
    EXPECT_EQ(s.form.menuState, 0);
    EXPECT_EQ(s.form.menuCursor, 3);
}

}  // namespace
}  // namespace sonarch::testing
