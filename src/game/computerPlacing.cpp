// The placing phase of a computer player's turn: as many points as its
// chain, but no more than its zones have room for, each on a random own zone
// below the maximum army.
#include <algorithm>
#include <string>

#include "game/computerPlayer.h"

namespace sonarch {

namespace {
std::string placingSentence(const Form1& game, int player, const ZoneTable<int>& placed) {
    const int zones = std::min(game.zoneCount, maxZones);
    int receiving = 0;
    for (int zone = 1; zone <= zones; ++zone) {
        if (placed[zone] > 0) ++receiving;
    }
    if (receiving == 0) {
        return game.playerName[player] + " stores their points because all armies are at maximum size.";
    }
    // ", " before " and " gives the two blanks players have always heard.
    std::string sentence = game.playerName[player] + " has increased the army of ";
    int told = 0;
    for (int zone = 1; zone <= zones; ++zone) {
        if (placed[zone] == 0) continue;
        ++told;
        const std::string part = game.zoneName[zone] + " to " + std::to_string(game.zoneArmy[zone]);
        if (told < receiving) sentence += part + ", ";
        if (told == receiving) sentence += part + ".";
        if (told == receiving - 1) sentence += " and ";
    }
    return sentence;
}
}  // namespace

void placeComputerPoints(Form1& game, int player) {
    const int zones = std::min(game.zoneCount, maxZones);
    ZoneTable<int> placed{};
    int room = 0;
    for (int zone = 1; zone <= zones; ++zone) {
        if (game.zoneOwner[zone] == player) room += std::max(0, maxArmy - game.zoneArmy[zone]);
    }
    // Points not placed are lost; there is no store between turns.
    const int toPlace = std::min(room, game.chain[player]);
    for (int point = 1; point <= toPlace; ++point) {
        // Room is left while a point is, so a zone below the maximum exists.
        int zone = 0;
        do {
            zone = game.random.drawWhole( std::min(game.zoneCount, maxZones));
        } while (game.zoneOwner[zone] != player || game.zoneArmy[zone] >= maxArmy);
        ++game.zoneArmy[zone];
        ++placed[zone];
    }
    game.addMessage(placingSentence(game, player, placed));
    game.hold(5);
}

}  // namespace sonarch
