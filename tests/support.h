// Helpers shared by the tests: a fresh data folder with chosen maps and
// saves, and a way to play a key script in-process and read the transcript.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "host/RunOptions.h"

namespace sonarch::testing {

std::filesystem::path sourceDir();

// A whole file's bytes; empty when it cannot be read.
std::string contentsOf(const std::filesystem::path& path);

// Transcript lines, one sentence or pause an entry.
using Lines = std::vector<std::string>;

// A temporary folder with Maps/ and Saves/, removed when it goes.
class DataDir {
public:
    DataDir();
    ~DataDir();
    DataDir(const DataDir&) = delete;
    DataDir& operator=(const DataDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path maps() const { return path_ / "Maps"; }
    std::filesystem::path saves() const { return path_ / "Saves"; }
    // Copies a map from tests/maps/ or, failing that, the bundled Maps/.
    void addMap(const std::string& fileName);
    void writeMap(const std::string& fileName, const std::string& contents);
    void writeSave(const std::string& fileName, const std::string& contents);
    std::string readSave(const std::string& fileName) const;
    // The names of everything in Saves/, sorted.
    std::vector<std::string> saveFiles() const;

private:
    std::filesystem::path path_;
};

struct PlayResult {
    int status = 0;
    std::string out;
    std::string err;
};

PlayResult play(const DataDir& data, const std::string& script, RunOptions options = {});

}  // namespace sonarch::testing
