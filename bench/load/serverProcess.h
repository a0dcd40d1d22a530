// The server under load as the system sees it: its processor time and
// resident memory from /proc, and, when the tester is to start it, the
// program on a free port of 127.0.0.1 with a fresh data folder.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

namespace sonarch::load {

struct ProcessUsage {
    double cpuSeconds = 0;  // user and system, since the process began
    long residentKb = 0;    // VmRSS
    long peakResidentKb = 0;  // VmHWM
};
std::optional<ProcessUsage> usageOf(pid_t pid);

class StartedServer {
public:
    // Starts `program --serve --port 0 --data-dir FOLDER` with the extra
    // arguments and reads the port from its first line; the server's
    // standard error goes to FOLDER/server.log.
    StartedServer(const std::string& program, const std::vector<std::string>& extra);
    ~StartedServer();
    StartedServer(const StartedServer&) = delete;
    StartedServer& operator=(const StartedServer&) = delete;

    bool running() const { return port_ != 0; }
    int port() const { return port_; }
    pid_t pid() const { return pid_; }
    const std::string& folder() const { return folder_; }
    // SIGTERM, then waits up to 20 seconds (SIGKILL after): the exit status.
    std::optional<int> stop();

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string folder_;
};

}  // namespace sonarch::load
