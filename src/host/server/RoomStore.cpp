#include "host/server/RoomStore.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>
#include <map>

#include "host/server/sqliteDatabase.h"

namespace sonarch::server {

namespace {
const char* const schema = R"(
CREATE TABLE IF NOT EXISTS rooms (
  code TEXT PRIMARY KEY, map_text TEXT NOT NULL, seed INTEGER NOT NULL, stand_in_seed INTEGER NOT NULL,
  people INTEGER NOT NULL, computers INTEGER NOT NULL, strength INTEGER NOT NULL, public INTEGER NOT NULL,
  turn_limit INTEGER NOT NULL, creator INTEGER NOT NULL, state INTEGER NOT NULL,
  created_ms INTEGER NOT NULL, touched_ms INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS seats (
  room TEXT NOT NULL, seat INTEGER NOT NULL, kind INTEGER NOT NULL, name TEXT NOT NULL, token TEXT NOT NULL,
  left_room INTEGER NOT NULL, PRIMARY KEY (room, seat));
CREATE TABLE IF NOT EXISTS moves (
  id INTEGER PRIMARY KEY AUTOINCREMENT, room TEXT NOT NULL, number INTEGER NOT NULL, seat INTEGER NOT NULL,
  kind INTEGER NOT NULL, zone INTEGER NOT NULL, from_zone INTEGER NOT NULL, count INTEGER NOT NULL);
CREATE INDEX IF NOT EXISTS moves_of_room ON moves (room, id);
)";

std::int64_t bits(std::uint64_t value) { return static_cast<std::int64_t>(value); }
std::int64_t milliseconds(double seconds) { return static_cast<std::int64_t>(seconds * 1000.0); }

// SONARCH_FAULT=in-transaction:N or after-commit:N, for the tests that kill
// the server at the worst moments: the Nth transaction dies before its
// commit, or the Nth commit is done and nobody has been told.
void readFault(const char* value, int& kind, std::int64_t& at) {
    if (value == nullptr) return;
    const std::string text = value;
    const auto colon = text.find(':');
    if (colon == std::string::npos) return;
    const std::string name = text.substr(0, colon);
    kind = name == "in-transaction" ? 1 : name == "after-commit" ? 2 : 0;
    at = std::atoll(text.c_str() + colon + 1);
    if (at <= 0) kind = 0;
}
}  // namespace

struct RoomStore::Statements {
    explicit Statements(sqlite3* db)
        : saveRoom(db,
                   "INSERT OR REPLACE INTO rooms VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13)"),
          clearSeats(db, "DELETE FROM seats WHERE room = ?1"),
          addSeat(db, "INSERT INTO seats VALUES (?1, ?2, ?3, ?4, ?5, ?6)"),
          addMove(db, "INSERT INTO moves (room, number, seat, kind, zone, from_zone, count) "
                      "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7)"),
          removeRoom(db, "DELETE FROM rooms WHERE code = ?1"),
          removeMoves(db, "DELETE FROM moves WHERE room = ?1") {}
    Statement saveRoom, clearSeats, addSeat, addMove, removeRoom, removeMoves;
};

RoomStore::RoomStore(const std::string& path, Post post)
    : post_(std::move(post)), db_(std::make_unique<Database>(path)) {
    db_->execute("PRAGMA journal_mode=WAL");
    db_->execute("PRAGMA synchronous=FULL");
    db_->execute(schema);
    statements_ = std::make_unique<Statements>(db_->handle());
    int kind = 0;
    readFault(std::getenv("SONARCH_FAULT"), kind, faultAt_);
    fault_ = static_cast<Fault>(kind);
}

RoomStore::~RoomStore() {
    stop();
    statements_.reset();
}

std::vector<StoredRoom> RoomStore::loadAll() {
    std::vector<StoredRoom> rooms;
    std::map<std::string, std::size_t> index;
    Statement readRooms(db_->handle(), "SELECT * FROM rooms ORDER BY created_ms, code");
    while (readRooms.step()) {
        RoomRecord room;
        room.code = readRooms.text(0);
        room.mapText = readRooms.text(1);
        room.seed = static_cast<std::uint64_t>(readRooms.integer(2));
        room.standInSeed = static_cast<std::uint64_t>(readRooms.integer(3));
        room.people = static_cast<int>(readRooms.integer(4));
        room.computers = static_cast<int>(readRooms.integer(5));
        room.strength = static_cast<int>(readRooms.integer(6));
        room.isPublic = readRooms.integer(7) != 0;
        room.turnLimit = static_cast<int>(readRooms.integer(8));
        room.creator = static_cast<int>(readRooms.integer(9));
        room.state = static_cast<RoomRecord::State>(readRooms.integer(10));
        room.created = static_cast<double>(readRooms.integer(11)) / 1000.0;
        room.touched = static_cast<double>(readRooms.integer(12)) / 1000.0;
        index[room.code] = rooms.size();
        rooms.push_back({std::move(room), {}});
    }
    Statement readSeats(db_->handle(), "SELECT * FROM seats ORDER BY room, seat");
    while (readSeats.step()) {
        const auto found = index.find(readSeats.text(0));
        if (found == index.end()) continue;
        SeatRecord seat;
        seat.seat = static_cast<int>(readSeats.integer(1));
        seat.kind = static_cast<SeatRecord::Kind>(readSeats.integer(2));
        seat.name = readSeats.text(3);
        seat.token = readSeats.text(4);
        seat.left = readSeats.integer(5) != 0;
        rooms[found->second].room.seats.push_back(std::move(seat));
    }
    Statement readMoves(db_->handle(),
                        "SELECT room, number, seat, kind, zone, from_zone, count FROM moves ORDER BY id");
    while (readMoves.step()) {
        const auto found = index.find(readMoves.text(0));
        if (found == index.end()) continue;
        rooms[found->second].moves.push_back({.number = readMoves.integer(1),
                                              .seat = static_cast<int>(readMoves.integer(2)),
                                              .kind = static_cast<int>(readMoves.integer(3)),
                                              .zone = static_cast<int>(readMoves.integer(4)),
                                              .from = static_cast<int>(readMoves.integer(5)),
                                              .count = static_cast<int>(readMoves.integer(6))});
    }
    return rooms;
}

void RoomStore::start() { writer_ = std::thread([this] { run(); }); }

void RoomStore::saveRoom(const RoomRecord& room, std::function<void()> afterCommit) {
    submit({[this, room] { writeRoom(room); }, std::move(afterCommit)});
}

void RoomStore::writeRoom(const RoomRecord& room) {
                Statements& s = *statements_;
                s.saveRoom.bind(1, room.code)
                    .bind(2, room.mapText)
                    .bind(3, bits(room.seed))
                    .bind(4, bits(room.standInSeed))
                    .bind(5, room.people)
                    .bind(6, room.computers)
                    .bind(7, room.strength)
                    .bind(8, room.isPublic ? 1 : 0)
                    .bind(9, room.turnLimit)
                    .bind(10, room.creator)
                    .bind(11, static_cast<int>(room.state))
                    .bind(12, milliseconds(room.created))
                    .bind(13, milliseconds(room.touched))
                    .run();
                s.clearSeats.bind(1, room.code).run();
                for (const SeatRecord& seat : room.seats)
                    s.addSeat.bind(1, room.code)
                        .bind(2, seat.seat)
                        .bind(3, static_cast<int>(seat.kind))
                        .bind(4, seat.name)
                        .bind(5, seat.token)
                        .bind(6, seat.left ? 1 : 0)
                        .run();
}

void RoomStore::addMoves(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                         std::function<void()> afterCommit) {
    submit({[this, code, moves, room] {
                writeRoom(room);
                for (const MoveRecord& move : moves)
                    statements_->addMove.bind(1, code)
                        .bind(2, move.number)
                        .bind(3, move.seat)
                        .bind(4, move.kind)
                        .bind(5, move.zone)
                        .bind(6, move.from)
                        .bind(7, move.count)
                        .run();
            },
            std::move(afterCommit)});
}

void RoomStore::removeRoom(const std::string& code) {
    submit({[this, code] {
                statements_->removeRoom.bind(1, code).run();
                statements_->clearSeats.bind(1, code).run();
                statements_->removeMoves.bind(1, code).run();
            },
            {}});
}

void RoomStore::submit(Write write) {
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(write));
    }
    wake_.notify_one();
}

std::int64_t RoomStore::commits() const {
    const std::lock_guard lock(mutex_);
    return commits_;
}

void RoomStore::run() {
    for (;;) {
        std::vector<Write> batch;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !waiting_.empty(); });
            if (waiting_.empty()) return;
            batch.swap(waiting_);
        }
        commitBatch(batch);
    }
}

void RoomStore::commitBatch(std::vector<Write>& batch) {
    try {
        db_->execute("BEGIN IMMEDIATE");
        for (Write& write : batch) write.apply();
        std::int64_t number = 0;
        {
            const std::lock_guard lock(mutex_);
            number = ++commits_;
        }
        if (fault_ == Fault::InTransaction && number == faultAt_) _exit(137);
        db_->execute("COMMIT");
        if (fault_ == Fault::AfterCommit && number == faultAt_) _exit(137);
    } catch (const std::exception& error) {
        // A move that cannot be kept must not be told: the server stops, and
        // its rooms continue from what the disk holds when it starts again.
        std::cerr << "sonarch: the rooms cannot be written: " << error.what() << std::endl;
        _exit(1);
    }
    for (Write& write : batch)
        if (write.afterCommit) post_(std::move(write.afterCommit));
}

void RoomStore::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (writer_.joinable()) writer_.join();
}

}  // namespace sonarch::server
