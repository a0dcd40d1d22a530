// What every platform gives the game: its folders and files, and the clock. Each member says what the game relies on.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/DataFolders.h"

namespace sonarch {

class Platform {
public:
    virtual ~Platform() = default;

    // The folders of maps (the bundled ones first, then the player's own) and
    // of saved games, chosen once at start.
    virtual DataFolders dataFolders() = 0;
    // The ordinary files of a folder, sorted by name, the same at every
    // reading; nullopt when the folder cannot be read.
    virtual std::optional<std::vector<std::string>> listFiles(const std::string& folder) = 0;
    // Creates a folder; false when it is not there afterwards.
    virtual bool makeFolder(const std::string& folder) = 0;
    // A whole text file; nullopt with the reason when it cannot be read.
    virtual std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot) = 0;
    // Replaces a file whole or not at all: a failure at any step leaves the
    // earlier file as it was. Only a plain file (or nothing) is replaced,
    // never a device, pipe, folder or socket; a link only where the platform
    // knows it for the player's own. False with the reason on failure.
    virtual bool replaceFile(const std::string& path, const std::string& contents, std::string& whyNot) = 0;
    // Writes a new file whole or not at all, and never over a file already
    // there: false with the reason when it cannot, or when the name is taken.
    virtual bool createFile(const std::string& path, const std::string& contents, std::string& whyNot) = 0;
    // Removes a plain file; false when there is none or it cannot.
    virtual bool removeFile(const std::string& path) = 0;
    // Removes from folder the files of the game's temporary pattern that a
    // write killed midway left, once older than a minute; nothing else.
    virtual void removeLeftovers(const std::string& folder) = 0;
    // Seconds since midnight, with their fraction.
    virtual double secondsSinceMidnight() = 0;
};

}  // namespace sonarch
