#include "rules/placing.h"

#include <algorithm>

#include "rules/chain.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }
}  // namespace

Refusal claimRefusal(const Board& board, int zone) {
    return board.zoneOwner[at(zone)] != 0 ? Refusal::ZoneOwned : Refusal::None;
}

void claimStart(Board& board, int player, int zone, Outcomes& out) {
    const bool computer = board.isComputer[at(player)] != 0;
    board.zoneOwner[at(zone)] = player;
    board.zoneArmy[at(zone)] = computer ? 2 : 1;
    out.push_back({.kind = Outcome::Kind::StartClaimed, .player = player, .zone = zone,
                   .army = board.zoneArmy[at(zone)]});
    if (computer) {
        board.chain[at(player)] = 1;
        board.chainStale &= ~(1U << player);
    } else {
        board.placingPoints = 1;
        board.choosingStart = 0;
        addIncome(board, player, out);
    }
    board.hasStarted[at(player)] = 1;
}

Refusal placingRefusal(const Board& board, int player, int zone) {
    if (!takesArmy(board, player, zone))
        return board.zoneOwner[at(zone)] != player ? Refusal::NotYours : Refusal::ArmyFull;
    if (board.isComputer[at(player)] == 0 && board.points[at(player)] <= 0) return Refusal::NoPointsLeft;
    return Refusal::None;
}

void placeArmies(Board& board, int player, int zone, int count, Outcomes& out) {
    board.zoneArmy[at(zone)] += count;
    if (board.isComputer[at(player)] != 0) return;
    board.points[at(player)] -= count;
    out.push_back({.kind = Outcome::Kind::PointPlaced, .player = player, .zone = zone,
                   .army = board.zoneArmy[at(zone)], .points = board.points[at(player)]});
}

void addIncome(Board& board, int player, Outcomes& out) {
    calcChain(board, player, out);
    int& points = board.points[at(player)];
    points = std::min(points + settleChain(board, player), maxHeldPoints);
}

void openPlacing(Board& board, Outcomes& out) {
    board.placingPoints = 1;
    addIncome(board, board.turnPlayer, out);
}

}  // namespace sonarch
