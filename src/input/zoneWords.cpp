#include "input/zoneWords.h"

#include "game/Form1.h"

namespace sonarch {

std::string ownerSentence(const Form1& game, int zone) {
    const int owner = game.zoneOwner[zone];
    if (owner == 0) return game.zoneName[zone] + " is unclaimed.";
    return game.zoneName[zone] + " controlled by " + game.playerName[owner] + ".";
}

std::string armySentence(const Form1& game, int zone) {
    const int army = game.zoneArmy[zone];
    if (army == 0) return "No army in " + game.zoneName[zone] + ".";
    return "Army of " + std::to_string(army) + " in " + game.zoneName[zone] + ".";
}

std::string counted(int number, const std::string& one, const std::string& many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

}  // namespace sonarch
