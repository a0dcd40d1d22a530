#include "host/web/BrowserStorage.h"

#include "host/web/pageCalls.h"

namespace sonarch::web {

bool BrowserStorage::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    if (!files_.replaceFile(path, contents, whyNot)) return false;
    // Kept in the page's files now; the browser copies them to its lasting
    // storage meanwhile, and the page says so if it will not.
    pageStoreFile(path.c_str());
    return true;
}

}  // namespace sonarch::web
