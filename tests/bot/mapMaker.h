// Map files made to order for fuzzing, soak games and benchmarks: any number
// of zones, links both ways or one way, and some zones without links.
#pragma once

#include <cstdint>
#include <string>

namespace sonarch::testing {

struct MapShape {
    int zones = 10;
    int linksPerZone = 3;          // links each zone tries to have, at most 10
    bool oneWay = false;           // links not mirrored by the zone reached
    int zonesWithoutLinks = 0;     // the last zones of the map list no links
};

// The text of a map file in the game's format, the same for the same seed.
std::string makeMap(const MapShape& shape, std::uint64_t seed, const std::string& title);

}  // namespace sonarch::testing
