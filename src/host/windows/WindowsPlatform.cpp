#include "host/windows/WindowsPlatform.h"

#include <windows.h>

#include "host/windows/wideText.h"
#include "host/windows/windowsDisk.h"

namespace sonarch {

namespace disk = windows::disk;

WindowsPlatform::WindowsPlatform(std::string dataDir) : dataDir_(std::move(dataDir)) {}

bool WindowsPlatform::removeFile(const std::string& path) {
    // Only a plain file: never a folder, nor a link (a reparse point).
    const DWORD attributes = GetFileAttributesW(windows::widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES ||
        (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0)
        return false;
    return DeleteFileW(windows::widen(path).c_str()) != 0;
}

void WindowsPlatform::removeLeftovers(const std::string& folder) { disk::removeLeftoverSaves(folder); }

// The portable layout only: Maps\ and Saves\ beside sonarch.exe, where the
// zip unpacks them, and the settings beside them.
DataFolders WindowsPlatform::dataFolders() {
    const std::string folder = dataDir_.empty() ? disk::programFolder() : dataDir_;
    return {{folder + "/Maps"}, folder + "/Saves", folder + "/settings.txt"};
}

std::optional<std::vector<std::string>> WindowsPlatform::listFiles(const std::string& folder) {
    return disk::listFiles(folder);
}

bool WindowsPlatform::makeFolder(const std::string& folder) { return disk::makeFolder(folder); }

std::optional<std::string> WindowsPlatform::readTextFile(const std::string& path, std::string& whyNot) {
    const std::string saves = dataFolders().saves + "/";
    const bool isSave = path.size() > saves.size() && path.compare(0, saves.size(), saves) == 0 &&
                        path.find_first_of("/\\", saves.size()) == std::string::npos;
    return disk::readTextFile(path, whyNot, !isSave);
}

bool WindowsPlatform::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::writeTextFile(path, contents, whyNot);
}

bool WindowsPlatform::createFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::createTextFile(path, contents, whyNot);
}

double WindowsPlatform::secondsSinceMidnight() { return disk::secondsSinceMidnight(); }

}  // namespace sonarch
