#include "rules/newGame.h"

#include "rules/names.h"

namespace sonarch {

namespace {
bool nameTaken(const Board& board, int p) {
    for (int q = 1; q <= board.playerCount; ++q)
        if (q != p && board.playerName[static_cast<std::size_t>(q)] == board.playerName[static_cast<std::size_t>(p)])
            return true;
    return false;
}
}  // namespace

void startGame(Board& board, std::shared_ptr<const MapRecord> map, int playerCount, RandomSource& random) {
    board.map = std::move(map);
    board.playerCount = playerCount;
    board.attackFrom = 0;
    board.choosingStart = 1;
    board.gameOver = false;
    board.chainStale = 0;
    for (int z = 1; z <= board.zoneCount(); ++z) {
        board.zoneOwner[static_cast<std::size_t>(z)] = 0;
        board.zoneArmy[static_cast<std::size_t>(z)] = 0;
    }
    for (int p = 1; p <= playerCount; ++p) {
        const auto seat = static_cast<std::size_t>(p);
        board.points[seat] = 0;
        board.chain[seat] = 0;
        board.isComputer[seat] = 0;
        board.hasStarted[seat] = 0;
    }
    board.playerName[1] = "You";
    // The pool holds 978 different names for at most ten players, so the
    // redrawing ends.
    for (int p = 2; p <= playerCount; ++p) {
        do {
            board.playerName[static_cast<std::size_t>(p)] = pickName(random);
            board.isComputer[static_cast<std::size_t>(p)] = 1;
        } while (nameTaken(board, p));
    }
    board.humanPlayer = 1;
    board.turnPlayer = 1;
    board.placingPoints = 0;
}

}  // namespace sonarch
