// Play for a person: the window, or the terminal when asked for or when no
// display can be opened.
#pragma once

#include "host/Inbox.h"
#include "host/RunOptions.h"

namespace sonarch {

// Online, makeInbox makes the seat's connection to the server.
int runInteractive(const RunOptions& options, const OnlineStarter& makeInbox = {});

}  // namespace sonarch
