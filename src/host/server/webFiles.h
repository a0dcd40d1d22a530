// The page the server hands a browser at /: the browser build's files, or,
// where they were never built, a short page that says how to build them.
#pragma once

#include <optional>
#include <string>

namespace sonarch::server {

struct WebFile {
    std::string body;
    std::string contentType;
};

class WebFiles {
public:
    // given: the folder of --web-dir; empty: looked for beside the program
    // (a build folder's ../build-web/web) and in the game's data folder.
    explicit WebFiles(const std::string& given);
    // "/" or "/name" of a plain file directly in the folder; nothing else.
    std::optional<WebFile> find(const std::string& target) const;
    const std::string& folder() const { return folder_; }

private:
    std::string folder_;  // empty: none found
};

}  // namespace sonarch::server
