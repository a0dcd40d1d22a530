#include "rules/moves.h"

#include <algorithm>

#include "rules/chain.h"
#include "rules/combat.h"
#include "rules/placing.h"
#include "rules/turns.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

bool isComputerSeat(const Board& board, int seat) { return board.isComputer[at(seat)] != 0; }

// A person claims while the board says so; a computer player until it has started.
bool mayClaim(const Board& board, int seat) {
    return isComputerSeat(board, seat) ? board.hasStarted[at(seat)] == 0 : board.choosingStart != 0;
}

bool mayAttack(const Board& board, int seat) {
    if (isComputerSeat(board, seat)) return board.hasStarted[at(seat)] != 0;
    return board.choosingStart == 0 && board.placingPoints == 0;
}

bool mayPlace(const Board& board, int seat) {
    if (isComputerSeat(board, seat)) return board.hasStarted[at(seat)] != 0;
    return board.choosingStart == 0 && board.placingPoints == 1;
}

Refusal attackRefusal(const Board& board, int seat, const Move& move) {
    if (move.from == 0) return Refusal::NoAttacker;
    if (!board.isZone(move.from) || !board.isZone(move.zone)) return Refusal::NoSuchZone;
    if (board.zoneOwner[at(move.from)] != seat) return Refusal::NotYours;
    if (!canAttackFrom(board, move.from)) return Refusal::TooWeak;
    if (board.zoneOwner[at(move.zone)] == seat) return Refusal::OwnZone;
    if (!seatReaches(board, seat, move.from, move.zone)) return Refusal::OutOfReach;
    return Refusal::None;
}

void playAttack(Board& board, int seat, const Move& move, RandomSource& random, Outcomes& out) {
    const int formerOwner = board.zoneOwner[at(move.zone)];
    int roll1 = 0, roll2 = 0;
    attackRoll(board, move.from, move.zone, roll1, roll2, random, out);
    // A person attacks on from the zone just taken; after a lost battle the
    // attacking zone stays chosen, with the one army left in it.
    if (!isComputerSeat(board, seat))
        board.attackFrom = board.zoneOwner[at(move.zone)] != formerOwner ? move.zone : move.from;
}

void startOnZonesHeld(Board& board, int seat, Outcomes& out) {
    board.hasStarted[at(seat)] = 1;
    if (!isComputerSeat(board, seat)) board.choosingStart = 0;
    calcChain(board, seat, out);
}

void endPhase(Board& board, int seat, Outcomes& out) {
    if (!isComputerSeat(board, seat) && board.placingPoints == 0) {
        openPlacing(board, out);
        out.push_back({.kind = Outcome::Kind::PlacingOpens, .player = seat, .points = board.points[at(seat)]});
        return;
    }
    // Points not placed are kept for a later turn.
    if (!isComputerSeat(board, seat) && board.points[at(seat)] > 0)
        out.push_back({.kind = Outcome::Kind::PointsKept, .player = seat, .points = board.points[at(seat)]});
    nextTurn(board, out);
}
}  // namespace

bool seatReaches(const Board& board, int seat, int from, int target) {
    if (!isComputerSeat(board, seat)) return attackReaches(board, from, target);
    const int links = std::clamp(board.linkCount(from), 0, maxLinks);
    for (int k = 1; k <= links; ++k)
        if (board.links(from, k) == target) return true;
    return false;
}

int pointsPlaceableOn(const Board& board, int seat, int zone) {
    if (!board.isZone(zone) || board.zoneOwner[at(zone)] != seat) return 0;
    const int room = std::max(0, maxArmy - board.zoneArmy[at(zone)]);
    return isComputerSeat(board, seat) ? room : std::min(room, std::max(0, board.points[at(seat)]));
}

Refusal moveRefusal(const Board& board, int seat, const Move& move) {
    if (board.gameOver || !board.isPlayer(seat) ||
        !board.inGame(seat) || seat != board.turnPlayer)
        return Refusal::NotYourTurn;
    switch (move.kind) {
    case Move::Kind::Claim:
        if (!mayClaim(board, seat)) return Refusal::WrongPhase;
        // Starting without a claim is only for when there is nothing to claim.
        if (move.zone == 0) return board.zonesHeldBy(0) > 0 ? Refusal::NoSuchZone : Refusal::None;
        if (!board.isZone(move.zone)) return Refusal::NoSuchZone;
        return claimRefusal(board, move.zone);
    case Move::Kind::Attack:
        if (!mayAttack(board, seat)) return Refusal::WrongPhase;
        return attackRefusal(board, seat, move);
    case Move::Kind::Place:
        if (!mayPlace(board, seat)) return Refusal::WrongPhase;
        if (!board.isZone(move.zone)) return Refusal::NoSuchZone;
        return placingRefusal(board, seat, move.zone);
    case Move::Kind::EndPhase:
        // A starting zone must be claimed before anything else.
        if (!isComputerSeat(board, seat) && board.choosingStart != 0) return Refusal::WrongPhase;
        return Refusal::None;
    }
    return Refusal::WrongPhase;
}

Refusal playMove(Board& board, int seat, const Move& move, RandomSource& random, Outcomes& out) {
    const Refusal refused = moveRefusal(board, seat, move);
    if (refused != Refusal::None) return refused;
    switch (move.kind) {
    case Move::Kind::Claim:
        if (move.zone == 0) {
            startOnZonesHeld(board, seat, out);
            break;
        }
        claimStart(board, seat, move.zone, out);
        break;
    case Move::Kind::Attack: playAttack(board, seat, move, random, out); break;
    case Move::Kind::Place: {
        const int count = std::min(std::max(1, move.count), pointsPlaceableOn(board, seat, move.zone));
        placeArmies(board, seat, move.zone, count, out);
        break;
    }
    case Move::Kind::EndPhase: endPhase(board, seat, out); break;
    }
    return Refusal::None;
}

bool turnEndsByItself(const Board& board) {
    const int seat = board.turnPlayer;
    return !board.gameOver && board.isPerson(seat) && board.choosingStart == 0 && board.placingPoints == 1 &&
           board.points[at(seat)] <= 0;
}

int seatsAllowed(int zoneCount) { return std::min(zoneCount / 2, mostPlayers); }

void countStartedFromZones(Board& board) {
    for (int p = 1; p <= maxPlayerSlots; ++p) board.hasStarted[at(p)] = 0;
    for (int z = 1; z <= board.zoneCount(); ++z) {
        const int owner = board.zoneOwner[at(z)];
        if (owner != 0) board.hasStarted[at(owner)] = 1;
    }
}

}  // namespace sonarch
