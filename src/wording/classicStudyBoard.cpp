// M: the whole board in sentences of at most 40 words. In play: your
// zones, their groups and your front, then each other player still in, the
// strongest first. Before the starting zones are chosen: the map's shape,
// its regions and its best-linked zones, each named so that F finds it;
// M again at once tells each region in turn: its zones and its ways in.
#include <algorithm>
#include <string>
#include <vector>

#include "rules/boardShape.h"
#include "rules/front.h"
#include "rules/zoneOrder.h"
#include "wording/counting.h"
#include "wording/studyWords.h"

namespace sonarch {

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }
int number(std::size_t count) { return static_cast<int>(count); }

// The items of a list in a long and a short form, most important first.
// The list takes the long forms from the front while they fit, then the
// short forms, and leaves out items at the end (saying how many) when even
// those do not fit in the words left by what comes around it.
struct Item {
    std::string full, brief;
};

std::string fitted(const std::string& opening, const std::vector<Item>& items, const std::string& separator,
                   std::string (*leftOut)(std::size_t), const std::string& closing) {
    const int budget = mostWordsInABoardSentence - wordsIn(opening) - wordsIn(closing);
    auto tail = [&](std::size_t kept) {
        return kept < items.size() ? (kept > 0 ? separator : "") + leftOut(items.size() - kept) : "";
    };
    auto briefWords = [&](std::size_t kept) {
        int words = wordsIn(tail(kept));
        for (std::size_t i = 0; i < kept; ++i) words += wordsIn(items[i].brief);
        return words;
    };
    std::size_t shown = items.size();
    while (shown > 0 && briefWords(shown) > budget) --shown;
    int words = briefWords(shown);
    std::string text = opening;
    for (std::size_t i = 0; i < shown; ++i) {
        const int extra = wordsIn(items[i].full) - wordsIn(items[i].brief);
        const bool full = words + extra <= budget;
        if (full) words += extra;
        text += (i > 0 ? separator : "") + (full ? items[i].full : items[i].brief);
    }
    return text + tail(shown) + closing;
}

// The person at the keys, "You" to themselves, by name to everyone else.
std::string yourPart(const Board& board, int listener) {
    const int h = board.humanPlayer;
    const std::string& name = board.playerName[at(h)];
    const std::vector<ZoneSet> groups = groupsOf(board, h);
    int held = 0, front = 0;
    for (const ZoneSet& group : groups)
        for (const int zone : group) {
            ++held;
            if (onFront(board, h, zone)) ++front;
        }
    if (held == 0) return h == listener ? "You hold no zones." : name + " holds no zones.";
    const std::string around = " around " + board.zoneName(strongest(board, groups.front()));
    std::string text = (h == listener ? "You" : name) + ": " + counted(held, "zone", "zones");
    if (groups.size() == 1) {
        text += " in one group" + around;
    } else {
        text += ", " + std::to_string(groups.size()) + " groups, largest " +
                std::to_string(groups.front().size()) + around;
    }
    return text + ", " + std::to_string(front) + " on the front.";
}

std::string rivalsStanding(const Board& board, int listener) {
    struct Rival {
        int player, held;
    };
    std::vector<Rival> rivals;
    for (int p = 1; p <= board.playerCount; ++p)
        if (p != board.humanPlayer && board.inGame(p)) rivals.push_back({p, board.zonesHeldBy(p)});
    std::stable_sort(rivals.begin(), rivals.end(),
                     [](const Rival& a, const Rival& b) { return a.held > b.held; });
    std::vector<Item> items;
    for (const Rival& rival : rivals) {
        const std::string brief = board.playerName[at(rival.player)] + ": " +
                                  (rival.held == 0 ? "no zones yet" : counted(rival.held, "zone", "zones"));
        std::string full = brief;
        if (rival.held > 0) {
            // Where the player is strongest: the group with the most armies.
            const std::vector<ZoneSet> groups = groupsOf(board, rival.player);
            auto armies = [&](const ZoneSet& group) {
                int sum = 0;
                for (const int zone : group) sum += board.zoneArmy[at(zone)];
                return sum;
            };
            const auto weaker = [&](const ZoneSet& a, const ZoneSet& b) { return armies(a) < armies(b); };
            const ZoneSet& best = *std::max_element(groups.begin(), groups.end(), weaker);
            full += ", strongest around " + board.zoneName(strongest(board, best));
        }
        items.push_back({full + ".", brief + "."});
    }
    // The players left out are those with the fewest zones.
    const auto leftOut = [](std::size_t count) {
        return counted(number(count), "more player holds", "more players hold") + " fewer zones.";
    };
    return fitted(yourPart(board, listener) + (items.empty() ? "" : " "), items, " ", leftOut, "");
}

std::string mostLinked(const Board& board) {
    int most = 0;
    for (int z = 1; z <= board.zoneCount(); ++z) most = std::max(most, board.linkCount(z));
    std::vector<int> zones;
    for (const int zone : zonesInNameOrder(board))
        if (board.linkCount(zone) == most) zones.push_back(zone);
    if (most == 0) return "";
    if (zones.size() == 1)
        return " Most links: " + board.zoneName(zones.front()) + ", with " + std::to_string(most) + ".";
    // Three are named and the rest counted; a fourth alone is named too,
    // as its name says no more words than "and 1 more".
    const std::size_t named = zones.size() == 4 ? 4 : 3;
    std::string text = " Most links, " + std::to_string(most) + " each: ";
    for (std::size_t i = 0; i < zones.size() && i < named; ++i) {
        const bool last = i + 1 == zones.size() || i + 1 == named;
        text += (i == 0 ? "" : last && zones.size() <= named ? " and " : ", ") + board.zoneName(zones[i]);
    }
    if (zones.size() > named) text += " and " + std::to_string(zones.size() - named) + " more";
    return text + ".";
}

std::string mapShape(const Board& board) {
    const std::vector<ZoneSet> regions = mapRegions(board);
    const std::string zones = counted(board.zoneCount(), "zone", "zones");
    if (regions.size() == 1) return zones + ", all in one region." + mostLinked(board);
    std::vector<Item> items;
    for (const ZoneSet& region : regions) {
        const std::string item =
            std::to_string(region.size()) + " around " + board.zoneName(bestLinked(board, region));
        items.push_back({item, item});
    }
    const auto leftOut = [](std::size_t count) {
        return "and " + counted(number(count), "smaller region", "smaller regions");
    };
    return fitted(zones + " in " + std::to_string(regions.size()) + " regions: ", items, ", ", leftOut,
                  "." + mostLinked(board));
}
// "a, b and c", or with semicolons where the names hold commas of their own.
std::string spoken(const Board& board, const ZoneSet& zones, const std::string& separator) {
    std::string text;
    for (std::size_t i = 0; i < zones.size(); ++i)
        text += (i == 0 ? "" : i + 1 == zones.size() ? " and " : separator) + board.zoneName(zones[i]);
    return text;
}

// "Around Frostholm, 7 zones: Bleak Tundra, Frostholm, ... Ways in:
// Frostholm from Jade Coast; Glacier Gate from Stonebridge.": one region's
// zones in name order, then those of them linked to zones outside it, which
// are the ones to hold when the region is yours, with where they lead; when
// that is too long, only the zones, or how many.
std::string regionSentence(const Board& board, const ZoneSet& region, const std::vector<int>& nameOrder) {
    const auto inNameOrder = [&](ZoneSet zones) {
        std::sort(zones.begin(), zones.end(), [&](int a, int b) { return nameOrder[at(a)] < nameOrder[at(b)]; });
        return zones;
    };
    const ZoneSet zones = inNameOrder(region);
    const ZoneSet gates = inNameOrder(gatesOf(board, region));
    bool commas = false;
    for (const int zone : zones) commas = commas || board.zoneName(zone).find(',') != std::string::npos;
    const std::string separator = commas ? "; " : ", ";
    std::vector<std::string> closings;
    std::string leading = gates.size() == 1 ? ". One way in: " : ". Ways in: ";
    for (std::size_t i = 0; i < gates.size(); ++i)
        leading += (i == 0 ? "" : "; ") + board.zoneName(gates[i]) + " from " +
                   spoken(board, inNameOrder(joinedOutside(board, region, gates[i])), separator);
    closings.push_back(leading + ".");
    constexpr std::size_t gatesNamed = 4;
    if (gates.size() <= gatesNamed)
        closings.push_back((gates.size() == 1 ? ". One way in: " : ". Ways in: ") + spoken(board, gates, separator) + ".");
    closings.push_back(". Ways in at " + counted(number(gates.size()), "zone", "zones") + ".");
    std::vector<Item> items;
    for (const int zone : zones) items.push_back({board.zoneName(zone), board.zoneName(zone)});
    const auto leftOut = [](std::size_t count) { return "and " + std::to_string(count) + " more"; };
    const std::string opening = "Around " + board.zoneName(bestLinked(board, region)) + ", " +
                                counted(number(region.size()), "zone", "zones") + ": ";
    // The first closing that leaves room for every zone of the region.
    for (const std::string& closing : closings) {
        const std::string sentence = fitted(opening, items, separator, leftOut, closing);
        if (wordsIn(sentence) <= mostWordsInABoardSentence && sentence.find(" more.") == std::string::npos)
            return sentence;
    }
    return fitted(opening, items, separator, leftOut, closings.back());
}

// "Ways into the region around Frostholm: Bleak Tundra, Frostholm and
// Glacier Gate.", as many as 40 words hold.
std::string waysInSentence(const Board& board, const ZoneSet& region, const std::vector<int>& nameOrder) {
    ZoneSet gates = gatesOf(board, region);
    std::sort(gates.begin(), gates.end(), [&](int a, int b) { return nameOrder[at(a)] < nameOrder[at(b)]; });
    std::vector<Item> items;
    for (const int zone : gates) items.push_back({board.zoneName(zone), board.zoneName(zone)});
    const auto leftOut = [](std::size_t count) { return "and " + std::to_string(count) + " more"; };
    return fitted("Ways into the region around " + board.zoneName(bestLinked(board, region)) + ": ", items, ", ",
                  leftOut, ".");
}

// Before the start: the map's shape, then each region in turn.
std::vector<std::string> mapSentences(const Board& board) {
    std::vector<std::string> sentences{mapShape(board)};
    const std::vector<ZoneSet> regions = mapRegions(board);
    if (regions.size() < 2) return sentences;
    std::vector<int> nameOrder(at(board.zoneCount()) + 1, 0);
    int place = 0;
    for (const int zone : zonesInNameOrder(board)) nameOrder[at(zone)] = ++place;
    for (const ZoneSet& region : regions) {
        sentences.push_back(regionSentence(board, region, nameOrder));
        // Where only the number of ways in fitted, the next M names them.
        if (sentences.back().find(". Ways in at ") != std::string::npos)
            sentences.push_back(waysInSentence(board, region, nameOrder));
    }
    return sentences;
}
}  // namespace

std::vector<std::string> ClassicStudyWords::boardSentences(const Board& board, int listener) const {
    if (board.choosingStart != 0) return mapSentences(board);
    return {rivalsStanding(board, listener)};
}

}  // namespace sonarch
