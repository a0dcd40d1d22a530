// The table: one game's board, its random source and its seats. It takes
// moves from the seat whose turn it is, plays the computer players' turns
// itself as soon as they come, and hands what every move did to its
// listener, with the board as that move left it. A listener tells what it
// received at its own pace (a person at one keyboard hears the computer
// players' moves one by one, with pauses), so the table never waits for
// anyone. The first listener is the local session; a remote seat is another.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"
#include "rules/moves.h"
#include "rules/strength.h"

namespace sonarch {

// What one move did: who made it, what it was, the rules' outcomes in
// order, and the board after it.
struct Played {
    enum class Kind {
        Move,          // a person's move
        TurnOver,      // the turn ended by itself when the person placed the last point
        ComputerMove,  // one step of a computer player's turn
        TurnPassed,    // a computer player's turn is over and the next begins
    };
    Kind kind = Kind::Move;
    int seat = 0;
    Move move{};
    ComputerMove computerMove{};
    Outcomes outcomes{};
    Board after{};
    // Where a computer player's placing put its points.
    ZoneTable<int> placed{};
};

class TableListener {
public:
    virtual ~TableListener() = default;
    // Called for every move, in the order the moves were made.
    virtual void played(const Played& played) = 0;
};

class Table {
public:
    explicit Table(RandomSource& random) : random_(random) {}

    const Board& board() const { return board_; }
    Strength strength() const { return strength_; }
    void seatListener(TableListener* listener) { listener_ = listener; }

    // A new game on map: the people in the first seats in order, then the
    // computer players at the strength given.
    void newGame(std::shared_ptr<const MapRecord> map, const std::vector<std::string>& people, int computers,
                 Strength strength);
    // Takes a position over whole: a loaded game, or a test's board.
    void setUp(Board board, Strength strength);
    // No game on the table any more (the session's start, an exit).
    void clear();

    // Plays seat's move, then whatever computer players' turns follow,
    // until a person's turn comes or the game is over. Refused: nothing
    // changed and nothing was handed out.
    Refusal play(int seat, const Move& move);

private:
    void playComputerTurns();
    void hand(Played played);

    RandomSource& random_;
    Board board_;
    Strength strength_ = Strength::Standard;
    TableListener* listener_ = nullptr;
};

}  // namespace sonarch
