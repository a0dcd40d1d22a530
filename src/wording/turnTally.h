// A computer player's turn counted for a brief telling: its attacks (the
// unclaimed zones it took among them), the zones it took, and which of them
// were the listener's, in the order taken.
#pragma once

#include <vector>

#include "rules/Outcome.h"

namespace sonarch {

struct TurnTally {
    int attacks = 0;
    int zonesTaken = 0;
    std::vector<int> listenersZonesTaken;

    // Counts one outcome of the turn as heard by listener (0: nobody is
    // "you", so no zone is theirs); outcomes other than battles and the
    // taking of unclaimed zones count for nothing.
    void count(const Outcome& outcome, int listener) {
        const bool taken = outcome.kind == Outcome::Kind::ZoneTaken || outcome.kind == Outcome::Kind::BattleWon;
        if (!taken && outcome.kind != Outcome::Kind::BattleLost) return;
        ++attacks;
        if (!taken) return;
        ++zonesTaken;
        if (outcome.kind == Outcome::Kind::BattleWon && listener != 0 && outcome.defender == listener)
            listenersZonesTaken.push_back(outcome.zone);
    }
};

}  // namespace sonarch
