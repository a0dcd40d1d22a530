// The map maker: one small map written out in full, and over a thousand
// seeds of each size the promises of every made map, checked on the map as
// the game reads it back from its file.
#include <gtest/gtest.h>

#include <set>

#include "files/mapCheck.h"
#include "files/mapFormat.h"
#include "files/mapLand.h"
#include "files/mapMaker.h"
#include "files/soundKey.h"
#include "support.h"

namespace sonarch::testing {
namespace {

MapRecord readBack(const std::string& text) {
    MapRecord map;
    std::string whyNot;
    EXPECT_TRUE(parseMap(text, map, whyNot)) << whyNot;
    return map;
}

TEST(MapMaker, FiveZonesOfSeedSevenAreWrittenInFull) {
    // Zones 1..5 link 1-2, 1-3, 2-3, 2-4, 3-4, 3-5, 4-5: each link is listed
    // by both its zones, every zone has 2 to 4 links, and all five are joined.
    // The same text on every system: the Windows tests run this too.
    const std::string text = mapFileText(makeMap(5, 7));
    EXPECT_EQ(text,
              "Balwen Hills\r\n5\r\n"
              "Triscrest\r\n2\r\n1\r\n2\r\n"
              "Widvale\r\n3\r\n3\r\n2\r\n0\r\n"
              "Tirdale\r\n4\r\n1\r\n3\r\n4\r\n0\r\n"
              "Kerhaven\r\n3\r\n4\r\n2\r\n1\r\n"
              "Basmar\r\n2\r\n2\r\n3\r\n");
    EXPECT_EQ(mapFileText(readBack(text)), text);
    EXPECT_EQ(makeMap(5, 8).mapName, "Cura Fells") << "another seed, another map";
}

// What is wrong with a made map, or nothing.
std::vector<std::string> faultsOf(const MapRecord& map, int zones) {
    std::vector<std::string> faults;
    if (map.zoneCount != zones) faults.push_back("has " + std::to_string(map.zoneCount) + " zones");
    std::set<std::string> zoneSounds;
    for (int z = 1; z <= map.zoneCount; ++z) {
        const std::string& name = map.zoneName[z];
        if (name.size() > 10 || name.find(' ') != std::string::npos) faults.push_back("zone name " + name);
        zoneSounds.insert(soundKey(name));
        if (map.linkCount[z] < 1 || map.linkCount[z] > maxLinks) faults.push_back("links of " + name);
        for (int k = 1; k <= map.linkCount[z]; ++k) {
            const int to = map.links[z][k];
            int back = 0;
            for (int j = 1; j <= map.linkCount[to]; ++j) back += map.links[to][j] == z;
            if (to == z || back != 1) faults.push_back(name + " to " + map.zoneName[to] + " is no single two-way link");
        }
    }
    const auto blank = map.mapName.find(' ');
    if (blank == std::string::npos || map.mapName.find(' ', blank + 1) != std::string::npos ||
        zoneSounds.count(soundKey(map.mapName.substr(0, blank))) > 0)
        faults.push_back("map name " + map.mapName);
    std::vector<bool> reached(map.zoneCount + 1, false);
    std::vector<int> toVisit{1};
    reached[1] = true;
    while (!toVisit.empty()) {
        const int z = toVisit.back();
        toVisit.pop_back();
        for (int k = 1; k <= map.linkCount[z]; ++k)
            if (!reached[map.links[z][k]]) reached[map.links[z][k]] = true, toVisit.push_back(map.links[z][k]);
    }
    if (std::count(reached.begin() + 1, reached.end(), true) != map.zoneCount) faults.push_back("zones cut off");
    // The map check hears names alike and finds what stops play.
    for (const MapFinding& finding : checkMap(map))
        if (finding.weight != MapFinding::Weight::note) faults.push_back(finding.sentence);
    return faults;
}

TEST(MapMaker, AThousandSeedsOfEachSizeGivePlayableMapsWithNamesApart) {
    std::vector<std::pair<int, std::uint64_t>> made;
    for (const int zones : {12, 30, 60})
        for (std::uint64_t seed = 1; seed <= 1000; ++seed) made.emplace_back(zones, seed);
    for (int zones = fewestMadeZones; zones <= maxZones; ++zones)
        for (std::uint64_t seed = 1; seed <= 5; ++seed) made.emplace_back(zones, seed * 7919);
    int faulty = 0;
    for (const auto& [zones, seed] : made) {
        const std::string text = mapFileText(makeMap(zones, seed));
        for (const std::string& fault : faultsOf(readBack(text), zones)) {
            if (++faulty <= 10) ADD_FAILURE() << zones << " zones, seed " << seed << ": " << fault;
        }
    }
    EXPECT_EQ(faulty, 0);
    EXPECT_EQ(mapFileText(makeMap(100, 99)), mapFileText(makeMap(100, 99)));
}

TEST(MapMaker, RegionsHoldTogetherAndAFewBridgesJoinThem) {
    for (const int zones : {12, 30, 60, 100}) {
        for (std::uint64_t seed = 1; seed <= 100; ++seed) {
            MakerRandom random(seed);
            const Land land = makeLand(zones, random);
            const int regions = *std::max_element(land.region.begin(), land.region.end()) + 1;
            int bridges = 0;
            std::vector<int> size(regions, 0), reached(regions, 0);
            for (int z = 0; z < zones; ++z) {
                ++size[land.region[z]];
                for (const int to : land.links[z]) bridges += land.region[to] != land.region[z];
            }
            bridges /= 2;
            // Each region is whole without its bridges: walked from its first zone.
            for (int r = 0; r < regions; ++r) {
                std::vector<int> toVisit{static_cast<int>(std::find(land.region.begin(), land.region.end(), r) -
                                                          land.region.begin())};
                std::set<int> seen(toVisit.begin(), toVisit.end());
                while (!toVisit.empty()) {
                    const int z = toVisit.back();
                    toVisit.pop_back();
                    for (const int to : land.links[z])
                        if (land.region[to] == r && seen.insert(to).second) toVisit.push_back(to);
                }
                reached[r] = static_cast<int>(seen.size());
            }
            EXPECT_EQ(reached, size) << zones << " zones, seed " << seed;
            EXPECT_GE(*std::min_element(size.begin(), size.end()), 3) << zones << " zones, seed " << seed;
            EXPECT_GE(regions, std::min(zones / 10, 6)) << zones << " zones, seed " << seed;
            EXPECT_GE(bridges, regions - 1) << zones << " zones, seed " << seed;
            EXPECT_LE(bridges, regions - 1 + regions / 3) << zones << " zones, seed " << seed;
        }
    }
}

}  // namespace
}  // namespace sonarch::testing
