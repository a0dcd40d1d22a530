#include "rules/newGame.h"

#include <algorithm>
#include <cctype>

#include "rules/names.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

// A computer player's name must differ exactly from every other seat's,
// and from each person's name with capitals aside, as a listener hears it.
bool nameTaken(const Board& board, int p, int people) {
    for (int q = 1; q <= board.playerCount; ++q) {
        if (q == p) continue;
        const bool clash = q <= people ? sameName(board.playerName[at(q)], board.playerName[at(p)])
                                       : board.playerName[at(q)] == board.playerName[at(p)];
        if (clash) return true;
    }
    return false;
}
}  // namespace

bool sameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

void startGame(Board& board, std::shared_ptr<const MapRecord> map, const std::vector<std::string>& people,
               int computerPlayers, RandomSource& random) {
    const int peopleSeats = std::clamp(static_cast<int>(people.size()), 1, mostPeople);
    const int playerCount = std::min(peopleSeats + std::max(0, computerPlayers), maxPlayerSlots);
    board.map = std::move(map);
    board.playerCount = playerCount;
    board.attackFrom = 0;
    board.choosingStart = 1;
    board.gameOver = false;
    board.chainStale = 0;
    for (int z = 1; z <= board.zoneCount(); ++z) {
        board.zoneOwner[at(z)] = 0;
        board.zoneArmy[at(z)] = 0;
    }
    for (int p = 1; p <= playerCount; ++p) {
        board.points[at(p)] = 0;
        board.chain[at(p)] = 0;
        board.isComputer[at(p)] = 0;
        board.hasStarted[at(p)] = 0;
    }
    for (int p = 1; p <= peopleSeats; ++p) board.playerName[at(p)] = people[at(p - 1)];
    // The pool holds 978 different names for at most ten players, so the
    // redrawing ends.
    for (int p = peopleSeats + 1; p <= playerCount; ++p) {
        do {
            board.playerName[at(p)] = pickName(random);
            board.isComputer[at(p)] = 1;
        } while (nameTaken(board, p, peopleSeats));
    }
    board.humanPlayer = 1;
    board.turnPlayer = 1;
    board.placingPoints = 0;
}

void startGame(Board& board, std::shared_ptr<const MapRecord> map, int playerCount, RandomSource& random) {
    startGame(board, std::move(map), {"You"}, playerCount - 1, random);
}

}  // namespace sonarch
