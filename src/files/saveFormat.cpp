// A saved game is refused whole when a line is missing, a number line holds
// no number, a value lies outside the tables, the players or the zones of
// the game it describes, or its seats are not those of a game in play.
#include "files/saveFormat.h"

#include <vector>

#include "files/textItems.h"
#include "rules/moves.h"

namespace sonarch {

namespace {

// Generous bounds for values the rules keep small (armies stop at 8 through
// placement, held points at 20); a stray large number would only make a
// battle throw that many dice.
constexpr int largestArmy = 999;
constexpr int largestPoints = 999;

class SaveLines {
public:
    SaveLines(std::string_view text, std::string& whyNot)
        : lines_(text), whyNot_(whyNot) {}

    // Number of the line the next read takes, counted from 1.
    int lineNumber() const { return static_cast<int>(next_) + 1; }

    bool line(const std::string& what, std::string_view& value) {
        if (!lines_.next(value)) {
            whyNot_ = "the file ends before " + what + ", which belongs on line " +
                      std::to_string(lineNumber());
            return false;
        }
        ++next_;
        return true;
    }

    bool text(const std::string& what, std::string& value) {
        std::string_view read;
        if (!line(what, read)) return false;
        value.assign(read);
        return true;
    }

    // Text that names a map or a zone: not empty, and not too long to say.
    bool name(const std::string& what, std::string& value) {
        if (!text(what, value)) return false;
        const std::string problem = nameProblem(value);
        if (problem.empty()) return true;
        whyNot_ = where(what) + " " + problem;
        return false;
    }

    bool item(const std::string& what, std::string& value) {
        std::string_view read;
        if (!line(what, read)) return false;
        const auto found = firstItem(read);
        if (!found) {
            whyNot_ = where(what) + " opens a double quote that is not closed";
            return false;
        }
        value = *found;
        return true;
    }

    bool number(const std::string& what, int lowest, int highest, const std::string& rule,
                int& value) {
        std::string_view read;
        if (!line(what, read)) return false;
        const auto found = wholeNumber(read);
        if (!found) {
            whyNot_ = where(what) + " is not a number";
            return false;
        }
        if (*found < lowest || *found > highest) {
            whyNot_ = where(what) + " is " + std::to_string(*found) + ", but " + rule;
            return false;
        }
        value = *found;
        return true;
    }

private:
    // For the line just read.
    std::string where(const std::string& what) const {
        return what + " on line " + std::to_string(next_);
    }

    LineReader lines_;
    std::size_t next_ = 0;
    std::string& whyNot_;
};

const std::string flagRule = "it must be 0 or 1";

bool readHead(SaveLines& in, SaveRecord& r) {
    if (!in.name("the map name", r.map.mapName)) return false;
    if (!in.number("the number of zones", 1, maxZones, "a map has 1 to 100 zones", r.map.zoneCount))
        return false;
    if (!in.number("the number of players", 2, mostPlayers, "a game has 2 to 8 players",
                   r.playerCount))
        return false;
    const std::string players = "the players are 1 to " + std::to_string(r.playerCount);
    return in.number("the player whose turn it is", 1, r.playerCount, players, r.turnPlayer) &&
           in.number("the human player", 1, r.playerCount, players, r.humanPlayer) &&
           in.number("the starting zone flag", 0, 1, flagRule, r.choosingStart) &&
           in.number("the placing flag", 0, 1, flagRule, r.placingPoints);
}

bool readZone(SaveLines& in, SaveRecord& r, int z) {
    const std::string zone = "zone " + std::to_string(z);
    const std::string ownerRule =
        "an owner is 0 for none or a player from 1 to " + std::to_string(r.playerCount);
    const std::string linkRule =
        "the zones of this game are 1 to " + std::to_string(r.map.zoneCount);
    if (!in.name("the name of " + zone, r.map.zoneName[z]) ||
        !in.number("the owner of " + zone, 0, r.playerCount, ownerRule, r.zoneOwner[z]) ||
        !in.number("the number of links of " + zone, 0, maxLinks, "a zone has 0 to 10 links",
                   r.map.linkCount[z]) ||
        !in.number("the army of " + zone, 0, largestArmy, "an army is 0 to 999", r.zoneArmy[z]))
        return false;
    for (int k = 1; k <= r.map.linkCount[z]; ++k) {
        if (!in.number("link " + std::to_string(k) + " of " + zone, 1, r.map.zoneCount, linkRule,
                       r.map.links[z][k]))
            return false;
    }
    return true;
}

bool readPlayer(SaveLines& in, SaveRecord& r, int p) {
    const std::string player = "player " + std::to_string(p);
    return in.item("the name of " + player, r.playerName[p]) &&
           in.number("the computer flag of " + player, 0, 1, flagRule, r.isComputer[p]) &&
           in.number("the points of " + player, 0, largestPoints, "points are 0 to 999",
                     r.points[p]);
}

void addNumber(std::string& out, int value) {
    if (value >= 0) out += ' ';
    out += std::to_string(value);
    out += " \r\n";
}

void addText(std::string& out, const std::string& value) {
    out += value;
    out += "\r\n";
}

// The seats must be those of a game the program itself plays and saves: a
// game is saved only between key presses, in the turn of the person at the
// keys (line 5), with that person in the game; the other seats are people
// (flag 0) or computer players, and no more people than the map has seats.
// A file that breaks this would leave the game without a way on: a person's
// seat played by nobody, or a turn that never comes back.
bool seatsAgree(const SaveRecord& r, std::string& whyNot) {
    const int human = r.humanPlayer;
    if (r.playerName[human].empty()) {
        whyNot = "the human player has no name";
        return false;
    }
    if (r.turnPlayer != human) {
        whyNot = "it is the turn of player " + std::to_string(r.turnPlayer) +
                 ", but a game is saved only in the human player's turn";
        return false;
    }
    if (r.isComputer[human] != 0) {
        whyNot = "the human player is marked as a computer player";
        return false;
    }
    int people = 0;
    for (int p = 1; p <= r.playerCount; ++p)
        if (r.isComputer[p] == 0) ++people;
    if (people > seatsAllowed(r.map.zoneCount)) {
        const int seats = seatsAllowed(r.map.zoneCount);
        whyNot = std::to_string(people) + " people play, but a map of " + std::to_string(r.map.zoneCount) +
                 " zones has " + std::to_string(seats) + (seats == 1 ? " seat" : " seats");
        return false;
    }
    bool humanCanPlay = false;  // holds a zone, or has a free one to claim
    bool zoneFree = false;
    for (int z = 1; z <= r.map.zoneCount; ++z) {
        const int owner = r.zoneOwner[z];
        if (owner != 0 && r.playerName[owner].empty()) {
            whyNot = "player " + std::to_string(owner) + " is out of the game but holds zone " +
                     std::to_string(z);
            return false;
        }
        if (owner == 0 || owner == human) humanCanPlay = true;
        if (owner == 0) zoneFree = true;
    }
    // The turn would wait for a claim that no key can make.
    if (r.choosingStart == 1 && !zoneFree) {
        whyNot = "the human player has still to choose a starting zone, but no zone is free";
        return false;
    }
    if (!humanCanPlay) {
        whyNot = "the human player holds no zone and no zone is free to claim";
        return false;
    }
    return true;
}

}  // namespace

bool parseSave(std::string_view text, SaveRecord& record, std::string& whyNot) {
    text = withoutByteOrderMark(text);
    if (!looksLikeText(text)) {
        whyNot = "it is not a text file";
        return false;
    }
    SaveLines in(text, whyNot);
    if (!readHead(in, record)) return false;
    for (int z = 1; z <= record.map.zoneCount; ++z) {
        if (!readZone(in, record, z)) return false;
    }
    for (int p = 1; p <= record.playerCount; ++p) {
        if (!readPlayer(in, record, p)) return false;
    }
    return seatsAgree(record, whyNot);
}

std::string saveText(const SaveRecord& r) {
    std::string out;
    addText(out, r.map.mapName);
    for (const int value : {r.map.zoneCount, r.playerCount, r.turnPlayer, r.humanPlayer,
                            r.choosingStart, r.placingPoints})
        addNumber(out, value);
    for (int z = 1; z <= r.map.zoneCount; ++z) {
        addText(out, r.map.zoneName[z]);
        addNumber(out, r.zoneOwner[z]);
        addNumber(out, r.map.linkCount[z]);
        addNumber(out, r.zoneArmy[z]);
        for (int k = 1; k <= r.map.linkCount[z]; ++k) addNumber(out, r.map.links[z][k]);
    }
    for (int p = 1; p <= r.playerCount; ++p) {
        addText(out, r.playerName[p]);
        addNumber(out, r.isComputer[p]);
        addNumber(out, r.points[p]);
    }
    return out;
}

}  // namespace sonarch
