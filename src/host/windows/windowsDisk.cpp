// The disk services on Windows: the same promises as on Linux, with UTF-16
// paths, and a save replaced (or a map made) with MoveFileExW after its data
// is written into a new file of its own and flushed, so that a failure at
// any point leaves the earlier file whole.
#include "host/windows/windowsDisk.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#include "files/portableNames.h"
#include "host/temporarySaves.h"
#include "host/windows/wideText.h"

namespace sonarch::windows::disk {

namespace {
// Reasons in the words the Linux build uses for the same failures, so that a
// player hears the same sentence on either system.
std::string reasonFor(DWORD error) {
    constexpr std::array<std::pair<DWORD, const char*>, 14> reasons{{
        {ERROR_FILE_NOT_FOUND, "No such file or directory"},
        {ERROR_PATH_NOT_FOUND, "No such file or directory"},
        {ERROR_ACCESS_DENIED, "Permission denied"},
        {ERROR_WRITE_PROTECT, "Read-only file system"},
        {ERROR_DISK_FULL, "No space left on device"},
        {ERROR_HANDLE_DISK_FULL, "No space left on device"},
        {ERROR_SHARING_VIOLATION, "The file is in use by another program"},
        {ERROR_LOCK_VIOLATION, "The file is in use by another program"},
        {ERROR_INVALID_NAME, "Invalid argument"},
        {ERROR_FILENAME_EXCED_RANGE, "File name too long"},
        {ERROR_NOT_READY, "No medium found"},
        {ERROR_CRC, "Input/output error"},
        {ERROR_FILE_EXISTS, "File exists"},
        {ERROR_ALREADY_EXISTS, "File exists"},
    }};
    for (const auto& [code, reason] : reasons)
        if (code == error) return reason;
    return "Windows error " + std::to_string(error);
}

// The last part of a path, after its last slash or backslash.
std::string_view lastPart(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Why Windows would open something else than the file the path names.
const char* unfitName(std::string_view path) {
    const std::string_view name = lastPart(path);
    if (isDeviceName(name)) return "Windows keeps that name for a device";
    if (holdsReservedMark(name)) return "Windows does not allow that mark in a file name";
    if (endsInDotOrBlank(name)) return "Windows drops a full stop or blank at the end of a name";
    return nullptr;
}

struct Handle {
    HANDLE h;
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};
}  // namespace

std::optional<std::vector<std::string>> listFiles(const std::string& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    // Even an empty folder lists "." and "..", so finding nothing means no folder.
    if (search == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::string> names;
    do {
        const std::string name = narrow(found.cFileName);
        // Hidden files (and a save still being written) are not the player's.
        if (name.empty() || name[0] == '.') continue;
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) continue;
        names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    // By the UTF-8 bytes, as on Linux, so both list the same files in the same order.
    std::sort(names.begin(), names.end());
    return names;
}

bool makeFolder(const std::string& folder) {
    if (CreateDirectoryW(widen(folder).c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(widen(folder).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot, bool followLinks) {
    if (const char* unfit = unfitName(path)) {
        whyNot = unfit;
        return std::nullopt;
    }
    // Opened first and looked at afterwards, so the file cannot be swapped
    // for something else in between. A folder cannot be opened this way.
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT);
    Handle file{CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            flags, nullptr)};
    if (file.h == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        const DWORD attributes = GetFileAttributesW(widen(path).c_str());
        const bool folder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        whyNot = missing ? "it does not exist" : folder ? "it is not a file" : "it cannot be opened";
        return std::nullopt;
    }
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(file.h) != FILE_TYPE_DISK || !GetFileInformationByHandle(file.h, &information) ||
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        whyNot = "it is not a file";
        return std::nullopt;
    }
    if (information.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        whyNot = "it is a link to another file";
        return std::nullopt;
    }
    // Read no further than the limit, even from a file that grows meanwhile.
    std::string contents;
    char buffer[65536];
    while (contents.size() <= largestTextFile) {
        DWORD read = 0;
        if (!ReadFile(file.h, buffer, sizeof buffer, &read, nullptr)) {
            whyNot = "it cannot be read";
            return std::nullopt;
        }
        if (read == 0) return contents;
        contents.append(buffer, read);
    }
    whyNot = "it is far too large";
    return std::nullopt;
}

namespace {
// Writes contents beside path into a new file of the game's temporary
// pattern made for this write alone, flushed to the disk: ERROR_SUCCESS, or
// the reason with temporary left empty when nothing was created. CREATE_NEW
// never opens anything already there, a link included, and two programs
// writing at once never share one file.
DWORD writeTemporary(const std::string& path, const std::string& contents, std::wstring& temporary) {
    const std::size_t cut = path.size() - lastPart(path).size();
    Handle file{INVALID_HANDLE_VALUE};
    for (int attempt = 0; attempt < 100 && file.h == INVALID_HANDLE_VALUE; ++attempt) {
        LARGE_INTEGER clock;
        QueryPerformanceCounter(&clock);
        temporary = widen(path.substr(0, cut) + temporarySaveName(temporarySaveNumber(
                                                    GetCurrentProcessId(), static_cast<std::uint64_t>(clock.QuadPart))));
        file.h = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        const DWORD error = GetLastError();
        if (file.h == INVALID_HANDLE_VALUE && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    if (file.h == INVALID_HANDLE_VALUE) {
        const DWORD failure = GetLastError();
        temporary.clear();
        return failure;
    }
    DWORD failure = ERROR_SUCCESS;
    std::size_t done = 0;
    while (failure == ERROR_SUCCESS && done < contents.size()) {
        DWORD written = 0;
        const auto left = static_cast<DWORD>(std::min<std::size_t>(contents.size() - done, 1 << 20));
        if (!WriteFile(file.h, contents.data() + done, left, &written, nullptr)) {
            failure = GetLastError();
        } else if (written == 0) {
            failure = ERROR_DISK_FULL;
        }
        done += written;
    }
    if (failure == ERROR_SUCCESS && !FlushFileBuffers(file.h)) failure = GetLastError();
    return failure;
}

// Writes the file through a temporary one moved into place with flags.
bool writeThenMove(const std::string& path, const std::string& contents, DWORD moveFlags, std::string& whyNot) {
    if (const char* unfit = unfitName(path)) {
        whyNot = unfit;
        return false;
    }
    const std::wstring target = widen(path);
    const DWORD existing = GetFileAttributesW(target.c_str());
    if (existing != INVALID_FILE_ATTRIBUTES && (existing & FILE_ATTRIBUTE_DIRECTORY)) {
        whyNot = "Is a directory";
        return false;
    }
    std::wstring temporary;
    DWORD failure = writeTemporary(path, contents, temporary);
    if (failure == ERROR_SUCCESS && !MoveFileExW(temporary.c_str(), target.c_str(), moveFlags))
        failure = GetLastError();
    if (failure == ERROR_SUCCESS) return true;
    whyNot = reasonFor(failure);
    if (!temporary.empty()) DeleteFileW(temporary.c_str());
    return false;
}
}  // namespace

bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return writeThenMove(path, contents, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH, whyNot);
}

// Without MOVEFILE_REPLACE_EXISTING the move fails when the name is taken.
bool createTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return writeThenMove(path, contents, MOVEFILE_WRITE_THROUGH, whyNot);
}

void removeLeftoverSaves(const std::string& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileExW(widen(folder + "\\*").c_str(), FindExInfoBasic, &found,
                                     FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) return;
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& t) {
        return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    constexpr std::uint64_t ticksASecond = 10'000'000;
    do {
        // Only files: the game never makes a link or a folder of that name.
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) continue;
        if (!isTemporarySaveName(narrow(found.cFileName))) continue;
        if (ticks(now) - ticks(found.ftLastWriteTime) < leftoverAfterSeconds * ticksASecond) continue;
        DeleteFileW(widen(folder + "\\" + narrow(found.cFileName)).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

std::string programFolder() {
    std::wstring self(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size()));
        if (length == 0) return ".";
        if (length < self.size()) {
            self.resize(length);
            break;
        }
        self.resize(self.size() * 2);
    }
    return narrow(self.substr(0, self.find_last_of(L"\\/")));
}

double secondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

}  // namespace sonarch::windows::disk
