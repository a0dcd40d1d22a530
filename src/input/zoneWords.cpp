#include "input/zoneWords.h"

#include "game/Form1.h"

namespace sonarch {

std::string ownerSentence(const Form1& game, int zone) {
    const int owner = game.board.zoneOwner[zone];
    if (owner == 0) return game.board.zoneName(zone) + " is unclaimed.";
    return game.board.zoneName(zone) + " controlled by " + game.board.playerName[owner] + ".";
}

std::string armySentence(const Form1& game, int zone) {
    const int army = game.board.zoneArmy[zone];
    if (army == 0) return "No army in " + game.board.zoneName(zone) + ".";
    return "Army of " + std::to_string(army) + " in " + game.board.zoneName(zone) + ".";
}

std::string holding(const Form1& game, int zone) {
    const int owner = game.board.zoneOwner[zone];
    const std::string army = "army " + std::to_string(game.board.zoneArmy[zone]);
    if (owner == 0) return game.board.zoneArmy[zone] > 0 ? "unclaimed, " + army : "unclaimed";
    return (owner == game.board.humanPlayer ? std::string("yours") : game.board.playerName[owner]) + ", " + army;
}

std::string counted(int number, const std::string& one, const std::string& many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

}  // namespace sonarch
