// Where links can take the cursor and the attacks. A map is whole when every
// zone reaches every other: then the cursor, which moves only along links,
// can go anywhere and never gets stuck, and no player sits out of reach.
// Otherwise the zones that reach each other are grouped, and each group that
// nothing outside it reaches, or that leads nowhere outside it, is told.
#include <algorithm>
#include <bitset>
#include <numeric>

#include "files/mapCheckParts.h"

namespace sonarch::mapcheck {

namespace {

using ZoneSet = std::bitset<maxZones + 1>;

class Reach {
public:
    explicit Reach(const MapRecord& map) : map_(map), zones_(std::clamp(map.zoneCount, 0, maxZones)) {
        std::iota(weakRoot_.begin(), weakRoot_.end(), 0);
        for (int z = 1; z <= zones_; ++z)
            eachLink(z, [&](int to) { join(z, to); });
        for (int z = 1; z <= zones_; ++z) reached_[z] = reachedFrom(z);
    }

    void find(Findings& findings) {
        std::vector<int> weakGroups;
        for (int z = 1; z <= zones_; ++z)
            if (root(z) == z) weakGroups.push_back(z);
        for (const int group : weakGroups) {
            if (weakGroups.size() > 1 && group != root(1)) tellCutOff(membersOf(group), findings);
        }
        // Groups that are a whole cut-off part have been told above.
        std::vector<std::vector<int>> groups;
        for (int z = 1; z <= zones_; ++z) {
            if (strongHead(z) != z) continue;
            std::vector<int> members;
            for (int y = z; y <= zones_; ++y)
                if (strongHead(y) == z) members.push_back(y);
            if (members.size() != membersOf(root(z)).size()) groups.push_back(members);
        }
        // One missing link makes a group nothing reaches and a group that
        // leads nowhere, one on each side. The smaller groups are told
        // first, and a group that is all the rest of its part is left out:
        // it is the same fault seen from the other end.
        std::stable_sort(groups.begin(), groups.end(),
                         [](const auto& a, const auto& b) { return a.size() < b.size(); });
        ZoneSet told;
        for (const auto& members : groups) {
            const bool deadEnd = !leadsOut(members), outOfReach = !isEntered(members);
            if (!deadEnd && !outOfReach) continue;
            ZoneSet rest = told;
            for (const int z : members) rest.set(static_cast<std::size_t>(z));
            bool wholePart = true;
            for (const int z : membersOf(root(members[0])))
                wholePart = wholePart && rest.test(static_cast<std::size_t>(z));
            if (wholePart) continue;
            told = rest;
            if (deadEnd) tellDeadEnd(members, findings);
            if (outOfReach) tellOutOfReach(members, findings);
        }
    }

private:
    template <typename Step>
    void eachLink(int zone, Step step) const {
        const int linksOut = std::clamp(map_.linkCount[zone], 0, maxLinks);
        for (int k = 1; k <= linksOut; ++k) {
            const int to = map_.links[zone][k];
            if (to >= 1 && to <= zones_ && to != zone) step(to);
        }
    }

    ZoneSet reachedFrom(int start) const {
        ZoneSet seen;
        std::vector<int> todo{start};
        seen.set(static_cast<std::size_t>(start));
        while (!todo.empty()) {
            const int at = todo.back();
            todo.pop_back();
            eachLink(at, [&](int to) {
                if (!seen.test(static_cast<std::size_t>(to))) {
                    seen.set(static_cast<std::size_t>(to));
                    todo.push_back(to);
                }
            });
        }
        return seen;
    }

    bool reaches(int from, int to) const { return reached_[from].test(static_cast<std::size_t>(to)); }

    // The lowest zone of the group of zones that reach z and that z reaches.
    int strongHead(int z) const {
        for (int y = 1; y < z; ++y)
            if (reaches(z, y) && reaches(y, z)) return y;
        return z;
    }

    int root(int z) {
        while (weakRoot_[z] != z) z = weakRoot_[z] = weakRoot_[weakRoot_[z]];
        return z;
    }
    void join(int a, int b) {
        const int ra = root(a), rb = root(b);
        weakRoot_[std::max(ra, rb)] = std::min(ra, rb);
    }
    std::vector<int> membersOf(int weakRoot) {
        std::vector<int> members;
        for (int z = 1; z <= zones_; ++z)
            if (root(z) == weakRoot) members.push_back(z);
        return members;
    }

    void tellCutOff(const std::vector<int>& members, Findings& findings) const {
        const std::string sentence =
            members.size() == 1
                ? capitalized(zoneLabel(map_, members[0])) + " has no link to or from any other zone."
                : capitalized(zoneList(map_, members)) +
                      " form a group that no link joins to the rest of the map.";
        findings.push_back({MapFinding::Weight::stopsPlay, sentence});
    }

    bool leadsOut(const std::vector<int>& members) const {
        bool out = false;
        for (const int z : members)
            eachLink(z, [&](int to) { out = out || !isIn(members, to); });
        return out;
    }

    bool isEntered(const std::vector<int>& members) const {
        bool entered = false;
        for (int z = 1; z <= zones_; ++z) {
            if (!isIn(members, z)) eachLink(z, [&](int to) { entered = entered || isIn(members, to); });
        }
        return entered;
    }

    void tellDeadEnd(const std::vector<int>& members, Findings& findings) const {
        const std::string sentence =
            members.size() == 1
                ? capitalized(zoneLabel(map_, members[0])) +
                      " has no link to another zone: the cursor cannot leave it, and a player there cannot attack."
                : capitalized(zoneList(map_, members)) +
                      " link only to one another: the cursor cannot leave them once there.";
        findings.push_back({MapFinding::Weight::stopsPlay, sentence});
    }

    void tellOutOfReach(const std::vector<int>& members, Findings& findings) const {
        const bool holdsStart = isIn(members, 1);
        const std::string cursor = holdsStart ? "." : ", and the cursor can never go there.";
        const std::string sentence =
            members.size() == 1
                ? "No link from another zone reaches " + zoneLabel(map_, members[0]) +
                      ": no one can attack it" + cursor
                : "No link from the other zones reaches " + zoneList(map_, members) +
                      ": no one outside can attack them" + cursor;
        findings.push_back({MapFinding::Weight::stopsPlay, sentence});
    }

    static bool isIn(const std::vector<int>& members, int zone) {
        return std::find(members.begin(), members.end(), zone) != members.end();
    }

    const MapRecord& map_;
    int zones_;
    std::array<int, maxZones + 1> weakRoot_{};
    std::array<ZoneSet, maxZones + 1> reached_{};
};

}  // namespace

void findReachFaults(const MapRecord& map, Findings& findings) { Reach(map).find(findings); }

}  // namespace sonarch::mapcheck
