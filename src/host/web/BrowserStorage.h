// The browser's platform: the page's file system, in which Maps/ holds the
// bundled maps, and Saves/, the player's own maps and the settings file lie
// in the browser's lasting storage. Only the file written goes there, so
// saves that other tabs have made meanwhile stay.
#pragma once

#include <string>

#include "game/Platform.h"
#include "host/posix/PosixPlatform.h"

namespace sonarch::web {

// Where the page's file system keeps Maps/ and Saves/, and the settings in
// a lasting folder of their own (so that Load Game does not list them).
inline const std::string gameFolder = "/sonarch";
inline const std::string settingsFile = "/sonarch/Settings/settings.txt";
// The maps the player added or made, kept by the browser (page/storage.js
// mounts it).
inline const std::string lastingMapsFolder = "/addedMaps";

class BrowserStorage final : public Platform {
public:
    BrowserStorage() : files_(gameFolder) {}

    DataFolders dataFolders() override {
        DataFolders folders = files_.dataFolders();
        folders.maps.push_back(lastingMapsFolder);
        folders.settingsFile = settingsFile;
        return folders;
    }
    std::optional<std::vector<std::string>> listFiles(const std::string& folder) override {
        return files_.listFiles(folder);
    }
    bool makeFolder(const std::string& folder) override { return files_.makeFolder(folder); }
    std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) override {
        return files_.readTextFile(path, whyNot);
    }
    bool replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    bool createFile(const std::string& path, const std::string& contents, std::string& whyNot) override;
    // The page keeps no way to take a file out of the browser's lasting
    // storage, so a file is never removed there: it would come back.
    bool removeFile(const std::string&) override { return false; }
    void removeLeftovers(const std::string& folder) override { files_.removeLeftovers(folder); }
    double secondsSinceMidnight() override { return files_.secondsSinceMidnight(); }

    // Short texts the browser keeps for the page's origin (the seat held
    // in a room, the name last given), at most 200 bytes each; empty when
    // there is none. The caller checks what it reads as outside input.
    std::string kept(const std::string& key);
    void keep(const std::string& key, const std::string& value);

private:
    PosixPlatform files_;
};

}  // namespace sonarch::web
