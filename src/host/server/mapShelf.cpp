#include "host/server/mapShelf.h"

#include <chrono>

#include "files/fileList.h"
#include "files/mapFormat.h"
#include "host/posix/PosixPlatform.h"
#include "host/posix/folderLayout.h"

namespace sonarch::server {

namespace {
double secondsNow() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}
}  // namespace

std::optional<ShelvedMap> mapFromText(const std::string& text) {
    MapRecord record;
    std::string whyNot;
    if (!parseMap(text, record, whyNot) || playersAllowed(record.zoneCount) < 2) return std::nullopt;
    return ShelvedMap{std::make_shared<const MapRecord>(std::move(record)), text};
}

MapShelf::MapShelf(std::string dataDir) : dataDir_(std::move(dataDir)) { read(); }

void MapShelf::read() {
    lastRead_ = secondsNow();
    std::vector<std::string> folders = currentFolderLayout("").folders.maps;
    if (!dataDir_.empty()) folders.push_back(dataDir_ + "/Maps");
    PosixPlatform disk(dataDir_);
    const auto list = listFolders(disk, folders);
    byName_.clear();
    if (!list) return;
    for (const std::string& path : list->paths) {
        std::string whyNot;
        const auto text = disk.readTextFile(path, whyNot);
        if (!text) continue;
        if (auto map = mapFromText(*text)) byName_.insert_or_assign(map->record->mapName, std::move(*map));
    }
}

std::optional<ShelvedMap> MapShelf::find(const std::string& name) {
    auto found = byName_.find(name);
    // A map added while the server runs is found; a flood of unknown names
    // reads the folders at most once a second.
    if (found == byName_.end() && secondsNow() - lastRead_ >= 1.0) {
        read();
        found = byName_.find(name);
    }
    if (found == byName_.end()) return std::nullopt;
    return found->second;
}

}  // namespace sonarch::server
