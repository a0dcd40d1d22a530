#include "playFolder.h"

#include <algorithm>
#include <fstream>
#include <random>

namespace sonarch::testing {

namespace fs = std::filesystem;

const std::vector<GeneratedMap>& generatedMaps() {
    static const std::vector<GeneratedMap> maps{
        {"Generated 08 one way.map", {8, 2, true, 2}, 8},
        {"Generated 12 ring.map", {12, 1, true, 0}, 12},
        {"Generated 20 two way.map", {20, 3, false, 3}, 20},
        {"Generated 40 one way.map", {40, 4, true, 5}, 40},
        {"Generated 60 dense.map", {60, 10, false, 0}, 60},
        {"Generated 100 one way.map", {100, 5, true, 10}, 100},
    };
    return maps;
}

PlayFolder::PlayFolder(const fs::path& bundledMaps) {
    std::random_device entropy;
    path_ = fs::temp_directory_path() /
            ("sonarch-play-" + std::to_string(entropy()) + "-" + std::to_string(entropy()));
    fs::create_directories(path_ / "Maps");
    fs::create_directories(path_ / "Saves");
    for (const auto& entry : fs::directory_iterator(bundledMaps)) {
        const std::string name = entry.path().filename().string();
        if (!entry.is_regular_file() || name.empty() || name[0] == '.') continue;
        fs::copy_file(entry.path(), path_ / "Maps" / name);
        mapFiles_.push_back(name);
    }
    for (const auto& map : generatedMaps()) {
        std::ofstream out(path_ / "Maps" / map.fileName, std::ios::binary);
        out << makeMap(map.shape, map.seed, map.fileName.substr(0, map.fileName.size() - 4));
        mapFiles_.push_back(map.fileName);
    }
    std::sort(mapFiles_.begin(), mapFiles_.end());
}

PlayFolder::~PlayFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void PlayFolder::emptySaves() const {
    std::error_code error;
    for (fs::directory_iterator it(path_ / "Saves", error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        fs::remove_all(it->path(), ignored);
    }
}

}  // namespace sonarch::testing
