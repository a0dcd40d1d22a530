// A watcher that says nothing after asking to watch: it reads and decodes
// every message a room sends, as a client would, and counts whether its
// connection is still held.
#pragma once

#include <memory>
#include <string>

#include "loadConnection.h"
#include "loadRun.h"
#include "rules/Board.h"

namespace sonarch::load {

class IdleWatcher {
public:
    IdleWatcher(LoadRun& run, std::string room);
    void start();

private:
    LoadRun& run_;
    std::string room_;
    std::shared_ptr<LoadConnection> link_;
    std::shared_ptr<const MapRecord> map_;
    bool joined_ = false;
};

}  // namespace sonarch::load
