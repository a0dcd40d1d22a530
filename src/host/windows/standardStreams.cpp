// The program is a window program, so Windows gives it no console. Started
// from one (for --help, or a headless run whose output is not redirected),
// it writes to that console; redirected, it writes its transcript byte for
// byte as on Linux, with no carriage returns added.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>

namespace {
const bool streamsReady = [] {
    if (!GetStdHandle(STD_OUTPUT_HANDLE) && AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::freopen("CONOUT$", "w", stdout);
        std::freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    return true;
}();
}  // namespace
