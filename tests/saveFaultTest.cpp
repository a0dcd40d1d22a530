// Saved games under faults: a save that fails at any system call (opening
// the file, writing it, flushing it to the disk, closing it or renaming it
// over the earlier one) leaves the earlier file byte for byte, no temporary
// file behind and the game as it was, and the player hears that it failed.
// Nothing planted in the Saves folder, and no other program saving or
// swapping files at the same moment, makes a save or a load lose a game,
// write elsewhere or hang.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include <utility>

#include "bot/TestBot.h"
#include "files/saveFormat.h"
#include "host/posix/PosixPlatform.h"
#include "host/posix/diskFiles.h"
#include "host/tools/toolCommands.h"
#include "host/posix/systemCalls.h"
#include "session.h"
#include "snapshot.h"

namespace sonarch::testing {
namespace {

// Where a save is made to fail, and how.
struct Fault {
    enum class Call { Open, Write, Fsync, Close, Rename } call;
    int error = EIO;
    std::size_t bytesFirst = 0;  // a write lets these through before it fails
    bool writesNothing = false;  // the failing write returns 0 instead of -1
};

// The system calls of a save with one of them made to fail, for as long as
// the object lives. Plain functions cannot carry state, so the fault in
// force is kept here.
class FaultyDisk {
public:
    explicit FaultyDisk(Fault fault) : saved_(disk::systemCalls()) {
        fault_ = fault;
        passed_ = 0;
        disk::SystemCalls& calls = disk::systemCalls();
        calls.open = [](const char* path, int flags, mode_t mode) {
            return fails(Fault::Call::Open) ? -1 : ::open(path, flags, mode);
        };
        calls.write = [](int fd, const void* data, std::size_t size) -> ssize_t {
            if (fault_.call != Fault::Call::Write) return ::write(fd, data, size);
            if (passed_ < fault_.bytesFirst) {
                const ssize_t written = ::write(fd, data, std::min(size, fault_.bytesFirst - passed_));
                if (written > 0) passed_ += static_cast<std::size_t>(written);
                return written;
            }
            if (fault_.writesNothing) return 0;
            errno = fault_.error;
            return -1;
        };
        calls.fsync = [](int fd) { return fails(Fault::Call::Fsync) ? -1 : ::fsync(fd); };
        calls.close = [](int fd) {
            // The descriptor is closed all the same, as the system does.
            const int result = ::close(fd);
            return fails(Fault::Call::Close) ? -1 : result;
        };
        calls.rename = [](const char* from, const char* to) {
            return fails(Fault::Call::Rename) ? -1 : ::rename(from, to);
        };
    }
    ~FaultyDisk() { disk::systemCalls() = saved_; }
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

private:
    static bool fails(Fault::Call call) {
        if (fault_.call != call) return false;
        errno = fault_.error;
        return true;
    }

    static inline Fault fault_{};
    static inline std::size_t passed_ = 0;
    disk::SystemCalls saved_;
};

std::string heard(int error) {
    std::string reason = std::strerror(error);
    reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
    return "say: The game could not be saved as Corners: " + reason + ".";
}

// A game on the four corners, saved once by the menu as "Corners" and then
// played on, so that a second save would write something else.
class SaveUnderFaults : public ::testing::Test {
protected:
    SaveUnderFaults() : s(typeLines()) {}

    static std::string typeLines() {
        std::string lines;
        for (int i = 0; i < 20; ++i) lines += "type Corners\n";
        return lines;
    }

    void SetUp() override {
        s.data.addMap("Four Corners.map");
        s.start();
        for (const auto& key : TestBot::newGameKeys(0, 1)) s.press(key);
        s.press("Space");  // the starting zone; one point to place
        saveByMenu();
        earlier = s.data.readSave("Corners.snr");
        ASSERT_FALSE(earlier.empty());
        s.press("Escape");
        s.press("Space");  // the last point: the computer player's turn follows
        ASSERT_EQ(s.form.view().board.turnPlayer, 1);
        s.said();
    }

    // Escape, the cursor down to "Save Game", and Enter: the name is typed.
    Lines saveByMenu() {
        if (s.form.view().menuState == 0) s.press("Escape");
        auto lastSaid = [&] {
            const Lines lines = s.said();
            return lines.empty() ? std::string() : lines.back();
        };
        for (int i = 0; i < 6 && lastSaid() != "say: Save Game"; ++i) s.press("Down");
        s.press("Enter");
        Lines said = s.said();
        if (said.back() == replaceQuestion) s.press("Enter");  // Corners is there: replace it
        for (const auto& line : s.said()) said.push_back(line);
        return said;
    }

    const std::string replaceQuestion = "say: A saved game named Corners already exists. Press Enter to replace it, or any other key to keep it.";

    void expectNothingLost(const Fault& fault, const std::string& what) {
        const std::string before = snapshot(s.form);
        Lines said;
        {
            FaultyDisk disk(fault);
            said = saveByMenu();
        }
        EXPECT_EQ(said, (Lines{"say: Name your save and hit enter.", replaceQuestion, heard(fault.error)}))
            << what;
        EXPECT_EQ(s.data.readSave("Corners.snr"), earlier) << what;
        EXPECT_EQ(s.data.saveFiles(), Lines{"Corners.snr"}) << what << ": a temporary file is left";
        EXPECT_EQ(snapshot(s.form), before) << what;
        EXPECT_EQ(s.form.view().menuState, 1) << what;
    }

    Session s;
    std::string earlier;
};

TEST_F(SaveUnderFaults, EveryFailingCallLeavesTheEarlierSaveAndTheGame) {
    expectNothingLost({Fault::Call::Open, EACCES}, "open");
    expectNothingLost({Fault::Call::Write, ENOSPC}, "the first write");
    expectNothingLost({Fault::Call::Fsync, EIO}, "flush");
    expectNothingLost({Fault::Call::Close, EDQUOT}, "close");
    expectNothingLost({Fault::Call::Rename, EXDEV}, "rename");
    for (std::size_t at : {std::size_t{1}, std::size_t{17}, earlier.size() / 2, earlier.size() - 1})
        expectNothingLost({Fault::Call::Write, EFBIG, at}, "a write cut after " + std::to_string(at));
    // A write that writes nothing is a full disk.
    expectNothingLost({Fault::Call::Write, ENOSPC, 5, true}, "a write of nothing");
}

TEST_F(SaveUnderFaults, OnceTheFaultIsGoneTheSameSaveSucceeds) {
    expectNothingLost({Fault::Call::Rename, EXDEV}, "rename");
    EXPECT_EQ(saveByMenu(), (Lines{"say: Name your save and hit enter.", replaceQuestion, "say: Game Saved!"}));
    EXPECT_NE(s.data.readSave("Corners.snr"), earlier) << "the game had moved on";
    EXPECT_EQ(s.data.saveFiles(), Lines{"Corners.snr"});
}


// Runs something once when a save opens its temporary file, just before or
// just after the opening: another program at work in the same folder.
class AtTheOpening {
public:
    enum When { Before, After };
    AtTheOpening(When when, std::function<void(const char* temporary)> meanwhile) : saved_(disk::systemCalls()) {
        meanwhile_ = std::move(meanwhile);
        when_ = when;
        disk::systemCalls().open = [](const char* path, int flags, mode_t mode) {
            auto once = std::exchange(meanwhile_, nullptr);
            if (once && when_ == Before) once(path);
            const int fd = ::open(path, flags, mode);
            if (once && when_ == After) once(path);
            return fd;
        };
    }
    ~AtTheOpening() { disk::systemCalls() = saved_; }

private:
    static inline std::function<void(const char*)> meanwhile_;
    static inline When when_ = Before;
    disk::SystemCalls saved_;
};

TEST_F(SaveUnderFaults, ALinkOrPipePlantedAtTheTemporaryNameIsNeverOpened) {
    const std::string outside = (s.data.path() / "outside.txt").string();
    s.data.writeMap("../outside.txt", "the player's own file");
    int pipeReader = -1;
    const std::vector<std::pair<std::string, std::function<void(const char*)>>> plants{
        {"a link", [&](const char* at) { ASSERT_EQ(::symlink(outside.c_str(), at), 0); }},
        // Held open for reading, so that a save opening it would not wait but write into it.
        {"a pipe", [&](const char* at) {
             ASSERT_EQ(::mkfifo(at, 0644), 0);
             pipeReader = ::open(at, O_RDONLY | O_NONBLOCK);
         }},
    };
    for (const auto& [what, plant] : plants) {
        std::string planted;
        Lines said;
        {
            AtTheOpening race(AtTheOpening::Before, [&](const char* at) {
                planted = std::filesystem::path(at).filename().string();
                plant(at);
            });
            said = saveByMenu();
        }
        EXPECT_EQ(said.back(), "say: Game Saved!") << what;
        EXPECT_EQ(s.data.saveFiles(), (Lines{planted, "Corners.snr"})) << what;
        std::filesystem::remove(s.data.saves() / planted);
    }
    if (pipeReader >= 0) ::close(pipeReader);
    s.form.saveGame("Alone");
    EXPECT_EQ(s.data.readSave("Corners.snr"), s.data.readSave("Alone.snr")) << "the game, whole";
    std::string whyNot;
    EXPECT_EQ(disk::readTextFile(outside, whyNot, true), "the player's own file");
}

TEST_F(SaveUnderFaults, OfTwoProgramsSavingAtOnceTheLastRenameLeavesOneWholeGame) {
    const std::string target = (s.data.saves() / "Corners.snr").string();
    // The other program's game is longer, so a mixture would show its tail.
    const std::string otherGame = earlier + earlier;
    bool otherSaved = false;
    Lines said;
    {
        AtTheOpening race(AtTheOpening::After, [&](const char*) {
            std::string whyNot;
            otherSaved = disk::writeTextFile(target, otherGame, whyNot);
        });
        said = saveByMenu();
    }
    EXPECT_TRUE(otherSaved);
    EXPECT_EQ(said.back(), "say: Game Saved!");
    s.form.saveGame("Alone");  // the same game saved with no one else at work
    EXPECT_EQ(s.data.readSave("Corners.snr"), s.data.readSave("Alone.snr")) << "our game, whole";
    EXPECT_EQ(s.data.saveFiles(), (Lines{"Alone.snr", "Corners.snr"}));
}

// A program killed in the middle of a save, a made map or a settings write
// leaves its temporary file; the next start removes it from the folders that
// run writes into (Saves, the maps folder, the settings file's folder), and
// only it: nothing the player keeps, nothing elsewhere, and not the file of
// a program writing right now. Starting the platform, or a map tool, sweeps
// nothing.
TEST(LeftoverSaves, AreRemovedAtStartWhereTheGameWritesAndOnlyOfTheGamesPattern) {
    namespace fs = std::filesystem;
    DataDir data;
    const auto anHourAgo = fs::file_time_type::clock::now() - std::chrono::hours(1);
    const std::string leftover = ".sonarch-save-0123456789abcdef.tmp";
    const std::string savingNow = ".sonarch-save-fedcba9876543210.tmp";
    const Lines kept{".Corners.snr.writing", ".sonarch-save-0123.tmp", savingNow, "notes.txt",
                     "sonarch-save-0123456789abcdef.tmp"};
    const fs::path config = data.path() / "config", elsewhere = data.path() / "elsewhere";
    fs::create_directory(config);
    fs::create_directory(elsewhere);
    for (const std::string& name : kept) data.writeSave(name, "the player's");
    for (const auto& folder : {data.saves(), data.maps(), config, elsewhere})
        std::ofstream(folder / leftover) << "half a file";
    for (const auto& folder : {data.saves(), data.maps(), config, elsewhere})
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().filename() != savingNow) fs::last_write_time(entry.path(), anHourAgo);

    std::ofstream(data.path() / "tiny.map") << "Tiny\n1\nA\n0\n";
    {
        PosixPlatform platform(data.path().string());
        std::ostringstream out, err;
        runToolCommand({"--check-map", (data.path() / "tiny.map").string()}, platform, out, err, false);
        EXPECT_NE(out.str(), "");
    }
    EXPECT_TRUE(fs::exists(data.saves() / leftover)) << "swept by the platform or a map tool";

    RunOptions options;
    options.settingsFile = (config / "settings.txt").string();
    EXPECT_EQ(play(data, "", options).status, 0);
    EXPECT_EQ(data.saveFiles(), kept);
    EXPECT_FALSE(fs::exists(data.maps() / leftover));
    EXPECT_FALSE(fs::exists(config / leftover));
    EXPECT_TRUE(fs::exists(elsewhere / leftover));
}

// The size of the program's address space now, in bytes; 0 when unknown.
std::size_t addressSpace() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmSize:", 0) == 0) return std::stoul(line.substr(7)) * 1024;
    return 0;
}

// A file of nothing but line breaks, as large as a save may be, is refused
// in a few megabytes: the lines are taken one at a time, never all at once
// (which took some 80 MB for 4 MB of line breaks).
TEST(SaveReading, AFileOfLineBreaksIsRefusedInBoundedMemory) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer reserves memory of its own";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer)
    GTEST_SKIP() << "the sanitizer reserves memory of its own";
#endif
#endif
    const std::string text(4 * 1024 * 1024, '\n');
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // No more than 24 MB beyond what the child holds already.
        const rlimit limit{addressSpace() + 24 * 1024 * 1024, RLIM_INFINITY};
        if (limit.rlim_cur == 24 * 1024 * 1024 || ::setrlimit(RLIMIT_AS, &limit) != 0) ::_exit(3);
        try {
            SaveRecord record;
            std::string whyNot;
            const bool read = parseSave(text, record, whyNot);
            ::_exit(!read && whyNot == "the map name on line 1 is empty" ? 0 : 2);
        } catch (const std::bad_alloc&) {
            ::_exit(1);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: out of memory; 2: another answer; 3: no limit set";
}

// A saved game swapped again and again for a named pipe while the game loads
// it, as another program might: every load answers at once, and none waits
// for a writer to the pipe. A load stuck for a second is freed by writing to
// the pipe, and counted.
TEST(LoadUnderSwaps, AFileSwappedForAPipeIsNeverWaitedOn) {
    Session s;
    s.start();
    s.said();
    const auto saves = s.data.saves();
    const auto pipe = s.data.path() / "pipe", file = s.data.path() / "file", target = saves / "swap.snr";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    std::filesystem::copy_file(sourceDir() / "tests" / "saves" / "islands.snr", file);
    std::filesystem::copy_file(file, target);
    std::atomic<int> loads{0}, stuck{0};
    std::atomic<bool> done{false};
    std::thread swapper([&] {
        int seen = 0;
        auto since = std::chrono::steady_clock::now();
        for (bool putPipe = true; !done; putPipe = !putPipe) {
            const auto next = s.data.path() / "next";
            std::filesystem::create_hard_link(putPipe ? pipe : file, next);
            std::filesystem::rename(next, target);
            if (loads != seen) {
                seen = loads;
                since = std::chrono::steady_clock::now();
            } else if (std::chrono::steady_clock::now() - since > std::chrono::seconds(1)) {
                ++stuck;
                const int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
                if (writer >= 0) ::close(writer);
                since = std::chrono::steady_clock::now();
            }
        }
    });
    // As many loads as two seconds allow, up to 20,000: a reader that looked
    // first and opened after met the pipe once every few thousand loads. A
    // slower build (the sanitizers') makes fewer tries.
    const auto enough = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    for (int i = 0; i < 20000 && stuck == 0 && std::chrono::steady_clock::now() < enough; ++i) {
        s.form.loadGame("swap.snr");
        const Lines said = s.said();
        EXPECT_TRUE(said == Lines{"say: Game Loaded!"} ||
                    said == Lines{"say: The saved game swap.snr cannot be loaded: it is not a file."})
            << ::testing::PrintToString(said);
        ++loads;
    }
    done = true;
    swapper.join();
    EXPECT_EQ(stuck, 0) << "a load waited on the pipe";
}

}  // namespace
}  // namespace sonarch::testing
