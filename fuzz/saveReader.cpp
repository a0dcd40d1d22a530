// Any bytes given to the saved-game reader are either refused with a reason
// or make a game whose every owner, turn and link lies inside it; and such a
// game written out again reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/saveFormat.h"
#include "files/textItems.h"

using namespace sonarch;

namespace {

bool fitsTheTables(const SaveRecord& r) {
    const int zones = r.map.zoneCount, players = r.playerCount;
    if (zones < 1 || zones > maxZones || players < 2 || players > 8) return false;
    if (r.turnPlayer < 1 || r.turnPlayer > players || r.humanPlayer < 1 || r.humanPlayer > players)
        return false;
    for (int z = 1; z <= zones; ++z) {
        if (r.map.zoneName[z].empty()) return false;
        if (r.zoneOwner[z] < 0 || r.zoneOwner[z] > players || r.zoneArmy[z] < 0) return false;
        if (r.map.linkCount[z] < 0 || r.map.linkCount[z] > maxLinks) return false;
        for (int k = 1; k <= r.map.linkCount[z]; ++k)
            if (r.map.links[z][k] < 1 || r.map.links[z][k] > zones) return false;
    }
    return true;
}

// Player names are read back as items; a name that an item cannot hold
// (quoted in the file, with a comma or blanks at its ends) is never written
// by the game, and neither is a map name starting with a byte order mark.
bool writtenAsTheGameWould(const SaveRecord& r) {
    if (withoutByteOrderMark(r.map.mapName) != r.map.mapName) return false;
    for (int p = 1; p <= r.playerCount; ++p)
        if (firstItem(r.playerName[p]) != r.playerName[p]) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SaveRecord game;
    std::string whyNot;
    if (!parseSave(text, game, whyNot)) {
        if (whyNot.empty()) std::abort();
        return 0;
    }
    if (!fitsTheTables(game)) std::abort();
    if (writtenAsTheGameWould(game)) {
        SaveRecord again;
        if (!parseSave(saveText(game), again, whyNot) || !(again == game)) std::abort();
    }
    return 0;
}
