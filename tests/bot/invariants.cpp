#include "bot/invariants.h"

namespace sonarch::testing {

std::vector<std::string> brokenInvariants(const Form1& f) {
    std::vector<std::string> broken;
    auto check = [&](bool holds, const std::string& what) {
        if (!holds) broken.push_back(what);
    };
    check(f.view().messageCount >= 0 && f.view().messageCount <= historySize, "history beyond 50");
    check(!f.view().Holder.Enabled, "a pause left running");
    check(f.view().ctrlHeld == 0 || f.view().ctrlHeld == 1, "ctrlHeld not a flag");
    check(f.view().menuState >= 0 && f.view().menuState <= 3, "unknown menu");
    // Play without a game would act on nothing.
    check(f.view().menuState != 0 || f.view().board.humanPlayer != 0, "play keys active without a game");
    if (f.view().board.humanPlayer == 0) return broken;

    check(f.view().board.zoneCount() >= 1 && f.view().board.zoneCount() <= maxZones, "zone count out of range");
    check(f.view().board.playerCount >= 2 && f.view().board.playerCount <= 8, "player count out of range");
    if (!broken.empty()) return broken;
    check(f.view().cursorZone >= 1 && f.view().cursorZone <= f.view().board.zoneCount(), "cursor off the map");
    check(f.view().board.turnPlayer >= 1 && f.view().board.turnPlayer <= f.view().board.playerCount, "turn of no player");
    check(f.view().board.points[f.view().board.humanPlayer] >= 0 && f.view().board.points[f.view().board.humanPlayer] <= maxHeldPoints, "points beyond 20");
    const int people = f.view().board.peopleCount();
    check(people == 1 ? f.view().board.playerName[f.view().board.humanPlayer] == "You" : f.view().board.inGame(f.view().board.humanPlayer),
          "the person at the keys renamed or out");
    std::vector<int> zonesOf(f.view().board.playerCount + 1, 0);
    for (int z = 1; z <= f.view().board.zoneCount(); ++z) {
        const int owner = f.view().board.zoneOwner[z];
        const bool ownerInRange = owner >= 0 && owner <= f.view().board.playerCount;
        check(ownerInRange, "owner out of range in zone " + std::to_string(z));
        check(f.view().board.zoneArmy[z] >= 0 && f.view().board.zoneArmy[z] <= maxArmy, "army out of range in zone " + std::to_string(z));
        check(owner == 0 || f.view().board.zoneArmy[z] >= 1, "owned zone without an army: " + std::to_string(z));
        if (ownerInRange) ++zonesOf[owner];
        check(f.view().board.linkCount(z) >= 0 && f.view().board.linkCount(z) <= maxLinks, "link count out of range");
        for (int k = 1; k <= f.view().board.linkCount(z) && k <= maxLinks; ++k)
            check(f.view().board.links(z, k) >= 1 && f.view().board.links(z, k) <= f.view().board.zoneCount(), "link off the map");
    }
    for (int p = 1; p <= f.view().board.playerCount; ++p) {
        const std::string player = "player " + std::to_string(p);
        check(!f.view().board.playerName[p].empty() || zonesOf[p] == 0, player + " is out but owns a zone");
        check(f.view().board.hasStarted[p] != 0 || zonesOf[p] == 0, player + " owns a zone before its start");
        // People hold the first seats, computer players the rest.
        check(f.view().board.isComputer[p] == (p <= people ? 0 : 1), player + " in the wrong seat");
        for (int q = p + 1; q <= f.view().board.playerCount; ++q)
            check(f.view().board.playerName[p].empty() || f.view().board.playerName[p] != f.view().board.playerName[q],
                  player + " shares a name");
    }
    // Every computer turn runs inside the press that ended a person's, so
    // between presses the turn is always with the person at the keys.
    check(f.view().board.turnPlayer == f.view().board.humanPlayer, "the turn left with a computer player");
    check(f.view().board.choosingStart == 0 || zonesOf[f.view().board.humanPlayer] == 0, "a second starting zone to choose");
    // The attacking zone is the human's own: chosen so, or taken by an
    // attack, and no zone changes hands in the human's turn otherwise.
    check(f.view().board.attackFrom == 0 || (f.view().board.attackFrom >= 1 && f.view().board.attackFrom <= f.view().board.zoneCount() &&
                                f.view().board.zoneOwner[f.view().board.attackFrom] == f.view().board.humanPlayer),
          "the attacking zone is not the human's");
    return broken;
}

}  // namespace sonarch::testing
