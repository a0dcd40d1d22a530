#include "rules/Board.h"

namespace sonarch {

Board::Board() : map(std::make_shared<const MapRecord>()) {}

Board::Board(MapRecord record) : map(std::make_shared<const MapRecord>(std::move(record))) {}

int Board::zonesHeldBy(int player) const {
    int held = 0;
    for (int z = 1; z <= zoneCount(); ++z)
        if (zoneOwner[static_cast<std::size_t>(z)] == player) ++held;
    return held;
}

bool Board::holdsAnyZone(int player) const {
    const int zones = zoneCount();
    for (int z = 1; z <= zones; ++z)
        if (zoneOwner[static_cast<std::size_t>(z)] == player) return true;
    return false;
}

int Board::peopleCount() const {
    int people = 0;
    for (int p = 1; p <= playerCount; ++p)
        if (isPerson(p)) ++people;
    return people;
}

bool Board::operator==(const Board& other) const {
    return (map == other.map || *map == *other.map) && playerCount == other.playerCount &&
           humanPlayer == other.humanPlayer && turnPlayer == other.turnPlayer &&
           choosingStart == other.choosingStart && placingPoints == other.placingPoints &&
           attackFrom == other.attackFrom && gameOver == other.gameOver && zoneOwner == other.zoneOwner &&
           zoneArmy == other.zoneArmy && playerName == other.playerName && isComputer == other.isComputer &&
           hasStarted == other.hasStarted && points == other.points;
}

}  // namespace sonarch
