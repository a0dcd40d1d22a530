// The disk's two ways of writing a file whole: replacing one, and making a
// new one that never takes the name of another. Both write a hidden file
// first, made new and never through a link planted at its name; only a
// plain file is ever replaced, and the settings file only through a link to
// the player's own.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "host/posix/diskFiles.h"
#include "host/posix/systemCalls.h"
#include "support.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

// Every name in the folder, hidden ones too.
Lines everything(const fs::path& folder) {
    Lines names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(DiskFiles, ANewFileNeverTakesTheNameOfAnother) {
    DataDir data;
    const std::string made = (data.maps() / "Made.map").string();
    std::string whyNot;
    EXPECT_TRUE(disk::createTextFile(made, "first", whyNot)) << whyNot;
    EXPECT_FALSE(disk::createTextFile(made, "second", whyNot));
    EXPECT_EQ(whyNot, std::strerror(EEXIST));
    // A disk without links (a memory stick's) gives the same answers.
    disk::SystemCalls& calls = disk::systemCalls();
    const disk::SystemCalls saved = calls;
    calls.link = [](const char*, const char*) {
        errno = EPERM;
        return -1;
    };
    EXPECT_FALSE(disk::createTextFile(made, "third", whyNot));
    EXPECT_EQ(whyNot, std::strerror(EEXIST));
    EXPECT_TRUE(disk::createTextFile((data.maps() / "Other.map").string(), "other", whyNot)) << whyNot;
    calls = saved;
    EXPECT_EQ(contentsOf(made), "first");
    EXPECT_EQ(everything(data.maps()), (Lines{"Made.map", "Other.map"})) << "a temporary file is left";
}

TEST(DiskFiles, ALinkPlantedAtTheHiddenNameIsPassedOver) {
    DataDir data;
    const fs::path outside = data.path() / "outside";
    fs::create_symlink(outside, data.saves() / ".Corners.snr.writing");
    fs::create_symlink(outside, data.maps() / ".Made.map.writing");
    std::string whyNot;
    EXPECT_TRUE(disk::writeTextFile((data.saves() / "Corners.snr").string(), "game", whyNot)) << whyNot;
    EXPECT_TRUE(disk::createTextFile((data.maps() / "Made.map").string(), "map", whyNot)) << whyNot;
    EXPECT_FALSE(fs::exists(outside)) << "written through the link";
    EXPECT_EQ(contentsOf(data.saves() / "Corners.snr"), "game");
    EXPECT_EQ(contentsOf(data.maps() / "Made.map"), "map");
}

// What stands where a file is to be replaced is looked at when it is
// written, not only when the game started: a pipe or a folder that appeared
// meanwhile is left, and a saved game's name is never written through a link.
TEST(DiskFiles, OnlyAPlainFileIsReplaced) {
    DataDir data;
    const fs::path pipe = data.path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::string whyNot;
    EXPECT_FALSE(disk::writeTextFile(pipe.string(), "rate = 4\n", whyNot, true));
    EXPECT_EQ(whyNot, "it is not a file");
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);
    EXPECT_FALSE(disk::writeTextFile(data.maps().string(), "rate = 4\n", whyNot, true));
    EXPECT_TRUE(fs::is_directory(data.maps()));

    const fs::path own = data.path() / "own.txt";
    std::ofstream(own) << "rate = 2\n";
    const fs::path link = data.saves() / "Linked.snr";
    fs::create_symlink(own, link);
    EXPECT_FALSE(disk::writeTextFile(link.string(), "game", whyNot));
    EXPECT_EQ(whyNot, "it is a link to another file");
    EXPECT_TRUE(disk::writeTextFile(link.string(), "rate = 3\n", whyNot, true)) << whyNot;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentsOf(own), "rate = 3\n");
    EXPECT_EQ(everything(data.path()), (Lines{"Maps", "Saves", "own.txt", "pipe"})) << "a temporary file is left";
}

const std::string welcome = "say: Welcome to Sonarch Alpha 1.4 by Korvel.";

std::string readAll(const fs::path& path) { return contentsOf(path); }

void writeAll(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

PlayResult playWith(const DataDir& data, const fs::path& settings, const std::string& script) {
    RunOptions options;
    options.settingsFile = settings.string();
    return play(data, script, options);
}

// Nothing but a plain file is ever replaced: a pipe (or a device) at the
// path is told once and left, and a link is written through only to a
// plain settings file of the player's own.
TEST(SettingsOnDisk, OnlyAPlainFileOrALinkToTheirOwnIsWritten) {
    DataDir data;
    const fs::path pipe = data.path() / "pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    EXPECT_EQ(playWith(data, pipe, "F11\nF11\n").out,
              welcome + " Your settings file cannot be read (it is not a file), so the defaults apply.\n"
                        "say: Sounds off. It cannot be kept for the next run (it is not a file).\nsay: Sounds on.\n");
    EXPECT_EQ(fs::status(pipe).type(), fs::file_type::fifo);

    const fs::path kept = data.path() / "dotfiles" / "sonarch.txt";
    fs::create_directory(kept.parent_path());
    writeAll(kept, "# mine\nrate = 2\n");
    const fs::path link = data.path() / "settings.txt";
    fs::create_symlink(kept, link);
    EXPECT_EQ(playWith(data, link, "F10\n").out, welcome + "\nsay: Rate 3.\n");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(readAll(kept), "# mine\nrate = 3\n");

    // Another program's file is not a settings file, and is left alone.
    writeAll(kept, "export RATE=2\nif true; then :; fi\n");
    EXPECT_EQ(playWith(data, link, "F10\n").out,
              welcome + " Your settings file cannot be used (line 2 is not of the form key = value), so the "
                        "defaults apply.\nsay: Rate 4. It cannot be kept for the next run (line 2 is not of the "
                        "form key = value).\n");
    EXPECT_EQ(readAll(kept), "export RATE=2\nif true; then :; fi\n");

    // A link that leads nowhere is not followed to make a file there.
    const fs::path dangling = data.path() / "dangling.txt";
    fs::create_symlink(data.path() / "nowhere.txt", dangling);
    EXPECT_EQ(playWith(data, dangling, "F10\n").out,
              welcome + "\nsay: Rate 4. It cannot be kept for the next run (it is a link to another file).\n");
    EXPECT_FALSE(fs::exists(data.path() / "nowhere.txt"));
    EXPECT_TRUE(fs::is_symlink(dangling));

    // A settings file of another user's, reached through a link, is theirs.
    if (::geteuid() == 0) {
        writeAll(kept, "rate = 2\n");
        ASSERT_EQ(::chown(kept.c_str(), 4242, 4242), 0);
        EXPECT_EQ(playWith(data, link, "F10\n").out,
                  welcome + "\nsay: Rate 3. It cannot be kept for the next run (it is a link to another file).\n");
        EXPECT_EQ(readAll(kept), "rate = 2\n");
    }
}

}  // namespace
}  // namespace sonarch::testing
