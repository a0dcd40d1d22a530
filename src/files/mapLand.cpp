// Zones are spread over a plane and each is linked to the zones nothing
// stands between: a and b are linked when no third zone lies inside the
// circle whose diameter is ab (the Gabriel graph). That gives what a country
// looks like by its borders: a few neighbours each, mostly in triangles,
// hardly a link that jumps over another zone. All arithmetic is on whole
// numbers, so a seed gives the same land everywhere.
#include "files/mapLand.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

namespace sonarch {

namespace {

constexpr std::int64_t spacing = 1000;
constexpr int placesTried = 10;
constexpr int mostLinks = 10;

std::int64_t distance2(LandPoint a, LandPoint b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// Each zone takes the best of a few random places, the one farthest from the
// zones placed before: evenly spread, without a grid's look.
std::vector<LandPoint> placeZones(int zones, MakerRandom& random) {
    int across = 1;
    while (across * across < zones) ++across;
    const auto side = static_cast<std::uint64_t>(spacing * (across + 1));
    std::vector<LandPoint> placed;
    while (static_cast<int>(placed.size()) < zones) {
        LandPoint best;
        std::int64_t bestRoom = 0;
        for (int tried = 0; tried < placesTried; ++tried) {
            const LandPoint p{static_cast<std::int64_t>(random.below(side)),
                              static_cast<std::int64_t>(random.below(side))};
            std::int64_t room = INT64_MAX;
            for (const LandPoint& q : placed) room = std::min(room, distance2(p, q));
            if (room > bestRoom) bestRoom = room, best = p;
        }
        if (bestRoom > 0) placed.push_back(best);  // else every place was taken: try again
    }
    return placed;
}

using Grid = std::vector<std::vector<char>>;

Grid gabrielLinks(const std::vector<LandPoint>& at) {
    const int n = static_cast<int>(at.size());
    Grid linked(n, std::vector<char>(n, 0));
    for (int a = 0; a < n; ++a) {
        // A zone in the circle is nearer to a than b is, so the zones by
        // their distance from a are looked at only up to b.
        std::vector<std::pair<std::int64_t, int>> byDistance;
        for (int y = 0; y < n; ++y)
            if (y != a) byDistance.emplace_back(distance2(at[a], at[y]), y);
        std::sort(byDistance.begin(), byDistance.end());
        for (std::size_t i = 0; i < byDistance.size(); ++i) {
            const int b = byDistance[i].second;
            if (b < a) continue;
            bool clear = true;
            for (std::size_t j = 0; j < i && clear; ++j) {
                const int c = byDistance[j].second;
                // c is in the circle, or on it, when the angle acb is not acute.
                clear = (at[a].x - at[c].x) * (at[b].x - at[c].x) + (at[a].y - at[c].y) * (at[b].y - at[c].y) > 0;
            }
            linked[a][b] = linked[b][a] = clear;
        }
    }
    return linked;
}

struct Joins {
    std::vector<int> root;
    explicit Joins(int n) : root(n) { std::iota(root.begin(), root.end(), 0); }
    int find(int a) { return root[a] == a ? a : root[a] = find(root[a]); }
    bool join(int a, int b) {
        a = find(a), b = find(b);
        if (a == b) return false;
        root[b] = a;
        return true;
    }
};

// A zone may list at most 10 links. The shortest tree through all zones is
// kept whole, so cutting the longest other links never cuts a zone off; in
// that tree no two links of a zone meet at less than 60 degrees, and whole
// numbers cannot make exactly 60, so no zone holds more than 6 of its links.
void capLinks(const std::vector<LandPoint>& at, Grid& linked) {
    const int n = static_cast<int>(at.size());
    std::vector<std::tuple<std::int64_t, int, int>> byLength;
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            if (linked[a][b]) byLength.emplace_back(distance2(at[a], at[b]), a, b);
    std::sort(byLength.begin(), byLength.end());
    Grid inTree(n, std::vector<char>(n, 0));
    Joins joins(n);
    for (const auto& [length, a, b] : byLength)
        if (joins.join(a, b)) inTree[a][b] = inTree[b][a] = 1;
    auto count = [&](int z) { return static_cast<int>(std::count(linked[z].begin(), linked[z].end(), 1)); };
    for (auto it = byLength.rbegin(); it != byLength.rend(); ++it) {
        const auto& [length, a, b] = *it;
        if (!inTree[a][b] && (count(a) > mostLinks || count(b) > mostLinks)) linked[a][b] = linked[b][a] = 0;
    }
}

// Regions grow from seeds far apart, one zone at a time along the links, the
// region smallest for its weight first, so that some are large and some
// small; a region of one or two zones joins a neighbour.
std::vector<int> growRegions(const std::vector<LandPoint>& at, const Grid& linked, MakerRandom& random) {
    const int n = static_cast<int>(at.size());
    const int wanted = std::clamp((n + 2) / 7, 1, 8);
    std::vector<int> seeds{static_cast<int>(random.below(static_cast<std::uint64_t>(n)))};
    while (static_cast<int>(seeds.size()) < wanted) {
        int farthest = 0;
        std::int64_t farthestRoom = -1;
        for (int z = 0; z < n; ++z) {
            std::int64_t room = INT64_MAX;
            for (const int s : seeds) room = std::min(room, distance2(at[z], at[s]));
            if (room > farthestRoom) farthestRoom = room, farthest = z;
        }
        seeds.push_back(farthest);
    }
    std::vector<int> region(n, -1), size(wanted, 1), weight(wanted);
    std::vector<unsigned> touching(n, 0);  // the regions linked to each zone not yet in one
    auto settle = [&](int z, int r) {
        region[z] = r;
        for (int y = 0; y < n; ++y)
            if (linked[z][y]) touching[y] |= 1u << r;
    };
    for (int r = 0; r < wanted; ++r) settle(seeds[r], r), weight[r] = random.between(2, 5);
    for (int assigned = wanted; assigned < n; ++assigned) {
        int chosen = -1, chosenZone = -1;
        for (int r = 0; r < wanted; ++r) {
            if (chosen >= 0 && size[r] * weight[chosen] >= size[chosen] * weight[r]) continue;
            int nearest = -1;
            for (int z = 0; z < n; ++z) {
                if (region[z] != -1 || !(touching[z] & (1u << r))) continue;
                if (nearest < 0 || distance2(at[z], at[seeds[r]]) < distance2(at[nearest], at[seeds[r]])) nearest = z;
            }
            if (nearest >= 0) chosen = r, chosenZone = nearest;
        }
        settle(chosenZone, chosen);
        ++size[chosen];
    }
    for (int r = 0; r < wanted; ++r) {
        if (size[r] >= 3 || size[r] == 0) continue;
        for (int z = 0; z < n && size[r] > 0; ++z) {
            if (region[z] != r) continue;
            for (int y = 0; y < n; ++y) {
                if (!linked[z][y] || region[y] == r) continue;
                const int into = region[y];
                for (int& of : region) of = of == r ? into : of;
                size[into] += size[r];
                size[r] = 0;
                break;
            }
        }
    }
    // Regions numbered anew, without the ones merged away.
    std::map<int, int> renumbered;
    for (int& of : region) of = renumbered.emplace(of, static_cast<int>(renumbered.size())).first->second;
    return region;
}

// Between regions only a few links stay: the shortest between each pair of
// neighbouring regions that a random tree of regions joins, and a few more
// pairs for a second way round.
void keepBridges(const std::vector<LandPoint>& at, const std::vector<int>& region, Grid& linked,
                 MakerRandom& random) {
    const int n = static_cast<int>(at.size());
    std::map<std::pair<int, int>, std::tuple<std::int64_t, int, int>> shortest;
    for (int a = 0; a < n; ++a) {
        for (int b = a + 1; b < n; ++b) {
            if (!linked[a][b] || region[a] == region[b]) continue;
            const auto pair = std::minmax(region[a], region[b]);
            const auto link = std::make_tuple(distance2(at[a], at[b]), a, b);
            auto [it, added] = shortest.emplace(pair, link);
            if (!added && link < it->second) it->second = link;
            linked[a][b] = linked[b][a] = 0;
        }
    }
    std::vector<std::pair<int, int>> pairs;
    for (const auto& [pair, link] : shortest) pairs.push_back(pair);
    random.shuffle(pairs);
    const int regions = *std::max_element(region.begin(), region.end()) + 1;
    Joins joins(regions);
    int extra = regions / 3;
    for (const auto& pair : pairs) {
        if (!joins.join(pair.first, pair.second) && extra-- <= 0) continue;
        const auto& [length, a, b] = shortest[pair];
        linked[a][b] = linked[b][a] = 1;
    }
}

// A zone with one link is a dead end that a listener walks into and back
// out of; it gains a link to the nearest other zone of its region.
void openDeadEnds(const std::vector<LandPoint>& at, const std::vector<int>& region, Grid& linked) {
    const int n = static_cast<int>(at.size());
    auto count = [&](int z) { return static_cast<int>(std::count(linked[z].begin(), linked[z].end(), 1)); };
    for (int z = 0; z < n; ++z) {
        if (count(z) != 1) continue;
        int nearest = -1;
        for (int y = 0; y < n; ++y) {
            if (y == z || linked[z][y] || region[y] != region[z] || count(y) >= mostLinks) continue;
            if (nearest < 0 || distance2(at[z], at[y]) < distance2(at[z], at[nearest])) nearest = y;
        }
        if (nearest >= 0) linked[z][nearest] = linked[nearest][z] = 1;
    }
}

// Clockwise from north: the half from north to before south first, then
// within a half by the turn from one direction to the other.
bool clockwiseBefore(LandPoint from, LandPoint a, LandPoint b) {
    const std::int64_t ax = a.x - from.x, ay = a.y - from.y, bx = b.x - from.x, by = b.y - from.y;
    const bool aEast = ax > 0 || (ax == 0 && ay < 0), bEast = bx > 0 || (bx == 0 && by < 0);
    if (aEast != bEast) return aEast;
    const std::int64_t turn = ax * by - ay * bx;  // above 0: b lies clockwise of a
    if (turn != 0) return turn > 0;
    return distance2(from, a) < distance2(from, b);
}

}  // namespace

Land makeLand(int zones, MakerRandom& random) {
    const std::vector<LandPoint> placed = placeZones(zones, random);
    Grid linked = gabrielLinks(placed);
    capLinks(placed, linked);
    const std::vector<int> regionOf = growRegions(placed, linked, random);
    keepBridges(placed, regionOf, linked, random);
    openDeadEnds(placed, regionOf, linked);

    // Region by region, each from north to south, so that the file reads as a tour.
    std::vector<int> order(zones);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        return std::tie(regionOf[a], placed[a].y, placed[a].x) < std::tie(regionOf[b], placed[b].y, placed[b].x);
    });
    std::vector<int> newNumber(zones);
    for (int i = 0; i < zones; ++i) newNumber[order[i]] = i;
    Land land;
    for (const int old : order) {
        land.at.push_back(placed[old]);
        land.region.push_back(regionOf[old]);
        std::vector<int> to;
        for (int y = 0; y < zones; ++y)
            if (linked[old][y]) to.push_back(y);
        std::sort(to.begin(), to.end(), [&](int a, int b) { return clockwiseBefore(placed[old], placed[a], placed[b]); });
        for (int& y : to) y = newNumber[y];
        land.links.push_back(to);
    }
    return land;
}

}  // namespace sonarch
