// Zone names a listener cannot tell apart. A player only hears the names, so
// two zones named alike are one zone by ear: the same name twice, names that
// differ only in capitals, blanks or marks, and names that sound alike. Each
// clash is told once, at the strongest level it reaches.
#include <algorithm>
#include <functional>
#include <map>

#include "files/mapCheckParts.h"
#include "files/soundKey.h"

namespace sonarch::mapcheck {

namespace {

// Groups zones by a form of their names; returns the groups of two or more,
// and keeps the first zone of every group (a name heard once) in survivors.
std::vector<std::vector<int>> clashes(const MapRecord& map, std::vector<int>& survivors,
                                      const std::function<std::string(const std::string&)>& form) {
    std::map<std::string, std::vector<int>> byForm;
    for (const int z : survivors) byForm[form(map.zoneName[z])].push_back(z);
    std::vector<std::vector<int>> found;
    survivors.clear();
    for (auto& [key, zones] : byForm) {
        survivors.push_back(zones.front());
        if (zones.size() > 1) found.push_back(zones);
    }
    std::sort(survivors.begin(), survivors.end());
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

void findNameClashes(const MapRecord& map, Findings& findings) {
    std::vector<int> zones;
    for (int z = 1; z <= std::clamp(map.zoneCount, 0, maxZones); ++z) zones.push_back(z);

    for (const auto& same : clashes(map, zones, [](const std::string& name) { return name; })) {
        std::string numbers;
        for (std::size_t i = 0; i < same.size(); ++i) {
            if (i > 0) numbers += i + 1 == same.size() ? " and " : ", ";
            numbers += std::to_string(same[i]);
        }
        findings.push_back({MapFinding::Weight::warning,
                            "Zones " + numbers + (same.size() == 2 ? " are both named " : " are all named ") +
                                map.zoneName[same[0]] + "."});
    }
    for (const auto& alike : clashes(map, zones, plainSpelling)) {
        findings.push_back({MapFinding::Weight::warning,
                            capitalized(zoneList(map, alike)) +
                                " differ only in capitals, blanks or marks, which a listener does not hear."});
    }
    for (const auto& alike : clashes(map, zones, soundKey)) {
        findings.push_back(
            {MapFinding::Weight::warning, capitalized(zoneList(map, alike)) + " sound alike."});
    }
}

}  // namespace sonarch::mapcheck
