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
    // Sends SIGTERM and waits; the exit status, or nullopt when it did not end.
    std::optional<int> terminate();
    // Waits for the process to end by itself (a fault point): its status.
    std::optional<int> waitForExit(int seconds);

private:
    pid_t pid_ = -1;
    int port_ = 0;
    std::string firstLine_;
};

// One HTTP GET on 127.0.0.1: the status and the body.
struct HttpAnswer {
    int status = 0;
    std::string body;
};
HttpAnswer httpGet(int port, const std::string& target);

}  // namespace sonarch::testing
