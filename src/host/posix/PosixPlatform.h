// The platform on Linux and other POSIX systems: the game's folders, portable
// or installed (or a data folder given on the command line), and the clock.
#pragma once

#include <string>

#include "game/Platform.h"

namespace sonarch {

class PosixPlatform final : public Platform {
public:
    // dataDir: holds Maps/ and Saves/; empty for the folders of the layout
    // the program finds itself in (see folderLayout.h).
    explicit PosixPlatform(std::string dataDir = {});

    DataFolders dataFolders() override;
    std::optional<std::vector<std::string>> listFiles(const std::string& folder) override;
    bool makeFolder(const std::string& folder) override;
    std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) override;
    bool replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    bool createFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    bool removeFile(const std::string& path) override;
    void removeLeftovers(const std::string& folder) override;
    double secondsSinceMidnight() override;

private:
    bool isInSaves(const std::string& path) const;

    DataFolders folders_;
};

}  // namespace sonarch
