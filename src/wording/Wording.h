// Every sentence of play the game says, in one place, so that a second
// wording can sit beside the classic one. A wording turns what the rules
// did (outcomes on a board) and what the player asked into sentences; the
// session decides when each is said.
#pragma once

#include <memory>
#include <string>

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

class Wording {
public:
    virtual ~Wording() = default;

    // Whether a battle is told before the defeat or the victory it causes.
    virtual bool battleBeforeItsConsequences() const = 0;

    // ---- the turn cycle and the computer players ----
    virtual std::string turnBegins(const Board& board, int player) const = 0;
    // A starting zone claimed, by the human or a computer player.
    virtual std::string startClaimed(const Board& board, const Outcome& claim) const = 0;
    // A battle or the taking of an unclaimed zone, by the human or a
    // computer player, told from the board after it.
    virtual std::string attackReport(const Board& board, const Outcome& attack) const = 0;
    // A computer player's points, placed where placed says.
    virtual std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const = 0;

    // ---- the end of a player and of the game ----
    virtual std::string playerOut(const Outcome& out, bool gameWon) const = 0;
    virtual std::string humanDefeated() const = 0;

    // ---- the human's moves ----
    virtual std::string refusal(const Board& board, Refusal why, int from, int target) const = 0;
    virtual std::string attackerChosen(const Board& board, int zone) const = 0;
    virtual std::string pointPlaced(const Board& board, const Outcome& placed) const = 0;
    virtual std::string placingOpens(const Board& board) const = 0;
};

// The wording players have always heard.
std::unique_ptr<Wording> classicWording();

}  // namespace sonarch
