// The map check: the links of each zone, links that lead one way, then the
// reach of the map, its names and the players it allows.
#include "files/mapCheck.h"

#include <algorithm>
#include <map>

#include "files/mapCheckParts.h"
#include "files/mapFormat.h"

namespace sonarch {

namespace mapcheck {

std::string zoneLabel(const MapRecord& map, int zone) {
    const bool onMap = zone >= 1 && zone <= map.zoneCount;
    return "zone " + std::to_string(zone) + (onMap ? " (" + map.zoneName[zone] + ")" : "");
}

std::string zoneList(const MapRecord& map, const std::vector<int>& zones) {
    if (zones.size() == 1) return zoneLabel(map, zones.front());
    std::string text = "zones ";
    for (std::size_t i = 0; i < zones.size(); ++i) {
        if (i > 0) text += i + 1 == zones.size() ? " and " : ", ";
        text += std::to_string(zones[i]) + " (" + map.zoneName[zones[i]] + ")";
    }
    return text;
}

std::string capitalized(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

namespace {

int zonesOf(const MapRecord& map) { return std::clamp(map.zoneCount, 0, maxZones); }
int linksOf(const MapRecord& map, int zone) { return std::clamp(map.linkCount[zone], 0, maxLinks); }

bool linksTo(const MapRecord& map, int from, int to) {
    for (int k = 1; k <= linksOf(map, from); ++k)
        if (map.links[from][k] == to) return true;
    return false;
}

// Links to the zone itself, the same zone listed more than once, and links
// to a number that is no zone of the map, which the game never follows.
void findLinkFaults(const MapRecord& map, Findings& findings) {
    const int zones = zonesOf(map);
    for (int z = 1; z <= zones; ++z) {
        std::map<int, int> listed;
        for (int k = 1; k <= linksOf(map, z); ++k) ++listed[map.links[z][k]];
        const std::string from = capitalized(zoneLabel(map, z));
        for (const auto& [to, times] : listed) {
            if (to < 1 || to > zones) {
                findings.push_back({MapFinding::Weight::warning,
                                    from + " links to zone " + std::to_string(to) +
                                        ", which is not on the map; that link is never followed."});
            } else if (to == z) {
                findings.push_back({MapFinding::Weight::warning, from + " links to itself."});
            }
            if (times > 1 && to >= 1 && to <= zones && to != z) {
                findings.push_back({MapFinding::Weight::warning,
                                    from + " links to " + zoneLabel(map, to) + " " +
                                        std::to_string(times) + " times."});
            }
        }
    }
}

void findOneWayLinks(const MapRecord& map, Findings& findings) {
    const int zones = zonesOf(map);
    for (int z = 1; z <= zones; ++z) {
        std::vector<int> told;
        for (int k = 1; k <= linksOf(map, z); ++k) {
            const int to = map.links[z][k];
            if (to < 1 || to > zones || to == z || linksTo(map, to, z)) continue;
            if (std::find(told.begin(), told.end(), to) != told.end()) continue;
            told.push_back(to);
            findings.push_back({MapFinding::Weight::note,
                                capitalized(zoneLabel(map, z)) + " links to " + zoneLabel(map, to) +
                                    ", which has no link back."});
        }
    }
}

void findPlayersAllowed(const MapRecord& map, Findings& findings) {
    const int computers = playersAllowed(zonesOf(map)) - 1;
    if (computers < 1) {
        findings.push_back({MapFinding::Weight::stopsPlay,
                            "This map allows no computer player: a game needs at least 4 zones."});
    } else if (computers == 1) {
        findings.push_back({MapFinding::Weight::note, "This map allows 1 computer player."});
    } else {
        findings.push_back({MapFinding::Weight::note,
                            "This map allows 1 to " + std::to_string(computers) + " computer players."});
    }
}

}  // namespace
}  // namespace mapcheck

std::vector<MapFinding> checkMap(const MapRecord& map) {
    mapcheck::Findings findings;
    mapcheck::findLinkFaults(map, findings);
    mapcheck::findOneWayLinks(map, findings);
    mapcheck::findReachFaults(map, findings);
    mapcheck::findNameClashes(map, findings);
    mapcheck::findPlayersAllowed(map, findings);
    return findings;
}

const char* weightName(MapFinding::Weight weight) {
    switch (weight) {
    case MapFinding::Weight::stopsPlay: return "stops play";
    case MapFinding::Weight::warning: return "warning";
    case MapFinding::Weight::note: return "note";
    }
    return "note";
}

}  // namespace sonarch
