// The disk on Windows: UTF-16 names, whole replacement, new files that
// never take another's name, and the names Windows would turn into
// something else refused with a reason.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "host/windows/windowsDisk.h"
#include "support.h"

namespace sonarch::testing {

namespace disk = windows::disk;
namespace {

TEST(WindowsDisk, KeepsNamesBeyondAsciiAndReplacesFilesWhole) {
    DataDir data;
    const std::string saves = data.saves().string();
    const std::string name = "\xc3\x86r\xc3\xb8 F\xc3\xb8royar.snr";  // Ærø Føroyar
    std::string whyNot;
    ASSERT_TRUE(disk::writeTextFile(saves + "\\" + name, "first\r\n", whyNot)) << whyNot;
    ASSERT_TRUE(disk::writeTextFile(saves + "\\" + name, "second\r\n", whyNot)) << whyNot;
    EXPECT_EQ(disk::listFiles(saves), Lines{name}) << "no temporary file is left";
    // A new file never takes the name of another.
    EXPECT_FALSE(disk::createTextFile(saves + "\\" + name, "third\r\n", whyNot));
    EXPECT_EQ(whyNot, "File exists");
    EXPECT_EQ(disk::readTextFile(saves + "/" + name, whyNot, false), "second\r\n");
    EXPECT_TRUE(disk::createTextFile(saves + "\\new.map", "map\r\n", whyNot)) << whyNot;
    EXPECT_EQ(disk::listFiles(saves), (Lines{"new.map", name}));
    const std::string folder = disk::programFolder();
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(disk::listFiles(folder).has_value());
}

TEST(WindowsDisk, RefusesNamesWindowsWouldOpenAsSomethingElse) {
    DataDir data;
    const std::string saves = data.saves().string() + "\\";
    for (const std::string name : {"CON.snr", "nul", "com3.snr", "a:stream.snr", "dot.", "blank "}) {
        std::string whyNot;
        EXPECT_FALSE(disk::writeTextFile(saves + name, "x", whyNot)) << name;
        EXPECT_FALSE(whyNot.empty()) << name;
        EXPECT_FALSE(disk::readTextFile(saves + name, whyNot, true).has_value()) << name;
    }
    EXPECT_EQ(disk::listFiles(saves), Lines{});
    std::filesystem::create_directory(data.saves() / "taken.snr");
    std::string whyNot;
    EXPECT_FALSE(disk::writeTextFile(saves + "taken.snr", "x", whyNot));
    EXPECT_EQ(whyNot, "Is a directory");
    EXPECT_FALSE(disk::readTextFile(saves + "taken.snr", whyNot, false).has_value());
    EXPECT_EQ(whyNot, "it is not a file");
}

// Only the game's own temporary files, and only those a killed save left
// long enough ago, go at start.
TEST(WindowsDisk, SweepsLeftoverSavesOnly) {
    DataDir data;
    const std::string leftover = ".sonarch-save-0123456789abcdef.tmp";
    const Lines kept{".sonarch-save-0123.tmp", "notes.txt"};
    for (const std::string& name : kept) data.writeSave(name, "the player's");
    data.writeSave(leftover, "half a game");
    for (const auto& entry : std::filesystem::directory_iterator(data.saves()))
        std::filesystem::last_write_time(entry.path(), std::filesystem::file_time_type::clock::now() -
                                                           std::chrono::hours(1));
    data.writeSave(".sonarch-save-fedcba9876543210.tmp", "saving right now");
    disk::removeLeftoverSaves(data.saves().string());
    EXPECT_EQ(data.saveFiles(), (Lines{".sonarch-save-0123.tmp", ".sonarch-save-fedcba9876543210.tmp", "notes.txt"}));
}

}  // namespace
}  // namespace sonarch::testing
