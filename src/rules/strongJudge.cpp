#include "rules/strongJudge.h"

#include <algorithm>
#include <cmath>

#include "rules/battleOdds.h"
#include "rules/chain.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

// How likely a zone of `attackers` is to attack one of `defenders` at all:
// the standard rule's chances, the rule most rivals play by. Any attacker
// is likelier to try where its odds are good.
double attackLikelihood(int attackers, int defenders) {
    if (attackers > defenders) return 1.0;
    if (attackers == defenders) return 0.5;
    if (attackers == defenders - 1) return 0.3;
    if (attackers == defenders - 2) return 0.1;
    return 0.0;
}
}  // namespace

StrongJudge::StrongJudge(const Board& board, int player, const StrongWeights& weights)
    : work_(board), player_(player), weights_(weights), links_(MapLinks::of(board)) {
    drop_.fill(-1);
    gain_.fill(-1);
    rivalLoss_.fill(-1);
    chain_ = chainNow(work_, player_);
    // Armies are cheap to a player whose zones have no room for its income:
    // what it loses in a battle, the next placing fills again.
    int room = 0;
    for (int zone = 1; zone <= std::clamp(work_.zoneCount(), 0, maxZones); ++zone)
        if (mine(zone)) room += std::max(0, maxArmy - army(zone));
    weights_.army *= std::clamp(double(room) / std::max(1, chain_), 0.1, 1.0);
    int most = -1;
    for (int p = 1; p <= std::min(work_.playerCount, maxPlayerSlots); ++p) {
        if (p == player_ || !work_.inGame(p)) continue;
        const int chain = chainNow(work_, p);
        if (chain > most) most = chain, biggestRival_ = p;
    }
}

double StrongJudge::pressure(int attacker, int armyThere) const {
    const int attackers = army(attacker);
    if (attackers < 2) return 0;
    return attackLikelihood(attackers, armyThere) * battleOdds(attackers, armyThere).win;
}

double StrongJudge::threat(int zone, int armyThere) const {
    double safe = 1.0;
    for (const int rival : links_.into(zone)) {
        const int who = owner(rival);
        if (who == player_ || who == 0 || work_.isPerson(who)) continue;
        safe *= 1.0 - pressure(rival, armyThere);
    }
    // A person reaches a zone only along the zone's own links.
    for (const int rival : links_.from(zone)) {
        const int who = owner(rival);
        if (who != player_ && work_.isPerson(who)) safe *= 1.0 - pressure(rival, armyThere);
    }
    return 1.0 - safe;
}

double StrongJudge::stake(int zone, int armyThere) {
    int cut = 0;
    if (zone == taken_) {
        cut = chainGain(zone);
    } else {
        int& drop = drop_[at(zone)];
        if (drop < 0) {
            work_.zoneOwner[at(zone)] = 0;
            drop = chain_ - largestChain(work_, player_);
            work_.zoneOwner[at(zone)] = player_;
        }
        cut = drop;
    }
    return weights_.zone + weights_.army * armyThere + weights_.chain * cut;
}

int StrongJudge::chainGain(int zone) {
    int& gain = gain_[at(zone)];
    if (gain < 0) {
        const int before = work_.zoneOwner[at(zone)];
        work_.zoneOwner[at(zone)] = player_;
        gain = std::max(0, largestChain(work_, player_) - chain_);
        work_.zoneOwner[at(zone)] = before;
    }
    return gain;
}

int StrongJudge::rivalLoss(int zone) {
    const int rival = owner(zone);
    if (rival == 0 || rival == player_) return 0;
    int& loss = rivalLoss_[at(zone)];
    if (loss < 0) {
        const int before = chainNow(work_, rival);
        work_.zoneOwner[at(zone)] = 0;
        loss = std::max(0, before - largestChain(work_, rival));
        work_.zoneOwner[at(zone)] = rival;
    }
    return loss;
}

double StrongJudge::captureWorth(int zone) {
    const int rival = owner(zone);
    const double rivalWeight = weights_.rival * (rival == biggestRival_ ? 1.0 + weights_.leader : 1.0);
    return weights_.zone + weights_.chain * chainGain(zone) + rivalWeight * rivalLoss(zone);
}

void StrongJudge::touchedBy(int from, int target, std::vector<int>& zones) const {
    zones.clear();
    auto add = [&](int zone) {
        if (std::find(zones.begin(), zones.end(), zone) == zones.end()) zones.push_back(zone);
    };
    add(from);
    add(target);
    for (const int zone : links_.from(target)) add(zone);
    for (const int zone : links_.into(target)) add(zone);
}

double StrongJudge::exposure(const std::vector<int>& zones) {
    double total = 0;
    for (const int zone : zones) {
        if (!mine(zone)) continue;
        const double chance = threat(zone, army(zone));
        if (chance > 0) total += chance * stake(zone, army(zone));
    }
    return total;
}

double StrongJudge::attackWorth(int from, int target) {
    touchedBy(from, target, touched_);
    // Everything the chains say is worked out on the board as it stands,
    // before the board is changed to judge the outcomes.
    const double worth = captureWorth(target);
    for (const int zone : touched_)
        if (mine(zone)) stake(zone, army(zone));
    const double before = exposure(touched_);

    const int attackers = army(from);
    const int defenders = army(target);
    const int defender = owner(target);
    auto& owners = work_.zoneOwner;
    auto& armies = work_.zoneArmy;
    auto judgeTaken = [&](int moved) {
        owners[at(target)] = player_;
        armies[at(target)] = moved;
        armies[at(from)] = 1;
        taken_ = target;
        const double after = exposure(touched_);
        taken_ = 0;
        owners[at(target)] = defender;
        armies[at(target)] = defenders;
        armies[at(from)] = attackers;
        return after - before;
    };
    if (defender == 0) return worth - judgeTaken(attackers - 1);

    const BattleOdds& odds = battleOdds(attackers, defenders);
    const double won = worth + weights_.army * (1 + odds.survivors - attackers) + weights_.kill * defenders -
                       judgeTaken(static_cast<int>(std::lround(odds.survivors)));
    armies[at(from)] = 1;
    armies[at(target)] = static_cast<int>(std::lround(odds.remaining));
    const double afterLoss = exposure(touched_);
    armies[at(from)] = attackers;
    armies[at(target)] = defenders;
    const double lost =
        weights_.army * (1 - attackers) + weights_.kill * (defenders - odds.remaining) - (afterLoss - before);
    return odds.win * won + (1 - odds.win) * lost;
}

}  // namespace sonarch
