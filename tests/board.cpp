#include "board.h"

#include <stdexcept>

namespace sonarch::testing {

Board boardOf(const std::vector<std::string>& computerNames, const std::vector<BoardZone>& zones) {
    if (zones.size() > maxZones || computerNames.size() + 1 > 8) throw std::invalid_argument("board too large");
    MapRecord map;
    map.mapName = "Test Board";
    map.zoneCount = static_cast<int>(zones.size());
    for (int zone = 1; zone <= map.zoneCount; ++zone) {
        const BoardZone& laid = zones[zone - 1];
        if (laid.links.size() > maxLinks) throw std::invalid_argument("too many links");
        map.zoneName[zone] = laid.name;
        map.linkCount[zone] = static_cast<int>(laid.links.size());
        for (std::size_t k = 0; k < laid.links.size(); ++k) map.links[zone][k + 1] = laid.links[k];
    }
    Board board(std::move(map));
    for (int zone = 1; zone <= board.zoneCount(); ++zone) {
        board.zoneOwner[zone] = zones[zone - 1].owner;
        board.zoneArmy[zone] = zones[zone - 1].army;
    }
    board.playerCount = static_cast<int>(computerNames.size()) + 1;
    for (int player = 1; player <= board.playerCount; ++player) {
        board.playerName[player] = player == 1 ? "You" : computerNames[player - 2];
        board.isComputer[player] = player == 1 ? 0 : 1;
        board.hasStarted[player] = 1;
    }
    board.humanPlayer = 1;
    board.turnPlayer = 1;
    return board;
}

void layOutGame(Form1& game, const std::vector<std::string>& computerNames, const std::vector<BoardZone>& zones) {
    game.putInPlay(boardOf(computerNames, zones));
}

std::unique_ptr<Session> gameOn(const std::vector<std::string>& computerNames, const std::vector<BoardZone>& zones,
                                std::vector<double> fixedRandom) {
    auto session = std::make_unique<Session>("", std::move(fixedRandom));
    session->start();
    layOutGame(session->form, computerNames, zones);
    session->said();
    return session;
}

double percentageOf(int value) {
    if (value < 1 || value > 100) throw std::invalid_argument("no such draw");
    return (value - 0.5) / 100;
}

double dieOf(int value) {
    if (value < 1 || value > 6) throw std::invalid_argument("no such die");
    return (value - 0.5) / 6;
}

}  // namespace sonarch::testing
