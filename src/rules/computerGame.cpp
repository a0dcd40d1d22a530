#include "rules/computerGame.h"

#include <algorithm>

#include "rules/Outcome.h"
#include "rules/newGame.h"

namespace sonarch {

namespace {
int lastSeatStanding(const Board& board) {
    for (int p = 1; p <= board.playerCount; ++p)
        if (board.inGame(p)) return p;
    return 0;
}
}  // namespace

ComputerGameResult playComputerGame(const std::shared_ptr<const MapRecord>& map, int players, int roundLimit,
                                    std::uint64_t seed, const SeatStrengths& seats) {
    RandomSource random;
    random.pinSeed(seed);
    random.seedFromClock(0);
    players = std::clamp(players, 1, maxPlayerSlots);
    Board board;
    startGame(board, map, players, random);
    // No seat is the human's: the first seat's defeat is one more seat out,
    // and the game ends when every seat but one is out.
    board.humanPlayer = 0;
    for (int p = 1; p <= players; ++p) board.isComputer[static_cast<std::size_t>(p)] = 1;

    ComputerGameResult result;
    Outcomes outcomes;
    for (int round = 1; round <= roundLimit; ++round) {
        result.rounds = round;
        for (int p = 1; p <= players; ++p) {
            if (!board.inGame(p)) continue;
            board.turnPlayer = p;
            board.placingPoints = 0;
            board.attackFrom = 0;
            outcomes.clear();
            playTurnAt(seats[static_cast<std::size_t>(p)], board, random, outcomes);
            if (board.gameOver) {
                result.winner = lastSeatStanding(board);
                return result;
            }
        }
        if (round == 1) {
            for (int z = 1; z <= board.zoneCount(); ++z)
                if (board.zoneOwner[static_cast<std::size_t>(z)] != 0)
                    result.startZone[static_cast<std::size_t>(board.zoneOwner[static_cast<std::size_t>(z)])] = z;
        }
    }
    return result;
}

}  // namespace sonarch
