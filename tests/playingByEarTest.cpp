// The rate keys with each kind of voice, the sound cues of whole games, the
// history of the last 50 sentences and its keys, and the keys that study
// the board (S, B).
#include <gtest/gtest.h>

#include <sstream>

#include "board.h"
#include "game/Form1.h"
#include "session.h"

namespace sonarch::testing {
namespace {

struct KindOfVoice final : Voice {
    KindOfVoice(RateSetBy kind, int& rate) : kind(kind), rate(rate) {}
    void setRate(int newRate) override { rate = newRate; }
    void setVolume(int) override {}
    void speak(const std::string&) override {}
    RateSetBy rateSetBy() const override { return kind; }
    RateSetBy kind;
    int& rate;
};

Lines linesOf(const std::string& out) {
    Lines lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

TEST(RateKeys, OnlyAVoiceWhoseRateTheGameSetsIsChanged) {
    const struct {
        RateSetBy kind;
        int rateBefore;
        std::string heard;
        int rateAfter;
    } cases[] = {
        {RateSetBy::Game, 3, "say: Rate 4.", 4},
        {RateSetBy::Game, 10, "say: Rate 10 is the fastest.", 10},
        {RateSetBy::Player, 3, "say: Your screen reader's own rate applies; change it there.", 3},
        {RateSetBy::Nobody, 3, "say: There is no voice to set the rate of; sentences are shown as text.", 3},
    };
    for (const auto& c : cases) {
        Session s;
        s.start();
        int rate = c.rateBefore;
        s.form.useVoice(std::make_unique<KindOfVoice>(c.kind, rate), c.rateBefore);
        s.said();
        s.press("F10");
        EXPECT_EQ(s.said(), Lines{c.heard});
        EXPECT_EQ(rate, c.rateAfter);
    }
}

// The test player's way through a game on Four Corners: attack along the
// first link, place, and end the turn; with this seed it wins a battle,
// loses one and at last its every zone.
TEST(SoundLog, AWholeGameSoundsEachEventWhereItHappens) {
    DataDir data;
    data.addMap("Four Corners.map");
    std::string script = "Enter\nEnter\nDown\nEnter\n1\nSpace\nSpace\n";
    for (int turn = 0; turn < 12; ++turn) script += "Space\nQ\nQ\nSpace\nQ\nQ\nShift+Enter\nSpace\nSpace\nShift+Enter\n";
    RunOptions options;
    options.random.seed = 13;
    options.soundLog = true;
    Lines sounds;
    for (const auto& line : linesOf(play(data, script, options).out))
        if (line.rfind("sound: ", 0) == 0 && line != "sound: your-turn") sounds.push_back(line);
    EXPECT_EQ(sounds, (Lines{"sound: claim", "sound: battle-lost", "sound: battle-won", "sound: zone-lost",
                             "sound: defeat"}));
}

TEST(SoundLog, TakingTheLastZoneSoundsTheVictoryAlone) {
    DataDir data;
    data.addMap("Four Corners.map");
    RunOptions options;
    options.soundLog = true;
    // Jacob; his start in Southeast Corner; dice 3+4 against 3+3.
    options.random.fixedNumbers = {0, 0, 0.3, 0.4167, 0.5834, 0.4167, 0.4167};
    const Lines lines =
        linesOf(play(data, "Enter\nEnter\nDown\nEnter\n1\nSpace\nSpace\nSpace\nQ\nQ\nSpace\n", options).out);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "msg: Jacob has been defeated! Congratulations, you have won! Main Menu.");
    EXPECT_EQ(lines.back(), "sound: victory");
}

// 51 sentences, the first of them another: the history keeps the last 50,
// and its keys stop at the oldest and at the newest.
TEST(History, HoldsTheLast50SentencesAndItsKeysStopAtBothEnds) {
    auto s = gameOn({"Jacob"}, {{"Ford", {2}, 1, 1}, {"Mill", {1}, 2, 1}});
    s->press("Grave");
    for (int i = 0; i < 50; ++i) s->press("Tab");
    s->said();
    const std::string tab = "Ford has 1 links to other zones. 1. Mill";
    const struct {
        const char* key;
        std::string heard;
    } reads[] = {{"Shift+Period", "50. " + tab}, {"Period", "50. " + tab}, {"Shift+Comma", "1. " + tab},
                 {"Comma", "1. " + tab}, {"Period", "2. " + tab}};
    for (const auto& read : reads) {
        s->press(read.key);
        EXPECT_EQ(s->said(), Lines{"say: " + read.heard}) << read.key;
    }
}

// S names the computer player with the most zones, on a tie the one with
// the lower number. B jumps only to a zone of yours that can attack now:
// Moor, with 3 and a neighbour in reach; never Ford, with 1, nor Dale, with
// no neighbour whose links lead back to it.
TEST(StudyKeys, SNamesTheLeaderAndBJumpsToZonesThatCanAttack) {
    const struct {
        int keep, far, rise;  // owners: 2 Jacob, who also holds Mill, or 3 Ethan
        std::string leader;
    } standings[] = {{3, 3, 2, "Jacob, with 2 zones."}, {3, 3, 3, "Ethan, with 3 zones."},
                     {2, 2, 3, "Jacob, with 3 zones."}};
    for (const auto& standing : standings) {
        auto s = gameOn({"Jacob", "Ethan"}, {{"Ford", {2}, 1, 1}, {"Mill", {1, 3}, 2, 1}, {"Moor", {2}, 1, 3},
                                             {"Dale", {}, 1, 3}, {"Keep", {}, standing.keep, 1},
                                             {"Far", {}, standing.far, 1}, {"Rise", {}, standing.rise, 1}});
        s->press("S");
        const Lines said = s->said();
        const std::string lead = " The leading computer player is " + standing.leader;
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].substr(said[0].size() - lead.size()), lead) << said[0];
    }
    auto s = gameOn({"Jacob"}, {{"Ford", {2}, 1, 1}, {"Mill", {1, 3}, 2, 1}, {"Moor", {2}, 1, 3}, {"Dale", {}, 1, 3}});
    for (int i = 0; i < 2; ++i) {
        s->press("B");
        EXPECT_EQ(s->said(), Lines{"say: Moor controlled by You. Army of 3 in Moor."});
    }
}

// Shift+A, then a digit: that many points on the cursor zone, told as A
// tells them; more than the zone takes are capped at 8; a key that is not
// a digit places nothing.
TEST(PlacingKeys, ShiftAThenADigitPlacesThatManyPoints) {
    auto s = gameOn({"Jacob"}, {{"Home", {2}, 1, 2}, {"Fort", {1}, 2, 1}});
    Board board = s->form.view().board;
    board.placingPoints = 1;
    board.points[1] = 13;
    s->form.putInPlay(board);
    s->press("Shift+A");
    EXPECT_EQ(s->said(), Lines{"say: How many points on Home? Press a digit, up to 6."});
    s->press("3");
    EXPECT_EQ(s->said(), Lines{"msg: The army of Home was increased to 5. You have 10 points remaining."});
    s->press("Shift+A");
    s->press("Z");
    EXPECT_EQ(s->said(), (Lines{"say: How many points on Home? Press a digit, up to 3.", "say: No points placed."}));
    s->press("Shift+A");
    s->press("9");
    EXPECT_EQ(s->said(), (Lines{"say: How many points on Home? Press a digit, up to 3.",
                                "msg: The army of Home was increased to 8. You have 7 points remaining."}));
    s->press("2");
    const Lines report = s->said();
    ASSERT_EQ(report.size(), 1u);
    EXPECT_EQ(report[0].rfind("msg: Jacob has chain of ", 0), 0u) << "a digit after the count asks after a player again";
}

}  // namespace
}  // namespace sonarch::testing
