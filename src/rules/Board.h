// The board: the map and the position of a game, as a plain value. The rules
// are functions of a board and the random source; the session shows a board
// and the files read and write one. A copy is cheap (the map is shared, never
// changed in place), so a computer player can play out futures on copies.
// Tables are indexed from 1; element 0 never stands for a zone or a player,
// and player 0 stands for no player (the owner of an unclaimed zone).
#pragma once

#include <array>
#include <memory>
#include <string>

namespace sonarch {

constexpr int maxZones = 100;
constexpr int maxLinks = 10;
constexpr int maxPlayerSlots = 10;
constexpr int mostPlayers = 8;  // people and computer players together
constexpr int mostPeople = 8;
constexpr int maxArmy = 8;
constexpr int maxHeldPoints = 20;

template <typename T>
using ZoneTable = std::array<T, maxZones + 1>;
template <typename T>
using PlayerTable = std::array<T, maxPlayerSlots + 1>;
using LinkTable = std::array<int, maxLinks + 1>;

// A map as read from its file, zones 1..zoneCount.
struct MapRecord {
    std::string mapName;
    int zoneCount = 0;
    ZoneTable<std::string> zoneName{};
    ZoneTable<int> linkCount{};
    ZoneTable<LinkTable> links{};  // 1-based zone numbers, one way as the file lists them

    bool operator==(const MapRecord&) const = default;
};

struct Board {
    Board();
    explicit Board(MapRecord map);

    // The map; shared between copies of a board and never changed in place.
    std::shared_ptr<const MapRecord> map;

    int playerCount = 0;    // every seat, people and computer players
    // The person at the keys: with one person, that person's seat; with
    // several, the person whose turn it is, or during a computer player's
    // turn the person who plays next. 0 when no game is in progress
    // (before one, or after its end).
    int humanPlayer = 0;
    int turnPlayer = 0;
    int choosingStart = 0;  // 1 while the person whose turn it is has still to claim a starting zone
    int placingPoints = 0;  // 1 while the player whose turn it is places points
    int attackFrom = 0;     // the person's chosen attacking zone; 0 while none
    bool gameOver = false;  // set by the rule that ends the game
    // Each person plays from a program of their own (online), so each hears
    // the game alone, as one person at one keyboard does, however many
    // people share the game. Not part of the position: never saved, never compared.
    bool seatsApart = false;

    ZoneTable<int> zoneOwner{};
    ZoneTable<int> zoneArmy{};
    PlayerTable<std::string> playerName{};  // the empty name: out of the game
    PlayerTable<int> isComputer{};  // 0 for a person's seat
    PlayerTable<int> hasStarted{};
    PlayerTable<int> points{};  // the human's points still to place
    // The chains as last worked out. A rule that changes a player's zones
    // marks the player in chainStale rather than working the chain out at
    // once: most changes are followed by others before anyone asks, and a
    // chain follows from the owners alone. chainNow gives the chain as it
    // stands.
    PlayerTable<int> chain{};
    unsigned chainStale = 0;  // bit p for player p

    int zoneCount() const { return map->zoneCount; }
    const std::string& mapName() const { return map->mapName; }
    const std::string& zoneName(int zone) const { return map->zoneName[static_cast<std::size_t>(zone)]; }
    int linkCount(int zone) const { return map->linkCount[static_cast<std::size_t>(zone)]; }
    // The zone reached by link k (1-based) of zone.
    int links(int zone, int k) const { return map->links[static_cast<std::size_t>(zone)][static_cast<std::size_t>(k)]; }
    bool isZone(int zone) const { return zone >= 1 && zone <= zoneCount(); }
    bool isPlayer(int player) const { return player >= 1 && player <= playerCount; }
    bool inGame(int player) const { return !playerName[static_cast<std::size_t>(player)].empty(); }
    // A seat played by a person, in the game or out of it.
    bool isPerson(int player) const {
        return isPlayer(player) && isComputer[static_cast<std::size_t>(player)] == 0;
    }
    // How many seats people hold; a game of one is the classic game.
    int peopleCount() const;
    int zonesHeldBy(int player) const;
    bool holdsAnyZone(int player) const;

    // Maps are compared by what they hold, not by where they are kept; the
    // chains are not compared, as they follow from the owners.
    bool operator==(const Board& other) const;
};

}  // namespace sonarch
