#include "bot/invariants.h"

namespace sonarch::testing {

std::vector<std::string> brokenInvariants(const Form1& f) {
    std::vector<std::string> broken;
    auto check = [&](bool holds, const std::string& what) {
        if (!holds) broken.push_back(what);
    };
    check(f.messageCount >= 0 && f.messageCount <= historySize, "history beyond 50");
    check(!f.Holder.Enabled, "a pause left running");
    check(f.ctrlHeld == 0 || f.ctrlHeld == 1, "ctrlHeld not a flag");
    check(f.menuState >= 0 && f.menuState <= 3, "unknown menu");
    // Play without a game would act on nothing.
    check(f.menuState != 0 || f.humanPlayer != 0, "play keys active without a game");
    if (f.humanPlayer == 0) return broken;

    check(f.zoneCount >= 1 && f.zoneCount <= maxZones, "zone count out of range");
    check(f.playerCount >= 2 && f.playerCount <= 8, "player count out of range");
    if (!broken.empty()) return broken;
    check(f.cursorZone >= 1 && f.cursorZone <= f.zoneCount, "cursor off the map");
    check(f.turnPlayer >= 1 && f.turnPlayer <= f.playerCount, "turn of no player");
    check(f.points[f.humanPlayer] >= 0 && f.points[f.humanPlayer] <= maxHeldPoints, "points beyond 20");
    check(f.playerName[f.humanPlayer] == "You", "the human renamed or out");
    std::vector<int> zonesOf(f.playerCount + 1, 0);
    for (int z = 1; z <= f.zoneCount; ++z) {
        const int owner = f.zoneOwner[z];
        const bool ownerInRange = owner >= 0 && owner <= f.playerCount;
        check(ownerInRange, "owner out of range in zone " + std::to_string(z));
        check(f.zoneArmy[z] >= 0 && f.zoneArmy[z] <= maxArmy, "army out of range in zone " + std::to_string(z));
        check(owner == 0 || f.zoneArmy[z] >= 1, "owned zone without an army: " + std::to_string(z));
        if (ownerInRange) ++zonesOf[owner];
        check(f.linkCount[z] >= 0 && f.linkCount[z] <= maxLinks, "link count out of range");
        for (int k = 1; k <= f.linkCount[z] && k <= maxLinks; ++k)
            check(f.links[z][k] >= 1 && f.links[z][k] <= f.zoneCount, "link off the map");
    }
    for (int p = 1; p <= f.playerCount; ++p)
        check(!f.playerName[p].empty() || zonesOf[p] == 0,
              "player " + std::to_string(p) + " is out but owns a zone");
    return broken;
}

}  // namespace sonarch::testing
