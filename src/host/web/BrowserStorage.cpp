#include "host/web/BrowserStorage.h"

#include <cstdlib>
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

std::string BrowserStorage::kept(const std::string& key) {
    constexpr std::size_t longest = 200;
    char* text = pageKept(key.c_str());
    if (text == nullptr) return {};
    std::string value(text);
    std::free(text);
    return value.size() <= longest ? value : std::string();
}

void BrowserStorage::keep(const std::string& key, const std::string& value) { pageKeep(key.c_str(), value.c_str()); }

}  // namespace sonarch::web
