// The sentences of play: the turn cycle, the computer players' moves,
// battles, claims and placing, the end of a player and of the game, and the
// answers to a person's moves. Each wording turns outcomes on a board into
// sentences for the seat that hears them: `listener` is "you", every other
// seat is named, and a listener of 0 (watching, or at one keyboard while a
// computer player moves) hears every seat by name. The session decides
// when each is said.
#pragma once

#include <string>

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "wording/turnTally.h"

namespace sonarch {

class PlayWords {
public:
    virtual ~PlayWords() = default;

    // Whether a battle is told before the defeat or the victory it causes.
    virtual bool battleBeforeItsConsequences() const = 0;

    // ---- the turn cycle and the computer players ----
    virtual std::string turnBegins(const Board& board, int player, int listener) const = 0;
    // A starting zone claimed, by a person or a computer player.
    virtual std::string startClaimed(const Board& board, const Outcome& claim, int listener) const = 0;
    // A battle or the taking of an unclaimed zone, by a person or a
    // computer player, told from the board after it.
    virtual std::string attackReport(const Board& board, const Outcome& attack, int listener) const = 0;
    // A computer player's points, placed where placed says.
    virtual std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const = 0;

    // ---- the end of a player and of the game ----
    // A player put out; winner is the seat left when that ended the game, else 0.
    virtual std::string playerOut(const Board& board, const Outcome& out, int winner, int listener) const = 0;
    // The last person put out: the game is over.
    virtual std::string humanDefeated(const Board& board, const Outcome& defeat, int listener) const = 0;

    // ---- a person's moves, told to that person ----
    virtual std::string refusal(const Board& board, Refusal why, int from, int target) const = 0;
    virtual std::string attackerChosen(const Board& board, int zone) const = 0;
    virtual std::string pointPlaced(const Board& board, const Outcome& placed) const = 0;
    virtual std::string placingOpens(const Board& board) const = 0;
    // The human's turn ends with points unplaced; "" when nothing is said.
    virtual std::string pointsKept(const Board& board, int points) const = 0;
    // A outside the human's placing phase.
    virtual std::string placeAllRefused() const = 0;

    // ---- since a person's last turn ----
    // What changed for seat between before (as its last turn ended) and
    // now: the zones it lost and to whom, the players put out, the
    // standings; the same in every wording, which decides when it is said.
    std::string sinceYourLastTurn(const Board& before, const Board& now, int seat, int listener) const;
    std::string sinceYourLastTurnUnknown() const;
    // Shift+A's question, and its answer to a key that is not a digit.
    std::string howManyPoints(const Board& board, int zone, int placeable) const;
    std::string noPointsCounted() const;
    // "Final standings: Carmen 24 zones, Cali 23, you 0.": every seat still in.
    std::string finalStandings(const Board& board, int listener) const;
    // Whether a person's turn begins with it.
    virtual bool tellsSinceLastTurn() const { return false; }

    // ---- a computer player's turn told briefly, the same in every wording ----
    // "Landon attacked 17 times and took 11 zones, 3 of them yours:
    // Ashford, Ashgate, Birchwood.": the turn's attacks, what they did to
    // the listener and in all.
    std::string attacksSummed(const Board& board, int player, const TurnTally& tally) const;
    // "Landon placed 28 points over 12 zones, most on Cedarstead."; "" when
    // it placed on one zone or none, which the placing in full says as briefly.
    std::string placingSummed(const Board& board, int player, const ZoneTable<int>& placed) const;
};

// Whether one person plays: the classic game, where that person is "You".
bool aLonePerson(const Board& board);
// " Anna has won the game! Main menu.", or to a lone person who won, the
// congratulations players have always heard.
std::string victoryOf(const Board& board, int winner, int listener, const std::string& mainMenu);
// "Ben has been defeated! Game over. Main menu.", "You" for a lone person.
std::string defeatOf(const Board& board, const Outcome& defeat, int listener, const std::string& mainMenu);

// The classic sentences of play, byte for byte as players have always heard them.
class ClassicPlayWords : public PlayWords {
public:
    bool battleBeforeItsConsequences() const override;
    std::string turnBegins(const Board& board, int player, int listener) const override;
    std::string startClaimed(const Board& board, const Outcome& claim, int listener) const override;
    std::string attackReport(const Board& board, const Outcome& attack, int listener) const override;
    std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const override;
    std::string playerOut(const Board& board, const Outcome& out, int winner, int listener) const override;
    std::string humanDefeated(const Board& board, const Outcome& defeat, int listener) const override;
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
    // A person's turn says how many of their zones can attack.
    std::string turnBegins(const Board& board, int player, int listener) const override;
    std::string refusal(const Board& board, Refusal why, int from, int target) const override;
    std::string humanDefeated(const Board& board, const Outcome& defeat, int listener) const override;
    bool battleBeforeItsConsequences() const override;
    bool tellsSinceLastTurn() const override { return true; }
    std::string startClaimed(const Board& board, const Outcome& claim, int listener) const override;
    std::string attackReport(const Board& board, const Outcome& attack, int listener) const override;
    std::string computerPlaced(const Board& board, int player, const ZoneTable<int>& placed) const override;
    std::string playerOut(const Board& board, const Outcome& out, int winner, int listener) const override;
    std::string pointPlaced(const Board& board, const Outcome& placed) const override;
    std::string placingOpens(const Board& board) const override;
    std::string pointsKept(const Board& board, int points) const override;
};

}  // namespace sonarch
