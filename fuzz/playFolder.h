// The data folder that the key-stream fuzzers and the soak games play in:
// every bundled map beside generated ones with one-way links and zones
// without links, and a saves folder that can be emptied between games so
// that each game starts from the same files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "bot/mapMaker.h"

namespace sonarch::testing {

struct GeneratedMap {
    std::string fileName;
    MapShape shape;
    std::uint64_t seed = 0;
};

// The generated maps, small and large, two-way and one-way, some with
// zones that no link leaves.
const std::vector<GeneratedMap>& generatedMaps();

class PlayFolder {
public:
    // Copies the map files of bundledMaps into a fresh temporary folder.
    explicit PlayFolder(const std::filesystem::path& bundledMaps);
    ~PlayFolder();
    PlayFolder(const PlayFolder&) = delete;
    PlayFolder& operator=(const PlayFolder&) = delete;

    std::string path() const { return path_.string(); }
    // The map files in the order the map list gives them.
    const std::vector<std::string>& mapFiles() const { return mapFiles_; }
    // Removes every file a game has saved.
    void emptySaves() const;

private:
    std::filesystem::path path_;
    std::vector<std::string> mapFiles_;
};

}  // namespace sonarch::testing
