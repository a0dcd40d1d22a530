// New game set-up and the names of computer players, with fixed random
// numbers choosing the list and the entry.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>

#include "files/names.h"
#include "session.h"

namespace sonarch::testing {
namespace {

const double justBelowHalf = std::nextafter(0.5, 0.0);
const double justBelowOne = std::nextafter(1.0, 0.0);

std::string nameDrawnWith(double list, double entry) {
    Session s("", {list, entry});
    return s.form.pickName();
}

TEST(PickName, TheFirstDrawChoosesTheListAndTheSecondTheEntry) {
    EXPECT_EQ(nameDrawnWith(0, 0), "Jacob");
    EXPECT_EQ(nameDrawnWith(0.5, 0), "Isabella");
    EXPECT_EQ(nameDrawnWith(justBelowHalf, justBelowOne), "Dorian");
    EXPECT_EQ(nameDrawnWith(justBelowOne, justBelowOne), "Kenley");
    EXPECT_EQ(nameDrawnWith(0.25, 1.0 / 500), "Ethan");
    EXPECT_EQ(nameDrawnWith(0.75, 499.0 / 500), "Kenley");
}

TEST(NamePool, TwoListsOfFiveHundredWithTwentyTwoNamesInBoth) {
    const std::regex oneWord("[A-Z][a-z]{1,10}");
    std::set<std::string_view> lists[2];
    for (int which = 1; which <= 2; ++which) {
        for (const std::string_view name : nameList(which)) {
            EXPECT_TRUE(std::regex_match(std::string(name), oneWord)) << name;
            lists[which - 1].insert(name);
        }
        EXPECT_EQ(lists[which - 1].size(), 500u) << "list " << which << " repeats a name";
    }
    std::set<std::string_view> both;
    for (const auto name : lists[0])
        if (lists[1].count(name)) both.insert(name);
    const std::set<std::string_view> expected{
        "Alexis", "Amari",  "Angel",  "Avery",  "Cameron", "Charlie", "Dakota", "Emerson",
        "Hayden", "Jayden", "Jordan", "Kayden", "Logan",   "Parker",  "Payton", "Peyton",
        "Quinn",  "Reese",  "Riley",  "Rowan",  "Skyler",  "Taylor"};
    EXPECT_EQ(both, expected);
    EXPECT_EQ(nameList(1)[0], "Jacob");
    EXPECT_EQ(nameList(1)[1], "Ethan");
    EXPECT_EQ(nameList(1)[499], "Dorian");
    EXPECT_EQ(nameList(2)[0], "Isabella");
    EXPECT_EQ(nameList(2)[499], "Kenley");
}

// A session with the three valleys waiting and the given random numbers.
class NewGame : public ::testing::Test {
protected:
    void begin(int players, std::vector<double> random) {
        session = std::make_unique<Session>("", std::move(random));
        session->data.writeMap("valleys.map",
                               "Three Valleys\r\n3\r\nNorth Valley,1,1\r\nMiddle Valley,2,0,2\r\n"
                               "South Valley,1,1\r\n");
        session->start();
        session->form.mapPath = (session->data.maps() / "valleys.map").string();
        session->form.loadMap();
        session->said();
        session->form.playerCount = players;
        session->form.menuState = 0;
    }
    Form1& form() { return session->form; }

    std::unique_ptr<Session> session;
};

TEST_F(NewGame, ClearsTheBoardNamesThePlayersAndAsksForAStartingZone) {
    begin(2, {0, 0});
    form().cursorZone = 3;
    form().linkCursor = 2;
    form().attackFrom = 2;
    form().zoneOwner[2] = 2;
    form().zoneArmy[2] = 5;
    form().points[1] = 9;
    form().chain[2] = 4;
    form().hasStarted[1] = 1;
    form().isComputer[1] = 1;
    form().Holder.Enabled = true;
    form().startUsOut();
    EXPECT_EQ(session->said(), Lines{"msg: Choose your starting zone and press Spacebar. You are "
                                     "now in North Valley."});
    EXPECT_EQ(form().messages[1],
              "Choose your starting zone and press Spacebar. You are now in North Valley.");
    EXPECT_EQ(form().mapName, "Three Valleys");
    for (int z = 1; z <= 3; ++z) {
        EXPECT_EQ(form().zoneOwner[z], 0);
        EXPECT_EQ(form().zoneArmy[z], 0);
    }
    EXPECT_EQ(form().playerName[1], "You");
    EXPECT_EQ(form().playerName[2], "Jacob");
    EXPECT_EQ(form().isComputer[1], 0);
    EXPECT_EQ(form().isComputer[2], 1);
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(form().points[p], 0);
        EXPECT_EQ(form().chain[p], 0);
        EXPECT_EQ(form().hasStarted[p], 0);
    }
    EXPECT_EQ(form().cursorZone, 1);
    EXPECT_EQ(form().linkCursor, 1);
    EXPECT_EQ(form().attackFrom, 0);
    EXPECT_EQ(form().choosingStart, 1);
    EXPECT_EQ(form().placingPoints, 0);
    EXPECT_EQ(form().humanPlayer, 1);
    EXPECT_EQ(form().turnPlayer, 1);
    EXPECT_FALSE(form().Holder.Enabled);
}

TEST_F(NewGame, OneComputerPlayerTakesExactlyOneName) {
    begin(2, {0, 0, 0.5, 0});
    form().startUsOut();
    EXPECT_EQ(form().playerName[2], "Jacob");
    EXPECT_EQ(form().pickName(), "Isabella") << "the set-up drew two numbers only";
}

TEST_F(NewGame, ANameAlreadyTakenIsDrawnAgain) {
    begin(3, {0, 0, 0, 0, 0.5, 0});
    form().startUsOut();
    EXPECT_EQ(form().playerName[2], "Jacob");
    EXPECT_EQ(form().playerName[3], "Isabella");
}

TEST_F(NewGame, NamesLeftByAnEarlierGameInHigherSlotsCountAsTaken) {
    begin(3, {0, 0, 0.5, 0, 0, 0});
    form().playerName[3] = "Jacob";  // player 3 of the game before
    form().startUsOut();
    EXPECT_EQ(form().playerName[2], "Isabella");
    EXPECT_EQ(form().playerName[3], "Jacob");
}

TEST_F(NewGame, EightPlayersGetEightDifferentNames) {
    begin(8, {});
    form().playerName[5] = "Sophia";
    form().startUsOut();
    std::set<std::string> names(form().playerName.begin() + 1, form().playerName.begin() + 9);
    EXPECT_EQ(names.size(), 8u);
    EXPECT_EQ(names.count("You"), 1u);
}

TEST_F(NewGame, ASecondGameOnTheSameMapStartsFromAClearBoard) {
    begin(2, {0, 0});
    form().startUsOut();
    form().zoneOwner[1] = 1;
    form().zoneArmy[1] = 4;
    form().zoneOwner[3] = 2;
    form().zoneArmy[3] = 2;
    form().cursorZone = 2;
    form().startUsOut();
    EXPECT_EQ(form().zoneOwner[1], 0);
    EXPECT_EQ(form().zoneArmy[3], 0);
    EXPECT_EQ(form().mapName, "Three Valleys") << "the map stays when no other was chosen";
    EXPECT_EQ(form().messages[1],
              "Choose your starting zone and press Spacebar. You are now in North Valley.");
}

}  // namespace
}  // namespace sonarch::testing
