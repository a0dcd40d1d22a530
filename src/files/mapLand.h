// The lie of a made map's land: zones placed on a plane and linked to their
// near neighbours, grouped into regions that a few bridges join.
#pragma once

#include <cstdint>
#include <vector>

#include "files/makerRandom.h"

namespace sonarch {

struct LandPoint {
    std::int64_t x = 0, y = 0;  // y grows southwards
    bool operator==(const LandPoint&) const = default;
};

struct Land {
    std::vector<LandPoint> at;          // zone i's place, zones counted from 0
    std::vector<int> region;            // zone i's region
    std::vector<std::vector<int>> links;  // mutual, each zone's in compass order from north
};

// zones from 1 to 100. Every zone reaches every other, no zone has more than
// 10 links, and the zones come region by region, each region from north to
// south.
Land makeLand(int zones, MakerRandom& random);

}  // namespace sonarch
