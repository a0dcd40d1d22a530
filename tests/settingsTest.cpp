// The settings remembered between runs: a missing file gives the defaults
// without a word and is written at the first change; a file that cannot be
// used gives the defaults and one sentence; a change is written into its own
// line, and comments and keys of a newer version are kept; nothing but a
// plain settings file is written; scripted play reads none unless given one; the
// wording chosen with F2 is kept like the rest.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "files/settingsFormat.h"
#include "support.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

const std::string welcome = "say: Welcome to Sonarch Alpha 1.4 by Korvel.";
const std::string header =
    "# Sonarch settings. The game rewrites this file when you change a setting in play.\n";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeAll(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

PlayResult playWith(const DataDir& data, const fs::path& settings, const std::string& script) {
    RunOptions options;
    options.settingsFile = settings.string();
    return play(data, script, options);
}

TEST(Settings, AMissingFileIsWrittenAtTheFirstChangeAndReadByTheNextRun) {
    DataDir data;
    const fs::path file = data.path() / "config" / "settings.txt";
    EXPECT_EQ(playWith(data, file, "F11\nF10\nF3\n").out,
              welcome + "\nsay: Sounds off.\nsay: Rate 4.\nsay: Computer players: strong.\n");
    EXPECT_EQ(readAll(file), header + "rate = 4\nsounds = off\nstrength = strong\n");
    EXPECT_EQ(playWith(data, file, "F11\nF9\nF3\n").out,
              welcome + "\nsay: Sounds on.\nsay: Rate 3.\nsay: Computer players: gentle.\n");
    // Without --settings scripted play reads nothing, not even the file
    // where the window would look for it.
    fs::copy_file(file, data.path() / "settings.txt");
    EXPECT_EQ(play(data, "F11\n").out, welcome + "\nsay: Sounds off.\n");
}

// A value out of range gives the defaults, and the change is written into
// the line of its key, every other line kept; a file that does not read as
// settings, or cannot be read, is left as it is and the change lasts the run.
TEST(Settings, AFileThatCannotBeUsedGivesTheDefaultsAndSaysSo) {
    const struct {
        std::string text;
        std::string why;
        std::string afterwards;  // the file after F11 and F10; empty: as it was
        std::string notKept;     // F11's sentence after "Sounds off."
    } cases[] = {
        {"sounds = off\nrate = fast\n",
         "cannot be used (line 2: the rate must be a whole number from -10 to 10)", "sounds = off\nrate = 4\n", ""},
        {"rate = 11\n", "cannot be used (line 1: the rate must be a whole number from -10 to 10)",
         "rate = 4\nsounds = off\n", ""},
        {"# mine\r\nsounds = loud\r\nx = 1", "cannot be used (line 2: sounds must be on or off)",
         "# mine\r\nsounds = off\r\nx = 1\r\nrate = 4\r\n", ""},
        {"strength = hard\n", "cannot be used (line 1: the strength must be gentle, standard or strong)",
         "strength = hard\nsounds = off\nrate = 4\n", ""},
        {"wording = plain\n\n", "cannot be used (line 1: the wording must be classic or clear)",
         "wording = plain\n\nsounds = off\nrate = 4\n", ""},
        {"sounds off\n", "cannot be used (line 1 is not of the form key = value)", "",
         " It cannot be kept for the next run (line 1 is not of the form key = value)."},
        {"rate = 4\x01\n", "cannot be used (it is not a text file)", "",
         " It cannot be kept for the next run (it is not a text file)."},
        {"rate = 4\n" + std::string(70'000, '\n'), "cannot be used (it is far too large)", "",
         " It cannot be kept for the next run (it is far too large)."},
        {"", "cannot be read (it is not a file)", "", " It cannot be kept for the next run (it is not a file)."},
    };
    for (const auto& c : cases) {
        DataDir data;
        const fs::path file = data.path() / "settings.txt";
        const bool folder = c.text.empty();
        if (folder) {
            fs::create_directory(file);
        } else {
            writeAll(file, c.text);
        }
        EXPECT_EQ(playWith(data, file, "F11\nF10\n").out,
                  welcome + " Your settings file " + c.why + ", so the defaults apply.\nsay: Sounds off." + c.notKept +
                      "\nsay: Rate 4.\n")
            << c.text;
        if (folder) {
            EXPECT_TRUE(fs::is_directory(file));
        } else {
            EXPECT_EQ(readAll(file), c.afterwards.empty() ? c.text : c.afterwards) << c.text;
        }
    }
}

// Both ends of the rate's range are settings like any other: -10 is read
// as the slowest (F9 can go no further), 10 as the fastest.
TEST(Settings, TheSlowestAndFastestRatesAreRead) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    writeAll(file, "rate = -10\n");
    EXPECT_EQ(playWith(data, file, "F9\nF10\n").out, welcome + "\nsay: Rate -10 is the slowest.\nsay: Rate -9.\n");
    EXPECT_EQ(readAll(file), "rate = -9\n");
    writeAll(file, "rate = 10\n");
    EXPECT_EQ(playWith(data, file, "F10\n").out, welcome + "\nsay: Rate 10 is the fastest.\n");
}

// The wording is in force from the welcome on: F12 is answered in the
// clear words at once, and F2 back to classic is written for the next run.
TEST(Settings, TheWordingChosenLastIsReadAndF2WritesItBack) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    writeAll(file, "Wording = Clear\n");
    EXPECT_EQ(playWith(data, file, "F12\nF12\nF2\nF12\n").out,
              welcome + "\ncaption: Speech off.\nsay: Speech on.\nsay: Classic sentences.\ncaption: Sapi is now Off.\n");
    EXPECT_EQ(readAll(file), "wording = classic\n");
    EXPECT_EQ(playWith(data, file, "F12\nF12\nF2\n").out,
              welcome + "\ncaption: Sapi is now Off.\nsay: Sapi is now On.\nsay: Clear sentences.\n");
    EXPECT_EQ(readAll(file), "wording = clear\n");
}

// F4 switches how the computer players' turns are told and is written as
// rounds = brief or full. Until it is pressed the wording decides (full in
// the classic, brief in the clear), so its first press in the clear wording
// asks for the full telling; once pressed, F2 no longer changes it.
TEST(Settings, F4SwitchesTheRoundsAndWritesThemBack) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    EXPECT_EQ(playWith(data, file, "F4\nF2\nF4\nF4\n").out,
              welcome + "\nsay: Rounds told briefly.\nsay: Clear sentences.\nsay: Rounds told in full.\n"
                        "say: Rounds told briefly.\n");
    EXPECT_EQ(readAll(file), header + "wording = clear\nrounds = brief\n");
    EXPECT_EQ(playWith(data, file, "F2\nF4\n").out,
              welcome + "\nsay: Classic sentences.\nsay: Rounds told in full.\n");
    EXPECT_EQ(readAll(file), header + "wording = classic\nrounds = full\n");
    writeAll(file, "wording = clear\n");
    EXPECT_EQ(playWith(data, file, "F4\n").out, welcome + "\nsay: Rounds told in full.\n");
    EXPECT_EQ(readAll(file), "wording = clear\nrounds = full\n");
    writeAll(file, "rounds = short\n");
    EXPECT_EQ(playWith(data, file, "").out,
              welcome + " Your settings file cannot be used (line 1: rounds must be full or brief), so the defaults "
                        "apply.\n");
}

TEST(Settings, KeysOfANewerVersionAreKeptAndAGivenRateWins) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    writeAll(file, "# mine\r\nColours = dark\r\n  rate =  -2 \r\nsounds = OFF\r\n");
    EXPECT_EQ(playWith(data, file, "F11\nF10\n").out, welcome + "\nsay: Sounds on.\nsay: Rate -1.\n");
    // Each change in its own line, every other line (the comment, the newer
    // key, the line ends) as it was.
    EXPECT_EQ(readAll(file), "# mine\r\nColours = dark\r\nrate = -1\r\nsounds = on\r\n");
    RunOptions options;
    options.settingsFile = file.string();
    options.speechRate = 7;
    EXPECT_EQ(play(data, "F10\n", options).out, welcome + "\nsay: Rate 8.\n");
}

// The seats held in rooms online: each a server, a room and a token, the
// newest first and no more than four; one that is not of that form makes
// the file unusable like any value out of its range, and a file without
// them reads as it always has.
TEST(Settings, SeatsInRoomsOnlineAreKeptFourAtMost) {
    const std::string token = "0123456789abcdef0123456789abcdef";
    std::string seats;
    for (const char* room : {"KQXW", "HLOR", "ZZZZ", "XYWK", "RRRR"})
        seats += std::string(seats.empty() ? "" : ", ") + "http://127.0.0.1:7878/ " + room + " " + token;
    SettingsRecord record;
    std::string why;
    ASSERT_TRUE(parseSettings("rate = 4\nseats = " + seats + "\n", record, why)) << why;
    ASSERT_TRUE(record.seats);
    ASSERT_EQ(record.seats->size(), keptSeatsAtMost);
    EXPECT_EQ(record.seats->front(), (KeptSeat{"http://127.0.0.1:7878/", "KQXW", token}));
    EXPECT_EQ(record.seats->back().room, "XYWK");
    EXPECT_EQ(settingsText(record), header + "rate = 4\nseats = " + seats.substr(0, seats.rfind(',')) + "\n");
    record.seats->clear();
    EXPECT_EQ(settingsTextOver("rate = 4\nseats = " + seats + "\n", record), "rate = 4\nseats = \n");

    for (const std::string& bad : {std::string("http://h/ KQXW 0123"), "http://h/ kqxw " + token, "http://h/ KQXW " + token + " x",
                                   "http://h/,KQXW " + token}) {
        EXPECT_FALSE(parseSettings("seats = " + bad + "\n", record, why)) << bad;
        EXPECT_EQ(why, "line 1: each seat is a server's address, a room's code and a token") << bad;
    }
    ASSERT_TRUE(parseSettings("rate = 4\nsounds = off\n", record, why)) << why;
    EXPECT_FALSE(record.seats);
}

}  // namespace
}  // namespace sonarch::testing
