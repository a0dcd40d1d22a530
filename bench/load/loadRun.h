// What every bot and watcher of a run shares: the one io_context, the gate
// that paces the handshakes, the server's port, the options and the figures.
#pragma once

#include <boost/asio.hpp>

#include "loadConnection.h"
#include "loadFigures.h"
#include "loadOptions.h"

namespace sonarch::load {

struct LoadRun {
    boost::asio::io_context& io;
    ConnectGate& gate;
    int port;
    const LoadOptions& options;
    LoadFigures& figures;
    // Once set, no bot starts another move or another game.
    bool stopping = false;
};

}  // namespace sonarch::load
