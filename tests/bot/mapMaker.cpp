#include "bot/mapMaker.h"

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace sonarch::testing {

std::string makeMap(const MapShape& shape, std::uint64_t seed, const std::string& title) {
    std::mt19937_64 random(seed);
    const int n = shape.zones;
    const int linked = std::max(0, n - shape.zonesWithoutLinks);
    std::vector<std::set<int>> links(n + 1);
    auto full = [&](int z) { return static_cast<int>(links[z].size()) >= 10; };
    auto add = [&](int a, int b) {
        if (a == b || full(a) || links[a].count(b)) return;
        if (!shape.oneWay && full(b)) return;
        links[a].insert(b);
        if (!shape.oneWay) links[b].insert(a);
    };
    // A ring first, so every linked zone can be walked to from every other.
    for (int z = 1; z <= linked && linked > 1; ++z) add(z, z % linked + 1);
    for (int z = 1; z <= linked; ++z) {
        for (int tries = 0; tries < shape.linksPerZone * 3 &&
                            static_cast<int>(links[z].size()) < shape.linksPerZone;
             ++tries)
            add(z, static_cast<int>(random() % static_cast<std::uint64_t>(linked)) + 1);
    }
    std::string text = title + "\r\n" + std::to_string(n) + "\r\n";
    for (int z = 1; z <= n; ++z) {
        text += "Zone " + std::to_string(z) + "\r\n" + std::to_string(links[z].size()) + "\r\n";
        for (int to : links[z]) text += std::to_string(to - 1) + "\r\n";
    }
    return text;
}

}  // namespace sonarch::testing
