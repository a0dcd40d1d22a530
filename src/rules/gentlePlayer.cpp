#include "rules/gentlePlayer.h"

#include <algorithm>
#include <vector>

#include "rules/battleOdds.h"
#include "rules/chain.h"
#include "rules/mapLinks.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

int zonesOf(const Board& board) { return std::clamp(board.zoneCount(), 0, maxZones); }

// A battle only when the dice all but promise it, and one a turn: played
// more boldly, attacking with the odds merely on its side and placing on its
// front, this player beats the standard one more often than not.
constexpr double surestOdds = 0.95;
constexpr int battlesATurn = 1;
// Nor does it mass armies: no zone is raised above this while another has room.
constexpr int tallestArmy = 6;

// One sweep over the player's zones in number order, from where the turn
// stands: each takes the first unclaimed zone along its links, or the first
// rival zone it is all but sure to take while the turn has a battle left.
bool nextAttack(const Board& board, int player, ComputerTurn& turn, ComputerMove& move) {
    const MapLinks& links = MapLinks::of(board);
    for (int zone = turn.zone; zone <= zonesOf(board); ++zone) {
        const int attackers = board.zoneArmy[at(zone)];
        if (board.zoneOwner[at(zone)] != player || attackers < 2) continue;
        for (const int target : links.from(zone)) {
            const int owner = board.zoneOwner[at(target)];
            if (owner == player) continue;
            if (owner != 0) {
                if (turn.battles >= battlesATurn) continue;
                if (battleOdds(attackers, board.zoneArmy[at(target)]).win < surestOdds) continue;
                ++turn.battles;
            }
            turn.zone = zone + 1;
            move = {.kind = ComputerMove::Kind::Attack, .from = zone, .zone = target};
            return true;
        }
    }
    return false;
}

bool onFront(const Board& board, const MapLinks& links, int player, int zone) {
    for (const int other : links.from(zone))
        if (board.zoneOwner[at(other)] != player) return true;
    for (const int other : links.into(zone))
        if (board.zoneOwner[at(other)] != player) return true;
    return false;
}

// Each point on a zone of the front drawn at random, while the front has
// room below the cap; then inside; then anywhere up to the maximum.
ComputerMove placing(const Board& board, int player, ComputerTurn& turn, RandomSource& random) {
    turn.placed = ZoneTable<int>{};
    const MapLinks& links = MapLinks::of(board);
    std::vector<int> front, inside, tall;
    int room = 0;
    for (int zone = 1; zone <= zonesOf(board); ++zone) {
        if (board.zoneOwner[at(zone)] != player) continue;
        const int army = board.zoneArmy[at(zone)];
        room += std::max(0, maxArmy - army);
        if (army >= tallestArmy) {
            if (army < maxArmy) tall.push_back(zone);
        } else {
            (onFront(board, links, player, zone) ? front : inside).push_back(zone);
        }
    }
    const int toPlace = std::min(room, chainNow(board, player));
    for (int point = 1; point <= toPlace; ++point) {
        std::vector<int>& open = !front.empty() ? front : !inside.empty() ? inside : tall;
        const auto drawn = at(random.drawWhole(static_cast<int>(open.size())) - 1);
        const int zone = open[drawn];
        const int army = board.zoneArmy[at(zone)] + ++turn.placed[at(zone)];
        if (army == tallestArmy && &open != &tall) tall.push_back(zone);
        if (army == tallestArmy || army == maxArmy) open.erase(open.begin() + static_cast<std::ptrdiff_t>(drawn));
    }
    return {.kind = ComputerMove::Kind::Place};
}
}  // namespace

ComputerMove chooseGentleMove(const Board& board, ComputerTurn& turn, RandomSource& random) {
    const int player = board.turnPlayer;
    if (board.gameOver || player < 1 || player > maxPlayerSlots || !board.inGame(player) || turn.done) return {};
    // The starting claim is the standard player's, draws and all.
    if (board.hasStarted[at(player)] == 0) return chooseComputerMove(board, turn, random);
    ComputerMove move;
    if (nextAttack(board, player, turn, move)) return move;
    turn.done = true;
    return placing(board, player, turn, random);
}

}  // namespace sonarch
