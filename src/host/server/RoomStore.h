// The rooms on disk (SQLite, WAL, synchronous=FULL), written by a thread of
// its own in short group commits: it takes every write waiting, commits them
// in one transaction, and only then hands each write's message sending back,
// so that nobody hears of a move that a crash could lose, and no room waits
// on another's disk for more than one commit.
#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "host/server/Store.h"
#include "host/server/roomRecord.h"

namespace sonarch::server {

class RoomStore final : public Store {
public:
    RoomStore(const std::string& path, Post post);
    ~RoomStore() override;
    RoomStore(const RoomStore&) = delete;
    RoomStore& operator=(const RoomStore&) = delete;

    // Every stored room with its moves, read before the writer starts.
    std::vector<StoredRoom> loadAll();
    void start();

    void saveRoom(const RoomRecord& room, std::function<void()> afterCommit = {}) override;
    void addMoves(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                  std::function<void()> afterCommit) override;
    void removeRoom(const std::string& code) override;
    // Commits whatever waits, then stops the writer. The functions of the
    // last commit have been posted when it returns.
    void stop();
    std::int64_t commits() const;

private:
    struct Write {
        std::function<void()> apply;  // runs inside the transaction
        std::function<void()> afterCommit;
    };
    struct Statements;
    void submit(Write write);
    void writeRoom(const RoomRecord& room);
    void run();
    void commitBatch(std::vector<Write>& batch);

    Post post_;
    std::unique_ptr<class Database> db_;
    std::unique_ptr<Statements> statements_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::vector<Write> waiting_;
    bool stopping_ = false;
    std::int64_t commits_ = 0;
    std::thread writer_;
    // The test-only fault point of SONARCH_FAULT.
    enum class Fault { None, InTransaction, AfterCommit } fault_ = Fault::None;
    std::int64_t faultAt_ = 0;
};

}  // namespace sonarch::server
