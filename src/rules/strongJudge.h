// How the strong computer player weighs a board from its own side: its
// chain (the income of every turn to come), its zones and armies, what each
// of its zones stands to lose to the attacks of the turns before its next
// one, and the chains of its rivals. Moves are judged by what they change
// in these, on a working copy of the board.
#pragma once

#include <array>
#include <vector>

#include "rules/Board.h"
#include "rules/mapLinks.h"

namespace sonarch {

// What each part of a position is worth, in armies.
struct StrongWeights {
    double chain = 3.0;      // one more point of income
    double zone = 1.0;       // a zone held
    double army = 0.4;       // an army of the player's (less once its zones are full)
    double rival = 1.2;      // a point off a rival's income
    double leader = 1.0;     // more for a point off the biggest rival's
    double kill = 0.15;      // an army of a rival's destroyed
    double offence = 0.5;    // the chance of a capture next turn, as placing makes it
};

class StrongJudge {
public:
    StrongJudge(const Board& board, int player, const StrongWeights& weights = {});

    // The chance that the player's zone, with the given army, is taken before
    // the player's next turn: each rival zone that can reach it may attack,
    // as the game's standard rule would, and win by the dice.
    double threat(int zone, int army) const;
    // What the player loses with the zone: the zone, its army and whatever
    // its loss cuts off from the chain.
    double stake(int zone, int army);
    // The player's chain if it held the zone too, less its chain now.
    int chainGain(int zone);
    // What taking the zone costs the zone's owner in chain.
    int rivalLoss(int zone);
    // What taking the zone is worth beyond the zone itself: the chains
    // it changes.
    double captureWorth(int zone);

    // The change in the player's position that an attack from `from` on
    // `target` makes on average over the dice.
    double attackWorth(int from, int target);

    int player() const { return player_; }
    const Board& board() const { return work_; }
    const MapLinks& links() const { return links_; }
    const StrongWeights& weights() const { return weights_; }
    bool mine(int zone) const { return owner(zone) == player_; }
    int owner(int zone) const { return work_.zoneOwner[static_cast<std::size_t>(zone)]; }
    int army(int zone) const { return work_.zoneArmy[static_cast<std::size_t>(zone)]; }

private:
    // The player's zones whose stakes an attack on target touches: the two
    // zones of the battle and the player's zones the target could attack.
    void touchedBy(int from, int target, std::vector<int>& zones) const;
    // The player's losses to come over the given zones, as the board stands.
    double exposure(const std::vector<int>& zones);
    double pressure(int attacker, int army) const;

    Board work_;
    int player_;
    StrongWeights weights_;
    const MapLinks& links_;
    int chain_ = 0;
    int biggestRival_ = 0;
    // Worked out when first asked for, on the board as it was given; -1: not yet.
    ZoneTable<int> drop_, gain_, rivalLoss_;
    // While an attack is judged: the target taken, whose stake is its gain.
    int taken_ = 0;
    std::vector<int> touched_;
};

}  // namespace sonarch
