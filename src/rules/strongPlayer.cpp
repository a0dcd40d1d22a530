#include "rules/strongPlayer.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "rules/battleOdds.h"
#include "rules/chain.h"
#include "rules/strongJudge.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

int zonesOf(const Board& board) { return std::clamp(board.zoneCount(), 0, maxZones); }

// The starts drawn from: the best three, less those well behind the best.
constexpr std::size_t startChoices = 3;
constexpr double startSlack = 2.0;

// A starting zone with room to grow and no rival close: the unclaimed zones
// two links away count for it, a rival's zone that could reach it within two
// counts heavily against it. One of the few best is drawn, so that a map
// does not always see the same starts.
int startingZone(const Board& board, RandomSource& random) {
    const MapLinks& links = MapLinks::of(board);
    std::vector<std::pair<double, int>> scored;
    for (int zone = 1; zone <= zonesOf(board); ++zone) {
        if (board.zoneOwner[at(zone)] != 0) continue;
        double score = 0;
        for (const int near : links.from(zone)) {
            score += board.zoneOwner[at(near)] == 0 ? 1.0 : 0.0;
            for (const int far : links.from(near))
                if (far != zone && board.zoneOwner[at(far)] == 0) score += 0.5;
        }
        for (const int near : links.into(zone)) {
            if (board.zoneOwner[at(near)] != 0) score -= 20;
            for (const int far : links.into(near))
                if (board.zoneOwner[at(far)] != 0) score -= 5;
        }
        scored.emplace_back(-score, zone);
    }
    std::size_t few = std::min<std::size_t>(startChoices, scored.size());
    std::partial_sort(scored.begin(), scored.begin() + static_cast<std::ptrdiff_t>(few), scored.end());
    while (few > 1 && scored[few - 1].first > scored[0].first + startSlack) --few;
    return scored[at(random.drawWhole(static_cast<int>(few)) - 1)].second;
}

// The attack worth the most to the player, if any is worth making.
bool bestAttack(StrongJudge& judge, ComputerMove& move) {
    const Board& board = judge.board();
    double best = 0.0;
    bool found = false;
    for (int from = 1; from <= zonesOf(board); ++from) {
        if (!judge.mine(from) || judge.army(from) < 2) continue;
        for (const int target : judge.links().from(from)) {
            if (judge.mine(target)) continue;
            const double worth = judge.attackWorth(from, target);
            if (worth > best) {
                best = worth;
                found = true;
                move = {.kind = ComputerMove::Kind::Attack, .from = from, .zone = target};
            }
        }
    }
    return found;
}

// The best capture a zone of the given army could make next turn, as the
// board stands: the chance of the battle times what the capture is worth.
double offence(StrongJudge& judge, int zone, int armyThere) {
    if (armyThere < 2) return 0;
    double best = 0;
    for (const int target : judge.links().from(zone)) {
        if (judge.mine(target)) continue;
        const double chance = judge.owner(target) == 0 ? 1.0 : battleOdds(armyThere, judge.army(target)).win;
        best = std::max(best, chance * judge.captureWorth(target));
    }
    return best;
}

// What raising the zone's army from one number to another is worth: the
// losses it saves, and the capture it makes likelier.
double raiseWorth(StrongJudge& judge, int zone, int from, int to) {
    auto losses = [&](int a) { return judge.threat(zone, a) * judge.stake(zone, a); };
    return losses(from) - losses(to) + judge.weights().offence * (offence(judge, zone, to) - offence(judge, zone, from));
}

// The points go where they are worth the most each, a few at a time: a zone
// may need several before it is safe or strong enough to attack, and one
// point alone would seem wasted on it.
ComputerMove placing(const Board& board, int player, ComputerTurn& turn) {
    turn.placed = ZoneTable<int>{};
    StrongJudge judge(board, player);
    const int zones = zonesOf(board);
    int room = 0;
    for (int zone = 1; zone <= zones; ++zone)
        if (judge.mine(zone)) room += std::max(0, maxArmy - judge.army(zone));
    int left = std::min(room, chainNow(board, player));
    while (left > 0) {
        int bestZone = 0, bestCount = 0;
        double bestEach = -std::numeric_limits<double>::infinity();
        for (int zone = 1; zone <= zones; ++zone) {
            if (!judge.mine(zone)) continue;
            const int now = judge.army(zone) + turn.placed[at(zone)];
            for (int count = 1; count <= std::min(left, maxArmy - now); ++count) {
                const double each = raiseWorth(judge, zone, now, now + count) / count;
                if (each > bestEach) bestEach = each, bestZone = zone, bestCount = count;
            }
        }
        if (bestZone == 0) break;
        turn.placed[at(bestZone)] += bestCount;
        left -= bestCount;
    }
    return {.kind = ComputerMove::Kind::Place};
}

bool anyZoneUnclaimed(const Board& board) {
    for (int zone = 1; zone <= zonesOf(board); ++zone)
        if (board.zoneOwner[at(zone)] == 0) return true;
    return false;
}
}  // namespace

ComputerMove chooseStrongMove(const Board& board, ComputerTurn& turn, RandomSource& random) {
    const int player = board.turnPlayer;
    if (board.gameOver || player < 1 || player > maxPlayerSlots || !board.inGame(player) || turn.done) return {};
    if (board.hasStarted[at(player)] == 0) {
        if (!anyZoneUnclaimed(board)) return {.kind = ComputerMove::Kind::CountStarted};
        return {.kind = ComputerMove::Kind::Claim, .zone = startingZone(board, random)};
    }
    StrongJudge judge(board, player);
    ComputerMove move;
    if (bestAttack(judge, move)) return move;
    turn.done = true;
    return placing(board, player, turn);
}

}  // namespace sonarch
