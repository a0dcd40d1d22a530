// Whole games played on the table, every move and every board written as
// the server writes them and read back as a client reads them: the client
// must hold exactly what the table handed out.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "files/mapFormat.h"
#include "net/protocol.h"
#include "support.h"
#include "table/Table.h"

namespace sonarch::net {
namespace {

struct Recording : TableListener {
    std::vector<Played> heard;
    void played(const Played& played) override { heard.push_back(played); }
};

std::shared_ptr<const MapRecord> bundledMap(const std::string& file) {
    MapRecord map;
    std::string whyNot;
    EXPECT_TRUE(parseMap(testing::contentsOf(testing::sourceDir() / "Maps" / file), map, whyNot)) << whyNot;
    return std::make_shared<const MapRecord>(std::move(map));
}

// A plain player for the people's seats: claims the first free zone,
// attacks from the first zone at least as strong as a zone it reaches,
// places on the first zone that takes a point (now and then all it takes).
Move personMove(const Board& board, int seat, std::size_t step) {
    const int zones = board.zoneCount();
    if (board.choosingStart != 0)
        for (int zone = 1; zone <= zones; ++zone)
            if (board.zoneOwner[zone] == 0) return Move::claim(zone);
    if (board.placingPoints != 0) {
        for (int zone = 1; zone <= zones; ++zone)
            if (pointsPlaceableOn(board, seat, zone) > 0) return step % 3 == 0 ? Move::placeAll(zone) : Move::place(zone);
        return Move::endPhase();
    }
    for (int from = 1; from <= zones; ++from)
        for (int to = 1; to <= zones; ++to)
            if (board.zoneArmy[from] >= board.zoneArmy[to] && moveRefusal(board, seat, Move::attack(from, to)) == Refusal::None)
                return Move::attack(from, to);
    return Move::endPhase();
}

std::vector<Played> wholeGame(const std::shared_ptr<const MapRecord>& map, const std::vector<std::string>& people,
                              int computers, Strength strength, std::uint64_t seed) {
    RandomSource random;
    random.pinSeed(seed);
    random.seedFromClock(0);
    Table table(random);
    Recording recording;
    table.seatListener(&recording);
    table.newGame(map, people, computers, strength);
    for (std::size_t step = 0; !table.board().gameOver && step < 20000; ++step) {
        const int seat = table.board().turnPlayer;
        const Refusal refused = table.play(seat, personMove(table.board(), seat, step));
        EXPECT_EQ(refused, Refusal::None) << "step " << step;
        if (refused != Refusal::None) break;
    }
    EXPECT_TRUE(table.board().gameOver);
    return recording.heard;
}

auto fieldsOf(const Outcome& o) {
    return std::tie(o.kind, o.player, o.zone, o.from, o.defender, o.roll1, o.roll2, o.army, o.points, o.name);
}

// The seats as a room tells them: the names the seats had at the start.
std::vector<SeatInfo> seatsOf(const Board& start, const Board& now) {
    std::vector<SeatInfo> seats;
    for (int seat = 1; seat <= now.playerCount; ++seat)
        seats.push_back({.name = start.playerName[seat], .computer = now.isComputer[seat] != 0, .connected = true});
    return seats;
}

TEST(ProtocolGames, EveryMoveAndBoardOfWholeGamesReadsBackAsPlayed) {
    const struct {
        std::string map;
        std::vector<std::string> people;
        int computers;
        Strength strength;
    } games[] = {
        {"Broad World.map", {"Anna", "Ben"}, 2, Strength::Standard},
        {"Old Towns.map", {"Anna"}, 3, Strength::Strong},
        {"Tumbling Waters.map", {"Anna", "Ben", "Cy"}, 2, Strength::Gentle},
        {"Hundred Holds.map", {"Anna", "Ben"}, 4, Strength::Standard},
    };
    std::set<Outcome::Kind> kindsSeen;
    std::set<Phase> phasesSeen;
    for (std::uint64_t seed = 1; seed <= 3; ++seed)
        for (const auto& game : games) {
            SCOPED_TRACE(game.map + " seed " + std::to_string(seed));
            const auto map = bundledMap(game.map);
            const std::vector<Played> played = wholeGame(map, game.people, game.computers, game.strength, seed);
            ASSERT_FALSE(played.empty());
            for (std::size_t k = 0; k < played.size(); ++k) {
                const Played& expected = played[k];
                const auto move = static_cast<std::int64_t>(k + 1);
                const ServerParse events = parseServerMessage(encodeEvents(move, expected), map);
                ASSERT_TRUE(events.message) << events.error;
                const Played& got = events.message->played;
                EXPECT_EQ(events.message->move, move);
                EXPECT_EQ(got.kind, expected.kind);
                EXPECT_EQ(got.seat, expected.seat);
                EXPECT_EQ(got.move, expected.move);
                EXPECT_EQ(got.placed, expected.placed);
                ASSERT_EQ(got.outcomes.size(), expected.outcomes.size());
                for (std::size_t o = 0; o < got.outcomes.size(); ++o) {
                    EXPECT_EQ(fieldsOf(got.outcomes[o]), fieldsOf(expected.outcomes[o])) << "move " << move;
                    kindsSeen.insert(expected.outcomes[o].kind);
                }

                // Every other board carries the map; the rest lean on the one the client holds.
                const bool withMap = k % 2 == 0;
                const std::string text = encodeBoard(expected.after, seatsOf(played[0].after, expected.after), move,
                                                     true, withMap);
                const ServerParse board = parseServerMessage(text, withMap ? nullptr : map);
                ASSERT_TRUE(board.message) << board.error;
                phasesSeen.insert(board.message->phase);
                Board got2 = board.message->board;
                // The client decides who listens; the protocol leaves it out.
                got2.humanPlayer = expected.after.humanPlayer;
                EXPECT_TRUE(got2 == expected.after) << "move " << move << ": " << text;
                EXPECT_EQ(*got2.map, *map);
            }
        }
    EXPECT_EQ(kindsSeen.size(), 12U) << "every kind of outcome went through the messages";
    EXPECT_EQ(phasesSeen, (std::set<Phase>{Phase::Start, Phase::Attack, Phase::Place, Phase::Over}));
}

}  // namespace
}  // namespace sonarch::net
