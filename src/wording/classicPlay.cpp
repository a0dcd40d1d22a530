// The classic sentences of play, as players have always heard them: the
// computer players' turns, battles, claims and placing, the end of a player
// and of the game, and the answers to the human's moves.
#include <string>

#include "wording/playWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }

const std::string& nameOf(const Board& board, int seat) { return board.playerName[static_cast<std::size_t>(seat)]; }
}  // namespace

bool aLonePerson(const Board& board) { return board.peopleCount() <= 1 || board.seatsApart; }

std::string victoryOf(const Board& board, int winner, int listener, const std::string& mainMenu) {
    if (winner == listener && aLonePerson(board)) return " Congratulations, you have won! " + mainMenu;
    return " " + nameOf(board, winner) + " has won the game! " + mainMenu;
}

std::string defeatOf(const Board& board, const Outcome& defeat, int listener, const std::string& mainMenu) {
    if (defeat.player == listener && aLonePerson(board)) return "You have been defeated! Game over. " + mainMenu;
    return defeat.name + " has been defeated! Game over. " + mainMenu;
}

bool ClassicPlayWords::battleBeforeItsConsequences() const { return false; }

// With several people at the table, each person's turn is named, so that
// the one whose turn it is knows it.
std::string ClassicPlayWords::turnBegins(const Board& board, int player, int listener) const {
    if (player == listener && aLonePerson(board)) return "It is your turn.";
    return nameOf(board, player) + "'s turn.";
}

std::string ClassicPlayWords::startClaimed(const Board& board, const Outcome& claim, int listener) const {
    const std::string& zone = board.zoneName(claim.zone);
    if (claim.player == listener)
        return zone + " is now under your control. Choose where to place your points.";
    return board.playerName[static_cast<std::size_t>(claim.player)] + " has taken control of " + zone +
           ". The army of " + zone + " is now " + number(claim.army) + ".";
}

std::string ClassicPlayWords::attackReport(const Board& board, const Outcome& attack, int listener) const {
    const std::string& to = board.zoneName(attack.zone);
    const std::string army = number(board.zoneArmy[static_cast<std::size_t>(attack.zone)]);
    const std::string rolls = " with a roll of " + number(attack.roll1) + " to " + number(attack.roll2) + ". ";
    if (attack.player == listener) {
        switch (attack.kind) {
        case Outcome::Kind::ZoneTaken: return "You have taken control of " + to + ".";
        case Outcome::Kind::BattleWon:
            return "Your armies captured " + to + rolls + to + " now has an army of " + army + ".";
        default: return "Your armies failed to capture " + to + rolls + to + " now has an army of " + army + ".";
        }
    }
    const std::string& name = board.playerName[static_cast<std::size_t>(attack.player)];
    if (attack.kind == Outcome::Kind::ZoneTaken)
        return name + " has taken control of " + to + ". " + to + " now has an army of " + army + ".";
    // The defender's name as it was before the battle: a defeat empties it.
    // A lone person has always been named "You" here.
    const std::string defender =
        attack.defender == listener ? "You" : attack.defenderName(nameOf(board, attack.defender));
    const std::string result = attack.kind == Outcome::Kind::BattleWon ? " and was successful" : " and was defeated";
    return name + " of " + board.zoneName(attack.from) + " attacked " + defender + " in " + to + result + rolls +
           to + " has " + army + " army remaining.";
}

std::string ClassicPlayWords::computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const {
    int receiving = 0;
    for (int zone = 1; zone <= board.zoneCount(); ++zone)
        if (placed[static_cast<std::size_t>(zone)] > 0) ++receiving;
    const std::string& name = board.playerName[static_cast<std::size_t>(player)];
    if (receiving == 0) return name + " stores their points because all armies are at maximum size.";
    // ", " before " and " gives the two blanks players have always heard.
    std::string sentence = name + " has increased the army of ";
    int told = 0;
    for (int zone = 1; zone <= board.zoneCount(); ++zone) {
        if (placed[static_cast<std::size_t>(zone)] == 0) continue;
        ++told;
        const std::string part =
            board.zoneName(zone) + " to " + number(board.zoneArmy[static_cast<std::size_t>(zone)]);
        if (told < receiving) sentence += part + ", ";
        if (told == receiving) sentence += part + ".";
        if (told == receiving - 1) sentence += " and ";
    }
    return sentence;
}

std::string ClassicPlayWords::playerOut(const Board& board, const Outcome& out, int winner, int listener) const {
    const std::string sentence = out.name + " has been defeated!";
    return winner != 0 ? sentence + victoryOf(board, winner, listener, "Main Menu.") : sentence;
}

std::string ClassicPlayWords::humanDefeated(const Board& board, const Outcome& defeat, int listener) const {
    return defeatOf(board, defeat, listener, "Main Menu.");
}

std::string ClassicPlayWords::refusal(const Board& board, Refusal why, int from, int target) const {
    switch (why) {
    case Refusal::ZoneOwned: return "You must choose land that is unoccupied.";
    case Refusal::NotYours: return "You must choose land that you own.";
    case Refusal::ArmyFull: return "This zone is at max army.";
    case Refusal::TooWeak: return "The army of " + board.zoneName(from) + " is too weak to attack.";
    case Refusal::NoAttacker: return "You must first choose an army to attack with.";
    case Refusal::OutOfReach:
        return "The army of " + board.zoneName(from) + " cannot reach " + board.zoneName(target) + " to attack.";
    // Moves the keys never make, refused to a seat playing from elsewhere.
    case Refusal::NotYourTurn: return "It is not your turn.";
    case Refusal::WrongPhase: return "That move does not belong to this part of the turn.";
    case Refusal::OwnZone: return "You cannot attack a zone of your own.";
    case Refusal::NoSuchZone: return "There is no such zone.";
    case Refusal::NoPointsLeft: return "You have no points to place.";
    case Refusal::None: break;
    }
    return "";
}

std::string ClassicPlayWords::attackerChosen(const Board& board, int zone) const {
    return "Strength " + number(board.zoneArmy[static_cast<std::size_t>(zone)]) + " army of " +
           board.zoneName(zone) + " selected. Select a connected zone to attack.";
}

std::string ClassicPlayWords::pointPlaced(const Board& board, const Outcome& placed) const {
    return "The army of " + board.zoneName(placed.zone) + " was increased to " + number(placed.army) +
           ". You have " + number(placed.points) + " points remaining.";
}

std::string ClassicPlayWords::placingOpens(const Board&) const { return "Choose where to place your points."; }

// Points left unplaced have always been kept without a word.
std::string ClassicPlayWords::pointsKept(const Board&, int) const { return ""; }

std::string ClassicPlayWords::placeAllRefused() const { return "A places points in your placing phase."; }

}  // namespace sonarch
