// Where a server keeps its rooms: SQLite on one machine, or Redis shared by
// several server processes. Either way a write's telling (afterCommit) runs
// on the rooms' thread only once the write is safe, and never when it was
// not: nobody hears of a move that could be lost.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "host/server/roomRecord.h"

namespace sonarch::server {

class Store {
public:
    // post runs a function on the thread that owns the rooms.
    using Post = std::function<void(std::function<void()>)>;
    virtual ~Store() = default;

    virtual void saveRoom(const RoomRecord& room, std::function<void()> afterCommit = {}) = 0;
    virtual void addMoves(const std::string& code, const std::vector<MoveRecord>& moves, const RoomRecord& room,
                          std::function<void()> afterCommit) = 0;
    virtual void removeRoom(const std::string& code) = 0;
};

}  // namespace sonarch::server
