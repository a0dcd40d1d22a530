// The computer player's rule. On its first turn it claims a random
// unclaimed zone; on every later turn each own zone with an army above 1
// looks along its own links and decides, target by target, whether to
// attack: always a weaker zone, sometimes an equal or slightly stronger one,
// by a percentage drawn from the game's random source. Then it places as
// many points as its chain, on random own zones below the maximum army.
#include "rules/computerPlayer.h"

#include <algorithm>
#include <bit>

#include "rules/chain.h"
#include "rules/combat.h"
#include "rules/moves.h"
#include "rules/placing.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

int zonesOf(const Board& board) { return std::min(board.zoneCount(), maxZones); }

bool anyZoneUnclaimed(const Board& board) {
    const int zones = zonesOf(board);
    for (int zone = 1; zone <= zones; ++zone)
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

// The first zone from `from` on that the sweep has to look at; past the
// map when there is none.
int nextInSweep(const ComputerTurn& turn, int from) {
    for (int word = from / 64; word < 2; ++word) {
        std::uint64_t bits = turn.sweeping[at(word)];
        if (word == from / 64) bits &= ~std::uint64_t{0} << (from % 64);
        if (bits != 0) return word * 64 + std::countr_zero(bits);
    }
    return maxZones + 1;
}

// The next attack of the sweep from where the turn stands, or false when
// the sweep has gone through every zone. The place in the sweep is kept in
// locals while it runs: the turn is written back only when it stops.
bool nextAttack(const Board& board, int player, ComputerTurn& turn, RandomSource& random, ComputerMove& move) {
    const int zones = zonesOf(board);
    const int* owner = board.zoneOwner.data();
    const int* army = board.zoneArmy.data();
    if (!turn.sweepBegun) {
        turn.sweepBegun = true;
        // Without a branch a zone: which zones are the player's is no
        // pattern a processor can guess.
        std::array<std::uint64_t, 2> sweeping{};
        for (int zone = 1; zone <= zones; ++zone) {
            const auto attacks = static_cast<std::uint64_t>(static_cast<int>(owner[zone] == player) & static_cast<int>(army[zone] > 1));
            sweeping[at(zone / 64)] |= attacks << (zone % 64);
        }
        turn.sweeping = sweeping;
    }
    int zone = nextInSweep(turn, turn.zone);
    // The links of the zone the sweep stopped at go on from where it stopped.
    int link = zone == turn.zone ? turn.link : 1;
    for (; zone <= zones; zone = nextInSweep(turn, zone + 1), link = 1) {
        if (owner[zone] != player || army[zone] <= 1) continue;
        const int linksOut = std::clamp(board.linkCount(zone), 0, maxLinks);
        const LinkTable& linksOf = board.map->links[at(zone)];
        for (; link <= linksOut; ++link) {
            const int target = linksOf[at(link)];
            if (target < 1 || target > zones) continue;
            if (owner[target] == player) continue;
            // Every attack leaves its zone with 1: it has nothing more to
            // attack with, and must draw nothing for the links after.
            if (army[zone] <= 1) break;
            if (!decidesToAttack(random, army[zone], army[target])) continue;
            turn.zone = zone;
            turn.link = link + 1;
            move = {.kind = ComputerMove::Kind::Attack, .from = zone, .zone = target};
            return true;
        }
    }
    turn.zone = zones + 1;
    turn.link = 1;
    return false;
}

ComputerMove placing(const Board& board, int player, ComputerTurn& turn, RandomSource& random) {
    turn.placed = ZoneTable<int>{};
    const int zones = zonesOf(board);
    // Which zones can take a point now: the player's below the maximum army.
    ZoneTable<bool> open{};
    int room = 0;
    for (int zone = 1; zone <= zones; ++zone) {
        open[at(zone)] = takesArmy(board, player, zone);
        if (board.zoneOwner[at(zone)] == player) room += std::max(0, maxArmy - board.zoneArmy[at(zone)]);
    }
    // Points not placed are lost; there is no store between turns.
    const int toPlace = std::min(room, chainNow(board, player));
    for (int point = 1; point <= toPlace; ++point) {
        // Room is left while a point is, so an open zone exists.
        int zone = 0;
        do {
            zone = random.drawWhole(zones);
        } while (!open[at(zone)]);
        ++turn.placed[at(zone)];
        open[at(zone)] = board.zoneArmy[at(zone)] + turn.placed[at(zone)] < maxArmy;
    }
    return {.kind = ComputerMove::Kind::Place};
}

}  // namespace

ComputerMove chooseComputerMove(const Board& board, ComputerTurn& turn, RandomSource& random) {
    const int player = board.turnPlayer;
    if (board.gameOver || player < 1 || player > maxPlayerSlots || !board.inGame(player) || turn.done)
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
            turn.done = true;
            return placing(board, player, turn, random);
        }
        turn.zone = 1;
        turn.link = 1;
        turn.conquered = false;
    }
    return move;
}

void playComputerMove(Board& board, const ComputerMove& move, ComputerTurn& turn, RandomSource& random,
                      Outcomes& out) {
    const int player = board.turnPlayer;
    switch (move.kind) {
    case ComputerMove::Kind::Claim:
        playMove(board, player, Move::claim(move.zone), random, out);
        // The starting claim is the whole of the first turn.
        turn.done = true;
        break;
    case ComputerMove::Kind::CountStarted:
        playMove(board, player, Move::startOnZonesHeld(), random, out);
        break;
    case ComputerMove::Kind::Attack: {
        const int formerOwner = board.zoneOwner[at(move.zone)];
        playMove(board, player, Move::attack(move.from, move.zone), random, out);
        turn.sweeping[at(move.from / 64)] &= ~(std::uint64_t{1} << (move.from % 64));
        if (board.zoneOwner[at(move.zone)] != formerOwner) {
            turn.conquered = true;
            // A zone taken further on in the sweep attacks in this sweep too.
            if (board.zoneArmy[at(move.zone)] > 1)
                turn.sweeping[at(move.zone / 64)] |= std::uint64_t{1} << (move.zone % 64);
        }
        break;
    }
    case ComputerMove::Kind::Place: {
        int zonesPlaced = 0;
        const int zones = zonesOf(board);
        // The choice has kept each zone within the army cap already.
        for (int zone = 1; zone <= zones; ++zone) {
            const int count = turn.placed[at(zone)];
            if (count == 0) continue;
            playMove(board, player, Move::place(zone, count), random, out);
            ++zonesPlaced;
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
