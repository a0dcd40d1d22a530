// Saved games under faults: a save that fails at any system call (opening
// the file, writing it, flushing it to the disk, closing it or renaming it
// over the earlier one) leaves the earlier file byte for byte, no temporary
// file behind and the game as it was, and the player hears that it failed.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "bot/TestBot.h"
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
        ASSERT_EQ(s.form.board.turnPlayer, 1);
        s.said();
    }

    // Escape, the cursor down to "Save Game", and Enter: the name is typed.
    Lines saveByMenu() {
        if (s.form.menuState == 0) s.press("Escape");
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
        EXPECT_EQ(s.form.menuState, 1) << what;
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

}  // namespace
}  // namespace sonarch::testing
