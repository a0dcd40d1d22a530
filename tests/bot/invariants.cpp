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
    check(f.menuState != 0 || f.board.humanPlayer != 0, "play keys active without a game");
    if (f.board.humanPlayer == 0) return broken;

    check(f.board.zoneCount() >= 1 && f.board.zoneCount() <= maxZones, "zone count out of range");
    check(f.board.playerCount >= 2 && f.board.playerCount <= 8, "player count out of range");
    if (!broken.empty()) return broken;
    check(f.cursorZone >= 1 && f.cursorZone <= f.board.zoneCount(), "cursor off the map");
    check(f.board.turnPlayer >= 1 && f.board.turnPlayer <= f.board.playerCount, "turn of no player");
    check(f.board.points[f.board.humanPlayer] >= 0 && f.board.points[f.board.humanPlayer] <= maxHeldPoints, "points beyond 20");
    const int people = f.board.peopleCount();
    check(people == 1 ? f.board.playerName[f.board.humanPlayer] == "You" : f.board.inGame(f.board.humanPlayer),
          "the person at the keys renamed or out");
    std::vector<int> zonesOf(f.board.playerCount + 1, 0);
    for (int z = 1; z <= f.board.zoneCount(); ++z) {
        const int owner = f.board.zoneOwner[z];
        const bool ownerInRange = owner >= 0 && owner <= f.board.playerCount;
        check(ownerInRange, "owner out of range in zone " + std::to_string(z));
        check(f.board.zoneArmy[z] >= 0 && f.board.zoneArmy[z] <= maxArmy, "army out of range in zone " + std::to_string(z));
        check(owner == 0 || f.board.zoneArmy[z] >= 1, "owned zone without an army: " + std::to_string(z));
        if (ownerInRange) ++zonesOf[owner];
        check(f.board.linkCount(z) >= 0 && f.board.linkCount(z) <= maxLinks, "link count out of range");
        for (int k = 1; k <= f.board.linkCount(z) && k <= maxLinks; ++k)
            check(f.board.links(z, k) >= 1 && f.board.links(z, k) <= f.board.zoneCount(), "link off the map");
    }
    for (int p = 1; p <= f.board.playerCount; ++p) {
        const std::string player = "player " + std::to_string(p);
        check(!f.board.playerName[p].empty() || zonesOf[p] == 0, player + " is out but owns a zone");
        check(f.board.hasStarted[p] != 0 || zonesOf[p] == 0, player + " owns a zone before its start");
        // People hold the first seats, computer players the rest.
        check(f.board.isComputer[p] == (p <= people ? 0 : 1), player + " in the wrong seat");
        for (int q = p + 1; q <= f.board.playerCount; ++q)
            check(f.board.playerName[p].empty() || f.board.playerName[p] != f.board.playerName[q],
                  player + " shares a name");
    }
    // Every computer turn runs inside the press that ended a person's, so
    // between presses the turn is always with the person at the keys.
    check(f.board.turnPlayer == f.board.humanPlayer, "the turn left with a computer player");
    check(f.board.choosingStart == 0 || zonesOf[f.board.humanPlayer] == 0, "a second starting zone to choose");
    // The attacking zone is the human's own: chosen so, or taken by an
    // attack, and no zone changes hands in the human's turn otherwise.
    check(f.board.attackFrom == 0 || (f.board.attackFrom >= 1 && f.board.attackFrom <= f.board.zoneCount() &&
                                f.board.zoneOwner[f.board.attackFrom] == f.board.humanPlayer),
          "the attacking zone is not the human's");
    return broken;
}

}  // namespace sonarch::testing
