// A player's chain, the income of a turn: the most own zones reachable from
// one own zone by following links. Also the one place where a player who
// has lost every zone is put out, and where a game ends.
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <string>

#include "game/chain.h"

#include "game/Form1.h"

namespace sonarch {

namespace {
// The largest number of own zones reachable from one own zone, the zone
// itself included. Links lead one way, as the map lists it; a link to a
// number that is no zone of the map leads nowhere.
//
// Zones that reach each other (a strongly connected group) reach the same
// zones, so the groups are found once (Tarjan's method) and the zones each
// group reaches are gathered as bit sets, every group after the groups it
// leads to. Linear in the links instead of a search from every zone.
class Reach {
public:
    Reach(const Form1& game, int player) : game_(game), player_(player) {
        zones_ = std::clamp(game.zoneCount, 0, maxZones);
    }

    int largest() {
        for (int zone = 1; zone <= zones_; ++zone)
            if (owns(zone) && order_[zone] == 0) visit(zone);
        return best_;
    }

private:
    // A set of zones as bits: zone z is bit z % 64 of word z / 64.
    using Zones = std::array<std::uint64_t, (maxZones + 64) / 64>;

    static void add(Zones& to, const Zones& from) {
        for (std::size_t w = 0; w < to.size(); ++w) to[w] |= from[w];
    }
    static int count(const Zones& zones) {
        int n = 0;
        for (std::uint64_t word : zones) n += std::popcount(word);
        return n;
    }

    bool owns(int zone) const { return zone >= 1 && zone <= zones_ && game_.zoneOwner[zone] == player_; }

    template <typename Step>
    void eachOwnNeighbour(int zone, Step step) const {
        const int linksOut = std::clamp(game_.linkCount[zone], 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int neighbour = game_.links[zone][k];
            if (owns(neighbour)) step(neighbour);
        }
    }

    void visit(int zone) {
        order_[zone] = low_[zone] = ++visited_;
        stack_[depth_++] = zone;
        onStack_[zone] = true;
        eachOwnNeighbour(zone, [&](int next) {
            if (order_[next] == 0) {
                visit(next);
                low_[zone] = std::min(low_[zone], low_[next]);
            } else if (onStack_[next]) {
                low_[zone] = std::min(low_[zone], order_[next]);
            }
        });
        if (low_[zone] != order_[zone]) return;

        // zone heads a group: every group it leads to is already complete.
        Zones reached{};
        const int first = depth_;
        int member;
        do {
            member = stack_[--depth_];
            onStack_[member] = false;
            reached[static_cast<std::size_t>(member) / 64] |= std::uint64_t{1} << (member % 64);
        } while (member != zone);
        for (int i = first - 1; i >= depth_; --i)
            eachOwnNeighbour(stack_[i], [&](int next) {
                if (complete_[next]) add(reached, reaches_[next]);
            });
        for (int i = first - 1; i >= depth_; --i) {
            reaches_[stack_[i]] = reached;
            complete_[stack_[i]] = true;
        }
        best_ = std::max(best_, count(reached));
    }

    const Form1& game_;
    int player_;
    int zones_ = 0;
    int visited_ = 0;
    int depth_ = 0;
    int best_ = 0;
    // Only the visiting order and the marks start cleared: every other entry
    // is written before it is read, and calcChain runs after every conquest,
    // so clearing them would be most of its cost.
    std::array<int, maxZones + 1> order_{};
    std::array<bool, maxZones + 1> onStack_{}, complete_{};
    std::array<int, maxZones + 1> low_, stack_;
    std::array<Zones, maxZones + 1> reaches_;
};
}  // namespace

int largestChain(const Form1& game, int player) { return Reach(game, player).largest(); }

void Form1::calcChain(const int& index) {
    if (index < 0 || index > maxPlayerSlots) return;
    const int player = index;
    const int best = largestChain(*this, player);
    chain[player] = best;

    // A player who never held a starting zone cannot have lost it.
    if (best != 0 || hasStarted[player] == 0) return;

    if (player == humanPlayer) {
        addMessage("You have been defeated! Game over. Main Menu.");
        playCue(Cue::Defeat);
        humanPlayer = 0;
        menuState = 1;
        menuCursor = 0;
        return;
    }

    const std::string sentence = playerName[player] + " has been defeated!";
    playerName[player] = "";
    int playersOut = 0;
    for (int other = 1; other <= std::min(playerCount, maxPlayerSlots); ++other) {
        if (playerName[other].empty()) ++playersOut;
    }
    // The human's name is never emptied, so this counts the computer players.
    if (playersOut >= playerCount - 1) {
        addMessage(sentence + " Congratulations, you have won! Main Menu.");
        playCue(Cue::Victory);
        humanPlayer = 0;
        menuState = 1;
        menuCursor = 0;
        return;
    }
    addMessage(sentence);
    hold(5);
}

}  // namespace sonarch
