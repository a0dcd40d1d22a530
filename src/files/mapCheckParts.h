// The parts of the map check, each adding its findings in turn.
#pragma once

#include <string>
#include <vector>

#include "files/mapCheck.h"

namespace sonarch::mapcheck {

using Findings = std::vector<MapFinding>;

// "zone 3 (North Valley)"
std::string zoneLabel(const MapRecord& map, int zone);
// "zone 3 (North Valley)", "zones 3 (North Valley) and 5 (Ford)",
// "zones 3 (A), 4 (B) and 5 (C)"; zones in ascending order.
std::string zoneList(const MapRecord& map, const std::vector<int>& zones);
// The same with a capital first letter, to begin a sentence.
std::string capitalized(std::string text);

// Zones no link reaches, zones with no way out, groups no link joins.
void findReachFaults(const MapRecord& map, Findings& findings);
// The same name twice, names told apart only by what is not heard, names
// that sound alike.
void findNameClashes(const MapRecord& map, Findings& findings);

}  // namespace sonarch::mapcheck
