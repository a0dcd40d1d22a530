#include "host/posix/PosixPlatform.h"

#include "host/posix/diskFiles.h"
#include "host/posix/folderLayout.h"

namespace sonarch {

PosixPlatform::PosixPlatform(std::string dataDir) : folders_(currentFolderLayout(dataDir).folders) {}

DataFolders PosixPlatform::dataFolders() { return folders_; }

std::optional<std::vector<std::string>> PosixPlatform::listFiles(const std::string& folder) {
    return disk::listFiles(folder);
}

bool PosixPlatform::makeFolder(const std::string& folder) { return disk::makeFolder(folder); }

std::optional<std::string> PosixPlatform::readTextFile(const std::string& path, std::string& whyNot) {
    return disk::readTextFile(path, whyNot);
}

bool PosixPlatform::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::writeTextFile(path, contents, whyNot);
}

bool PosixPlatform::createFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::createTextFile(path, contents, whyNot);
}

double PosixPlatform::secondsSinceMidnight() { return disk::secondsSinceMidnight(); }

}  // namespace sonarch
