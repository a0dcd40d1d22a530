// The events message: one move as the table played it, each outcome with
// only the fields its kind fills, so that reading it back gives the very
// outcomes the rules returned.
#include <boost/json/array.hpp>
#include <boost/json/object.hpp>
#include <boost/json/serialize.hpp>

#include <array>

#include "net/playerText.h"
#include "net/protocol.h"
#include "net/serverParts.h"

namespace sonarch::net {

namespace json = boost::json;
using Kind = Outcome::Kind;

namespace {
std::size_t at(int index) { return static_cast<std::size_t>(index); }

// The fields an outcome of each kind fills (the player always).
enum Field : unsigned {
    Zone = 1,
    From = 2,
    Defender = 4,
    Rolls = 8,
    Army = 16,
    Points = 32,
    Name = 64,
    NameIfAny = 128,  // the battle that put the defender out names it
    ZonesPlaced = 256,  // the army field counts zones, not armies
};

struct KindFields {
    Kind kind;
    std::string_view name;
    unsigned fields;
};

constexpr std::array<KindFields, 12> kinds{{
    {Kind::StartClaimed, "startClaimed", Zone | Army},
    {Kind::ZoneTaken, "zoneTaken", Zone | From | Army},
    {Kind::BattleWon, "battleWon", Zone | From | Defender | Rolls | Army | NameIfAny},
    {Kind::BattleLost, "battleLost", Zone | From | Defender | Rolls | Army},
    {Kind::PlayerOut, "playerOut", Name},
    {Kind::HumanDefeated, "lastPersonOut", Name},
    {Kind::GameWon, "gameWon", 0},
    {Kind::PointPlaced, "pointPlaced", Zone | Army | Points},
    {Kind::ComputerPlaced, "computerPlaced", Army | ZonesPlaced},
    {Kind::TurnBegins, "turnBegins", 0},
    {Kind::PlacingOpens, "placingOpens", Points},
    {Kind::PointsKept, "pointsKept", Points},
}};

const KindFields& fieldsOf(Kind kind) {
    for (const KindFields& known : kinds)
        if (known.kind == kind) return known;
    return kinds[0];
}

constexpr std::array<std::pair<Played::Kind, std::string_view>, 4> byNames{{
    {Played::Kind::Move, "move"},
    {Played::Kind::TurnOver, "turnOver"},
    {Played::Kind::ComputerMove, "computer"},
    {Played::Kind::TurnPassed, "turnPassed"},
}};

// Highest total of a roll: every die of the largest army a six.
constexpr int highestRoll = 6 * maxArmy;

json::object outcomeObject(const Outcome& outcome) {
    const unsigned fields = fieldsOf(outcome.kind).fields;
    json::object out;
    out["kind"] = fieldsOf(outcome.kind).name;
    out["player"] = outcome.player;
    if (fields & Zone) out["zone"] = outcome.zone;
    if (fields & From) out["from"] = outcome.from;
    if (fields & Defender) out["defender"] = outcome.defender;
    if (fields & Rolls) out["rolls"] = json::array{outcome.roll1, outcome.roll2};
    if (fields & Army) out["army"] = outcome.army;
    if (fields & Points) out["points"] = outcome.points;
    if ((fields & Name) || ((fields & NameIfAny) && !outcome.name.empty())) out["name"] = outcome.name;
    return out;
}

json::object moveObject(const Move& move) {
    json::object out;
    switch (move.kind) {
    case Move::Kind::Claim:
        out["type"] = "claim";
        out["zone"] = move.zone;
        break;
    case Move::Kind::Attack:
        out["type"] = "attack";
        out["from"] = move.from;
        out["to"] = move.zone;
        break;
    case Move::Kind::Place:
        out["type"] = "place";
        out["zone"] = move.zone;
        if (move.count > 1) out["count"] = move.count;
        break;
    case Move::Kind::EndPhase: out["type"] = "end"; break;
    }
    return out;
}

void readOutcome(FieldReader& in, Outcome& outcome) {
    const auto kindName = in.text("kind", "the event's kind");
    if (!kindName) return;
    const KindFields* known = nullptr;
    for (const KindFields& candidate : kinds)
        if (candidate.name == *kindName) known = &candidate;
    if (known == nullptr) return in.refuse("That is not an event the game knows.");
    const unsigned fields = known->fields;
    outcome.kind = known->kind;
    outcome.player = in.small("player", "the event's player", 0, maxPlayerSlots).value_or(0);
    if (fields & Zone) outcome.zone = in.small("zone", "the event's zone", 1, maxZones).value_or(0);
    if (fields & From) outcome.from = in.small("from", "the attacking zone", 1, maxZones).value_or(0);
    if (fields & Defender) outcome.defender = in.small("defender", "the defender", 1, maxPlayerSlots).value_or(0);
    if (fields & Rolls) {
        const json::array* rolls = in.array("rolls", "the rolls", 2);
        if (rolls != nullptr) {
            for (const json::value& roll : *rolls)
                if (!roll.is_int64() || roll.get_int64() < 0 || roll.get_int64() > highestRoll)
                    return in.refuse("Each roll must be from 0 to 48.");
            if (rolls->size() != 2) return in.refuse("A battle has two rolls.");
            outcome.roll1 = static_cast<int>((*rolls)[0].get_int64());
            outcome.roll2 = static_cast<int>((*rolls)[1].get_int64());
        }
    }
    if (fields & Army)
        outcome.army = in.small("army", "the event's army", 0, (fields & ZonesPlaced) ? maxZones : maxArmy).value_or(0);
    if (fields & Points) outcome.points = in.small("points", "the event's points", 0, mostPoints).value_or(0);
    if (fields & (Name | NameIfAny)) {
        outcome.name = in.text("name", "the event's name", (fields & Name) != 0).value_or("");
        if (!serverTextRefusal(outcome.name, mostServerNameCharacters, true).empty())
            in.refuse("An event's name must have at most 100 characters and no control character.");
    }
}

void readMove(FieldReader& in, Move& move) {
    const auto type = in.text("type", "the move's type");
    if (!type) return;
    if (*type == "claim") {
        // Zone 0: the seat found nothing to claim and starts on what it holds.
        move = Move::claim(in.small("zone", "the zone claimed", 0, maxZones).value_or(0));
    } else if (*type == "attack") {
        const int from = in.small("from", "the attacking zone", 1, maxZones).value_or(0);
        move = Move::attack(from, in.small("to", "the zone attacked", 1, maxZones).value_or(0));
    } else if (*type == "place") {
        const int zone = in.small("zone", "the zone placed on", 1, maxZones).value_or(0);
        move = Move::place(zone, in.small("count", "the points placed", 1, maxArmy, false).value_or(1));
    } else if (*type == "end") {
        move = Move::endPhase();
    } else {
        in.refuse("That is not a move the game knows.");
    }
}

void readPlaced(FieldReader& in, const json::array& placed, ZoneTable<int>& table) {
    readEach(in, placed, "the points placed", [&](FieldReader& entry) {
        const int zone = entry.small("zone", "the zone placed on", 1, maxZones).value_or(0);
        const int points = entry.small("points", "the points placed", 1, maxArmy).value_or(0);
        if (!entry.ok()) return;
        if (table[at(zone)] != 0) return entry.refuse("A zone is placed on twice.");
        table[at(zone)] = points;
    });
}
}  // namespace

std::string encodeEvents(std::int64_t move, const Played& played) {
    json::object out;
    out["type"] = "events";
    out["move"] = move;
    out["seat"] = played.seat;
    for (const auto& [kind, name] : byNames)
        if (kind == played.kind) out["by"] = name;
    if (played.kind == Played::Kind::ComputerMove) {
        json::array placed;
        for (int zone = 1; zone <= maxZones; ++zone)
            if (played.placed[at(zone)] != 0)
                placed.push_back(json::object{{"zone", zone}, {"points", played.placed[at(zone)]}});
        out["placed"] = std::move(placed);
    } else {
        out["play"] = moveObject(played.move);
    }
    json::array events;
    for (const Outcome& outcome : played.outcomes) events.push_back(outcomeObject(outcome));
    out["events"] = std::move(events);
    return json::serialize(out);
}

void readEvents(FieldReader& in, ServerMessage& message) {
    // A move's outcomes are a handful; a thousand is no move of this game.
    constexpr std::size_t mostOutcomes = 1000;
    Played& played = message.played;
    message.move = in.whole("move", "the move", 0, INT64_MAX).value_or(0);
    played.seat = in.small("seat", "the seat", 1, maxPlayerSlots).value_or(0);
    const auto by = in.text("by", "who moved");
    if (!in.ok()) return;
    bool knownBy = false;
    for (const auto& [kind, name] : byNames)
        if (name == *by) {
            played.kind = kind;
            knownBy = true;
        }
    if (!knownBy) return in.refuse("A move is made by move, turnOver, computer or turnPassed.");
    if (played.kind == Played::Kind::ComputerMove) {
        if (const json::array* placed = in.array("placed", "the points placed", maxZones))
            readPlaced(in, *placed, played.placed);
    } else if (const json::object* play = in.object("play", "the move played")) {
        FieldReader entry(*play);
        readMove(entry, played.move);
        if (!entry.ok()) in.refuse(entry.reason());
    }
    if (!in.ok()) return;
    const json::array* events = in.array("events", "the events", mostOutcomes);
    if (events == nullptr) return;
    readEach(in, *events, "the events", [&](FieldReader& entry) {
        Outcome outcome{.kind = Kind::TurnBegins};
        readOutcome(entry, outcome);
        played.outcomes.push_back(std::move(outcome));
    });
}

}  // namespace sonarch::net
