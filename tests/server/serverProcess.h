// The real server program, started on 127.0.0.1 with a free port and a
// data folder of its own, for the tests that play against it.
#pragma once

#include <sys/types.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sonarch::testing {

// A fresh folder under the system's temporary folder, removed at the end.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

class ServerProcess {
public:
    // Starts `sonarch --serve --port 0 --data-dir folder` with the extra
    // arguments and environment, and waits for its first line.
    ServerProcess(const std::string& folder, const std::vector<std::string>& extra = {},
                  const std::map<std::string, std::string>& environment = {});
    ~ServerProcess();

    int port() const { return port_; }
    const std::string& firstLine() const { return firstLine_; }
    // kill -9.
    void kill();
    // Freezes the process (SIGSTOP) and wakes it (SIGCONT): a process that
    // stalls long enough to lose its rooms without knowing it.
    void freeze();
    void thaw();
    // Sends SIGTERM and waits; the exit status, or nullopt when it did not end.
    std::optional<int> terminate();
    // Waits for the process to end by itself (a fault point): its status.
    std::optional<int> waitForExit(int seconds);

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string firstLine_;
};

// A Redis of its own on a free port of 127.0.0.1, writing every change to its
// append-only file before it answers; killed at the end.
class RedisProcess {
public:
    explicit RedisProcess(const std::string& folder);
    ~RedisProcess();
    std::string url() const { return "redis://127.0.0.1:" + std::to_string(port_); }
    // What redis-cli prints for the command (arguments without blanks).
    std::string ask(const std::string& command) const;

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

// One HTTP GET on 127.0.0.1: the status and the body.
struct HttpAnswer {
    int status = 0;
    std::string body;
};
HttpAnswer httpGet(int port, const std::string& target);

}  // namespace sonarch::testing
