#include "host/LocalHost.h"

#include "host/diskFiles.h"
#include "host/folderLayout.h"

namespace sonarch {

LocalHost::LocalHost(std::string dataDir, std::optional<std::uint64_t> seed,
                     const std::vector<double>& fixedRandom)
    : folders_(currentFolderLayout(dataDir).folders), seed_(seed) {
    for (double u : fixedRandom) random_.queueFixed(u);
}

DataFolders LocalHost::dataFolders() { return folders_; }

std::optional<std::vector<std::string>> LocalHost::listFiles(const std::string& folder) {
    return disk::listFiles(folder);
}

bool LocalHost::makeFolder(const std::string& folder) { return disk::makeFolder(folder); }

std::optional<std::string> LocalHost::readTextFile(const std::string& path, std::string& whyNot) {
    return disk::readTextFile(path, whyNot);
}

bool LocalHost::writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    return disk::writeTextFile(path, contents, whyNot);
}

double LocalHost::secondsSinceMidnight() { return disk::secondsSinceMidnight(); }

void LocalHost::seedRandom(double seed) {
    random_.seed(seed_ ? *seed_ : static_cast<std::uint64_t>(seed * 1000.0));
}

double LocalHost::nextRandom() { return random_.next(); }

}  // namespace sonarch
