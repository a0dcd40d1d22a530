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

std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) {
    // Opened first and looked at after, without waiting: a name that turns
    // out to be a pipe or a device must neither hang the game nor be read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        whyNot = errno == ENOENT || errno == ENOTDIR ? "it does not exist" : "it cannot be opened";
        return std::nullopt;
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        whyNot = "it cannot be read";
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        whyNot = "it is not a file";
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > largestTextFile) {
        whyNot = "it is far too large";
        return std::nullopt;
    }
    std::string contents;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            whyNot = "it cannot be read";
            return std::nullopt;
        }
        if (got == 0) break;
        contents.append(buffer, static_cast<std::size_t>(got));
        // A file that grows while it is read is held to the same limit.
        if (contents.size() > largestTextFile) {
            whyNot = "it is far too large";
            return std::nullopt;
        }
    }
    return contents;
}

namespace {
SystemCalls calls{
    [](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
    ::write, ::fsync, ::close, ::rename, ::unlink, ::link,
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

// Writes contents beside target under a hidden name, flushed to the disk: 0,
// or the reason with temporary left empty when nothing was created. The file
// is made new, never opened through a link or over a file already there; a
// name in use (left by a write that was cut off, or a planted link) is passed
// over for the next.
int writeTemporary(const fs::path& target, const std::string& contents, fs::path& temporary) {
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = target.parent_path() / ("." + target.filename().string() +
                                             (attempt > 0 ? "." + std::to_string(attempt) : "") + ".writing");
        errno = 0;
        fd = calls.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
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

bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    // Renamed over the target only once whole on the disk, so a failure at
    // any point leaves the earlier file whole and no half-written one under
    // the player's name.
    const fs::path target(path);
    fs::path temporary;
    int failure = writeTemporary(target, contents, temporary);
    errno = 0;
    if (failure == 0 && calls.rename(temporary.c_str(), target.c_str()) != 0) failure = lastError();
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
