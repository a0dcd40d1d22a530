#include "host/server/RedisStore.h"

#include <charconv>
#include <chrono>
#include <iostream>

#include "host/harmlessText.h"
#include "host/server/redisScripts.h"
#include "host/server/roomJson.h"
#include "host/server/systemRandom.h"

namespace sonarch::server {

namespace {
constexpr const char* prefix = "sonarch:";
constexpr const char* roomsKey = "sonarch:rooms";

constexpr const char* publicKey = "sonarch:public";
// Where the append's command holds the stream's last entry, filled in last.
constexpr std::size_t tailArgument = 11;

// A room's line in the list of public rooms waiting for people, as the
// list's answer gives it: code, maker, map, seats open, people, computers.
std::string listingOf(const RoomRecord& room) {
    int open = 0;
    for (const SeatRecord& seat : room.seats) open += seat.kind == SeatRecord::Kind::Open ? 1 : 0;
    if (!room.isPublic || room.state != RoomRecord::State::Waiting || open == 0) return {};
    const std::string& mapName = room.mapName;
    const std::string creator = room.seats.at(static_cast<std::size_t>(room.creator - 1)).name;
    return room.code + "\n" + creator + "\n" + mapName + "\n" + std::to_string(open) + "\n" +
           std::to_string(room.people) + "\n" + std::to_string(room.computers);
}

// A move's entry in its room's stream: its number, and a start after the
// moves before it, so that the IDs only grow.
std::string entryId(const MoveRecord& move) {
    return std::to_string(move.number) + (move.kind == MoveRecord::gameStarts ? "-1" : "-0");
}

long long wholeOf(const std::string& text) {
    long long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// A stream entry back to a move; nothing when it is not one of ours.
std::optional<MoveRecord> moveOfEntry(const RedisReply& entry) {
    if (entry.items.size() != 2 || entry.items[1].items.size() != 12) return std::nullopt;
    std::map<std::string, long long> fields;
    const auto& pairs = entry.items[1].items;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) fields[pairs[i].text] = wholeOf(pairs[i + 1].text);
    for (const char* name : {"n", "s", "k", "z", "f", "c"})
        if (fields.find(name) == fields.end()) return std::nullopt;
    return MoveRecord{.number = fields["n"],
                      .seat = static_cast<int>(fields["s"]),
                      .kind = static_cast<int>(fields["k"]),
                      .zone = static_cast<int>(fields["z"]),
                      .from = static_cast<int>(fields["f"]),
                      .count = static_cast<int>(fields["c"])};
}

void warn(const std::string& what) { std::cerr << "sonarch: redis: " << harmless(what) << std::endl; }
}  // namespace

std::string newProcessName() {
    static const char* const digits = "0123456789abcdef";
    std::string name;
    std::uint64_t bits = systemRandom64();
    for (int i = 0; i < 12; ++i, bits >>= 4) name += digits[bits & 15];
    return name;
}

RedisStore::RedisStore(RedisAddress address, std::string self, double leaseSeconds, Post post)
    : address_(address), self_(std::move(self)), leaseSeconds_(leaseSeconds), post_(std::move(post)),
      commands_(address), notesConnection_(address), listener_(address, true) {}

RedisStore::~RedisStore() {
    stop();
    stopNotes();
}

std::string RedisStore::key(const std::string& kind, const std::string& code) const {
    return std::string(prefix) + kind + ":" + code;
}

std::string RedisStore::leaseMs() const { return std::to_string(static_cast<long long>(leaseSeconds_ * 1000)); }

void RedisStore::start() {
    worker_ = std::thread([this] { work(); });
    notesThread_ = std::thread([this] { passNotes(); });
    listening_ = true;
    listenerThread_ = std::thread([this] { listen(); });
}

void RedisStore::stop() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (worker_.joinable()) worker_.join();
}

// Notes outlive the writes: the goodbyes to clients passed through other
// processes go out after the last write is told.
void RedisStore::stopNotes() {
    {
        const std::lock_guard lock(notesMutex_);
        notesStopping_ = true;
    }
    notesWake_.notify_one();
    if (notesThread_.joinable()) notesThread_.join();
    listening_ = false;
    listener_.interrupt();
    if (listenerThread_.joinable()) listenerThread_.join();
}

void RedisStore::submit(Job job) {
    {
        const std::lock_guard lock(mutex_);
        waiting_.push_back(std::move(job));
    }
    wake_.notify_one();
}

RedisStore::Job RedisStore::appendJob(const std::string& code, const std::vector<MoveRecord>& moves,
                                      const RoomRecord& room, std::function<void()> afterCommit) {
    // The stream's last entry before this write is filled in on the
    // worker, which alone knows it.
    Job made;
    made.keep = true;
    const std::string lastId = moves.empty() ? std::string() : entryId(moves.back());
    RedisCommand command{"EVAL",         redisScripts::append, "5",       key("lease", code), key("moves", code),
                         key("room", code), roomsKey,           publicKey, self_,              leaseMs(),
                         roomJson(room), "",                   lastId,    code,               listingOf(room)};
    for (const MoveRecord& move : moves) {
        for (const std::string& field :
             {entryId(move), std::to_string(move.number), std::to_string(move.seat), std::to_string(move.kind),
              std::to_string(move.zone), std::to_string(move.from), std::to_string(move.count)})
            command.push_back(field);
    }
    made.commands.push_back(std::move(command));
    made.prepare = [this, code, lastId](Job& job) {
        const auto tail = tails_.find(code);
        job.commands.front()[tailArgument] = tail == tails_.end() ? std::string("none") : tail->second;
        if (tail != tails_.end() && !lastId.empty()) tail->second = lastId;
    };
    made.done = [this, code, lastId, afterCommit = std::move(afterCommit)](const std::vector<RedisReply>* replies) {
        if (replies == nullptr) return;
        const RedisReply& reply = replies->front();
        if (reply.isError()) {
            // Another process holds the room now, or wrote moves this one
            // never had: what waited here is never told, and the room goes.
            warn("room " + code + " is no longer held here: " + reply.text);
            tails_.erase(code);
            if (leaseLost) post_([this, code] { leaseLost(code); });
            return;
        }
        if (afterCommit) post_(afterCommit);
    };
    return made;
}

void RedisStore::saveRoom(const RoomRecord& room, std::function<void()> afterCommit) {
    submit(appendJob(room.code, {}, room, std::move(afterCommit)));
}

void RedisStore::addMoves(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                          std::function<void()> afterCommit) {
    submit(appendJob(code, moves, room, std::move(afterCommit)));
}

void RedisStore::removeRoom(const std::string& code) {
    Job job;
    job.keep = true;
    job.commands.push_back({"EVAL", redisScripts::remove, "5", key("lease", code), key("room", code),
                            key("moves", code), roomsKey, publicKey, self_, code});
    job.done = [this, code](const std::vector<RedisReply>*) { tails_.erase(code); };
    submit(std::move(job));
}

void RedisStore::release(const std::string& code) {
    Job job;
    job.commands.push_back({"EVAL", "if redis.call('GET', KEYS[1]) == ARGV[1] then redis.call('DEL', KEYS[1]) end",
                            "1", key("lease", code), self_});
    job.done = [this, code](const std::vector<RedisReply>*) { tails_.erase(code); };
    submit(std::move(job));
}

void RedisStore::reserve(const RoomRecord& room, std::function<void(Reservation)> done) {
    Job job;
    job.commands.push_back({"EVAL", redisScripts::reserve, "3", key("room", room.code), key("lease", room.code),
                            roomsKey, self_, leaseMs(), roomJson(room), room.code});
    job.done = [this, code = room.code, done = std::move(done)](const std::vector<RedisReply>* replies) {
        Reservation result = Reservation::Unreachable;
        if (replies != nullptr && !replies->front().isError())
            result = replies->front().text == "TAKEN" ? Reservation::Taken : Reservation::Made;
        if (result == Reservation::Made) tails_[code] = "0-0";
        post_([done, result] { done(result); });
    };
    submit(std::move(job));
}

void RedisStore::find(const std::string& code, std::function<void(Whereabouts)> done) {
    Job job;
    job.commands.push_back(
        {"EVAL", redisScripts::take, "3", key("lease", code), key("room", code), key("moves", code), self_, leaseMs()});
    job.done = [this, code, done = std::move(done)](const std::vector<RedisReply>* replies) {
        auto found = std::make_shared<Whereabouts>();
        found->kind = Whereabouts::Kind::Unreachable;
        if (replies != nullptr) {
            const RedisReply& reply = replies->front();
            const std::string what = reply.items.empty() ? std::string() : reply.items[0].text;
            found->kind = Whereabouts::Kind::Missing;
            if (what == "HELD" && reply.items.size() == 2) {
                found->kind = Whereabouts::Kind::Elsewhere;
                found->holder = reply.items[1].text;
            } else if (what == "TAKEN" && reply.items.size() == 3) {
                if (auto room = roomOfJson(reply.items[1].text)) {
                    found->kind = Whereabouts::Kind::Taken;
                    found->room.room = std::move(*room);
                    std::string tail = "0-0";
                    for (const RedisReply& entry : reply.items[2].items) {
                        if (auto move = moveOfEntry(entry)) found->room.moves.push_back(*move);
                        if (!entry.items.empty()) tail = entry.items[0].text;
                    }
                    tails_[code] = tail;
                } else {
                    warn("room " + code + " cannot be read");
                    found->kind = Whereabouts::Kind::Missing;
                }
            }
        }
        post_([done, found] { done(std::move(*found)); });
    };
    submit(std::move(job));
}

void RedisStore::adoptOrphans(int most, std::function<void(std::vector<StoredRoom>)> done) {
    Job job;
    job.commands.push_back({"EVAL", redisScripts::orphans, "1", roomsKey, prefix, std::to_string(most)});
    job.done = [this, done = std::move(done)](const std::vector<RedisReply>* replies) {
        if (replies == nullptr || replies->front().items.empty()) return;
        // Each is taken on its own: another process may be quicker to one.
        auto taken = std::make_shared<std::vector<StoredRoom>>();
        auto left = std::make_shared<std::size_t>(replies->front().items.size());
        for (const RedisReply& code : replies->front().items) {
            find(code.text, [taken, left, done](Whereabouts found) {
                if (found.kind == Whereabouts::Kind::Taken) taken->push_back(std::move(found.room));
                if (--*left == 0) done(std::move(*taken));
            });
        }
    };
    submit(std::move(job));
}

void RedisStore::listPublic(std::function<void(std::vector<net::RoomListing>)> done) {
    Job job;
    job.commands.push_back({"HVALS", publicKey});
    job.done = [this, done = std::move(done)](const std::vector<RedisReply>* replies) {
        std::vector<net::RoomListing> rooms;
        if (replies != nullptr) {
            for (const RedisReply& line : replies->front().items) {
                std::vector<std::string> parts;
                std::size_t from = 0;
                for (std::size_t at; (at = line.text.find('\n', from)) != std::string::npos; from = at + 1)
                    parts.push_back(line.text.substr(from, at - from));
                parts.push_back(line.text.substr(from));
                if (parts.size() != 6) continue;
                rooms.push_back({.room = parts[0],
                                 .creator = parts[1],
                                 .map = parts[2],
                                 .seatsOpen = static_cast<int>(wholeOf(parts[3])),
                                 .people = static_cast<int>(wholeOf(parts[4])),
                                 .computers = static_cast<int>(wholeOf(parts[5]))});
                if (rooms.size() >= 50) break;
            }
        }
        post_([done, rooms = std::move(rooms)] { done(rooms); });
    };
    submit(std::move(job));
}

void RedisStore::relay(const std::string& process, std::string note) {
    {
        const std::lock_guard lock(notesMutex_);
        notes_.emplace_back(process, std::move(note));
    }
    notesWake_.notify_one();
}

// Notes go on a connection of their own, so that a client's message passed
// to its room's holder never waits behind another room's write to disk.
void RedisStore::passNotes() {
    for (;;) {
        std::vector<std::pair<std::string, std::string>> batch;
        {
            std::unique_lock lock(notesMutex_);
            notesWake_.wait(lock, [this] { return notesStopping_ || !notes_.empty(); });
            if (notes_.empty()) return;
            batch.assign(std::make_move_iterator(notes_.begin()), std::make_move_iterator(notes_.end()));
            notes_.clear();
        }
        std::vector<RedisCommand> commands;
        for (auto& [process, note] : batch) commands.push_back({"PUBLISH", key("relay", process), std::move(note)});
        const auto replies = notesConnection_.pipeline(commands);
        if (!replies) {
            // Lost notes would leave clients waiting for answers that never
            // come: every passed connection closes, and its client comes back.
            if (relayed) post_([this] { relayed(std::string()); });
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            continue;
        }
        std::set<std::string> gone;
        for (std::size_t i = 0; i < replies->size(); ++i)
            if ((*replies)[i].kind == RedisReply::Kind::Number && (*replies)[i].number == 0) gone.insert(batch[i].first);
        // Nobody listens there: that process is gone, whatever its leases say.
        for (const std::string& process : gone)
            if (processGone) post_([this, process] { processGone(process); });
    }
}

void RedisStore::watchProcess(const std::string& process) {
    Job job;
    job.done = [this, process](const std::vector<RedisReply>*) { watched_.insert(process); };
    submit(std::move(job));
}

void RedisStore::work() {
    using Clock = std::chrono::steady_clock;
    const auto renewEvery = std::chrono::duration<double>(leaseSeconds_ / 4);
    auto nextRenewal = Clock::now();
    for (;;) {
        std::vector<Job> batch;
        {
            std::unique_lock lock(mutex_);
            wake_.wait_until(lock, nextRenewal, [this] { return stopping_ || !waiting_.empty(); });
            if (stopping_ && waiting_.empty()) return letGo();
            for (auto& job : waiting_) batch.push_back(std::move(job));
            waiting_.clear();
        }
        if (Clock::now() >= nextRenewal) {
            nextRenewal = Clock::now() + std::chrono::duration_cast<Clock::duration>(renewEvery);
            Job renewal;
            renewal.commands.push_back({"SET", key("process", self_), "1", "PX", leaseMs()});
            std::vector<std::string> held, processes(watched_.begin(), watched_.end());
            for (const auto& [code, tail] : tails_) {
                held.push_back(code);
                renewal.commands.push_back({"EVAL", redisScripts::renew, "1", key("lease", code), self_, leaseMs()});
            }
            for (const std::string& process : processes) renewal.commands.push_back({"EXISTS", key("process", process)});
            renewal.done = [this, held, processes](const std::vector<RedisReply>* replies) {
                if (replies == nullptr) return;
                for (std::size_t i = 0; i < held.size(); ++i) {
                    if ((*replies)[1 + i].number != 0) continue;
                    warn("the lease of room " + held[i] + " was lost");
                    tails_.erase(held[i]);
                    if (leaseLost) post_([this, code = held[i]] { leaseLost(code); });
                }
                for (std::size_t i = 0; i < processes.size(); ++i) {
                    if ((*replies)[1 + held.size() + i].number != 0) continue;
                    watched_.erase(processes[i]);
                    if (processGone) post_([this, process = processes[i]] { processGone(process); });
                }
            };
            batch.insert(batch.begin(), std::move(renewal));
        }
        runBatch(batch);
        // Writes Redis has not taken wait for it, in their order, before
        // anything newer: nothing is told that Redis does not hold.
        std::vector<Job> kept;
        for (Job& job : batch)
            if (job.keep) kept.push_back(std::move(job));
        if (kept.empty()) continue;
        {
            std::unique_lock lock(mutex_);
            for (auto it = kept.rbegin(); it != kept.rend(); ++it) waiting_.push_front(std::move(*it));
            wake_.wait_for(lock, std::chrono::milliseconds(250), [this] { return stopping_; });
            if (stopping_) {
                warn("stopping with writes Redis never took; their moves were not told");
                return;
            }
        }
    }
}

// Runs a batch as one pipeline. The jobs that are done leave the batch;
// those left are writes to try again once Redis answers.
void RedisStore::runBatch(std::vector<Job>& batch) {
    std::vector<RedisCommand> commands;
    for (Job& job : batch) {
        if (job.prepare) {
            job.prepare(job);
            job.prepare = nullptr;
        }
        commands.insert(commands.end(), job.commands.begin(), job.commands.end());
    }
    std::optional<std::vector<RedisReply>> replies;
    if (!commands.empty()) replies = commands_.pipeline(commands);
    if (!commands.empty() && !replies) {
        if (reachable_.exchange(false)) warn("cannot be reached: " + commands_.lastError());
        for (Job& job : batch) {
            if (job.keep) continue;
            if (job.done) job.done(nullptr);
        }
        return;
    }
    if (!commands.empty() && !reachable_.exchange(true)) warn("reached");
    std::size_t at = 0;
    for (Job& job : batch) {
        const std::vector<RedisReply> own(replies ? replies->begin() + static_cast<std::ptrdiff_t>(at)
                                                  : std::vector<RedisReply>::const_iterator(),
                                          replies ? replies->begin() + static_cast<std::ptrdiff_t>(at + job.commands.size())
                                                  : std::vector<RedisReply>::const_iterator());
        at += job.commands.size();
        if (job.done) job.done(&own);
        job.keep = false;
    }
}

// A clean stop lets the rooms go at once, for other processes to take over
// without waiting for the leases to run out.
void RedisStore::letGo() {
    std::vector<RedisCommand> commands{{"DEL", key("process", self_)}};
    for (const auto& [code, tail] : tails_)
        commands.push_back({"EVAL", "if redis.call('GET', KEYS[1]) == ARGV[1] then redis.call('DEL', KEYS[1]) end",
                            "1", key("lease", code), self_});
    commands_.pipeline(commands);
}

void RedisStore::listen() {
    bool subscribed = false;
    while (listening_) {
        if (!subscribed) {
            if (!listener_.send({"SUBSCRIBE", key("relay", self_)})) {
                std::this_thread::sleep_for(std::chrono::milliseconds(250));
                continue;
            }
            subscribed = true;
        }
        auto message = listener_.next();
        if (!message) {
            subscribed = false;
            // Notes may have been lost while the subscription was down: the
            // rooms' thread closes the connections passed through others.
            if (listening_ && relayed) post_([this] { relayed(std::string()); });
            continue;
        }
        if (message->items.size() == 3 && message->items[0].text == "message" && relayed)
            post_([this, note = std::move(message->items[2].text)] { relayed(note); });
    }
}

}  // namespace sonarch::server
