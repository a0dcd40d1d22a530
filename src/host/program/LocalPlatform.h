// The platform of the system the program is built for: the disk beside the
// program (or a data folder given) and the clock. Shared code that runs the
// game on the local disk (the headless run, the tests) names it so.
#pragma once

#ifdef _WIN32
#include "host/windows/WindowsPlatform.h"
namespace sonarch {
using LocalPlatform = WindowsPlatform;
}
#else
#include "host/posix/PosixPlatform.h"
namespace sonarch {
using LocalPlatform = PosixPlatform;
}
#endif
