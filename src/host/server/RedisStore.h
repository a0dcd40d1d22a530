// The rooms in Redis, shared by several server processes. Each room is held
// by one process at a time through a lease (a key set only if absent, with
// an expiry, renewed while the process lives); its moves go to a stream
// whose entry IDs are the move numbers, appended by a script that checks
// the lease and the stream's last entry first, so a process that lost its
// lease without knowing it can never append, and two holders never both
// accept a move. Another process rebuilds a room from its record and moves
// alone. The processes pass their clients' messages to a room's holder
// through publish and subscribe.
//
// hiredis blocks, so threads of its own talk to Redis: one for commands,
// in pipelined batches (many rooms' moves in one round trip and one write to
// Redis's log), one that passes notes to other processes, and one that
// listens for theirs. Everything they learn is
// posted to the rooms' thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "host/server/Store.h"
#include "host/server/redisConnection.h"
#include "net/protocol.h"

namespace sonarch::server {

// Where a room asked for by its code is.
struct Whereabouts {
    enum class Kind { Missing, Taken, Elsewhere, Unreachable };
    Kind kind = Kind::Missing;
    std::string holder;  // Elsewhere: the process that holds it
    StoredRoom room{};   // Taken: the room, now held here, to rebuild
};

enum class Reservation { Made, Taken, Unreachable };

class RedisStore final : public Store {
public:
    RedisStore(RedisAddress address, std::string self, double leaseSeconds, Post post);
    ~RedisStore() override;
    RedisStore(const RedisStore&) = delete;
    RedisStore& operator=(const RedisStore&) = delete;

    // What the rooms' thread is told, each posted to it. Set before start().
    std::function<void(const std::string& code)> leaseLost;
    std::function<void(const std::string& note)> relayed;
    std::function<void(const std::string& process)> processGone;

    void start();
    // Finishes the writes waiting and lets the rooms go; notes to other
    // processes still go out until the store is destroyed.
    void stop();
    const std::string& self() const { return self_; }
    bool reachable() const { return reachable_; }

    void saveRoom(const RoomRecord& room, std::function<void()> afterCommit = {}) override;
    void addMoves(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                  std::function<void()> afterCommit) override;
    void removeRoom(const std::string& code) override;

    // A new room's code, kept for this process; Taken when another room has it.
    void reserve(const RoomRecord& room, std::function<void(Reservation)> done);
    // Finds a room, and takes it here when nobody holds it.
    void find(const std::string& code, std::function<void(Whereabouts)> done);
    // Takes up to `most` rooms whose holders are gone.
    void adoptOrphans(int most, std::function<void(std::vector<StoredRoom>)> done);
    // This process lets go of a room (another may take it).
    void release(const std::string& code);
    // The public rooms waiting for people, of every process.
    void listPublic(std::function<void(std::vector<net::RoomListing>)> done);
    // A note for another process; lost if it is gone (its clients come back).
    void relay(const std::string& process, std::string note);
    // Whether process lives is checked with the leases; processGone tells.
    void watchProcess(const std::string& process);

private:
    struct Job {
        std::vector<RedisCommand> commands;
        // Called on the commands' thread with the replies, or with nullptr
        // when Redis could not be reached and the job is not kept.
        std::function<void(const std::vector<RedisReply>*)> done;
        bool keep = false;  // a write: tried again until Redis takes it
        // Called on the commands' thread once, just before the first try.
        std::function<void(Job&)> prepare{};
    };
    void submit(Job job);
    void work();
    void runBatch(std::vector<Job>& batch);
    void renewLeases();
    void listen();
    void letGo();
    std::string key(const std::string& kind, const std::string& code) const;
    std::string leaseMs() const;
    Job appendJob(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                  std::function<void()> afterCommit);

    RedisAddress address_;
    std::string self_;
    double leaseSeconds_;
    Post post_;
    std::atomic<bool> reachable_{false};

    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<Job> waiting_;
    bool stopping_ = false;
    // The worker's own: the rooms held, each with its stream's last entry.
    std::map<std::string, std::string> tails_;
    std::set<std::string> watched_;
    RedisConnection commands_;
    std::thread worker_;

    std::mutex notesMutex_;
    std::condition_variable notesWake_;
    std::deque<std::pair<std::string, std::string>> notes_;  // to a process, the note
    bool notesStopping_ = false;
    RedisConnection notesConnection_;
    std::thread notesThread_;
    void passNotes();
    void stopNotes();

    RedisConnection listener_;
    std::atomic<bool> listening_{false};
    std::thread listenerThread_;
};

// A process's name among the others: random, new at each start.
std::string newProcessName();

}  // namespace sonarch::server
