// Loading map files: the item rules and refused files. The map waiting apart
// from a running game is shown in a golden transcript.
#include <gtest/gtest.h>

#include "session.h"
#include "snapshot.h"

namespace sonarch::testing {
namespace {

const std::string fourValleys =
    "Four Valleys\r\n4\r\nNorth Valley\r\n1\r\n1\r\nMiddle Valley\r\n3\r\n0\r\n2\r\n3\r\n"
    "South Valley\r\n1\r\n1\r\nEast Valley\r\n1\r\n1\r\n";

class MapLoading : public ::testing::Test {
protected:
    void SetUp() override {
        s.start();
        s.said();
    }
    // Loads the text as a map file of that name and returns what was said.
    Lines load(const std::string& contents, const std::string& fileName = "test.map") {
        s.data.writeMap(fileName, contents);
        return loadFile(fileName);
    }
    Lines loadFile(const std::string& fileName) {
        // Joined with a forward slash on every system, as the map list does.
        s.form.chooseMap(s.data.maps().string() + "/" + fileName);
        return s.said();
    }
    const MapRecord& pending() { return *s.form.view().pendingMap; }

    Session s;
};

TEST_F(MapLoading, TheFourValleysLoadWithLinksOneHigherThanWritten) {
    EXPECT_EQ(load(fourValleys), Lines{"say: Game Loaded!"});
    EXPECT_FALSE(s.form.view().mapLoadFailed);
    MapRecord expected;
    expected.mapName = "Four Valleys";
    expected.zoneCount = 4;
    expected.zoneName = {"", "North Valley", "Middle Valley", "South Valley", "East Valley"};
    expected.linkCount = {0, 1, 3, 1, 1};
    expected.links[1] = {0, 2};
    expected.links[2] = {0, 1, 3, 4};
    expected.links[3] = {0, 2};
    expected.links[4] = {0, 2};
    EXPECT_EQ(pending(), expected);
    EXPECT_EQ(s.form.view().maxPlayers, 2);
}

TEST_F(MapLoading, OtherSpellingsOfTheFourValleysLoadTheSame) {
    load(fourValleys);
    const MapRecord plain = pending();
    std::string lf, cr;
    for (const char c : fourValleys) {
        if (c != '\r') lf += c;
        if (c != '\n') cr += c;
    }
    const std::vector<std::pair<std::string, std::string>> spellings{
        {"items on one line",
         "Four Valleys,4\r\nNorth Valley,1,1\r\nMiddle Valley,3,0,2,3\r\nSouth Valley,1,1\r\n"
         "East Valley,1,1\r\n"},
        {"lone line feeds", lf},
        {"lone carriage returns", cr},
        {"blank lines, and whatever follows the last zone",
         "Four Valleys\r\n\r\n4\r\nNorth Valley\r\n  \r\n1\r\n1\r\nMiddle Valley\r\n3\r\n0\r\n"
         "2\r\n3\r\nSouth Valley\r\n1\r\n1\r\nEast Valley,1,1\r\nThis line is not read,\r\n"
         "nor this one\r\n"},
    };
    for (const auto& [what, text] : spellings) {
        EXPECT_EQ(load(text), Lines{"say: Game Loaded!"}) << what;
        EXPECT_EQ(pending(), plain) << what;
    }
}

std::string mapOfZones(int zones) {
    std::string text = "Row\r\n" + std::to_string(zones) + "\r\n";
    for (int z = 1; z <= zones; ++z) text += "Zone " + std::to_string(z) + ",0\r\n";
    return text;
}

// A game on the four valleys, with the human in North Valley.
void playFourValleys(Session& s) {
    s.form.startAgainst(1);
    Board board = s.form.view().board;
    board.zoneOwner[1] = 1;
    board.zoneArmy[1] = 3;
    board.choosingStart = 0;
    s.form.setUpBoard(board);
    s.said();
}

// ---- refused maps ----

struct BadMap {
    std::string what, contents, reason;
};

std::string repeated(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

const std::vector<BadMap> badMaps{
    {"empty", "", "the file ends before the map name"},
    {"only blanks", " \r\n\r\n  \r\n", "the file ends before the map name"},
    {"no zone count", "Lost\r\n", "the file ends before the number of zones"},
    {"missing zone", "Three Valleys\r\n3\r\nNorth Valley\r\n1\r\n1\r\n",
     "the file ends before the name of zone 2"},
    {"missing link", "Three Valleys\r\n3\r\nNorth Valley\r\n2\r\n1\r\n",
     "the file ends before link 2 of zone 1"},
    {"count in words", "Lost\r\nthree\r\n", "the number of zones on line 2 is not a number"},
    {"link in words", "Lost\r\n2\r\nA\r\n1\r\nzone two\r\nB,0\r\n",
     "link 1 of zone 1 on line 5 is not a number"},
    {"link count with letters", "Lost\r\n2\r\nA\r\n1x\r\n1\r\nB,0\r\n",
     "the number of links of zone 1 on line 4 is not a number"},
    {"fraction", "Lost\r\n2.5\r\n", "the number of zones on line 2 is not a number"},
    {"too many digits", "Lost\r\n99999999999\r\n", "the number of zones on line 2 is not a number"},
    {"101 zones", "Lost\r\n101\r\n",
     "the number of zones on line 2 is 101, but a map has 1 to 100 zones"},
    {"no zones", "Lost\r\n0\r\n",
     "the number of zones on line 2 is 0, but a map has 1 to 100 zones"},
    {"negative zones", "Lost\r\n-4\r\n",
     "the number of zones on line 2 is -4, but a map has 1 to 100 zones"},
    {"11 links", "Lost\r\n2\r\nA\r\n11\r\n" + repeated("1\r\n", 11) + "B,0\r\n",
     "the number of links of zone 1 on line 4 is 11, but a zone has 0 to 10 links"},
    {"link past the map", "Lost\r\n2\r\nA\r\n1\r\n2\r\nB,0\r\n",
     "link 1 of zone 1 on line 5 is 2, but the zones of this map are written 0 to 1"},
    {"negative link", "Lost\r\n2\r\nA,0\r\nB,1,-1\r\n",
     "link 1 of zone 2 on line 4 is -1, but the zones of this map are written 0 to 1"},
    {"open quote", "Lost\r\n2\r\n\"A, the first\r\n0\r\nB,0\r\n",
     "the name of zone 1 on line 3 opens a double quote that is not closed on that line"},
    {"empty zone name", "Lost\r\n2\r\n,0\r\nB,0\r\n", "the name of zone 1 on line 3 is empty"},
    {"long zone name", "Lost\r\n2\r\n" + repeated("\xc3\xa9", 101) + ",0\r\nB,0\r\n",
     "the name of zone 1 on line 3 has 101 characters, but a name has at most 100"},
    {"long map name", repeated("Lost ", 21) + "\r\n2\r\nA,0\r\nB,0\r\n",
     "the map name on line 1 has 104 characters, but a name has at most 100"},
    // The question would offer at most -1 computer players.
    {"one zone", "Alone\r\n1\r\nA,0\r\n",
     "it has only 1 zone, too few for you and a computer player: a map needs at least 4"},
    {"three zones", "Few\r\n3\r\nA,0\r\nB,0\r\nC,0\r\n",
     "it has only 3 zones, too few for you and a computer player: a map needs at least 4"},
    {"binary",
     std::string("\x7f"
                 "ELF\x02\x01\x01\0\0\0",
                 10),
     "it is not a text file"},
    {"nul inside", std::string("Lost\r\n1\r\nA\0,0\r\n", 14), "it is not a text file"},
};

TEST_F(MapLoading, EveryBadMapIsRefusedWithOneSentenceAndNothingChanges) {
    load(fourValleys, "good.map");
    playFourValleys(s);
    load(mapOfZones(12), "waiting.map");
    const std::string before = snapshot(s.form);
    for (const BadMap& bad : badMaps) {
        EXPECT_EQ(load(bad.contents, "bad.map"),
                  Lines{"say: The map bad.map cannot be loaded: " + bad.reason + "."})
            << bad.what;
        EXPECT_TRUE(s.form.view().mapLoadFailed) << bad.what;
        EXPECT_EQ(snapshot(s.form), before) << bad.what;
    }
}

// The size limit of the disk is checked with the saved games.
TEST_F(MapLoading, AMissingFileIsRefusedByName) {
    load(fourValleys);
    const std::string before = snapshot(s.form);
    EXPECT_EQ(loadFile("Gone Away.map"),
              Lines{"say: The map Gone Away.map cannot be loaded: it does not exist."});
    EXPECT_TRUE(s.form.view().mapLoadFailed);
    EXPECT_EQ(snapshot(s.form), before);
}

}  // namespace
}  // namespace sonarch::testing
