// The saved-game file: one value a line, the map with the position of the
// game first, then the players.
#pragma once

#include <string>
#include <string_view>

#include "rules/Board.h"

namespace sonarch {

// Everything a saved game holds, zones 1..map.zoneCount and players
// 1..playerCount.
struct SaveRecord {
    MapRecord map;
    int playerCount = 0;
    int turnPlayer = 0;
    int humanPlayer = 0;
    int choosingStart = 0;
    int placingPoints = 0;
    ZoneTable<int> zoneOwner{};
    ZoneTable<int> zoneArmy{};
    PlayerTable<std::string> playerName{};
    PlayerTable<int> isComputer{};
    PlayerTable<int> points{};

    bool operator==(const SaveRecord&) const = default;
};

// The file text: CR LF line ends, a number as a blank, its digits and a blank
// (a minus sign instead of the first blank when negative), text as it stands.
std::string saveText(const SaveRecord& record);

// Reads a whole saved game. False, with a reason that finishes the sentence
// "The saved game X cannot be loaded: ...", when the file is not a good
// saved game; record is then not to be used.
bool parseSave(std::string_view text, SaveRecord& record, std::string& whyNot);

}  // namespace sonarch
