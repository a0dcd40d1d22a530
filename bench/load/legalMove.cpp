#include "legalMove.h"

namespace sonarch::load {

Move chooseLegalMove(const Board& board, int seat, int attacksSoFar, int mostAttacks) {
    auto legal = [&](const Move& move) { return moveRefusal(board, seat, move) == Refusal::None; };
    const auto army = [&](int zone) { return board.zoneArmy[static_cast<std::size_t>(zone)]; };
    if (board.choosingStart != 0) {
        for (int z = 1; z <= board.zoneCount(); ++z)
            if (legal(Move::claim(z))) return Move::claim(z);
        return Move::startOnZonesHeld();
    }
    if (board.placingPoints != 0) {
        for (int z = 1; z <= board.zoneCount(); ++z)
            if (legal(Move::place(z))) return Move::place(z);
        return Move::endPhase();
    }
    if (attacksSoFar < mostAttacks) {
        for (int from = 1; from <= board.zoneCount(); ++from) {
            if (board.zoneOwner[static_cast<std::size_t>(from)] != seat || army(from) < 2) continue;
            for (int to = 1; to <= board.zoneCount(); ++to)
                if (army(to) < army(from) && legal(Move::attack(from, to))) return Move::attack(from, to);
        }
    }
    return Move::endPhase();
}

}  // namespace sonarch::load
