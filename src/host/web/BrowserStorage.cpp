#include "host/web/BrowserStorage.h"

#include "host/web/pageCalls.h"

namespace sonarch::web {

bool BrowserStorage::replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) {
    if (!files_.replaceFile(path, contents, whyNot)) return false;
    if (pageStoreFile(path.c_str())) return true;
    whyNot = "the browser would not keep it in its storage";
    return false;
}

}  // namespace sonarch::web
