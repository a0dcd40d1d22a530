#include "host/posix/diskFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <chrono>
#include <cstring>
#include <ctime>
#include <filesystem>

#include "host/posix/systemCalls.h"
#include "host/temporarySaves.h"

namespace sonarch::disk {

namespace fs = std::filesystem;

std::optional<std::vector<std::string>> listFiles(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return std::nullopt;
    std::vector<std::string> names;
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return std::nullopt;
        const std::string name = it->path().filename().string();
        // Hidden files (and a save still being written) are not the player's.
        if (name.empty() || name[0] == '.') continue;
        std::error_code statError;
        if (it->is_regular_file(statError)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool makeFolder(const std::string& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return !error;
}

namespace {
// Closes the descriptor however the reading ends.
struct OpenFile {
    int fd;
    ~OpenFile() {
        if (fd >= 0) ::close(fd);
    }
};

std::string whyNotOpened(int error) {
    switch (error) {
    case ENOENT: return "it does not exist";
    case ELOOP: return "it is a link to another file";
    case EISDIR: return "it is not a file";
    default: return "it cannot be opened";
    }
}
}  // namespace

std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot, bool followLinks) {
    // Opened first and looked at afterwards, so the file cannot be swapped
    // for something else in between; never waiting on a pipe or a device.
    const int flags = O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | (followLinks ? 0 : O_NOFOLLOW);
    const OpenFile file{::open(path.c_str(), flags)};
    if (file.fd < 0) {
        whyNot = whyNotOpened(errno);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        whyNot = "it cannot be read";
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        whyNot = "it is not a file";
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(status.st_size) > largestTextFile) {
        whyNot = "it is far too large";
        return std::nullopt;
    }
    // Read no further than the limit, even from a file that grows meanwhile.
    std::string contents;
    char buffer[65536];
    while (contents.size() <= largestTextFile) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            whyNot = "it cannot be read";
            return std::nullopt;
        }
        if (n == 0) return contents;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    whyNot = "it is far too large";
    return std::nullopt;
}

namespace {
#ifdef __EMSCRIPTEN__
// In the browser a save reaches lasting storage when the page stores that
// one file (BrowserStorage). The system's fsync there would write the whole
// folder back, dropping the saves another tab has made since this one opened.
int flushToDisk(int) { return 0; }
#else
int flushToDisk(int fd) { return ::fsync(fd); }
#endif

SystemCalls calls{
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::write, flushToDisk, ::close, ::rename, ::unlink, ::link,
};

// The reason of the call that just failed; a call that failed without
// saying why is taken as an input or output error.
int lastError() { return errno != 0 ? errno : EIO; }

// 0 when every byte was written, otherwise the reason.
int writeAll(int fd, const std::string& contents) {
    const char* data = contents.data();
    std::size_t left = contents.size();
    while (left > 0) {
        errno = 0;
        const ssize_t written = calls.write(fd, data, left);
        if (written < 0 && errno == EINTR) continue;
        // Nothing written with room asked for: the disk is full.
        if (written == 0) return ENOSPC;
        if (written < 0) return lastError();
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Writes contents beside target into a new file of the game's temporary
// pattern made for this write alone, flushed to the disk: 0, or the reason
// with temporary left empty when nothing was created. The file is created
// exclusively, so neither a link nor a pipe planted under its name is ever
// opened, and two programs writing at once never share one.
int writeTemporary(const fs::path& target, const std::string& contents, fs::path& temporary) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        const auto clock = std::chrono::steady_clock::now().time_since_epoch().count();
        temporary = target.parent_path() / temporarySaveName(temporarySaveNumber(
                                               static_cast<std::uint64_t>(::getpid()), static_cast<std::uint64_t>(clock)));
        errno = 0;
        fd = calls.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) break;
    }
    if (fd < 0) {
        temporary.clear();
        return lastError();
    }
    int failure = writeAll(fd, contents);
    errno = 0;
    if (failure == 0 && calls.fsync(fd) != 0) failure = lastError();
    errno = 0;
    // The descriptor is closed whatever happened before; a failed close can
    // still mean that the written data did not reach the disk.
    if (calls.close(fd) != 0 && failure == 0) failure = lastError();
    return failure;
}

bool failed(int failure, const fs::path& temporary, std::string& whyNot) {
    whyNot = std::strerror(failure);
    if (!temporary.empty()) calls.unlink(temporary.c_str());
    return false;
}
}  // namespace

SystemCalls& systemCalls() { return calls; }

namespace {
// What a replacing write may go over: nothing yet, or a plain file. A
// device, a pipe, a folder or a socket at the path is never replaced (run as
// root, a rename over a device node would destroy it), and a link only when
// throughOwnLink and it leads to a plain file of the user running the game,
// which is then the file written. The target, or the reason.
std::optional<fs::path> replaceableTarget(const fs::path& path, bool throughOwnLink, std::string& whyNot) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) return path;
        whyNot = std::strerror(errno);
        return std::nullopt;
    }
    if (S_ISREG(status.st_mode)) return path;
    if (!S_ISLNK(status.st_mode)) {
        whyNot = "it is not a file";
        return std::nullopt;
    }
    whyNot = "it is a link to another file";
    if (!throughOwnLink) return std::nullopt;
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    if (error || ::lstat(target.c_str(), &status) != 0) return std::nullopt;
    if (!S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) return std::nullopt;
    return target;
}
}  // namespace

bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot, bool throughOwnLink) {
    // Renamed over the target only once whole on the disk, so a failure at
    // any point leaves the earlier file whole and no half-written one under
    // the player's name, and of two programs saving at once the last rename
    // wins with a whole game.
    const auto target = replaceableTarget(fs::path(path), throughOwnLink, whyNot);
    if (!target) return false;
    fs::path temporary;
    int failure = writeTemporary(*target, contents, temporary);
    // Looked at again just before the rename, so that what the path holds
    // cannot have turned into something else while the file was written.
    if (failure == 0 && replaceableTarget(fs::path(path), throughOwnLink, whyNot) != target) {
        calls.unlink(temporary.c_str());
        return false;
    }
    errno = 0;
    if (failure == 0 && calls.rename(temporary.c_str(), target->c_str()) != 0) failure = lastError();
    return failure == 0 || failed(failure, temporary, whyNot);
}

bool createTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    // A second name for the whole file is made only where none is: the
    // system refuses the link when the name is taken, even by a file made a
    // moment before by another program.
    const fs::path target(path);
    fs::path temporary;
    int failure = writeTemporary(target, contents, temporary);
    errno = 0;
    if (failure == 0 && calls.link(temporary.c_str(), target.c_str()) != 0) failure = lastError();
    // Some disks (those of cameras and memory sticks) have no links: there
    // the name is looked at first, which leaves a moment for another program.
    if (failure == EPERM || failure == ENOTSUP || failure == EOPNOTSUPP || failure == ENOSYS || failure == EMLINK) {
        std::error_code error;
        failure = fs::symlink_status(target, error).type() != fs::file_type::not_found ? EEXIST : 0;
        errno = 0;
        if (failure == 0 && calls.rename(temporary.c_str(), target.c_str()) != 0) failure = lastError();
        if (failure == 0) return true;
    }
    if (failure != 0) return failed(failure, temporary, whyNot);
    calls.unlink(temporary.c_str());
    return true;
}

void removeLeftoverSaves(const std::string& folder) {
    std::error_code error;
    fs::directory_iterator it(folder, error);
    if (error) return;
    const auto now = fs::file_time_type::clock::now();
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error) return;
        if (!isTemporarySaveName(it->path().filename().string())) continue;
        // Only files: the game never makes a link or a folder of that name.
        std::error_code statError;
        if (fs::symlink_status(it->path(), statError).type() != fs::file_type::regular) continue;
        const auto written = fs::last_write_time(it->path(), statError);
        if (statError || now - written < std::chrono::seconds(leftoverAfterSeconds)) continue;
        ::unlink(it->path().c_str());
    }
}

std::string programFolder() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error) return ".";
    return self.parent_path().string();
}

double secondsSinceMidnight() {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    const auto fraction =
        std::chrono::duration<double>(now.time_since_epoch()).count() - static_cast<double>(t);
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace sonarch::disk
