#include "rules/turns.h"

namespace sonarch {

namespace {
int playerAfter(int player, int playerCount) {
    ++player;
    // A turn number outside the players (an odd saved game) starts over too.
    if (player > playerCount || player < 1) player = 1;
    return player;
}
// With several people, the keys pass to the person whose turn it is, who
// claims a starting zone first while a zone is free; during a computer
// player's turn they rest with the person who plays next. With one person
// nothing changes: that person keeps the keys and has started already.
void seatAtTheKeys(Board& board) {
    if (board.peopleCount() < 2) return;
    const int turn = board.turnPlayer;
    if (board.isPerson(turn)) {
        board.humanPlayer = turn;
        const bool started = board.hasStarted[static_cast<std::size_t>(turn)] != 0;
        board.choosingStart = !started && board.zonesHeldBy(0) > 0 ? 1 : 0;
        return;
    }
    for (int step = 1; step <= board.playerCount; ++step) {
        const int p = (turn - 1 + step) % board.playerCount + 1;
        if (board.isPerson(p) && board.inGame(p)) {
            board.humanPlayer = p;
            return;
        }
    }
}
}  // namespace

bool nextTurn(Board& board, Outcomes& out) {
    if (board.playerCount < 1 || board.playerCount > maxPlayerSlots) return false;
    board.turnPlayer = playerAfter(board.turnPlayer, board.playerCount);
    // The last person's name is never emptied, and the game ends with one
    // seat left, so one round is always enough; the bound only guards odd
    // saved games.
    for (int tries = 0; !board.inGame(board.turnPlayer); ++tries) {
        if (tries == board.playerCount) return false;
        board.turnPlayer = playerAfter(board.turnPlayer, board.playerCount);
    }
    board.placingPoints = 0;
    board.attackFrom = 0;
    seatAtTheKeys(board);
    out.push_back({.kind = Outcome::Kind::TurnBegins, .player = board.turnPlayer});
    return true;
}

}  // namespace sonarch
