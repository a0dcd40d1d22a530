// G in the map list: a new map, made on the spot and saved among the
// player's own, with the cursor on it. The first G makes a map of the usual
// size; each G straight after offers the next size, round and round.
#include <array>

#include "files/fileList.h"
#include "files/mapMaker.h"
#include "files/soundKey.h"
#include "game/Form1.h"
#include "input/keyCodes.h"

namespace sonarch {

namespace {

struct MapSize {
    MadeMapSize size;
    int zones;
};
constexpr std::array<MapSize, 3> sizesInTurn{
    {{MadeMapSize::Medium, usualMadeZones}, {MadeMapSize::Large, 60}, {MadeMapSize::Small, 12}}};
// The run's seed and this give the maps' seeds, apart from the game's own draws.
constexpr std::uint64_t mapSeedsSalt = 0x6d61702073656564;
// Names are drawn again while they sound like a map of the list; a player
// with so many maps that this many draws all clash is told so.
constexpr int namesTried = 20;

// A name a listener could take for a map already in the list.
bool soundsLikeAMapOf(const FileList& list, const std::string& mapName) {
    for (std::string name : list.entries) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".map") == 0) name.resize(name.size() - 4);
        if (soundKey(name) == soundKey(mapName) || plainSpelling(name) == plainSpelling(mapName)) return true;
    }
    return false;
}

}  // namespace

bool Form1::newMapKey(short keyCode, short shift) {
    if (keyCode != key::G || shift != 0 || menuState != 2 || setupStep != 0) {
        madeMapsInARow = 0;
        madeMapPath_.clear();
        return false;
    }
    makeNewMap();
    return true;
}

void Form1::makeNewMap() {
    const MapSize size = sizesInTurn[static_cast<std::size_t>(madeMapsInARow) % sizesInTurn.size()];
    const MapSize next = sizesInTurn[static_cast<std::size_t>(madeMapsInARow + 1) % sizesInTurn.size()];
    ++madeMapsInARow;
    if (!mapSeeds) mapSeeds.emplace(random.seed() ^ mapSeedsSalt);
    // The player's own maps come last; a fresh installation may not have the folder yet.
    const std::string folder = mapsFolders().back();
    platform_.makeFolder(folder);
    // G again at once asks for another size instead of the map just made,
    // which nobody has played yet: it goes, so that trying sizes leaves
    // one map behind, not one of each.
    if (!madeMapPath_.empty()) platform_.removeFile(madeMapPath_);
    madeMapPath_.clear();
    const FileList present = listFolders(platform_, mapsFolders()).value_or(FileList{});
    for (int tried = 0; tried < namesTried; ++tried) {
        const MapRecord map = makeMap(size.zones, shortSeed((*mapSeeds)()));
        if (soundsLikeAMapOf(present, map.mapName)) continue;
        const std::string fileName = map.mapName + ".map";
        std::string whyNot;
        if (!platform_.createFile(folder + "/" + fileName, mapFileText(map), whyNot)) {
            sayIt(words().menus.madeMapNotSaved(fileName, whyNot));
            return;
        }
        madeMapPath_ = folder + "/" + fileName;
        File1 = listFolders(platform_, mapsFolders()).value_or(FileList{});
        mapFileCount = static_cast<int>(File1.entries.size());
        for (int i = 0; i < mapFileCount; ++i)
            if (File1.entries[i] == fileName) menuCursor = i + 1;
        sayIt(words().menus.mapMade(map.mapName, size.zones, fileName, next.size));
        return;
    }
    sayIt(words().menus.said(MenuLine::NoNameForNewMap));
}

}  // namespace sonarch
