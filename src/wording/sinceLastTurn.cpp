// "Since your last turn": what changed for a person between the end of
// their last turn and the start of this one, in one sentence of at most 40
// words, so that a round of computer turns can be followed without notes:
// the zones lost and to whom, the players put out, then the standings by
// zones, leader first.
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "wording/counting.h"
#include "wording/playWords.h"

namespace sonarch {

namespace {
constexpr int mostWords = 40;
// Beyond this many lost zones the takers are told with counts, not names.
constexpr int lostZonesNamed = 3;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// "Carmen took Hazeldale and Mapledale from you, Cali took Oakfield", or
// with many: "Carmen took 4 zones from you, Cali 1".
std::string losses(const Board& before, const Board& now, int seat, const std::string& name) {
    std::vector<int> takers;
    ZoneTable<std::vector<int>> lostTo{};
    int lost = 0;
    for (int zone = 1; zone <= now.zoneCount(); ++zone) {
        if (before.zoneOwner[at(zone)] != seat || now.zoneOwner[at(zone)] == seat) continue;
        const int taker = now.zoneOwner[at(zone)];
        if (std::find(takers.begin(), takers.end(), taker) == takers.end()) takers.push_back(taker);
        lostTo[at(taker)].push_back(zone);
        ++lost;
    }
    if (lost == 0) return name + " lost no zones";
    std::vector<std::string> parts;
    for (const int taker : takers) {
        const std::string& who = taker == 0 ? std::string("nobody") : before.playerName[at(taker)];
        const auto& zones = lostTo[at(taker)];
        if (lost > lostZonesNamed) {
            const std::string count = parts.empty() ? counted(static_cast<int>(zones.size()), "zone", "zones")
                                                    : std::to_string(zones.size());
            parts.push_back(who + (parts.empty() ? " took " + count + " from " + name : " " + count));
            continue;
        }
        std::vector<std::string> names;
        for (const int zone : zones) names.push_back(now.zoneName(zone));
        parts.push_back(who + " took " + joined(names) + (parts.empty() ? " from " + name : ""));
    }
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) text += (i > 0 ? ", " : "") + parts[i];
    return text;
}

std::string playersOut(const Board& before, const Board& now) {
    std::vector<std::string> out;
    for (int p = 1; p <= now.playerCount; ++p)
        if (before.inGame(p) && !now.inGame(p)) out.push_back(before.playerName[at(p)]);
    if (out.empty()) return "";
    return "; " + joined(out) + (out.size() == 1 ? " is out" : " are out");
}

// "Carmen 24 zones, Cali 23, Landon 20, you 12.", at most `shown` players
// besides the listener, who is always told.
std::string standings(const Board& now, int listener, std::size_t shown) {
    struct Standing {
        int player, zones;
    };
    std::vector<Standing> players;
    for (int p = 1; p <= now.playerCount; ++p)
        if (now.inGame(p)) players.push_back({p, now.zonesHeldBy(p)});
    std::stable_sort(players.begin(), players.end(),
                     [](const Standing& a, const Standing& b) { return a.zones > b.zones; });
    std::string text;
    std::size_t told = 0;
    for (const Standing& s : players) {
        const bool you = s.player == listener;
        if (!you && told >= shown) continue;
        if (!you) ++told;
        const std::string who = you ? "you" : now.playerName[at(s.player)];
        text += (text.empty() ? "" : ", ") + who + " " +
                (text.empty() ? counted(s.zones, "zone", "zones") : std::to_string(s.zones));
    }
    text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}
}  // namespace

std::string PlayWords::sinceYourLastTurn(const Board& before, const Board& now, int seat, int listener) const {
    const std::string name = seat == listener ? "you" : now.playerName[at(seat)];
    const std::string head = "Since " + (seat == listener ? std::string("your") : name + "'s") + " last turn: " +
                             losses(before, now, seat, name) + playersOut(before, now) + ". ";
    // The standings shrink to the leaders and the listener when the whole
    // sentence would be too long to hold in mind.
    for (std::size_t shown = maxPlayerSlots; shown > 0; --shown) {
        const std::string sentence = head + standings(now, listener, shown);
        if (wordsIn(sentence) <= mostWords || shown == 1) return sentence;
    }
    return head;
}

std::string PlayWords::finalStandings(const Board& board, int listener) const {
    return "Final standings: " + standings(board, listener, maxPlayerSlots);
}

std::string PlayWords::sinceYourLastTurnUnknown() const {
    return "Since your last turn: nothing yet, this is your first turn here.";
}

}  // namespace sonarch
