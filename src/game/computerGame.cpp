// Every seat played by runAI, in the turn order of the game. The human seat
// takes part like the others: it claims a random starting zone and can be
// put out without ending the game, which ends when one seat is left.
#include "game/computerGame.h"

#include <algorithm>

namespace sonarch {

namespace {
void setUp(Form1& game, const MapRecord& map, int players) {
    // Names left from an earlier game would change which names are drawn
    // again as taken, and so every draw after them.
    for (auto& name : game.playerName) name.clear();
    game.pendingMap = map;
    game.playerCount = players;
    game.startUsOut();
    // No seat is the human's: the first seat's defeat is one more seat out,
    // and the game ends when every seat but one is out.
    game.humanPlayer = 0;
    for (int p = 1; p <= players; ++p) game.isComputer[p] = 1;
    game.menuState = 0;
}

int lastSeatStanding(const Form1& game) {
    for (int p = 1; p <= game.playerCount; ++p)
        if (!game.playerName[p].empty()) return p;
    return 0;
}
}  // namespace

ComputerGameResult playComputerGame(Form1& game, const MapRecord& map, int players, int roundLimit) {
    ComputerGameResult result;
    players = std::clamp(players, 1, maxPlayerSlots);
    setUp(game, map, players);
    for (int round = 1; round <= roundLimit; ++round) {
        result.rounds = round;
        for (int p = 1; p <= players; ++p) {
            if (game.playerName[p].empty()) continue;
            game.turnPlayer = p;
            game.placingPoints = 0;
            game.attackFrom = 0;
            game.runAI();
            if (game.menuState != 0) {
                result.winner = lastSeatStanding(game);
                return result;
            }
        }
        if (round == 1) {
            for (int z = 1; z <= game.zoneCount; ++z)
                if (game.zoneOwner[z] != 0) result.startZone[game.zoneOwner[z]] = z;
        }
    }
    return result;
}

}  // namespace sonarch
