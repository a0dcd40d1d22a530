#include "table/Table.h"

#include "rules/newGame.h"

namespace sonarch {

void Table::newGame(std::shared_ptr<const MapRecord> map, const std::vector<std::string>& people, int computers,
                    Strength strength) {
    startGame(board_, std::move(map), people, computers, random_);
    strength_ = strength;
}

void Table::setUp(Board board, Strength strength) {
    board_ = std::move(board);
    strength_ = strength;
}

void Table::clear() { board_.humanPlayer = 0; }

Refusal Table::play(int seat, const Move& move) {
    Played played{.kind = Played::Kind::Move, .seat = seat, .move = move};
    const Refusal refused = playMove(board_, seat, move, random_, played.outcomes);
    if (refused != Refusal::None) return refused;
    played.after = board_;
    hand(std::move(played));
    if (turnEndsByItself(board_)) {
        Played over{.kind = Played::Kind::TurnOver, .seat = seat, .move = Move::endPhase()};
        playMove(board_, seat, Move::endPhase(), random_, over.outcomes);
        over.after = board_;
        hand(std::move(over));
    }
    playComputerTurns();
    return Refusal::None;
}

void Table::playComputerTurns() {
    for (;;) {
        const int seat = board_.turnPlayer;
        if (board_.gameOver || !board_.isPlayer(seat) || board_.isPerson(seat)) return;
        ComputerTurn turn;
        for (;;) {
            const ComputerMove move = chooseMoveAt(strength_, board_, turn, random_);
            if (move.kind == ComputerMove::Kind::Done) break;
            Played played{.kind = Played::Kind::ComputerMove, .seat = seat, .computerMove = move};
            playComputerMove(board_, move, turn, random_, played.outcomes);
            played.after = board_;
            played.placed = turn.placed;
            hand(std::move(played));
            if (board_.gameOver) return;
        }
        Played passed{.kind = Played::Kind::TurnPassed, .seat = seat, .move = Move::endPhase()};
        if (playMove(board_, seat, Move::endPhase(), random_, passed.outcomes) != Refusal::None) return;
        passed.after = board_;
        hand(std::move(passed));
    }
}

void Table::hand(Played played) {
    if (listener_ != nullptr) listener_->played(played);
}

}  // namespace sonarch
