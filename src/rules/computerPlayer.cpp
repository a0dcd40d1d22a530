// The computer player's rule. On its first turn it claims a random
// unclaimed zone; on every later turn each own zone with an army above 1
// looks along its own links and decides, target by target, whether to
// attack: always a weaker zone, sometimes an equal or slightly stronger one,
// by a percentage drawn from the game's random source. Then it places as
// many points as its chain, on random own zones below the maximum army.
#include "rules/computerPlayer.h"

#include <algorithm>

#include "rules/chain.h"
#include "rules/combat.h"
#include "rules/placing.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

int zonesOf(const Board& board) { return std::min(board.zoneCount(), maxZones); }

bool anyZoneUnclaimed(const Board& board) {
    for (int zone = 1; zone <= zonesOf(board); ++zone)
        if (board.zoneOwner[at(zone)] == 0) return true;
    return false;
}

bool decidesToAttack(RandomSource& random, int attackers, int target) {
    if (target < attackers) return true;
    // A percentage is drawn even when no draw could win (three or more
    // stronger): leaving it out would change every later draw of the game.
    const int drawn = random.drawPercentage();
    if (target == attackers) return drawn > 50;
    return drawn > 20 * (target - attackers) + 50;
}

// The next attack of the sweep from where the turn stands, or false when
// the sweep has gone through every zone.
bool nextAttack(const Board& board, int player, ComputerTurn& turn, RandomSource& random, ComputerMove& move) {
    const int zones = zonesOf(board);
    for (; turn.zone <= zones; ++turn.zone, turn.link = 1) {
        const int zone = turn.zone;
        if (board.zoneOwner[at(zone)] != player || board.zoneArmy[at(zone)] <= 1) continue;
        const int linksOut = std::clamp(board.linkCount(zone), 0, maxLinks);
        for (; turn.link <= linksOut; ++turn.link) {
            const int target = board.links(zone, turn.link);
            if (target < 1 || target > zones) continue;
            if (board.zoneOwner[at(target)] == player) continue;
            // Every attack leaves its zone with 1: it has nothing more to
            // attack with, and must draw nothing for the links after.
            if (board.zoneArmy[at(zone)] <= 1) break;
            if (!decidesToAttack(random, board.zoneArmy[at(zone)], board.zoneArmy[at(target)])) continue;
            ++turn.link;
            move = {.kind = ComputerMove::Kind::Attack, .from = zone, .zone = target};
            return true;
        }
    }
    return false;
}

ComputerMove placing(const Board& board, int player, RandomSource& random) {
    ComputerMove move{.kind = ComputerMove::Kind::Place};
    // Points not placed are lost; there is no store between turns.
    const int toPlace = std::min(placingRoom(board, player), board.chain[at(player)]);
    for (int point = 1; point <= toPlace; ++point) {
        // Room is left while a point is, so a zone below the maximum exists.
        int zone = 0;
        do {
            zone = random.drawWhole(zonesOf(board));
        } while (board.zoneOwner[at(zone)] != player || board.zoneArmy[at(zone)] + move.placed[at(zone)] >= maxArmy);
        ++move.placed[at(zone)];
    }
    return move;
}
}  // namespace

ComputerMove chooseComputerMove(const Board& board, ComputerTurn& turn, RandomSource& random) {
    const int player = board.turnPlayer;
    if (board.gameOver || player < 1 || player > maxPlayerSlots || !board.inGame(player) || turn.placed)
        return {};
    if (board.hasStarted[at(player)] == 0) {
        // Every zone owned (a loaded game forgets who has started): there is
        // nothing to claim, so the player plays a full turn on what it holds.
        if (!anyZoneUnclaimed(board)) return {.kind = ComputerMove::Kind::CountStarted};
        int zone = 0;
        do {
            zone = random.drawWhole(zonesOf(board));
        } while (board.zoneOwner[at(zone)] != 0);
        return {.kind = ComputerMove::Kind::Claim, .zone = zone};
    }
    ComputerMove move;
    // Only a conquest starts another sweep, and each one adds a zone to the
    // player, so the attacks end.
    while (!nextAttack(board, player, turn, random, move)) {
        if (!turn.conquered) {
            turn.placed = true;
            return placing(board, player, random);
        }
        turn = ComputerTurn{};
    }
    return move;
}

void playComputerMove(Board& board, const ComputerMove& move, ComputerTurn& turn, RandomSource& random,
                      Outcomes& out) {
    const int player = board.turnPlayer;
    switch (move.kind) {
    case ComputerMove::Kind::Claim:
        claimStart(board, player, move.zone, out);
        // The starting claim is the whole of the first turn.
        turn.placed = true;
        break;
    case ComputerMove::Kind::CountStarted:
        board.hasStarted[at(player)] = 1;
        // One that holds nothing is out.
        calcChain(board, player, out);
        break;
    case ComputerMove::Kind::Attack: {
        const int formerOwner = board.zoneOwner[at(move.zone)];
        int roll1 = 0, roll2 = 0;
        attackRoll(board, move.from, move.zone, roll1, roll2, random, out);
        if (board.zoneOwner[at(move.zone)] != formerOwner) turn.conquered = true;
        break;
    }
    case ComputerMove::Kind::Place: {
        int zonesPlaced = 0;
        for (int zone = 1; zone <= zonesOf(board); ++zone) {
            for (int point = 0; point < move.placed[at(zone)]; ++point) placePoint(board, player, zone, out);
            if (move.placed[at(zone)] > 0) ++zonesPlaced;
        }
        out.push_back({.kind = Outcome::Kind::ComputerPlaced, .player = player, .army = zonesPlaced});
        break;
    }
    case ComputerMove::Kind::Done: break;
    }
}

void runAI(Board& board, RandomSource& random, Outcomes& out) {
    ComputerTurn turn;
    for (;;) {
        const ComputerMove move = chooseComputerMove(board, turn, random);
        if (move.kind == ComputerMove::Kind::Done) return;
        playComputerMove(board, move, turn, random, out);
    }
}

}  // namespace sonarch
