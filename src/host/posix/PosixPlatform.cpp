#include "host/posix/PosixPlatform.h"

#include <filesystem>

#include "host/posix/diskFiles.h"
#include "host/posix/folderLayout.h"

namespace sonarch {

PosixPlatform::PosixPlatform(std::string dataDir) : folders_(currentFolderLayout(dataDir).folders) {}

bool PosixPlatform::isInSaves(const std::string& path) const {
    return std::filesystem::path(path).parent_path() == std::filesystem::path(folders_.saves);
}

DataFolders PosixPlatform::dataFolders() { return folders_; }

std::optional<std::vector<std::string>> PosixPlatform::listFiles(const std::string& folder) {
    return disk::listFiles(folder);
}

bool PosixPlatform::makeFolder(const std::string& folder) { return disk::makeFolder(folder); }

std::optional<std::string> PosixPlatform::readTextFile(const std::string& path, std::string& whyNot) {
    return disk::readTextFile(path, whyNot, !isInSaves(path));
}

bool PosixPlatform::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    // A saved game is never written through a link, as it is never read
    // through one; the settings file may be one the player keeps elsewhere.
    return disk::writeTextFile(path, contents, whyNot, !isInSaves(path));
}

bool PosixPlatform::createFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::createTextFile(path, contents, whyNot);
}

bool PosixPlatform::removeFile(const std::string& path) {
    // Only a plain file: never a link's target, a folder or a device.
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::regular) return false;
    return std::filesystem::remove(path, error) && !error;
}

void PosixPlatform::removeLeftovers(const std::string& folder) { disk::removeLeftoverSaves(folder); }

double PosixPlatform::secondsSinceMidnight() { return disk::secondsSinceMidnight(); }

}  // namespace sonarch
