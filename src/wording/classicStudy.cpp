// The classic sentences of studying the board, as players have always heard
// them: the cursor's zone and its links, the players and how the game stands.
#include <string>

#include "rules/chain.h"
#include "wording/counting.h"
#include "wording/studyWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }
const std::string& nameOf(const Board& board, int player) {
    return board.playerName[static_cast<std::size_t>(player)];
}
int armyOf(const Board& board, int zone) { return board.zoneArmy[static_cast<std::size_t>(zone)]; }
int ownerOf(const Board& board, int zone) { return board.zoneOwner[static_cast<std::size_t>(zone)]; }

std::string turnAndPhase(const Board& board, int listener) {
    const int h = board.humanPlayer;
    const std::string holds = h == listener ? "you hold " : nameOf(board, h) + " holds ";
    if (board.turnPlayer != h) return nameOf(board, board.turnPlayer) + "'s turn: " + holds;
    if (board.placingPoints == 1) return "Your turn, placing phase: " + holds;
    return "Your turn, attack phase: " + holds;
}

std::string humanStanding(const Board& board, int listener) {
    const int h = board.humanPlayer;
    if (board.choosingStart != 0 && board.turnPlayer == h)
        return "Your turn to choose a starting zone: " + number(board.zonesHeldBy(0)) + " of " +
               counted(board.zoneCount(), "zone", "zones") + " unclaimed.";
    int armies = 0;
    for (int z = 1; z <= board.zoneCount(); ++z)
        if (ownerOf(board, z) == h) armies += armyOf(board, z);
    // Points held in the placing phase are there to be placed; at any other
    // time they wait for the next placing phase.
    const bool placing = board.placingPoints == 1 && board.turnPlayer == h;
    return turnAndPhase(board, listener) + number(board.zonesHeldBy(h)) + " of " + counted(board.zoneCount(), "zone", "zones") +
           ", " + counted(armies, "army", "armies") + ", chain " + number(chainNow(board, h)) + ", " +
           counted(board.points[static_cast<std::size_t>(h)], "point", "points") +
           (placing ? " to place." : " stored.");
}

std::string leadingComputer(const Board& board) {
    int leader = 0, most = 0;
    for (int p = 1; p <= board.playerCount; ++p) {
        if (board.isComputer[static_cast<std::size_t>(p)] == 0 || !board.inGame(p)) continue;
        const int held = board.zonesHeldBy(p);
        if (held > most) leader = p, most = held;
    }
    if (leader == 0) return "";
    return " The leading computer player is " + nameOf(board, leader) + ", with " + counted(most, "zone", "zones") +
           ".";
}
}  // namespace

std::string ClassicStudyWords::ownerSentence(const Board& board, int zone, int) const {
    const int owner = ownerOf(board, zone);
    if (owner == 0) return board.zoneName(zone) + " is unclaimed.";
    return board.zoneName(zone) + " controlled by " + nameOf(board, owner) + ".";
}

std::string ClassicStudyWords::armySentence(const Board& board, int zone) const {
    const int army = armyOf(board, zone);
    if (army == 0) return "No army in " + board.zoneName(zone) + ".";
    return "Army of " + number(army) + " in " + board.zoneName(zone) + ".";
}

std::string ClassicStudyWords::holding(const Board& board, int zone, int listener) const {
    const int owner = ownerOf(board, zone);
    const std::string army = "army " + number(armyOf(board, zone));
    if (owner == 0) return armyOf(board, zone) > 0 ? "unclaimed, " + army : "unclaimed";
    return (owner == listener ? std::string("yours") : nameOf(board, owner)) + ", " + army;
}

std::string ClassicStudyWords::beyondLinks(const Board&, int) const { return ""; }

std::string ClassicStudyWords::noLinks(const Board& board, int zone) const {
    return board.zoneName(zone) + " has no links.";
}

std::string ClassicStudyWords::selectedLink(const Board& board, int link, int at, int) const {
    std::string text = board.zoneName(link);
    if (ownerOf(board, link) != 0)
        text += ", owned by " + nameOf(board, ownerOf(board, link)) + " with a army of " + number(armyOf(board, link));
    return text + ". You are now at " + board.zoneName(at) + ".";
}

std::string ClassicStudyWords::nowAt(const Board& board, int zone, int) const {
    if (ownerOf(board, zone) == 0) return "You are now at " + board.zoneName(zone) + ".";
    return "You are now at " + board.zoneName(zone) + " which is owned by " + nameOf(board, ownerOf(board, zone)) +
           " and has an army of " + number(armyOf(board, zone)) + ".";
}

std::string ClassicStudyWords::linkList(const Board& board, int zone) const {
    std::string text = board.zoneName(zone) + " has " + number(board.linkCount(zone)) + " links to other zones.";
    for (int i = 1; i <= board.linkCount(zone); ++i)
        text += " " + number(i) + ". " + board.zoneName(board.links(zone, i));
    return text;
}

std::string ClassicStudyWords::playerList(const Board& board) const {
    // Players who are out keep their number, with an empty name, and are
    // not counted; hence the full stop after "players" and its twin.
    int inGame = 0;
    std::string list;
    for (int i = 1; i <= board.playerCount; ++i) {
        if (board.inGame(i)) ++inGame;
        list += ". " + number(i) + ". " + nameOf(board, i);
    }
    return number(inGame) + " players. " + list;
}

std::string ClassicStudyWords::playerReport(const Board& board, int player, const std::string&, int) const {
    // An out player's name is empty, so its sentence begins with the blank.
    return nameOf(board, player) + " has chain of " + number(chainNow(board, player)) + " and total of " +
           number(board.zonesHeldBy(player)) + " controlled zones.";
}

std::string ClassicStudyWords::standing(const Board& board, int listener) const {
    return humanStanding(board, listener) + leadingComputer(board);
}

}  // namespace sonarch
