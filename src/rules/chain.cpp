// The chain search. Most boards are searched by growing groups as bit sets,
// a whole ring of zones at a time, from an own zone not yet reached: a zone
// inside a grown group reaches no more than the group, so it never needs a
// group of its own. When many starts reach into one another (long one-way
// runs), the strongly connected groups are found once instead.
#include "rules/chain.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <memory>
#include <string>

namespace sonarch {

namespace {

// A set of zones as bits: zone z is bit z % 64 of word z / 64.
using Zones = std::array<std::uint64_t, (maxZones + 64) / 64>;

// The bits set in a word, added up in place. Without an instruction of its
// own for this (which the oldest 64-bit processors lack, so the game's
// build does not ask for it) std::popcount is a call into the runtime.
int bitsIn(std::uint64_t word) {
    word -= (word >> 1) & 0x5555555555555555ULL;
    word = (word & 0x3333333333333333ULL) + ((word >> 2) & 0x3333333333333333ULL);
    word = (word + (word >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((word * 0x0101010101010101ULL) >> 56);
}

bool isEmpty(const Zones& zones) {
    for (std::uint64_t word : zones)
        if (word != 0) return false;
    return true;
}

int lowest(const Zones& zones) {
    for (std::size_t w = 0; w < zones.size(); ++w)
        if (zones[w] != 0) return static_cast<int>(w * 64) + std::countr_zero(zones[w]);
    return 0;
}

void add(Zones& to, int zone) {
    to[static_cast<std::size_t>(zone) / 64] |= std::uint64_t{1} << (zone % 64);
}

// Zones that reach each other (a strongly connected group) reach the same
// zones, so the groups are found once (Tarjan's method) and the zones each
// group reaches are gathered as bit sets, every group after the groups it
// leads to. Linear in the links instead of a search from every zone.
class StrongGroups {
public:
    StrongGroups(const Board& board, int player) : board_(board), player_(player) {
        zones_ = std::clamp(board.zoneCount(), 0, maxZones);
    }

    int largest() {
        for (int zone = 1; zone <= zones_; ++zone)
            if (owns(zone) && order_[zone] == 0) visit(zone);
        return best_;
    }

private:
    static void add(Zones& to, const Zones& from) {
        for (std::size_t w = 0; w < to.size(); ++w) to[w] |= from[w];
    }
    static int count(const Zones& zones) {
        int n = 0;
        for (std::uint64_t word : zones) n += bitsIn(word);
        return n;
    }

    bool owns(int zone) const { return zone >= 1 && zone <= zones_ && board_.zoneOwner[static_cast<std::size_t>(zone)] == player_; }

    template <typename Step>
    void eachOwnNeighbour(int zone, Step step) const {
        const int linksOut = std::clamp(board_.linkCount(zone), 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int neighbour = board_.links(zone, k);
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

    const Board& board_;
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

// The links of the map as a set of zones per zone, made once for each map:
// a board's map never changes, so the sets stay good while it is the same
// map. One per thread, so that games on several threads each keep their own.
class LinkSets {
public:
    const Zones& from(const Board& board, int zone) {
        if (board.map != map_) remake(board);
        return out_[static_cast<std::size_t>(zone)];
    }

private:
    void remake(const Board& board) {
        // Held, so that no other map can come to the same address meanwhile.
        map_ = board.map;
        const int zones = std::clamp(board.zoneCount(), 0, maxZones);
        for (int z = 0; z <= maxZones; ++z) {
            Zones& out = out_[static_cast<std::size_t>(z)];
            out = Zones{};
            if (z < 1 || z > zones) continue;
            for (int k = 1; k <= std::clamp(board.linkCount(z), 0, maxLinks); ++k) {
                const int to = board.links(z, k);
                if (to >= 1 && to <= zones) add(out, to);
            }
        }
    }

    std::shared_ptr<const MapRecord> map_;
    std::array<Zones, maxZones + 1> out_{};
};

thread_local LinkSets linkSets;

// The zones the player owns. Eight zones at a time into one byte keeps the
// comparisons independent of each other: this runs on every call.
Zones ownedBy(const Board& board, int player, int zones) {
    Zones owned{};
    const int* owner = board.zoneOwner.data();
    int z = 1;
    for (; z + 7 <= zones; z += 8) {
        const unsigned eight = unsigned(owner[z] == player) | unsigned(owner[z + 1] == player) << 1 |
                               unsigned(owner[z + 2] == player) << 2 | unsigned(owner[z + 3] == player) << 3 |
                               unsigned(owner[z + 4] == player) << 4 | unsigned(owner[z + 5] == player) << 5 |
                               unsigned(owner[z + 6] == player) << 6 | unsigned(owner[z + 7] == player) << 7;
        // Bits z..z+7 may straddle the two words.
        owned[static_cast<std::size_t>(z) / 64] |= std::uint64_t{eight} << (z % 64);
        if (z % 64 > 56) owned[static_cast<std::size_t>(z) / 64 + 1] |= std::uint64_t{eight} >> (64 - z % 64);
    }
    for (; z <= zones; ++z)
        if (owner[z] == player) add(owned, z);
    return owned;
}

// The own zones start reaches, grown a ring at a time; returns their number.
int grow(const Board& board, LinkSets& sets, const Zones& owned, int start, Zones& reached) {
    reached = Zones{};
    add(reached, start);
    Zones ring = reached;
    while (!isEmpty(ring)) {
        Zones next{};
        for (std::size_t w = 0; w < ring.size(); ++w) {
            for (std::uint64_t bits = ring[w]; bits != 0; bits &= bits - 1) {
                const Zones& out = sets.from(board, static_cast<int>(w * 64) + std::countr_zero(bits));
                for (std::size_t v = 0; v < next.size(); ++v) next[v] |= out[v];
            }
        }
        for (std::size_t v = 0; v < next.size(); ++v) {
            ring[v] = next[v] & owned[v] & ~reached[v];
            reached[v] |= ring[v];
        }
    }
    int size = 0;
    for (std::uint64_t word : reached) size += bitsIn(word);
    return size;
}

}  // namespace

int largestReachByStrongGroups(const Board& board, int player) {
    return StrongGroups(board, player).largest();
}

int largestChain(const Board& board, int player) {
    const int zones = std::clamp(board.zoneCount(), 0, maxZones);
    const Zones owned = ownedBy(board, player, zones);
    int total = 0;
    for (std::uint64_t word : owned) total += bitsIn(word);
    if (total == 0) return 0;

    Zones candidates = owned;
    int best = 0;
    int grown = 0;
    while (!isEmpty(candidates)) {
        Zones reached;
        const int size = grow(board, linkSets, owned, lowest(candidates), reached);
        best = std::max(best, size);
        if (best == total) break;
        for (std::size_t w = 0; w < candidates.size(); ++w) candidates[w] &= ~reached[w];
        // Starts whose groups keep overlapping: the strong groups are linear.
        grown += size;
        if (grown > 4 * total) return largestReachByStrongGroups(board, player);
    }
    return best;
}

int chainNow(const Board& board, int player) {
    if (player < 0 || player > maxPlayerSlots) return 0;
    if ((board.chainStale >> player & 1U) != 0) return largestChain(board, player);
    return board.chain[static_cast<std::size_t>(player)];
}

int settleChain(Board& board, int player) {
    if (player < 0 || player > maxPlayerSlots) return 0;
    board.chain[static_cast<std::size_t>(player)] = chainNow(board, player);
    board.chainStale &= ~(1U << player);
    return board.chain[static_cast<std::size_t>(player)];
}

namespace {
int seatsInGame(const Board& board) {
    int seats = 0;
    for (int p = 1; p <= std::min(board.playerCount, maxPlayerSlots); ++p)
        if (board.inGame(p)) ++seats;
    return seats;
}

int lastSeatInGame(const Board& board) {
    for (int p = 1; p <= std::min(board.playerCount, maxPlayerSlots); ++p)
        if (board.inGame(p)) return p;
    return 0;
}

bool otherPersonInGame(const Board& board, int player) {
    for (int p = 1; p <= std::min(board.playerCount, maxPlayerSlots); ++p)
        if (p != player && board.isPerson(p) && board.inGame(p)) return true;
    return false;
}
}  // namespace

void calcChain(Board& board, int index, Outcomes& out) {
    if (index < 0 || index > maxPlayerSlots) return;
    const int player = index;
    // Only a player with no zone has a chain of 0, and only then can it be out.
    if (board.holdsAnyZone(player)) {
        board.chainStale |= 1U << player;
        return;
    }
    board.chain[static_cast<std::size_t>(player)] = 0;
    board.chainStale &= ~(1U << player);

    // A player who never held a starting zone cannot have lost it.
    if (board.hasStarted[static_cast<std::size_t>(player)] == 0) return;

    std::string& name = board.playerName[static_cast<std::size_t>(player)];
    // The last person put out ends the game in defeat, whoever is left: the
    // computer players have won. (Only a computer player can take a last
    // person's last zone.)
    if (board.isPerson(player) && !otherPersonInGame(board, player)) {
        out.push_back({.kind = Outcome::Kind::HumanDefeated, .player = player, .name = name});
        board.humanPlayer = 0;
        board.gameOver = true;
        return;
    }
    out.push_back({.kind = Outcome::Kind::PlayerOut, .player = player, .name = name});
    name.clear();
    // The game ends with one seat left, whether a person or a computer
    // player holds it.
    if (seatsInGame(board) <= 1) {
        out.push_back({.kind = Outcome::Kind::GameWon, .player = lastSeatInGame(board)});
        board.humanPlayer = 0;
        board.gameOver = true;
    }
}

}  // namespace sonarch
