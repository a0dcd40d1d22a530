#include "bot/TestBot.h"

#include <array>
#include <deque>

namespace sonarch::testing {

namespace {
constexpr std::array<const char*, maxLinks + 1> linkKeyNames{"", "Q", "W", "E", "R", "T",
                                                             "Y", "U", "I", "O", "P"};
}  // namespace

TestBot::TestBot(Form1& form, Press press, Style style)
    : f_(form), press_(std::move(press)), style_(style) {}

std::vector<std::string> TestBot::newGameKeys(int mapIndex, int computerPlayers) {
    std::vector<std::string> keys{"Enter", "Enter"};
    for (int i = 0; i <= mapIndex; ++i) keys.push_back("Down");
    keys.push_back("Enter");
    keys.push_back(std::to_string(computerPlayers));
    return keys;
}

bool TestBot::ownedBy(int zone, int player) const { return f_.view().board.zoneOwner[zone] == player; }

// Links in the order a search finds them: the cursor can only walk along the
// links of the zone it stands on.
std::vector<int> TestBot::pathTo(int zone) const {
    std::array<int, maxZones + 1> cameBy{};
    std::array<int, maxZones + 1> previous{};
    std::array<bool, maxZones + 1> seen{};
    std::deque<int> queue{f_.view().cursorZone};
    seen[f_.view().cursorZone] = true;
    while (!queue.empty()) {
        const int z = queue.front();
        queue.pop_front();
        if (z == zone) break;
        for (int k = 1; k <= f_.view().board.linkCount(z); ++k) {
            const int n = f_.view().board.links(z, k);
            if (n < 1 || n > f_.view().board.zoneCount() || seen[n]) continue;
            seen[n] = true;
            previous[n] = z;
            cameBy[n] = k;
            queue.push_back(n);
        }
    }
    std::vector<int> path;
    if (!seen[zone]) return path;
    for (int z = zone; z != f_.view().cursorZone; z = previous[z]) path.insert(path.begin(), cameBy[z]);
    return path;
}

TestBot::View TestBot::look() const {
    View view;
    std::array<int, maxZones> queue;
    int queued = 0;
    queue[queued++] = f_.view().cursorZone;
    view.reachable[f_.view().cursorZone] = true;
    for (int next = 0; next < queued; ++next) {
        const int z = queue[next];
        for (int k = 1; k <= f_.view().board.linkCount(z); ++k) {
            const int n = f_.view().board.links(z, k);
            if (n >= 1 && n <= f_.view().board.zoneCount() && !view.reachable[n]) {
                view.reachable[n] = true;
                queue[queued++] = n;
            }
        }
    }
    if (f_.view().board.placingPoints != 1) return view;  // only placing looks for the front
    const int me = f_.view().board.humanPlayer;
    for (int z = 1; z <= f_.view().board.zoneCount(); ++z) {
        for (int k = 1; k <= f_.view().board.linkCount(z); ++k) {
            const int n = f_.view().board.links(z, k);
            if (n < 1 || n > f_.view().board.zoneCount() || ownedBy(z, me) == ownedBy(n, me)) continue;
            view.frontier[ownedBy(z, me) ? z : n] = true;
        }
    }
    return view;
}

void TestBot::goTo(int zone) {
    for (int link : pathTo(zone)) {
        const std::string keyName = linkKeyNames[link];
        // A link key names the neighbour first and moves on the second press,
        // unless it was the last key pressed.
        if (f_.view().lastKey != keyName[0]) press_(keyName);
        press_(keyName);
    }
}

int TestBot::chooseStart(const View& view) const {
    int best = 0;
    for (int z = 1; z <= f_.view().board.zoneCount(); ++z) {
        if (f_.view().board.zoneOwner[z] != 0 || !view.reachable[z]) continue;
        if (best == 0 || f_.view().board.linkCount(z) > f_.view().board.linkCount(best)) best = z;
    }
    return best;
}

int TestBot::choosePlacement(const View& view) const {
    int best = 0;
    for (int z = 1; z <= f_.view().board.zoneCount(); ++z) {
        if (!ownedBy(z, f_.view().board.humanPlayer) || f_.view().board.zoneArmy[z] >= maxArmy || !view.reachable[z]) continue;
        const bool better = best == 0 || (view.frontier[z] && !view.frontier[best]) ||
                            (view.frontier[z] == view.frontier[best] && f_.view().board.zoneArmy[z] > f_.view().board.zoneArmy[best]);
        if (better) best = z;
    }
    return best;
}

TestBot::Attack TestBot::chooseAttack(const View& view) const {
    Attack best;
    int bestMargin = 0;
    for (int to = 1; to <= f_.view().board.zoneCount(); ++to) {
        if (ownedBy(to, f_.view().board.humanPlayer) || !view.reachable[to]) continue;
        // The target's own links must lead back to the attacking zone.
        for (int k = 1; k <= f_.view().board.linkCount(to); ++k) {
            const int from = f_.view().board.links(to, k);
            if (!ownedBy(from, f_.view().board.humanPlayer) || f_.view().board.zoneArmy[from] < 2 || !view.reachable[from]) continue;
            const int margin = f_.view().board.zoneArmy[from] - f_.view().board.zoneArmy[to];
            if (margin > bestMargin) {
                best = {from, to};
                bestMargin = margin;
            }
        }
    }
    return best;
}

bool TestBot::step() {
    if (f_.view().board.humanPlayer == 0 || f_.view().menuState != 0) return false;
    const int me = f_.view().board.humanPlayer;
    const View view = look();
    if (f_.view().board.choosingStart != 0) {
        const int start = chooseStart(view);
        if (start == 0) return false;  // no unclaimed zone can be reached
        goTo(start);
        press_("Space");
    } else if (f_.view().board.placingPoints == 1) {
        const int zone = style_ == Style::Idler || f_.view().board.points[me] <= 0 ? 0 : choosePlacement(view);
        if (zone == 0) {
            press_("Shift+Enter");
        } else {
            goTo(zone);
            press_("Space");
        }
    } else {
        const Attack attack = style_ == Style::Idler ? Attack{} : chooseAttack(view);
        if (attack.from == 0) {
            press_("Shift+Enter");
            return true;
        }
        if (f_.view().board.attackFrom != attack.from) {
            goTo(attack.from);
            press_("Space");
        }
        // With one-way links the target may be out of the cursor's way from
        // the attacking zone: then the attacks of this turn are over.
        if (attack.to != f_.view().cursorZone && pathTo(attack.to).empty()) {
            press_("Shift+Enter");
            return true;
        }
        goTo(attack.to);
        press_("Space");
    }
    return f_.view().board.humanPlayer != 0;
}

}  // namespace sonarch::testing
