#include "host/server/webFiles.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/posix/diskFiles.h"
#include "host/posix/folderLayout.h"

namespace sonarch::server {

namespace fs = std::filesystem;

namespace {
// The largest file the page holds (the game's WebAssembly and its data) is
// far below this; anything bigger is no file of the page.
constexpr std::uintmax_t largestFile = 64 * 1024 * 1024;

const char* const notBuilt =
    "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Sonarch server</title></head>\n"
    "<body><h1>Sonarch server</h1>\n"
    "<p>This server is running, but the game's page has not been built beside it. Build it with "
    "<code>scripts/build-web.sh</code> (it lands in <code>build-web/web/</code>), or start the server "
    "with <code>--web-dir</code> naming the folder that holds it.</p></body></html>\n";

bool hasPage(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / "index.html", error);
}

std::string typeOf(const std::string& name) {
    const std::string extension = fs::path(name).extension().string();
    if (extension == ".html") return "text/html; charset=utf-8";
    if (extension == ".js" || extension == ".mjs") return "text/javascript; charset=utf-8";
    if (extension == ".wasm") return "application/wasm";
    if (extension == ".css") return "text/css; charset=utf-8";
    if (extension == ".json") return "application/json";
    if (extension == ".svg") return "image/svg+xml";
    if (extension == ".png") return "image/png";
    if (extension == ".ico") return "image/x-icon";
    return "application/octet-stream";
}
}  // namespace

WebFiles::WebFiles(const std::string& given) {
    std::vector<fs::path> candidates;
    if (!given.empty()) {
        candidates.emplace_back(given);
    } else {
        const fs::path program = disk::programFolder();
        candidates.push_back(program / ".." / "build-web" / "web");
        candidates.push_back(program / "web");
        const auto maps = currentFolderLayout("").folders.maps;
        if (!maps.empty()) candidates.push_back(fs::path(maps.front()).parent_path() / "web");
    }
    for (const fs::path& candidate : candidates) {
        if (hasPage(candidate)) {
            folder_ = candidate.lexically_normal().string();
            return;
        }
    }
}

std::optional<WebFile> WebFiles::find(const std::string& target) const {
    std::string name = target.substr(0, target.find('?'));
    if (name == "/") {
        if (folder_.empty()) return WebFile{notBuilt, "text/html; charset=utf-8"};
        name = "/index.html";
    }
    if (folder_.empty() || name.size() < 2 || name.front() != '/') return std::nullopt;
    name.erase(0, 1);
    // One plain name in the folder: no way up or into another folder.
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos || name.front() == '.')
        return std::nullopt;
    const fs::path path = fs::path(folder_) / name;
    std::error_code error;
    if (fs::symlink_status(path, error).type() != fs::file_type::regular) return std::nullopt;
    if (fs::file_size(path, error) > largestFile || error) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream body;
    body << in.rdbuf();
    return WebFile{body.str(), typeOf(name)};
}

}  // namespace sonarch::server
