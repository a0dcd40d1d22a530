// What a rule did, told as a short list of outcomes in the order they
// happened: a battle, then the player it put out, then the end of the game.
// The rules never speak; the session words these.
#pragma once

#include <string>
#include <vector>

namespace sonarch {

struct Outcome {
    enum class Kind {
        StartClaimed,    // player took zone as its starting zone, with army
        ZoneTaken,       // player's zone `from` took the unclaimed zone; army moved in
        BattleWon,       // player's zone `from` took zone from defender; army survived; name is
                         // the defender's when the battle put it out (the board's is then empty)
        BattleLost,      // player's zone `from` failed on zone of defender; army is the defender's left
        PlayerOut,       // player lost its last zone; name is the name it had
        HumanDefeated,   // the last person in the game lost its last zone: the game is over; name is theirs
        GameWon,         // player is the one seat left (follows the last PlayerOut): the game is over
        PointPlaced,     // armies added to zone (now army); points left to the player
        ComputerPlaced,  // a computer player placed its points on army zones (0: all were full)
        TurnBegins,      // player's turn begins
        PlacingOpens,    // player's placing phase opens with points to place
        PointsKept,      // player's turn ends with points unplaced, kept for later
    };
    Kind kind;
    int player = 0;
    int zone = 0;
    int from = 0;
    int defender = 0;
    int roll1 = 0;
    int roll2 = 0;
    int army = 0;
    int points = 0;
    std::string name{};

    // The defender of a battle, named as before the battle.
    const std::string& defenderName(const std::string& onTheBoard) const { return name.empty() ? onTheBoard : name; }
};

using Outcomes = std::vector<Outcome>;

// Why a rule refused a move; the board is then unchanged.
enum class Refusal {
    None,
    ZoneOwned,        // a starting zone must be unclaimed
    NotYours,         // placing on a zone of another owner
    ArmyFull,         // the zone holds the most armies placing allows
    NoPointsLeft,     // nothing to place
    TooWeak,          // the attacking zone has 1 army or none
    NoAttacker,       // no attacking zone chosen
    OutOfReach,       // the target's links do not lead back to the attacker
    NotYourTurn,      // a seat moved out of its turn, or no game is in progress
    WrongPhase,       // the move does not belong to the phase the turn is in
    OwnZone,          // an attack on a zone of the attacker's own
    NoSuchZone,       // a zone number outside the map
};

}  // namespace sonarch
