#include "host/web/BrowserStorage.h"

#include <filesystem>

#include "host/web/pageCalls.h"

namespace sonarch::web {

DataFolders BrowserStorage::dataFolders() {
    DataFolders folders = files_.dataFolders();
    folders.maps.push_back(lastingMapsFolder);
    return folders;
}

bool BrowserStorage::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    if (!files_.replaceFile(path, contents, whyNot)) return false;
    if (pageStoreFiles()) return true;
    whyNot = "the browser would not keep it in its storage";
    return false;
}

bool BrowserStorage::createFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    // The page runs one thing at a time: a name found free stays free until written.
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found) {
        whyNot = "File exists";
        return false;
    }
    return replaceFile(path, contents, whyNot);
}

}  // namespace sonarch::web
