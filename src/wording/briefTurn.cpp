// A computer player's turn told briefly: its attacks in one sentence and its
// placing in another, so that a round of several players can be followed
// without every battle. The battles themselves stay in the history; the
// session decides which are still said one by one.
#include <string>
#include <vector>

#include "wording/counting.h"
#include "wording/playWords.h"

namespace sonarch {

namespace {
// Beyond this many of the listener's zones taken, they are counted, not named.
constexpr std::size_t yourZonesNamed = 3;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string timesAttacked(int attacks) { return attacks == 1 ? "once" : counted(attacks, "time", "times"); }

// ", 3 of them yours: Ashford, Ashgate, Birchwood"; ", yours: Ashford" for
// a lone zone taken; "" when none was the listener's.
std::string yoursAmong(const Board& board, const TurnTally& tally) {
    const std::vector<int>& yours = tally.listenersZonesTaken;
    if (yours.empty()) return "";
    std::string text = tally.zonesTaken == 1 ? ", yours" : ", " + std::to_string(yours.size()) + " of them yours";
    if (yours.size() > yourZonesNamed) return text;
    for (std::size_t i = 0; i < yours.size(); ++i) text += (i == 0 ? ": " : ", ") + board.zoneName(yours[i]);
    return text;
}
}  // namespace

std::string PlayWords::attacksSummed(const Board& board, int player, const TurnTally& tally) const {
    const std::string taken =
        tally.zonesTaken == 0 ? "no zones" : counted(tally.zonesTaken, "zone", "zones") + yoursAmong(board, tally);
    return board.playerName[at(player)] + " attacked " + timesAttacked(tally.attacks) + " and took " + taken + ".";
}

std::string PlayWords::placingSummed(const Board& board, int player, const ZoneTable<int>& placed) const {
    int points = 0;
    int zones = 0;
    int most = 0;
    // The zone that received the most, when no other received as many.
    int mostOn = 0;
    for (int zone = 1; zone <= board.zoneCount(); ++zone) {
        const int here = placed[at(zone)];
        if (here <= 0) continue;
        points += here;
        ++zones;
        if (here == most) mostOn = 0;
        if (here > most) {
            most = here;
            mostOn = zone;
        }
    }
    // On one zone the placing in full is as short, and says the army it made.
    if (zones <= 1) return "";
    const std::string placedPoints = board.playerName[at(player)] + " placed " + counted(points, "point", "points");
    const std::string mostPart = mostOn != 0 ? ", most on " + board.zoneName(mostOn) : "";
    return placedPoints + " over " + counted(zones, "zone", "zones") + mostPart + ".";
}

}  // namespace sonarch
