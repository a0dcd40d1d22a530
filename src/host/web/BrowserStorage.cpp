#include "host/web/BrowserStorage.h"

#include <filesystem>

#include "host/web/pageCalls.h"

namespace sonarch::web {

bool BrowserStorage::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    if (!files_.replaceFile(path, contents, whyNot)) return false;
    // Kept in the page's files now; the browser copies them to its lasting
    // storage meanwhile, and the page says so if it will not.
    pageStoreFile(path.c_str());
    return true;
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
