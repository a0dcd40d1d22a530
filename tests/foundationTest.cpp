// Start-up, the history keys, the speech switch and pauses, driven key by key.
#include <gtest/gtest.h>

#include "session.h"

namespace sonarch::testing {
namespace {

TEST(StartUp, WelcomesAndOpensTheMainMenuWithNothingRecorded) {
    Session s;
    s.data.writeMap("one.map", "Anything\r\n");
    s.start();
    EXPECT_EQ(s.said(), Lines{"say: Welcome to Sonarch Alpha 1.4 by Korvel."});
    EXPECT_EQ(s.form.menuState, 1);
    EXPECT_EQ(s.form.menuCursor, 0);
    EXPECT_EQ(s.form.humanPlayer, 0);
    EXPECT_EQ(s.form.messageCount, 0);
    EXPECT_EQ(s.form.mapFileCount, 1);
    EXPECT_EQ(s.form.saveFileCount, 0);
    EXPECT_TRUE(s.form.sapiOn);
    // With an empty history the history keys fall through to the menu.
    EXPECT_EQ(s.form.messageCursor, 0);
}

TEST(StartUp, CountsOnlyFilesAndCreatesAMissingSavesFolder) {
    Session s;
    std::filesystem::remove_all(s.data.saves());
    s.data.writeMap("a.map", "x");
    s.data.writeMap("b.map", "x");
    std::filesystem::create_directory(s.data.maps() / "subfolder");
    s.start();
    EXPECT_EQ(s.form.mapFileCount, 2);
    EXPECT_TRUE(std::filesystem::is_directory(s.data.saves()));
}

TEST(StartUp, AMissingMapsFolderIsSaidInTheWelcome) {
    Session s;
    std::filesystem::remove_all(s.data.maps());
    s.start();
    EXPECT_EQ(s.said(), Lines{"say: Welcome to Sonarch Alpha 1.4 by Korvel. The Maps folder "
                              "beside the program is missing, so there are no maps to choose."});
    EXPECT_EQ(s.form.mapFileCount, 0);
}

class History : public ::testing::Test {
protected:
    void SetUp() override {
        s.start();
        for (int i = 1; i <= 51; ++i) s.form.addMessage("Sentence " + std::to_string(i) + ".");
        s.said();
    }
    Session s;
};

TEST_F(History, KeysStopAtBothEndsAndNeverRecord) {
    s.press("Period");
    s.press("Period");
    s.press("Comma");
    s.press("Comma");
    EXPECT_EQ(s.said(), (Lines{"say: 1. Sentence 51.", "say: 2. Sentence 50.",
                               "say: 1. Sentence 51.", "say: 1. Sentence 51."}));
    s.press("Shift+Period");
    s.press("Period");
    s.press("Shift+Comma");
    EXPECT_EQ(s.said(), (Lines{"say: 50. Sentence 2.", "say: 50. Sentence 2.",
                               "say: 1. Sentence 51."}));
    EXPECT_EQ(s.form.messages[1], "Sentence 51.");
    EXPECT_EQ(s.form.messageCount, 50);
}

TEST(SpeechSwitch, OffGoesToTheCaptionAndOnIsSpoken) {
    Session s;
    s.start();
    s.said();
    s.press("F12");
    s.form.addMessage("Recorded while silent.");
    s.press("F12");
    s.form.addMessage("Recorded aloud.");
    EXPECT_EQ(s.said(), (Lines{"caption: Sapi is now Off.", "caption-msg: Recorded while silent.",
                               "say: Sapi is now On.", "msg: Recorded aloud."}));
}

TEST(Pause, ZeroSecondsProcessesNothing) {
    Session s("during-pause F12");
    s.start();
    s.said();
    s.form.hold(0);
    EXPECT_EQ(s.said(), Lines{"pause: 0"});
    EXPECT_FALSE(s.form.Holder.Enabled);
    EXPECT_TRUE(s.form.sapiOn);
}

TEST(Pause, CtrlSilencesAndEndsItAtOnce) {
    Session s("during-pause Ctrl");
    s.start();
    s.said();
    s.form.hold(5);
    EXPECT_EQ(s.said(), (Lines{"pause: 5", "say: "}));
    EXPECT_EQ(s.host.virtualMilliseconds(), 0);
    EXPECT_EQ(s.form.ctrlHeld, 0);
    EXPECT_FALSE(s.form.Holder.Enabled);
}

TEST(Pause, CtrlPressedAndReleasedBeforehandDoesNotShortenIt) {
    Session s;
    s.start();
    s.press("Ctrl");
    EXPECT_EQ(s.form.ctrlHeld, 0);
    s.form.hold(5);
    EXPECT_EQ(s.host.virtualMilliseconds(), 5000);
}

TEST(Pause, CtrlStillHeldEndsTheNextPauseAtItsFirstPass) {
    Session s;
    s.start();
    s.keyDown("Ctrl");
    s.form.hold(5);
    EXPECT_EQ(s.host.virtualMilliseconds(), 5000);  // the one pass ran the time out
    EXPECT_EQ(s.form.ctrlHeld, 0);
}

// The pause runs its whole time on the virtual clock, refusing the keys of
// play on the way.
TEST(Pause, GateRefusesGameKeysButKeepsHistoryAndSpeechSwitch) {
    Session s("during-pause Escape Z Period F12");
    s.start();
    s.form.addMessage("Jacob's turn.");
    s.said();
    s.form.hold(5);
    EXPECT_EQ(s.said(), (Lines{"pause: 5", "say: 1. Jacob's turn.", "caption: Sapi is now Off."}));
    EXPECT_EQ(s.form.menuState, 1);
    EXPECT_EQ(s.host.virtualMilliseconds(), 5000);
    EXPECT_FALSE(s.form.Holder.Enabled);
    EXPECT_EQ(s.form.Holder.Interval, 0);
}

}  // namespace
}  // namespace sonarch::testing
