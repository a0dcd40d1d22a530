// The sentences of play: the turn cycle, the computer players' moves,
// battles, claims and placing, the end of a player and of the game, and the
// answers to the human's moves. Each wording turns outcomes on a board into
// sentences; the session decides when each is said.
#pragma once

#include <string>

#include "rules/Board.h"
#include "rules/Outcome.h"

namespace sonarch {

class PlayWords {
public:
    virtual ~PlayWords() = default;

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
    // The human's turn ends with points unplaced; "" when nothing is said.
    virtual std::string pointsKept(const Board& board, int points) const = 0;
    // A outside the human's placing phase.
    virtual std::string placeAllRefused() const = 0;
};

// The classic sentences of play, byte for byte as players have always heard them.
class ClassicPlayWords : public PlayWords {
public:
    bool battleBeforeItsConsequences() const override;
    std::string turnBegins(const Board& board, int player) const override;
    std::string startClaimed(const Board& board, const Outcome& claim) const override;
    std::string attackReport(const Board& board, const Outcome& attack) const override;
    std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const override;
    std::string playerOut(const Outcome& out, bool gameWon) const override;
    std::string humanDefeated() const override;
    std::string refusal(const Board& board, Refusal why, int from, int target) const override;
    std::string attackerChosen(const Board& board, int zone) const override;
    std::string pointPlaced(const Board& board, const Outcome& placed) const override;
    std::string placingOpens(const Board& board) const override;
    std::string pointsKept(const Board& board, int points) const override;
    std::string placeAllRefused() const override;
};

// The clear sentences of play: what differs from the classic ones.
class ClearPlayWords : public ClassicPlayWords {
public:
    // The human's turn says how many of their zones can attack.
    std::string turnBegins(const Board& board, int player) const override;
    std::string refusal(const Board& board, Refusal why, int from, int target) const override;
    std::string humanDefeated() const override;
    bool battleBeforeItsConsequences() const override;
    std::string startClaimed(const Board& board, const Outcome& claim) const override;
    std::string attackReport(const Board& board, const Outcome& attack) const override;
    std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const override;
    std::string playerOut(const Outcome& out, bool gameWon) const override;
    std::string pointPlaced(const Board& board, const Outcome& placed) const override;
    std::string placingOpens(const Board& board) const override;
    std::string pointsKept(const Board& board, int points) const override;
};

}  // namespace sonarch
