#include "rules/boardShape.h"

#include <algorithm>
#include <array>

#include "rules/zoneOrder.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

using Joined = std::array<std::array<bool, maxZones + 1>, maxZones + 1>;

// Whether two different zones are joined by a link, in either direction.
Joined joinedZones(const Board& board) {
    Joined joined{};
    for (int z = 1; z <= board.zoneCount(); ++z)
        for (int k = 1; k <= board.linkCount(z) && k <= maxLinks; ++k) {
            const int other = board.links(z, k);
            if (other == z || !board.isZone(other)) continue;
            joined[at(z)][at(other)] = joined[at(other)][at(z)] = true;
        }
    return joined;
}

void largestFirst(std::vector<ZoneSet>& sets) {
    for (ZoneSet& set : sets) std::sort(set.begin(), set.end());
    std::stable_sort(sets.begin(), sets.end(), [](const ZoneSet& a, const ZoneSet& b) {
        return a.size() != b.size() ? a.size() > b.size() : a.front() < b.front();
    });
}

int linksInside(const Joined& joined, const ZoneSet& zones, int zone) {
    int inside = 0;
    for (const int other : zones) inside += joined[at(zone)][at(other)] ? 1 : 0;
    return inside;
}
}  // namespace

std::vector<ZoneSet> groupsOf(const Board& board, int player) {
    const Joined joined = joinedZones(board);
    std::array<bool, maxZones + 1> seen{};
    std::vector<ZoneSet> groups;
    for (int start = 1; start <= board.zoneCount(); ++start) {
        if (seen[at(start)] || board.zoneOwner[at(start)] != player) continue;
        ZoneSet group{start};
        seen[at(start)] = true;
        for (std::size_t next = 0; next < group.size(); ++next)
            for (int other = 1; other <= board.zoneCount(); ++other)
                if (!seen[at(other)] && joined[at(group[next])][at(other)] &&
                    board.zoneOwner[at(other)] == player) {
                    seen[at(other)] = true;
                    group.push_back(other);
                }
        groups.push_back(group);
    }
    largestFirst(groups);
    return groups;
}

std::vector<ZoneSet> mapRegions(const Board& board) {
    const int count = board.zoneCount();
    const Joined joined = joinedZones(board);
    // Per part: its zones, the links inside it and the links its zones have
    // in all; between parts, the links from one to the other. Counted in link
    // ends, so that every share is out of twice the links.
    std::vector<ZoneSet> parts;
    std::vector<double> ends;
    std::vector<std::vector<double>> between(at(count), std::vector<double>(at(count), 0.0));
    double allEnds = 0;
    for (int z = 1; z <= count; ++z) {
        parts.push_back({z});
        int degree = 0;
        for (int other = 1; other <= count; ++other) {
            if (!joined[at(z)][at(other)]) continue;
            ++degree;
            between[at(z - 1)][at(other - 1)] = 1;
        }
        ends.push_back(degree);
        allEnds += degree;
    }
    if (allEnds == 0) {
        largestFirst(parts);
        return parts;
    }
    std::vector<bool> gone(at(count), false);
    for (;;) {
        // The gain of joining parts a and b: 2 (e_ab - a_a a_b), where e_ab
        // is the share of link ends from a to b and a_a the share of ends in a.
        double bestGain = 1e-12;
        int bestA = -1, bestB = -1;
        for (int a = 0; a < count; ++a) {
            if (gone[at(a)]) continue;
            for (int b = a + 1; b < count; ++b) {
                if (gone[at(b)] || between[at(a)][at(b)] == 0) continue;
                const double gain =
                    2 * (between[at(a)][at(b)] / allEnds - (ends[at(a)] / allEnds) * (ends[at(b)] / allEnds));
                if (gain > bestGain) bestGain = gain, bestA = a, bestB = b;
            }
        }
        if (bestA < 0) break;
        parts[at(bestA)].insert(parts[at(bestA)].end(), parts[at(bestB)].begin(), parts[at(bestB)].end());
        ends[at(bestA)] += ends[at(bestB)];
        for (int c = 0; c < count; ++c) {
            between[at(bestA)][at(c)] += between[at(bestB)][at(c)];
            between[at(c)][at(bestA)] = between[at(bestA)][at(c)];
        }
        gone[at(bestB)] = true;
    }
    std::vector<ZoneSet> regions;
    for (int a = 0; a < count; ++a)
        if (!gone[at(a)]) regions.push_back(parts[at(a)]);
    largestFirst(regions);
    return regions;
}

int bestLinked(const Board& board, const ZoneSet& zones) {
    const Joined joined = joinedZones(board);
    int best = 0;
    for (const int zone : zones) {
        if (best == 0) {
            best = zone;
            continue;
        }
        const int links = board.linkCount(zone), bestLinks = board.linkCount(best);
        const int inside = linksInside(joined, zones, zone), bestInside = linksInside(joined, zones, best);
        if (links != bestLinks ? links > bestLinks
            : inside != bestInside ? inside > bestInside
                                   : nameKey(board.zoneName(zone)) < nameKey(board.zoneName(best)))
            best = zone;
    }
    return best;
}

int strongest(const Board& board, const ZoneSet& zones) {
    int most = 0;
    for (const int zone : zones) most = std::max(most, board.zoneArmy[at(zone)]);
    ZoneSet strongestZones;
    for (const int zone : zones)
        if (board.zoneArmy[at(zone)] == most) strongestZones.push_back(zone);
    return bestLinked(board, strongestZones);
}

namespace {
ZoneSet outsideOf(const Joined& joined, int zoneCount, const ZoneSet& region, int zone) {
    ZoneSet outside;
    for (int other = 1; other <= zoneCount; ++other)
        if (joined[at(zone)][at(other)] && std::find(region.begin(), region.end(), other) == region.end())
            outside.push_back(other);
    return outside;
}
}  // namespace

ZoneSet joinedOutside(const Board& board, const ZoneSet& region, int zone) {
    return outsideOf(joinedZones(board), board.zoneCount(), region, zone);
}

ZoneSet gatesOf(const Board& board, const ZoneSet& region) {
    // The links' table once for the whole region.
    const Joined joined = joinedZones(board);
    ZoneSet gates;
    for (const int zone : region)
        if (!outsideOf(joined, board.zoneCount(), region, zone).empty()) gates.push_back(zone);
    return gates;
}

}  // namespace sonarch
