// The clear sentences of play: every battle told whole, with both rolls and
// the armies it leaves on both sides, before anything it causes; counts
// that agree with their nouns; the points to place said when placing opens.
#include <string>
#include <vector>

#include "rules/combat.h"
#include "wording/counting.h"
#include "wording/playWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }

std::string pointsToPlace(int points) {
    return points > 0 ? counted(points, "point", "points") + " to place" : "no points to place";
}

// "Hill now has an army of 1, Harbour an army of 3.": the zone attacked
// from, then the zone attacked, as the battle left them.
std::string armiesAfter(const Board& board, const Outcome& attack) {
    const auto armyOf = [&](int zone) { return number(board.zoneArmy[static_cast<std::size_t>(zone)]); };
    return board.zoneName(attack.from) + " now has an army of " + armyOf(attack.from) + ", " +
           board.zoneName(attack.zone) + " an army of " + armyOf(attack.zone) + ".";
}
}  // namespace

bool ClearPlayWords::battleBeforeItsConsequences() const { return true; }

std::string ClearPlayWords::turnBegins(const Board& board, int player, int listener) const {
    if (player != listener) return ClassicPlayWords::turnBegins(board, player, listener);
    const std::string itIs = aLonePerson(board) ? "It is your turn. "
                                                : "It is " + board.playerName[static_cast<std::size_t>(player)] + "'s turn. ";
    // A person still to claim a start is told how next.
    if (!board.holdsAnyZone(player)) return itIs.substr(0, itIs.size() - 1);
    int ready = 0;
    for (int zone = 1; zone <= board.zoneCount(); ++zone)
        if (board.zoneOwner[static_cast<std::size_t>(zone)] == player && canAttackNow(board, zone)) ++ready;
    if (ready == 0) return itIs + "None of your zones can attack.";
    return itIs + counted(ready, "zone of yours can attack.", "zones of yours can attack.");
}

std::string ClearPlayWords::startClaimed(const Board& board, const Outcome& claim, int listener) const {
    if (claim.player != listener) return ClassicPlayWords::startClaimed(board, claim, listener);
    return board.zoneName(claim.zone) + " is now yours. You have " +
           pointsToPlace(board.points[static_cast<std::size_t>(claim.player)]) + ".";
}

std::string ClearPlayWords::attackReport(const Board& board, const Outcome& attack, int listener) const {
    const std::string& to = board.zoneName(attack.zone);
    const std::string& from = board.zoneName(attack.from);
    const std::string rolls = " with a roll of " + number(attack.roll1) + " to " + number(attack.roll2) + ". ";
    const std::string after = armiesAfter(board, attack);
    if (attack.player == listener) {
        switch (attack.kind) {
        case Outcome::Kind::ZoneTaken: return "Your army from " + from + " took the unclaimed " + to + ". " + after;
        case Outcome::Kind::BattleWon: return "Your attack from " + from + " captured " + to + rolls + after;
        default: return "Your attack from " + from + " failed to capture " + to + rolls + after;
        }
    }
    const std::string& name = board.playerName[static_cast<std::size_t>(attack.player)];
    if (attack.kind == Outcome::Kind::ZoneTaken)
        return name + "'s army from " + from + " took the unclaimed " + to + ". " + after;
    // The listener is "you" even once the battle has ended the game; another
    // defender the battle put out has lost its name on the board.
    const std::string defender =
        attack.defender == listener ? "you"
                                    : attack.defenderName(board.playerName[static_cast<std::size_t>(attack.defender)]);
    // A battle won against the listener is a zone of theirs lost: say so.
    const bool yoursTaken = attack.kind == Outcome::Kind::BattleWon && attack.defender == listener;
    const std::string result = yoursTaken ? " and took it" : attack.kind == Outcome::Kind::BattleWon ? " and won" : " and lost";
    return name + " attacked " + defender + " in " + to + " from " + from + result + rolls + after;
}

std::string ClearPlayWords::refusal(const Board& board, Refusal why, int from, int target) const {
    switch (why) {
    case Refusal::ZoneOwned: return board.zoneName(target) + " is taken: choose an unclaimed zone.";
    case Refusal::NotYours: return board.zoneName(target) + " is not yours: choose a zone of your own.";
    case Refusal::ArmyFull: return board.zoneName(target) + " is full: a zone holds at most 8.";
    default: return ClassicPlayWords::refusal(board, why, from, target);
    }
}

std::string ClearPlayWords::computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const {
    std::vector<int> receiving;
    for (int zone = 1; zone <= board.zoneCount(); ++zone)
        if (placed[static_cast<std::size_t>(zone)] > 0) receiving.push_back(zone);
    if (receiving.empty()) return ClassicPlayWords::computerPlaced(board, player, placed);
    std::string sentence = board.playerName[static_cast<std::size_t>(player)] + " has increased the army of ";
    for (std::size_t i = 0; i < receiving.size(); ++i) {
        if (i > 0) sentence += i + 1 == receiving.size() ? " and " : ", ";
        const int zone = receiving[i];
        sentence += board.zoneName(zone) + " to " + number(board.zoneArmy[static_cast<std::size_t>(zone)]);
    }
    return sentence + ".";
}

std::string ClearPlayWords::playerOut(const Board& board, const Outcome& out, int winner, int listener) const {
    const std::string sentence = out.name + " is out of the game.";
    if (winner == 0) return sentence;
    // With several people the end is heard by all: everyone is named.
    const int hearer = aLonePerson(board) ? listener : 0;
    return sentence + victoryOf(board, winner, listener, finalStandings(board, hearer) + " Main menu.");
}

std::string ClearPlayWords::humanDefeated(const Board& board, const Outcome& defeat, int listener) const {
    const int hearer = aLonePerson(board) ? listener : 0;
    return defeatOf(board, defeat, listener, finalStandings(board, hearer) + " Main menu.");
}

std::string ClearPlayWords::pointPlaced(const Board& board, const Outcome& placed) const {
    const std::string raised = "The army of " + board.zoneName(placed.zone) + " was increased to " + number(placed.army);
    // The last point ends the turn by itself.
    if (placed.points <= 0) return raised + ". That was your last point: your turn is over.";
    return raised + ". You have " + counted(placed.points, "point", "points") + " left.";
}

std::string ClearPlayWords::placingOpens(const Board& board) const {
    return "Placing phase: you have " + pointsToPlace(board.points[static_cast<std::size_t>(board.humanPlayer)]) +
           ".";
}

std::string ClearPlayWords::pointsKept(const Board&, int points) const {
    return "You keep " + counted(points, "point", "points") + " for your next turn.";
}

}  // namespace sonarch
