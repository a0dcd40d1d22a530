#include "host/terminal/terminalMode.h"

#include <pthread.h>
#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace sonarch::terminal {

namespace {

// xterm's modifyOtherKeys level 2, and the kitty protocol's flags
// "disambiguate" (1) and "report all keys" (8), which also reports Ctrl
// pressed alone. A terminal that knows neither ignores both requests.
constexpr char protocolsOn[] = "\x1b[>4;2m\x1b[>9u";
// Pops the kitty flags pushed above and sets modifyOtherKeys back to the
// terminal's own setting.
constexpr char protocolsOff[] = "\x1b[<u\x1b[>4m";

// What a signal handler needs to put the terminal back. Only plain data and
// async-signal-safe calls are used there.
struct Saved {
    termios original{};
    bool askProtocols = true;
    int fd = -1;
    int controlFd = -1;  // where the protocol requests are written
    volatile sig_atomic_t inKeyMode = 0;
    volatile sig_atomic_t taken = 0;
};
Saved saved;

void writeAll(int fd, const char* text, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, text, length);
        if (n <= 0) return;
        text += n;
        length -= static_cast<std::size_t>(n);
    }
}

void putBack() {
    if (!saved.taken) return;
    if (saved.inKeyMode && saved.askProtocols) writeAll(saved.controlFd, protocolsOff, sizeof protocolsOff - 1);
    saved.inKeyMode = 0;
    // Keys typed but not read are dropped, so that no half of an escape
    // sequence lands in the shell.
    ::tcsetattr(saved.fd, TCSAFLUSH, &saved.original);
}

termios keyModeOf(const termios& original) {
    termios raw = original;
    raw.c_iflag &= ~static_cast<tcflag_t>(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON);
    raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
    raw.c_cflag |= CS8;
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    // Output processing stays on, so a printed line still ends with a
    // carriage return and a screen reader sees ordinary lines.
    return raw;
}

void setRawMode() {
    const termios raw = keyModeOf(saved.original);
    ::tcsetattr(saved.fd, TCSANOW, &raw);
}

void enterKeyMode() {
    setRawMode();
    if (saved.askProtocols) writeAll(saved.controlFd, protocolsOn, sizeof protocolsOn - 1);
    saved.inKeyMode = 1;
}

// Put the terminal back, then let the signal do what it would have done:
// end the program, or leave a core dump for a crash.
void onFatalSignal(int signal) {
    putBack();
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

void onSuspend(int);

void handleSuspend() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    action.sa_handler = onSuspend;
    ::sigaction(SIGTSTP, &action, nullptr);
}

// Suspended by Ctrl+Z or from outside: the shell gets its terminal back as
// the player left it, the program stops until it is continued (fg), and then
// takes the terminal again in the mode it was in. The signal is blocked
// while its handler runs, so it is unblocked to stop with it here; raised
// still blocked it would only come back to this handler as soon as it
// returned, over and over, and the program would never stop.
void onSuspend(int) {
    const int savedErrno = errno;
    const bool wasTaken = saved.taken;
    const bool wasKeyMode = saved.inKeyMode;
    putBack();
    ::signal(SIGTSTP, SIG_DFL);
    sigset_t suspend;
    sigemptyset(&suspend);
    sigaddset(&suspend, SIGTSTP);
    ::pthread_sigmask(SIG_UNBLOCK, &suspend, nullptr);
    ::raise(SIGTSTP);
    // Continued.
    ::pthread_sigmask(SIG_BLOCK, &suspend, nullptr);
    handleSuspend();
    if (wasTaken) {
        if (wasKeyMode) enterKeyMode();
        else setRawMode();
    }
    errno = savedErrno;
}

// The Linux console, where many braille displays are read, knows neither
// protocol, and an old one would print part of the request as text.
bool protocolsUnderstood() {
    const char* term = std::getenv("TERM");
    if (term == nullptr) return true;
    const std::string_view name(term);
    return name != "dumb" && name.substr(0, 5) != "linux" && name.substr(0, 2) != "vt";
}

constexpr int fatalSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};

void installHandlers() {
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    sigemptyset(&action.sa_mask);
    action.sa_handler = onFatalSignal;
    for (int s : fatalSignals) ::sigaction(s, &action, nullptr);
    handleSuspend();
}

void removeHandlers() {
    for (int s : fatalSignals) ::signal(s, SIG_DFL);
    ::signal(SIGTSTP, SIG_DFL);
}

}  // namespace

TerminalMode::TerminalMode(int fd) {
    if (!::isatty(fd) || ::tcgetattr(fd, &saved.original) != 0) return;
    saved.fd = fd;
    saved.controlFd = ::isatty(STDOUT_FILENO) ? STDOUT_FILENO : fd;
    saved.askProtocols = protocolsUnderstood();
    saved.taken = 1;
    active_ = true;
    installHandlers();
    enterKeyMode();
}

TerminalMode::~TerminalMode() {
    if (!active_) return;
    restore();
    saved.taken = 0;
    removeHandlers();
}

void TerminalMode::keys() {
    if (active_ && !saved.inKeyMode) enterKeyMode();
}

void TerminalMode::line() {
    // The terminal stays byte by byte without echo: the line editor echoes
    // what is typed itself, so that Escape can cancel at once.
    if (!active_ || !saved.inKeyMode) return;
    if (saved.askProtocols) writeAll(saved.controlFd, protocolsOff, sizeof protocolsOff - 1);
    saved.inKeyMode = 0;
}

void TerminalMode::suspend() {
    // To the whole process group, as the terminal itself would send it.
    if (active_) ::kill(0, SIGTSTP);
}

void TerminalMode::restore() {
    if (active_) putBack();
}

}  // namespace sonarch::terminal
