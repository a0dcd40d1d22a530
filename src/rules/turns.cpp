#include "rules/turns.h"

namespace sonarch {

namespace {
int playerAfter(int player, int playerCount) {
    ++player;
    // A turn number outside the players (an odd saved game) starts over too.
    if (player > playerCount || player < 1) player = 1;
    return player;
}
}  // namespace

bool nextTurn(Board& board, Outcomes& out) {
    if (board.playerCount < 1 || board.playerCount > maxPlayerSlots) return false;
    board.turnPlayer = playerAfter(board.turnPlayer, board.playerCount);
    // The human's name is never emptied, so one round is always enough; the
    // bound only guards odd saved games.
    for (int tries = 0; !board.inGame(board.turnPlayer); ++tries) {
        if (tries == board.playerCount) return false;
        board.turnPlayer = playerAfter(board.turnPlayer, board.playerCount);
    }
    board.placingPoints = 0;
    board.attackFrom = 0;
    out.push_back({.kind = Outcome::Kind::TurnBegins, .player = board.turnPlayer});
    return true;
}

}  // namespace sonarch
