// Saved games: the file written byte for byte, refused names and refused
// files. A save and load by the menus is shown in a golden transcript.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "board.h"
#include "snapshot.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

// The three valleys with one computer player named Jacob, saved while the
// human, having claimed North Valley, places points.
const std::string threeValleysSave =
    "Three Valleys\r\n 3 \r\n 2 \r\n 1 \r\n 1 \r\n 0 \r\n 1 \r\n"
    "North Valley\r\n 1 \r\n 1 \r\n 1 \r\n 2 \r\n"
    "Middle Valley\r\n 0 \r\n 2 \r\n 0 \r\n 1 \r\n 3 \r\n"
    "South Valley\r\n 0 \r\n 1 \r\n 0 \r\n 2 \r\n"
    "You\r\n 0 \r\n 1 \r\n"
    "Jacob\r\n 1 \r\n 0 \r\n";

std::string repeated(const std::string& text, int times) {
    std::string result;
    for (int i = 0; i < times; ++i) result += text;
    return result;
}

void setUpThreeValleys(Form1& f) {
    layOutGame(f, {"Jacob"}, {{"North Valley", {2}, 1, 1}, {"Middle Valley", {1, 3}, 0, 0},
                              {"South Valley", {2}, 0, 0}});
    MapRecord named = *f.view().board.map;
    named.mapName = "Three Valleys";
    Board board = f.view().board;
    board.map = std::make_shared<const MapRecord>(named);
    board.placingPoints = 1;
    board.points[1] = 1;
    f.setUpBoard(board);
}

class SavedGames : public ::testing::Test {
protected:
    void SetUp() override {
        s.start();
        s.said();
    }
    Lines save(const std::string& name) {
        s.form.saveGame(name);
        return s.said();
    }
    Lines load(const std::string& name) {
        s.form.loadGame(name);
        return s.said();
    }

    Session s;
};

TEST_F(SavedGames, TheThreeValleysAreWrittenByteForByteOverAnEarlierSave) {
    setUpThreeValleys(s.form);
    s.data.writeSave("valleys.snr", "an older game");
    EXPECT_EQ(save("valleys"), Lines{"say: Game Saved!"});
    EXPECT_EQ(s.data.readSave("valleys.snr"), threeValleysSave);
    EXPECT_EQ(s.form.view().messageCount, 0) << "Game Saved! is only said";
}

TEST_F(SavedGames, NamesThatWouldLeaveSavesOrCannotBeFileNamesAreRefused) {
    setUpThreeValleys(s.form);
    const std::string marks = "A save name cannot hold a colon, a question mark, an asterisk, "
                              "a quotation mark, a vertical bar or angle brackets.";
    const std::string devices =
        "A save name cannot be a name Windows keeps for a device, such as CON, NUL or COM1.";
    const std::vector<std::pair<std::string, std::string>> refused{
        {"", "A saved game needs a name."},
        {"   ", "A saved game needs a name."},
        {"../escaped", "A save name cannot hold a slash or a backslash."},
        {"..", "A save name cannot begin with a full stop."},
        {"Maps/inside", "A save name cannot hold a slash or a backslash."},
        {"..\\escaped", "A save name cannot hold a slash or a backslash."},
        {"/tmp/anywhere", "A save name cannot hold a slash or a backslash."},
        {".hidden", "A save name cannot begin with a full stop."},
        {"tab\there", "A save name cannot hold control characters."},
        {"line\nend", "A save name cannot hold control characters."},
        {"csi\xc2\x9b" "2J", "A save name cannot hold control characters."},
        {std::string(101, 'a'), "A save name can have at most 100 characters."},
        {repeated("\xc3\xa9", 101), "A save name can have at most 100 characters."},
        {"a:stream", marks}, {"why?", marks}, {"<all>", marks}, {"\"quoted\"", marks},
        {"trailing.", "A save name cannot end with a full stop or a blank."},
        {"trailing ", "A save name cannot end with a full stop or a blank."},
        {"CON", devices}, {"nul", devices}, {"Com1", devices}, {"lpt9.old", devices},
        {"aux .x", devices}, {"COM\xc2\xb9", devices}, {"lpt\xc2\xb2.x", devices}, {"conin$", devices},
        {"CONOUT$ ", "A save name cannot end with a full stop or a blank."}, {"CONOUT$", devices},
        // A lone lead byte, an encoded surrogate (U+D800), bytes that begin no character.
        {"lone\xc3", "A save name cannot hold broken characters."},
        {"half\xed\xa0\x80", "A save name cannot hold broken characters."},
        {"\xff\xfe", "A save name cannot hold broken characters."},
        {"over\xc0\xaf", "A save name cannot hold broken characters."},
    };
    for (const auto& [name, sentence] : refused)
        EXPECT_EQ(save(name), Lines{"say: " + sentence + " Nothing was saved."}) << name;
    EXPECT_TRUE(s.data.saveFiles().empty());
    EXPECT_FALSE(fs::exists(s.data.path() / "escaped.snr"));
    EXPECT_FALSE(fs::exists(s.data.maps() / "inside.snr"));
    EXPECT_EQ(save(std::string(100, 'a')), Lines{"say: Game Saved!"});
    EXPECT_EQ(save(repeated("\xc3\xa9", 100)), Lines{"say: Game Saved!"}) << "characters, not bytes";
    EXPECT_EQ(save("Dots.in..the middle"), Lines{"say: Game Saved!"});
    for (const std::string kept : {"CONSOLE", "com10", "nul-and-void", "Ærø Føroyar", "COM\xc2\xb9\xc2\xb9", "conin"})
        EXPECT_EQ(save(kept), Lines{"say: Game Saved!"}) << kept;
    EXPECT_TRUE(fs::exists(s.data.saves() / fs::path(u8"Ærø Føroyar.snr")));
}

// ---- refused saved games ----

struct BadSave {
    std::string what, contents, reason;
};

// The three valleys (or another save) with line n (from 1) replaced.
std::string withLine(int n, const std::string& text, const std::string& save = threeValleysSave) {
    std::string result;
    int line = 1;
    std::size_t start = 0;
    while (start < save.size()) {
        const std::size_t end = save.find("\r\n", start);
        result += (line == n ? text : save.substr(start, end - start)) + "\r\n";
        start = end + 2;
        ++line;
    }
    return result;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

std::string firstLines(int count) {
    std::string result;
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) at = threeValleysSave.find("\r\n", at) + 2;
    return threeValleysSave.substr(0, at);
}

const std::vector<BadSave> badSaves{
    {"empty", "", "the file ends before the map name, which belongs on line 1"},
    {"cut in a zone", firstLines(14),
     "the file ends before the number of links of zone 2, which belongs on line 15"},
    {"cut before a player", firstLines(26),
     "the file ends before the name of player 2, which belongs on line 27"},
    {"count in words", withLine(2, "three"), "the number of zones on line 2 is not a number"},
    {"empty number line", withLine(3, ""), "the number of players on line 3 is not a number"},
    {"number and words", withLine(11, " 1 army"), "the army of zone 1 on line 11 is not a number"},
    {"101 zones", withLine(2, " 101 "),
     "the number of zones on line 2 is 101, but a map has 1 to 100 zones"},
    {"no zones", withLine(2, " 0 "),
     "the number of zones on line 2 is 0, but a map has 1 to 100 zones"},
    {"9 players", withLine(3, " 9 "),
     "the number of players on line 3 is 9, but a game has 2 to 8 players"},
    {"one player", withLine(3, " 1 "),
     "the number of players on line 3 is 1, but a game has 2 to 8 players"},
    {"nameless zone", withLine(13, ""), "the name of zone 2 on line 13 is empty"},
    {"zone name too long", withLine(8, repeated("\xc3\xa9", 101)),
     "the name of zone 1 on line 8 has 101 characters, but a name has at most 100"},
    {"nameless map", withLine(1, ""), "the map name on line 1 is empty"},
    {"turn outside", withLine(4, " 3 "),
     "the player whose turn it is on line 4 is 3, but the players are 1 to 2"},
    {"no human", withLine(5, " 0 "), "the human player on line 5 is 0, but the players are 1 to 2"},
    {"flag 2", withLine(7, " 2 "), "the placing flag on line 7 is 2, but it must be 0 or 1"},
    {"owner outside", withLine(9, " 3 "),
     "the owner of zone 1 on line 9 is 3, but an owner is 0 for none or a player from 1 to 2"},
    {"11 links", withLine(10, " 11 "),
     "the number of links of zone 1 on line 10 is 11, but a zone has 0 to 10 links"},
    {"negative army", withLine(11, "-1 "),
     "the army of zone 1 on line 11 is -1, but an army is 0 to 999"},
    {"link outside", withLine(12, " 4 "),
     "link 1 of zone 1 on line 12 is 4, but the zones of this game are 1 to 3"},
    {"link zero", withLine(17, " 0 "),
     "link 1 of zone 2 on line 17 is 0, but the zones of this game are 1 to 3"},
    {"open quote", withLine(27, "\"Jacob"),
     "the name of player 2 on line 27 opens a double quote that is not closed"},
    {"computer flag", withLine(28, " 7 "),
     "the computer flag of player 2 on line 28 is 7, but it must be 0 or 1"},
    {"binary", std::string("PK\x03\x04\0\0", 6), "it is not a text file"},
    // Seats that no game in play has: each would leave the game with no way
    // on (the human seat played by the computer turns without end, or a
    // turn that never comes back to the human).
    {"human seat a computer", withLine(25, " 1 "), "the human player is marked as a computer player"},
    // A second person on a map of 3 zones, which seats only one.
    {"more people than seats", withLine(28, " 0 "), "2 people play, but a map of 3 zones has 1 seat"},
    {"computer's turn", withLine(4, " 2 "),
     "it is the turn of player 2, but a game is saved only in the human player's turn"},
    {"nameless human", withLine(24, ""), "the human player has no name"},
    {"out but holding", replaced(withLine(27, ""), "South Valley\r\n 0 ", "South Valley\r\n 2 "),
     "player 2 is out of the game but holds zone 3"},
    // The human could never claim, attack or lose: the turns would go round for ever.
    {"nowhere for the human", withLine(9, " 2 ", withLine(14, " 2 ", withLine(20, " 2 "))),
     "the human player holds no zone and no zone is free to claim"},
    // A starting zone to choose with every zone taken: no claim could end the turn.
    {"a start with none free", withLine(6, " 1 ", withLine(14, " 2 ", withLine(20, " 2 "))),
     "the human player has still to choose a starting zone, but no zone is free"},
};

TEST_F(SavedGames, EveryBadSaveIsRefusedWithOneSentenceAndTheGameKept) {
    setUpThreeValleys(s.form);
    Board board = s.form.view().board;
    board.zoneOwner[3] = 2;
    board.hasStarted[2] = 1;
    board.chain[2] = 1;
    s.form.putInPlay(board, 3);
    const std::string before = snapshot(s.form);
    for (const BadSave& bad : badSaves) {
        s.data.writeSave("bad.snr", bad.contents);
        EXPECT_EQ(load("bad.snr"),
                  Lines{"say: The saved game bad.snr cannot be loaded: " + bad.reason + "."})
            << bad.what;
        EXPECT_TRUE(s.form.view().gameLoadFailed) << bad.what;
        EXPECT_EQ(snapshot(s.form), before) << bad.what;
    }
    // A map too small for a new game still loads as a saved game.
    s.data.writeSave("good.snr", threeValleysSave);
    EXPECT_EQ(load("good.snr"), Lines{"say: Game Loaded!"});
}

TEST_F(SavedGames, MissingHugeAndOutsideFilesAreRefusedByName) {
    setUpThreeValleys(s.form);
    const std::string before = snapshot(s.form);
    EXPECT_EQ(load("gone.snr"),
              Lines{"say: The saved game gone.snr cannot be loaded: it does not exist."});
    s.data.writeSave("huge.snr", threeValleysSave + std::string(5 * 1024 * 1024, '1'));
    EXPECT_EQ(load("huge.snr"),
              Lines{"say: The saved game huge.snr cannot be loaded: it is far too large."});
    s.data.writeMap("elsewhere.snr", threeValleysSave);
    EXPECT_EQ(
        load("../Maps/elsewhere.snr"),
        Lines{"say: The saved game ../Maps/elsewhere.snr cannot be loaded: it is not a file of "
              "the Saves folder."});
    EXPECT_EQ(
        load(".."),
        Lines{"say: The saved game .. cannot be loaded: it is not a file of the Saves folder."});
    EXPECT_TRUE(s.form.view().gameLoadFailed);
    EXPECT_EQ(snapshot(s.form), before);
}

// A data folder without Maps and with a Saves that cannot be read (here a
// file, which even the superuser cannot list): the welcome says where Maps
// is missing, and the saved-game list says why it is empty.
TEST(DataFolders, AMissingMapsAndAnUnreadableSavesAreSaid) {
    DataDir data;
    fs::remove_all(data.maps());
    fs::remove_all(data.saves());
    std::ofstream(data.saves()) << "not a folder";
    EXPECT_EQ(play(data, "Enter\nDown\nEnter\n").out,
              "say: Welcome to Sonarch Alpha 1.4 by Korvel. There is no Maps folder in " + data.path().string() +
                  ", so there are no maps to choose.\n"
                  "say: NewGame\nsay: Load Game\nsay: Select Game to Load\n"
                  "say: The Saves folder cannot be read, so there is no saved game to choose.\n");
}

}  // namespace
}  // namespace sonarch::testing
