// The maps that come with the game: each loads with the counts it was made
// with, and every zone can reach every other, so every map can be played.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

#include "session.h"

namespace sonarch::testing {
namespace {

namespace fs = std::filesystem;

struct MadeWith {
    std::string mapName;
    int zones, links, maxPlayers, zonesWithTenLinks;
};

const std::map<std::string, MadeWith> bundled{
    {"Broad World.map", {"Broad World", 40, 120, 8, 0}},
    {"Four Corners.map", {"Four Corners", 4, 8, 2, 0}},
    {"Hundred Holds.map", {"Hundred Holds", 100, 408, 8, 4}},
    {"Old Towns.map", {"Towns, Old and New", 8, 22, 4, 0}},
    {"Simple World.map", {"Simple World Map", 6, 16, 3, 0}},
    {"Tumbling Waters.map", {"Tumbling Waters", 10, 18, 5, 0}},
};

MapRecord loadBundled(Session& s, const std::string& fileName) {
    s.form.mapPath = (sourceDir() / "Maps" / fileName).string();
    s.form.loadMap();
    EXPECT_FALSE(s.form.mapLoadFailed) << fileName;
    return s.form.pendingMap.value_or(MapRecord{});
}

// Zones reachable from z by following links one way.
std::vector<bool> reachableFrom(const MapRecord& map, int z) {
    std::vector<bool> seen(map.zoneCount + 1, false);
    std::vector<int> todo{z};
    seen[z] = true;
    while (!todo.empty()) {
        const int at = todo.back();
        todo.pop_back();
        for (int k = 1; k <= map.linkCount[at]; ++k) {
            const int to = map.links[at][k];
            if (!seen[to]) {
                seen[to] = true;
                todo.push_back(to);
            }
        }
    }
    return seen;
}

TEST(BundledMaps, EveryMapLoadsWithTheCountsItWasMadeWith) {
    int found = 0;
    for (const auto& entry : fs::directory_iterator(sourceDir() / "Maps")) {
        const std::string fileName = entry.path().filename().string();
        if (fileName[0] == '.') continue;
        ++found;
        ASSERT_TRUE(bundled.count(fileName)) << fileName << " is not in the table of this test";
        const MadeWith& made = bundled.at(fileName);
        Session s;
        s.start();
        s.said();
        const MapRecord map = loadBundled(s, fileName);
        EXPECT_EQ(s.said(), std::vector<std::string>{"say: Game Loaded!"}) << fileName;
        EXPECT_EQ(map.mapName, made.mapName);
        EXPECT_EQ(map.zoneCount, made.zones) << fileName;
        EXPECT_EQ(s.form.maxPlayers, made.maxPlayers) << fileName;
        EXPECT_GE(s.form.maxPlayers, 2) << fileName << " leaves no room for a computer player";
        int links = 0, tenLinks = 0;
        for (int z = 1; z <= map.zoneCount; ++z) {
            links += map.linkCount[z];
            if (map.linkCount[z] == 10) ++tenLinks;
            EXPECT_FALSE(map.zoneName[z].empty()) << fileName << " zone " << z;
            EXPECT_GE(map.linkCount[z], 1) << fileName << " zone " << z << " is cut off";
            for (int k = 1; k <= map.linkCount[z]; ++k)
                EXPECT_NE(map.links[z][k], z) << fileName << " zone " << z << " links to itself";
        }
        EXPECT_EQ(links, made.links) << fileName;
        EXPECT_EQ(tenLinks, made.zonesWithTenLinks) << fileName;
        for (int z = 1; z <= map.zoneCount; ++z) {
            const auto seen = reachableFrom(map, z);
            EXPECT_EQ(std::count(seen.begin() + 1, seen.end(), true), map.zoneCount)
                << fileName << ": not every zone can be reached from zone " << z;
        }
    }
    EXPECT_EQ(found, static_cast<int>(bundled.size()));
}

TEST(BundledMaps, TheSimpleWorldHasItsSixZonesWhereThePictureDrawsThem) {
    Session s;
    const MapRecord map = loadBundled(s, "Simple World.map");
    const std::vector<std::string> names{"",
                                         "Northwest Peaks",    // top left
                                         "Southwest Marshes",  // bottom left
                                         "Northern Plains",    // top middle
                                         "Eastern Coast",      // right
                                         "Central Heartland",  // middle
                                         "Southeast Isles"};   // bottom right
    for (int z = 1; z <= 6; ++z) EXPECT_EQ(map.zoneName[z], names[z]);
}

TEST(BundledMaps, TumblingWatersHasLinksThatRunOneWay) {
    Session s;
    const MapRecord map = loadBundled(s, "Tumbling Waters.map");
    int oneWay = 0;
    for (int z = 1; z <= map.zoneCount; ++z) {
        for (int k = 1; k <= map.linkCount[z]; ++k) {
            const int to = map.links[z][k];
            bool back = false;
            for (int j = 1; j <= map.linkCount[to]; ++j) back = back || map.links[to][j] == z;
            if (!back) ++oneWay;
        }
    }
    EXPECT_EQ(oneWay, 14);
}

}  // namespace
}  // namespace sonarch::testing
