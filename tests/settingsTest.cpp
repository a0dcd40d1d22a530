// The settings remembered between runs: a missing file gives the defaults
// without a word and is written at the first change; a file that cannot be
// used gives the defaults and one sentence, and is written anew; keys of a
// newer version are kept; scripted play reads none unless given one; the
// wording chosen with F2 is kept like the rest.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

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

TEST(Settings, AFileThatCannotBeUsedGivesTheDefaultsAndSaysSo) {
    const struct {
        std::string text;
        std::string why;
    } cases[] = {
        {"sounds = off\nrate = fast\n",
         "cannot be used (line 2: the rate must be a whole number from -10 to 10)"},
        {"rate = 11\n", "cannot be used (line 1: the rate must be a whole number from -10 to 10)"},
        {"sounds = loud\n", "cannot be used (line 1: sounds must be on or off)"},
        {"strength = hard\n", "cannot be used (line 1: the strength must be gentle, standard or strong)"},
        {"wording = plain\n", "cannot be used (line 1: the wording must be classic or clear)"},
        {"sounds off\n", "cannot be used (line 1 is not of the form key = value)"},
        {"rate = 4\x01\n", "cannot be used (it is not a text file)"},
        {"", "cannot be read (it is not a file)"},  // a folder in its place
    };
    for (const auto& c : cases) {
        DataDir data;
        const fs::path file = data.path() / "settings.txt";
        if (c.why.find("not a file") != std::string::npos) {
            fs::create_directory(file);
        } else {
            writeAll(file, c.text);
        }
        const bool folder = fs::is_directory(file);
        EXPECT_EQ(playWith(data, file, "F11\n").out,
                  welcome + " Your settings file " + c.why + ", so the defaults apply.\nsay: Sounds off." +
                      (folder ? " It cannot be kept for the next run (Is a directory).\n" : "\n"))
            << c.text;
        if (!folder) {
            EXPECT_EQ(readAll(file), header + "sounds = off\n");
        }
    }
}

// The wording is in force from the welcome on: F12 is answered in the
// clear words at once, and F2 back to classic is written for the next run.
TEST(Settings, TheWordingChosenLastIsReadAndF2WritesItBack) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    writeAll(file, "Wording = Clear\n");
    EXPECT_EQ(playWith(data, file, "F12\nF12\nF2\nF12\n").out,
              welcome + "\ncaption: Speech off.\nsay: Speech on.\nsay: Classic sentences.\ncaption: Sapi is now Off.\n");
    EXPECT_EQ(readAll(file), header + "wording = classic\n");
    EXPECT_EQ(playWith(data, file, "F12\nF12\nF2\n").out,
              welcome + "\ncaption: Sapi is now Off.\nsay: Sapi is now On.\nsay: Clear sentences.\n");
    EXPECT_EQ(readAll(file), header + "wording = clear\n");
}

TEST(Settings, KeysOfANewerVersionAreKeptAndAGivenRateWins) {
    DataDir data;
    const fs::path file = data.path() / "settings.txt";
    writeAll(file, "# mine\r\nColours = dark\r\n  rate =  -2 \r\nsounds = OFF\r\n");
    EXPECT_EQ(playWith(data, file, "F11\nF10\n").out, welcome + "\nsay: Sounds on.\nsay: Rate -1.\n");
    EXPECT_EQ(readAll(file), header + "rate = -1\nsounds = on\nColours = dark\n");
    RunOptions options;
    options.settingsFile = file.string();
    options.speechRate = 7;
    EXPECT_EQ(play(data, "F10\n", options).out, welcome + "\nsay: Rate 8.\n");
}

}  // namespace
}  // namespace sonarch::testing
