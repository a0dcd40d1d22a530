// Online, the program holds the board each move's outcomes lead to against
// the board the server sends after it: moves the table really played agree
// with it, every time; a board that does not is told once, and the game is
// told from the server's.
#include <gtest/gtest.h>

#include <algorithm>

#include "board.h"
#include "table/Table.h"

namespace sonarch::testing {
namespace {

struct Recorder : TableListener {
    std::vector<Played> heard;
    void played(const Played& played) override { heard.push_back(played); }
};

const std::string differ = "say: Your board and the server's differ; the server's is used.";

int countOf(const std::vector<std::string>& lines, const std::string& line) {
    return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

// A person and a computer player on four zones, the person's attack phase.
struct ServerTable {
    RandomSource random;
    Table table{random};
    Recorder recorder;
    Session session;
    std::int64_t moves = 0;

    ServerTable() {
        table.seatListener(&recorder);
        Board board = boardOf({"Jacob"}, {{"Hill", {2}, 1, 5}, {"Fen", {1, 3}, 2, 2}, {"Moor", {2, 4}, 2, 3},
                                          {"Dale", {3}, 0, 0}});
        table.setUp(board, Strength::Standard);
        session.start();
        session.run.session.onlineJoined("K, Q, X, W.", "", 1);
        session.run.session.onlineBoard(table.board(), 0, true, false, 0);
        session.said();
    }

    // Plays the move at the table and hands every move it led to over, each
    // board through doctor first.
    void play(const Move& move, void (*doctor)(Board&) = nullptr) {
        recorder.heard.clear();
        ASSERT_EQ(table.play(1, move), Refusal::None);
        for (Played played : recorder.heard) {
            if (doctor) doctor(played.after);
            session.run.session.onlinePlayed(played, ++moves);
        }
    }
};

TEST(ServerBoard, MovesPlayedAtTheTableAgreeWithTheirBoards) {
    ServerTable server;
    // Two rounds: a battle, placing, the turn ended with points kept, and
    // the computer player's turns that follow.
    for (int round = 0; round < 2 && !server.table.board().gameOver; ++round) {
        const Board& now = server.table.board();
        if (now.zoneArmy[1] >= 2 && now.zoneOwner[2] != 1) server.play(Move::attack(1, 2));
        if (server.table.board().gameOver) break;
        server.play(Move::endPhase());
        if (server.table.board().points[1] > 0 && server.table.board().zoneArmy[1] < 8) server.play(Move::place(1));
        if (server.table.board().turnPlayer == 1 && !server.table.board().gameOver) server.play(Move::endPhase());
    }
    EXPECT_GT(server.moves, 4);
    EXPECT_EQ(countOf(server.session.said(), differ), 0);
}

TEST(ServerBoard, ABoardThatDiffersIsToldOnceAndTheServersIsPlayed) {
    ServerTable server;
    server.play(Move::attack(1, 2), [](Board& board) { board.zoneArmy[4] = 7; });
    server.play(Move::endPhase(), [](Board& board) {
        board.zoneArmy[4] = 7;
        board.zoneOwner[4] = 2;
    });
    const auto said = server.session.said();
    EXPECT_EQ(countOf(said, differ), 1) << "told once";
    EXPECT_EQ(server.session.form.view().board.zoneOwner[4], 2) << "the server's board is the one played";
    EXPECT_EQ(server.session.form.view().board.zoneArmy[4], 7);
}

}  // namespace
}  // namespace sonarch::testing
