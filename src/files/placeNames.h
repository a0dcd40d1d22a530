// Names for made maps: short, easy for a speech engine to say, and told
// apart by ear.
#pragma once

#include <string>
#include <vector>

#include "files/makerRandom.h"

namespace sonarch {

struct PlaceNames {
    std::string mapName;             // two words: "Dunmarrow Reach"
    std::vector<std::string> zones;  // one word each: "Kelford", "Brannis"
};

// count zone names of which no two sound alike (the map check's sound key)
// nor begin with the same sound, and a map name that sounds like none of them.
PlaceNames makePlaceNames(int count, MakerRandom& random);

}  // namespace sonarch
