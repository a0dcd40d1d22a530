// `sonarch --serve`: the online game's server, until SIGTERM or SIGINT.
#pragma once

#include "host/RunOptions.h"

namespace sonarch::server {

// The exit status: 0 after a clean stop, 1 when the server cannot start.
int serve(const RunOptions& options);

}  // namespace sonarch::server
