// Save names as a POSIX disk holds them: a line break in a file name, and
// names that differ only in capitals as two files, which Windows would make
// one. (Neither can happen on Windows's own disk, so these run elsewhere.)
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "support.h"

namespace sonarch::testing {
namespace {

// A file name is the one text a player did not type or the game make: a
// line break in it shows as ^J in the transcript, so that a save named
// "a", line break, "exit" never prints a bare exit line.
TEST(SavedGameNames, ALineBreakInAFileNameIsShownInTheTranscript) {
    DataDir data;
    std::filesystem::copy_file(sourceDir() / "tests" / "saves" / "islands.snr", data.saves() / "a\nexit.snr");
    const PlayResult result = play(data, "Down\nDown\nEnter\nDown\n");
    EXPECT_EQ(result.out.find("\nexit"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("\nsay: a^Jexit.snr"), std::string::npos) << result.out;
}

// Saves may be carried to Windows, where "FIRST" and "first" are one file:
// a save in other capitals asks before replacing, then keeps only the new
// spelling; "Kept" stays when the player keeps it.
TEST(SavedGameNames, NamesThatDifferOnlyInCapitalsAreOneSave) {
    DataDir data;
    std::filesystem::copy_file(sourceDir() / "tests" / "saves" / "islands.snr", data.saves() / "islands.snr");
    const std::string saveAs = "Escape\nDown\nDown\nEnter\n";
    const PlayResult result =
        play(data, "Down\nDown\nEnter\nDown\nEnter\n" + saveAs + "type first\nEnter\ntype FIRST\nEnter\n" +
                       "Enter\ntype \xc3\x84rger\nEnter\ntype \xc3\xa4RGER\nX\n");
    std::istringstream out(result.out);
    Lines said;
    for (std::string line; std::getline(out, line);) said.push_back(line);
    ASSERT_GE(said.size(), 9u);
    EXPECT_EQ(Lines(said.end() - 9, said.end()),
              (Lines{"say: Game Saved!", "say: Name your save and hit enter.",
                     "say: A saved game named FIRST already exists. Press Enter to replace it, or any other key to "
                     "keep it.",
                     "say: Game Saved!", "say: Name your save and hit enter.", "say: Game Saved!",
                     "say: Name your save and hit enter.",
                     "say: A saved game named \xc3\xa4RGER already exists. Press Enter to replace it, or any other "
                     "key to keep it.",
                     "say: Nothing was saved."}));
    EXPECT_EQ(data.saveFiles(), (Lines{"FIRST.snr", "islands.snr", "\xc3\x84rger.snr"}));
}

}  // namespace
}  // namespace sonarch::testing
