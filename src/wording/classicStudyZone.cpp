// The sentences about one zone and what can be done around it: D's
// description, Shift+D's attacks, and the jumps of J, B and N. The clear
// wording says these the same way.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "rules/combat.h"
#include "rules/front.h"
#include "wording/counting.h"
#include "wording/studyWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }
int ownerOf(const Board& board, int zone) { return board.zoneOwner[static_cast<std::size_t>(zone)]; }

// A sentence heard whole stays short: past this many words a list is told
// by its counts instead.
constexpr int mostWords = 29;

// "2. Hill, Jacob, army 4; 3. Falls, unclaimed": the links, by the number
// of the key that names them, with who holds them.
std::string linkList(const StudyWords& words, const Board& board, const std::vector<int>& links, int from,
                     int listener) {
    std::string list;
    for (const int link : links) {
        const int zone = board.links(from, link);
        list += (list.empty() ? "" : "; ") + number(link) + ". " + board.zoneName(zone) + ", " +
                words.holding(board, zone, listener);
    }
    return list;
}

// "Jacob 3, Ethan 2, unclaimed 1": the zones counted by owner, in seat order.
std::string countsByOwner(const Board& board, const std::vector<int>& zones) {
    std::map<int, int> byOwner;
    for (const int zone : zones) ++byOwner[ownerOf(board, zone) == 0 ? maxPlayerSlots + 1 : ownerOf(board, zone)];
    std::string list;
    for (const auto& [owner, count] : byOwner) {
        const std::string who =
            owner > maxPlayerSlots ? "unclaimed" : board.playerName[static_cast<std::size_t>(owner)];
        list += (list.empty() ? "" : ", ") + who + " " + number(count);
    }
    return list;
}

// From the human's zone: its links not the human's that its attack reaches.
std::string attacksFrom(const StudyWords& words, const Board& board, int zone, int listener) {
    const std::string& name = board.zoneName(zone);
    if (!canAttackFrom(board, zone)) return name + " is too weak to attack: it needs an army of 2 or more.";
    std::vector<int> links, targets;
    for (int i = 1; i <= board.linkCount(zone) && i <= maxLinks; ++i) {
        const int t = board.links(zone, i);
        if (ownerOf(board, t) == board.humanPlayer || !attackReaches(board, zone, t)) continue;
        links.push_back(i);
        targets.push_back(t);
    }
    if (targets.empty()) return "No zone is in reach of " + name + ".";
    const std::string listed = name + " can attack: " + linkList(words, board, links, zone, listener) + ".";
    if (wordsIn(listed) <= mostWords) return listed;
    // Counted by owner, the list still names the two weakest targets, the
    // ones most worth a look, with the keys that reach them.
    std::vector<std::size_t> order(targets.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return board.zoneArmy[static_cast<std::size_t>(targets[a])] < board.zoneArmy[static_cast<std::size_t>(targets[b])];
    });
    std::string weakest;
    for (std::size_t k = 0; k < order.size() && k < 2; ++k) {
        const std::size_t i = order[k];
        weakest += (k > 0 ? "; " : "") + number(links[i]) + ". " + board.zoneName(targets[i]) + ", army " +
                   number(board.zoneArmy[static_cast<std::size_t>(targets[i])]);
    }
    return name + " can attack " + counted(static_cast<int>(targets.size()), "zone", "zones") + ": " +
           countsByOwner(board, targets) + ". Weakest: " + weakest + ".";
}

// On another's zone (or an unclaimed one): the human's zones that can attack it now.
std::string attacksOn(const Board& board, int zone, int listener) {
    // Whose zones: "your" to the person at the keys, "Ben's" to everyone else.
    const std::string whose =
        board.humanPlayer == listener ? "your" : board.playerName[static_cast<std::size_t>(board.humanPlayer)] + "'s";
    const std::string& name = board.zoneName(zone);
    std::vector<int> attackers;
    for (int i = 1; i <= board.linkCount(zone) && i <= maxLinks; ++i) {
        const int a = board.links(zone, i);
        bool listed = false;
        for (const int earlier : attackers) listed = listed || earlier == a;
        if (!listed && ownerOf(board, a) == board.humanPlayer && canAttackFrom(board, a) &&
            attackReaches(board, a, zone))
            attackers.push_back(a);
    }
    if (attackers.empty()) return "None of " + whose + " zones can attack " + name + " now.";
    std::string list;
    int strongest = attackers.front();
    for (const int a : attackers) {
        list += (list.empty() ? "" : "; ") + board.zoneName(a) + ", army " +
                number(board.zoneArmy[static_cast<std::size_t>(a)]);
        if (board.zoneArmy[static_cast<std::size_t>(a)] > board.zoneArmy[static_cast<std::size_t>(strongest)])
            strongest = a;
    }
    const std::string listed = name + " can be attacked from " + list + ".";
    if (wordsIn(listed) <= mostWords) return listed;
    return name + " can be attacked from " + number(static_cast<int>(attackers.size())) +
           " of " + whose + " zones, the strongest " + board.zoneName(strongest) + " with an army of " +
           number(board.zoneArmy[static_cast<std::size_t>(strongest)]) + ".";
}
}  // namespace

std::string ClassicStudyWords::zoneDescription(const Board& board, int zone, int listener) const {
    const int owner = ownerOf(board, zone);
    const int count = board.linkCount(zone);
    std::string text = board.zoneName(zone) + ": " + holding(board, zone, listener) + ".";
    if (count <= 0) return text + " No links.";
    text += " " + counted(count, "link", "links") + ".";
    for (int i = 1; i <= count && i <= maxLinks; ++i) {
        const int t = board.links(zone, i);
        text += " " + number(i) + ". " + board.zoneName(t) + ": " + holding(board, t, listener);
        // Reach matters only where a battle could be: between two owners,
        // or from a held zone into an unclaimed one.
        if (owner != 0 && ownerOf(board, t) != owner)
            text += attackReaches(board, zone, t) ? ", in reach" : ", out of reach";
        text += ".";
    }
    return text;
}

std::string ClassicStudyWords::attackOptions(const Board& board, int zone, int listener) const {
    if (ownerOf(board, zone) == board.humanPlayer) return attacksFrom(*this, board, zone, listener);
    return attacksOn(board, zone, listener);
}

std::string ClassicStudyWords::nothingToJumpTo(JumpKind kind) const {
    switch (kind) {
    case JumpKind::CanAttack: return "None of your zones can attack now.";
    case JumpKind::Front: return "None of your zones is on the front.";
    case JumpKind::Any: break;
    }
    return "You hold no zones.";
}

std::string ClassicStudyWords::reached(const Board& board, int zone, JumpKind kind) const {
    std::string text = ownerSentence(board, zone, board.humanPlayer) + " " + armySentence(board, zone);
    if (kind != JumpKind::Front) return text;
    const LinksOut out = linksOut(board, zone);
    return text + " " + frontSentence(out.toOthers, out.toUnclaimed, out.total);
}

std::string ClassicStudyWords::frontSentence(int toOthers, int toUnclaimed, int total) const {
    std::string text = number(toOthers) + " of its " + counted(total, "link", "links") +
                       (toOthers == 1 ? " leads" : " lead") + " to other players";
    if (toUnclaimed == 1) text += ", 1 to an unclaimed zone";
    if (toUnclaimed > 1) text += ", " + number(toUnclaimed) + " to unclaimed zones";
    return text + ".";
}

std::string ClassicStudyWords::findPrompt() const { return "Find a zone: type the start of its name."; }

std::string ClassicStudyWords::findMatch(const Board& board, int zone, int place, int matches) const {
    const std::string text = board.zoneName(zone) + ": " + holding(board, zone, board.humanPlayer) + ".";
    if (matches == 1) return text + " The only match.";
    return text + " " + number(place) + " of " + number(matches) + " matches.";
}

std::string ClassicStudyWords::findNoMatch(const std::string& typed) const {
    return "No zone starts with " + typed + ".";
}

std::string ClassicStudyWords::findStillNoMatch() const { return "Still no match; Backspace erases."; }

std::string ClassicStudyWords::findTextFull(int longest) const {
    return "No zone name is longer than " + std::to_string(longest) + " characters; Backspace erases.";
}

std::string ClassicStudyWords::findEnded(const Board& board, int at) const {
    return "Search ended. You are still at " + board.zoneName(at) + ".";
}

}  // namespace sonarch
