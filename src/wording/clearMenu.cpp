// The clear sentences around play: whole sentences with a full stop, verbs
// and counts that agree, and files named as a player knows them, a map by
// its name and a saved game by the name it was saved under. Short, since
// the menus are heard many times.
#include <string>
#include <vector>

#include "wording/counting.h"
#include "wording/menuWords.h"
#include "wording/playWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }

// A file's name without its extension: "Four Corners" for "Four Corners.map".
std::string withoutExtension(const std::string& fileName) {
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string::npos || dot == 0) return fileName;
    return fileName.substr(0, dot);
}
}  // namespace

std::string ClearMenuWords::said(MenuLine line) const {
    switch (line) {
    case MenuLine::MapListOpened: return "Choose a map.";
    case MenuLine::SavedGamesOpened: return "Choose a game to load.";
    case MenuLine::SavePrompt: return "Name your save and press Enter.";
    case MenuLine::MainMenuOpened: return "Main menu.";
    case MenuLine::MenuClosed: return "Menu closed.";
    case MenuLine::PreviousMenu: return "Previous menu.";
    case MenuLine::BackToMapList: return "Choose a map.";
    case MenuLine::MapChosen: return "Map chosen.";
    case MenuLine::GameLoaded: return "Game loaded.";
    case MenuLine::GameSaved: return "Game saved.";
    case MenuLine::SpeechOn: return "Speech on.";
    case MenuLine::SpeechOff: return "Speech off.";
    default: return ClassicMenuWords::said(line);
    }
}

std::string ClearMenuWords::mainMenuItem(int position) const {
    switch (position) {
    case 1: return "New game.";
    case 2: return "Load game.";
    case 3: return "Save game.";
    case 4: return "Exit.";
    default: return "";
    }
}

// Two files that differ only in their extension keep it, so that they can
// be told apart by ear.
std::string ClearMenuWords::listEntry(const std::string& fileName, const std::vector<std::string>& list) const {
    const std::string name = withoutExtension(fileName);
    for (const std::string& other : list)
        if (other != fileName && withoutExtension(other) == name) return fileName;
    return name;
}

std::string ClearMenuWords::mapRefused(const std::string& fileName, const std::string& why) const {
    return ClassicMenuWords::mapRefused(withoutExtension(fileName), why);
}

std::string ClearMenuWords::tooFewZones(int zoneCount) const {
    return "it has only " + counted(zoneCount, "zone", "zones") + ", and a map needs at least 4";
}

std::string ClearMenuWords::howManyComputerPlayers(int largest) const {
    if (largest == 1) return "This map has room for 1 computer player. Press 1 to play.";
    return "How many computer players would you like, from 1 to " + number(largest) + "?";
}

std::string ClearMenuWords::numberRefused(int largest) const {
    if (largest == 1) return "Please press 1.";
    return "Please press a digit from 1 to " + number(largest) + ".";
}

std::string ClearMenuWords::loadRefused(const std::string& fileName, const std::string& why) const {
    return ClassicMenuWords::loadRefused(withoutExtension(fileName), why);
}

std::string ClearMenuWords::loadRefusedOutsideSaves(const std::string& fileName) const {
    return ClassicMenuWords::loadRefused(fileName, "it is not a file of the Saves folder");
}

std::string ClearMenuWords::mapMade(const std::string& mapName, int zones, const std::string&,
                                    MadeMapSize next) const {
    return "Made the map " + mapName + ", " + counted(zones, "zone", "zones") + ". " + madeMapOffer(next);
}

std::string ClearMenuWords::madeMapNotSaved(const std::string& fileName, const std::string& why) const {
    return ClassicMenuWords::madeMapNotSaved(withoutExtension(fileName), why);
}

std::string ClearMenuWords::newGameBegins(const std::string& startZone) const {
    return "Choose your starting zone: Space claims the zone you are on, M tells the map. You are at " + startZone +
           ".";
}

std::string ClearMenuWords::gameLoaded(const Board& board, int cursor) const {
    const int seat = board.humanPlayer;
    const std::string whose =
        !aLonePerson(board) ? "It is " + board.playerName[static_cast<std::size_t>(seat)] + "'s turn" : "It is your turn";
    std::string phase = ", attack phase.";
    if (board.choosingStart != 0) {
        phase = ": choose a starting zone.";
    } else if (board.placingPoints == 1) {
        const int points = board.points[static_cast<std::size_t>(seat)];
        phase = ", placing phase, " + std::to_string(points) + (points == 1 ? " point" : " points") + " to place.";
    }
    const int owner = board.zoneOwner[static_cast<std::size_t>(cursor)];
    const std::string where =
        owner == 0 ? ", unclaimed." : (owner == seat ? ", yours" : ", held by " + board.playerName[static_cast<std::size_t>(owner)]) +
                                          ", army " + std::to_string(board.zoneArmy[static_cast<std::size_t>(cursor)]) + ".";
    return said(MenuLine::GameLoaded) + " " + whose + phase + " You are on " + board.zoneName(cursor) + where;
}

std::vector<std::string> ClearMenuWords::help(HelpPlace place, int largest) const {
    std::vector<std::string> sentences = ClassicMenuWords::help(place, largest);
    if (place == HelpPlace::MainMenu)
        sentences.front() = "Main menu. Up and Down move, Enter chooses: New game, Load game, Save game during a "
                            "game, and Exit.";
    if (place == HelpPlace::Question && largest == 1)
        sentences.front() = "Press 1 for one computer player.";
    // The setting keys are told last everywhere, F2 with them.
    sentences.back() =
        "You win when every computer player is out, and lose when your last zone falls. In play, S tells how "
        "you stand, D tells what your zone can attack or what can attack the zone you are on, J and B jump "
        "to your zones. F9 and F10 set the speech "
        "rate, F11 the sounds, and F2 chooses between clear and classic sentences.";
    return sentences;
}

}  // namespace sonarch
