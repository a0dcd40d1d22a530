#include "host/server/Room.h"

#include <algorithm>

#include "rules/newGame.h"
#include "rules/strength.h"

namespace sonarch::server {

namespace {
// A stand-in's turn ends well before this many steps; the bound only keeps
// a rule gone wrong from holding the server.
constexpr int mostStandInSteps = 5000;

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// Before the game a seat nobody holds yet, and a computer player's, go by
// their number: the computer players draw their names at the start.
std::string waitingName(const SeatRecord& seat) {
    if (seat.kind == SeatRecord::Kind::Person) return seat.name;
    return (seat.kind == SeatRecord::Kind::Open ? "Seat " : "Computer player ") + std::to_string(seat.seat);
}

bool beginsATurn(const Played& played) {
    return std::any_of(played.outcomes.begin(), played.outcomes.end(),
                       [](const Outcome& outcome) { return outcome.kind == Outcome::Kind::TurnBegins; });
}
}  // namespace

Move moveOfRecord(const MoveRecord& record) {
    return {.kind = static_cast<Move::Kind>(record.kind), .zone = record.zone, .from = record.from,
            .count = record.count};
}

MoveRecord recordOfMove(std::int64_t number, int seat, const Move& move) {
    return {.number = number, .seat = seat, .kind = static_cast<int>(move.kind), .zone = move.zone,
            .from = move.from, .count = move.count};
}

Room::Room(RoomRecord record, ShelvedMap map)
    : record_(std::move(record)), map_(std::move(map)), presence_(record_.seats.size()) {
    record_.mapName = map_.record->mapName;
    dice_.pinSeed(record_.seed);
    dice_.seedFromClock(0);
    standInChoices_.pinSeed(record_.standInSeed);
    standInChoices_.seedFromClock(0);
    table_.seatListener(this);
}

bool Room::replay(const std::vector<MoveRecord>& moves) {
    const RoomRecord::State stored = record_.state;
    record_.state = RoomRecord::State::Waiting;
    for (const MoveRecord& move : moves) {
        Letters none;
        std::vector<MoveRecord> unused;
        if (move.kind == MoveRecord::gameStarts) {
            startGame(none, unused);
        } else if (!playing() || play(move.seat, moveOfRecord(move), none, unused) != Refusal::None) {
            return false;
        }
    }
    // A room that never started keeps the state it was stored in.
    if (moves.empty()) record_.state = stored;
    return true;
}

const Board& Room::board() const {
    if (started()) return table_.board();
    Board& waiting = const_cast<Board&>(waitingBoard_);
    waiting.map = map_.record;
    waiting.playerCount = seatCount();
    for (int s = 1; s <= seatCount(); ++s) {
        const SeatRecord& held = record_.seats[at(s - 1)];
        waiting.playerName[at(s)] = waitingName(held);
        waiting.isComputer[at(s)] = held.kind == SeatRecord::Kind::Computer ? 1 : 0;
    }
    return waitingBoard_;
}

int Room::seatOfToken(const std::string& token) const {
    if (token.empty()) return 0;
    for (const SeatRecord& held : record_.seats)
        if (held.kind == SeatRecord::Kind::Person && held.token == token) return held.seat;
    return 0;
}

int Room::openSeat() const {
    for (const SeatRecord& held : record_.seats)
        if (held.kind == SeatRecord::Kind::Open) return held.seat;
    return 0;
}

int Room::openSeats() const {
    return static_cast<int>(std::count_if(record_.seats.begin(), record_.seats.end(),
                                          [](const SeatRecord& s) { return s.kind == SeatRecord::Kind::Open; }));
}

bool Room::nameTaken(const std::string& name) const {
    return std::any_of(record_.seats.begin(), record_.seats.end(), [&](const SeatRecord& s) {
        return s.kind == SeatRecord::Kind::Person && sameName(s.name, name);
    });
}

int Room::firstPresentPerson() const {
    for (const SeatRecord& held : record_.seats)
        if (held.kind == SeatRecord::Kind::Person && !held.left) return held.seat;
    return 0;
}

std::vector<ConnectionId> Room::audience() const {
    std::vector<ConnectionId> everyone;
    for (const SeatPresence& present : presence_)
        if (present.connection != 0) everyone.push_back(present.connection);
    everyone.insert(everyone.end(), watchers_.begin(), watchers_.end());
    return everyone;
}

void Room::toEveryone(const std::shared_ptr<const std::string>& text, bool isBoard, Letters& out) const {
    for (const ConnectionId to : audience()) out.push_back({to, text, isBoard});
}

std::vector<net::SeatInfo> Room::seatInfo() const {
    const Board& now = board();
    std::vector<net::SeatInfo> seats;
    for (int s = 1; s <= seatCount(); ++s) {
        const SeatRecord& held = record_.seats[at(s - 1)];
        const SeatPresence& present = presence_[at(s - 1)];
        seats.push_back({.name = started() ? held.name : waitingName(held),
                         .computer = held.kind == SeatRecord::Kind::Computer,
                         .connected = present.connection != 0,
                         .out = started() && !now.inGame(s),
                         .away = present.away || held.left,
                         .open = held.kind == SeatRecord::Kind::Open});
    }
    return seats;
}

std::string Room::boardMessage(bool withMap) const {
    return net::encodeBoard(board(), seatInfo(), moveCount_, started(), withMap);
}

void Room::startGame(Letters& out, std::vector<MoveRecord>& stored) {
    std::vector<std::string> people;
    int computers = 0;
    for (SeatRecord& held : record_.seats) {
        if (held.kind == SeatRecord::Kind::Open) held.kind = SeatRecord::Kind::Computer;
        if (held.kind == SeatRecord::Kind::Person) {
            people.push_back(held.name);
        } else {
            ++computers;
        }
    }
    table_.newGame(map_.record, people, computers, static_cast<Strength>(record_.strength));
    // The computer players' names are drawn at the start; the seats keep
    // them, so that a player put out is still named.
    for (SeatRecord& held : record_.seats)
        if (held.kind == SeatRecord::Kind::Computer) held.name = table_.board().playerName[at(held.seat)];
    record_.state = RoomRecord::State::Playing;
    ++turnsBegun_;
    stored.push_back({.number = moveCount_, .seat = record_.creator, .kind = MoveRecord::gameStarts});
    history_.push_back(stored.back());
    toEveryone(std::make_shared<const std::string>(boardMessage(false)), true, out);
}

Refusal Room::play(int seat, const Move& move, Letters& out, std::vector<MoveRecord>& stored) {
    const std::int64_t number = moveCount_ + 1;
    out_ = &out;
    const Refusal refused = table_.play(seat, move);
    out_ = nullptr;
    if (refused != Refusal::None) return refused;
    stored.push_back(recordOfMove(number, seat, move));
    history_.push_back(stored.back());
    if (table_.board().gameOver) record_.state = RoomRecord::State::Over;
    return Refusal::None;
}

void Room::playRecorded(int seat, const Move& move, Letters& out, std::vector<MoveRecord>& stored) {
    play(seat, move, out, stored);
}

Move Room::standInMove(int seat, ComputerTurn& turn) {
    const Board& now = table_.board();
    Move move = Move::endPhase();
    if (now.choosingStart != 0) {
        ComputerTurn claiming;
        const ComputerMove choice = chooseMoveAt(Strength::Standard, now, claiming, standInChoices_);
        move = choice.kind == ComputerMove::Kind::Claim ? Move::claim(choice.zone) : Move::startOnZonesHeld();
    } else if (now.placingPoints != 0) {
        std::vector<int> open;
        for (int z = 1; z <= now.zoneCount(); ++z)
            if (pointsPlaceableOn(now, seat, z) > 0) open.push_back(z);
        if (!open.empty())
            move = Move::place(open[at(standInChoices_.drawWhole(static_cast<int>(open.size())) - 1)]);
    } else {
        const ComputerMove choice = chooseMoveAt(Strength::Standard, now, turn, standInChoices_);
        if (choice.kind == ComputerMove::Kind::Attack) move = Move::attack(choice.from, choice.zone);
    }
    return moveRefusal(now, seat, move) == Refusal::None ? move : Move::endPhase();
}

void Room::standIn(int seat, Letters& out, std::vector<MoveRecord>& stored) {
    ComputerTurn turn;
    for (int step = 0; step < mostStandInSteps; ++step) {
        const Board& now = table_.board();
        if (!playing() || now.gameOver || now.turnPlayer != seat) return;
        const Move move = standInMove(seat, turn);
        if (moveRefusal(now, seat, move) != Refusal::None) return;
        playRecorded(seat, move, out, stored);
    }
}

void Room::endTurn(int seat, Letters& out, std::vector<MoveRecord>& stored) {
    for (int step = 0; step < mostStandInSteps; ++step) {
        const Board& now = table_.board();
        if (!playing() || now.gameOver || now.turnPlayer != seat) return;
        // A turn cannot end before a starting zone is held: the stand-in
        // chooses one, and plays nothing more of the turn.
        ComputerTurn unused;
        const Move move = now.choosingStart != 0 ? standInMove(seat, unused) : Move::endPhase();
        if (moveRefusal(now, seat, move) != Refusal::None) return;
        playRecorded(seat, move, out, stored);
    }
}

std::vector<std::shared_ptr<const std::string>> Room::missedAfter(std::int64_t move) const {
    std::vector<std::shared_ptr<const std::string>> missed;
    Room again(record_, map_);
    const std::vector<net::SeatInfo> seats = seatInfo();
    again.capture_ = [&](const Played& played) {
        if (again.moveCount_ <= move || again.moveCount_ > moveCount_) return;
        missed.push_back(std::make_shared<const std::string>(net::encodeEvents(again.moveCount_, played)));
        // A client that comes back may be a new one: the first board brings the map.
        const bool withMap = missed.size() == 1;
        missed.push_back(std::make_shared<const std::string>(
            net::encodeBoard(played.after, seats, again.moveCount_, true, withMap)));
    };
    again.replay(history_);
    return missed;
}

void Room::played(const Played& played) {
    ++moveCount_;
    if (capture_) capture_(played);
    if (beginsATurn(played)) ++turnsBegun_;
    if (out_ == nullptr) return;
    auto events = std::make_shared<const std::string>(net::encodeEvents(moveCount_, played));
    toEveryone(events, false, *out_);
    auto board = std::make_shared<const std::string>(
        net::encodeBoard(played.after, seatInfo(), moveCount_, true, false));
    toEveryone(board, true, *out_);
}

}  // namespace sonarch::server
