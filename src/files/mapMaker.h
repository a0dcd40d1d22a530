// Making a new map from a seed: land, links and names, the same map for the
// same seed and size on every system.
#pragma once

#include <cstdint>
#include <string>

#include "rules/Board.h"

namespace sonarch {

constexpr int fewestMadeZones = 4;  // the fewest with room for a computer player
constexpr int usualMadeZones = 30;

// A map of zones (fewestMadeZones to maxZones) whose every zone reaches every
// other by links that lead both ways, at most 10 a zone, and whose names a
// listener tells apart.
MapRecord makeMap(int zones, std::uint64_t seed);

// A seed short enough to say and type, 1 to 999999, drawn from any number
// (such as the clock's).
std::uint64_t shortSeed(std::uint64_t from);

// The text of a map file, as the bundled maps are written: one item a line,
// lines ending in a carriage return and a line feed. The names must hold no
// comma, no double quote and no line end.
std::string mapFileText(const MapRecord& map);

}  // namespace sonarch
