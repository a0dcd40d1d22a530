// The clear sentences of studying the board: "an army", "you" for the
// human, counts that agree, and only the players still in the game.
#include <string>

#include "rules/chain.h"
#include "rules/combat.h"
#include "rules/front.h"
#include "wording/counting.h"
#include "wording/studyWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }
int armyOf(const Board& board, int zone) { return board.zoneArmy[static_cast<std::size_t>(zone)]; }
int ownerOf(const Board& board, int zone) { return board.zoneOwner[static_cast<std::size_t>(zone)]; }

// "held by Jacob", "yours", "unclaimed".
std::string heldBy(const Board& board, int zone, int listener) {
    const int owner = ownerOf(board, zone);
    if (owner == 0) return "unclaimed";
    if (owner == listener) return "yours";
    return "held by " + board.playerName[static_cast<std::size_t>(owner)];
}

// ", held by Jacob, with an army of 4"; nothing more for an unclaimed zone.
std::string heldWithArmy(const Board& board, int zone, int listener) {
    if (ownerOf(board, zone) == 0) return "";
    return ", " + heldBy(board, zone, listener) + ", with an army of " + number(armyOf(board, zone));
}
}  // namespace

std::string ClearStudyWords::ownerSentence(const Board& board, int zone, int listener) const {
    return board.zoneName(zone) + " is " + heldBy(board, zone, listener) + ".";
}

std::string ClearStudyWords::selectedLink(const Board& board, int link, int at, int listener) const {
    return board.zoneName(link) + heldWithArmy(board, link, listener) + ". You are still at " + board.zoneName(at) +
           ".";
}

std::string ClearStudyWords::nowAt(const Board& board, int zone, int listener) const {
    return "You are now at " + board.zoneName(zone) + heldWithArmy(board, zone, listener) + ".";
}

std::string ClearStudyWords::linkList(const Board& board, int zone) const {
    const int count = board.linkCount(zone);
    std::string text = board.zoneName(zone) + " has " + counted(count, "link:", "links:");
    for (int i = 1; i <= count; ++i) text += " " + number(i) + ". " + board.zoneName(board.links(zone, i)) + ".";
    return text;
}

std::string ClearStudyWords::playerList(const Board& board) const {
    // Each player with the digit that asks after it; players who are out are left out.
    int inGame = 0;
    std::string list;
    for (int i = 1; i <= board.playerCount; ++i) {
        if (!board.inGame(i)) continue;
        ++inGame;
        list += (list.empty() ? " " : ", ") + number(i) + " " + board.playerName[static_cast<std::size_t>(i)];
    }
    return counted(inGame, "player", "players") + " in the game:" + list + ".";
}

std::string ClearStudyWords::playerReport(const Board& board, int player, const std::string& outName,
                                          int listener) const {
    if (!board.inGame(player))
        return (outName.empty() ? "Player " + number(player) : outName) + " is out of the game.";
    const std::string zones = counted(board.zonesHeldBy(player), "zone", "zones");
    const std::string chain = ", with a chain of " + number(chainNow(board, player)) + ".";
    if (player == listener) return "You hold " + zones + chain;
    return board.playerName[static_cast<std::size_t>(player)] + " holds " + zones + chain;
}

namespace {
// Whether an attack can be made now from zone (when it is the human's) or
// on it (when it is another player's).
bool attackPossible(const Board& board, int zone) {
    const int owner = ownerOf(board, zone);
    const int h = board.humanPlayer;
    if (owner == 0 || board.choosingStart != 0) return false;
    if (owner == h) return canAttackNow(board, zone);
    for (int i = 1; i <= board.linkCount(zone) && i <= maxLinks; ++i) {
        const int other = board.links(zone, i);
        if (owner != h && ownerOf(board, other) == h && canAttackFrom(board, other) &&
            attackReaches(board, other, zone))
            return true;
    }
    return false;
}
}  // namespace

std::string ClearStudyWords::zoneDescription(const Board& board, int zone, int listener) const {
    if (attackPossible(board, zone)) return attackOptions(board, zone, listener);
    return ClassicStudyWords::zoneDescription(board, zone, listener);
}

std::string ClearStudyWords::beyondLinks(const Board& board, int zone) const {
    const int count = board.linkCount(zone);
    if (count <= 0) return board.zoneName(zone) + " has no links.";
    return board.zoneName(zone) + " has only " + counted(count, "link", "links") + ".";
}

std::string ClearStudyWords::reached(const Board& board, int zone, JumpKind kind) const {
    // J, B and N are the keys of the person whose turn it is.
    if (kind == JumpKind::CanAttack) return attackOptions(board, zone, board.humanPlayer);
    const std::string here = board.zoneName(zone) + heldWithArmy(board, zone, board.humanPlayer) + ".";
    if (kind != JumpKind::Front) return here;
    const LinksOut out = linksOut(board, zone);
    return here + " " + frontSentence(out.toOthers, out.toUnclaimed, out.total);
}

std::string ClearStudyWords::frontSentence(int toOthers, int toUnclaimed, int total) const {
    if (toOthers > 0) return ClassicStudyWords::frontSentence(toOthers, toUnclaimed, total);
    const std::string unclaimed = toUnclaimed == 1 ? "1 leads to an unclaimed zone"
                                                   : number(toUnclaimed) + " lead to unclaimed zones";
    return "None of its " + counted(total, "link", "links") + " leads to another player; " + unclaimed + ".";
}

}  // namespace sonarch
