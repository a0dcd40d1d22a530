// A map is refused whole when any item is missing, is not a number where a
// number belongs, or lies outside what the game's tables and zones can hold.
#include "files/mapFormat.h"

#include <algorithm>

#include "files/textItems.h"
#include "rules/moves.h"

namespace sonarch {

namespace {

class MapItems {
public:
    MapItems(std::string_view text, std::string& whyNot) : reader_(text), whyNot_(whyNot) {}

    bool text(const std::string& what, std::string& value) {
        switch (reader_.next(value)) {
            case ItemReader::Outcome::item:
                return true;
            case ItemReader::Outcome::endOfText:
                whyNot_ = "the file ends before " + what;
                return false;
            case ItemReader::Outcome::openQuote:
                whyNot_ = what + " on line " + std::to_string(reader_.line()) +
                          " opens a double quote that is not closed on that line";
                return false;
        }
        return false;
    }

    bool name(const std::string& what, std::string& value) {
        if (!text(what, value)) return false;
        const std::string problem = nameProblem(value);
        if (problem.empty()) return true;
        whyNot_ = what + " on line " + std::to_string(reader_.line()) + " " + problem;
        return false;
    }

    bool number(const std::string& what, int lowest, int highest, const std::string& rule,
                int& value) {
        std::string item;
        if (!text(what, item)) return false;
        const std::string where = what + " on line " + std::to_string(reader_.line());
        const auto read = wholeNumber(item);
        if (!read) {
            whyNot_ = where + " is not a number";
            return false;
        }
        if (*read < lowest || *read > highest) {
            whyNot_ = where + " is " + std::to_string(*read) + ", but " + rule;
            return false;
        }
        value = *read;
        return true;
    }

private:
    ItemReader reader_;
    std::string& whyNot_;
};

}  // namespace

std::string mapRefusal(const std::string& path, const std::string& whyNot) {
    const auto slash = path.find_last_of('/');
    const std::string fileName = slash == std::string::npos ? path : path.substr(slash + 1);
    return "The map " + fileName + " cannot be loaded: " + whyNot + ".";
}

int playersAllowed(int zoneCount) { return seatsAllowed(zoneCount); }

bool parseMap(std::string_view text, MapRecord& record, std::string& whyNot) {
    text = withoutByteOrderMark(text);
    if (!looksLikeText(text)) {
        whyNot = "it is not a text file";
        return false;
    }
    MapItems items(text, whyNot);
    if (!items.name("the map name", record.mapName)) return false;
    if (!items.number("the number of zones", 1, maxZones, "a map has 1 to 100 zones",
                      record.zoneCount))
        return false;
    const int zones = record.zoneCount;
    const std::string linkRule =
        "the zones of this map are written 0 to " + std::to_string(zones - 1);
    for (int z = 1; z <= zones; ++z) {
        const std::string zone = "zone " + std::to_string(z);
        if (!items.name("the name of " + zone, record.zoneName[z])) return false;
        if (!items.number("the number of links of " + zone, 0, maxLinks, "a zone has 0 to 10 links",
                          record.linkCount[z]))
            return false;
        for (int k = 1; k <= record.linkCount[z]; ++k) {
            int written = 0;
            if (!items.number("link " + std::to_string(k) + " of " + zone, 0, zones - 1, linkRule,
                              written))
                return false;
            record.links[z][k] = written + 1;
        }
    }
    // Whatever follows the last zone is not part of the map.
    return true;
}

}  // namespace sonarch
