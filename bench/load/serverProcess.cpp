#include "serverProcess.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace sonarch::load {

std::optional<ProcessUsage> usageOf(pid_t pid) {
    const std::string base = "/proc/" + std::to_string(pid);
    std::ifstream statFile(base + "/stat");
    std::string stat;
    if (!std::getline(statFile, stat)) return std::nullopt;
    // The command name may hold spaces; the fields after it are counted
    // from its closing parenthesis. utime and stime are fields 14 and 15.
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    unsigned long long ticks = 0;
    for (int number = 3; number <= 15 && fields >> field; ++number)
        if (number >= 14) ticks += std::strtoull(field.c_str(), nullptr, 10);
    ProcessUsage usage;
    usage.cpuSeconds = double(ticks) / double(sysconf(_SC_CLK_TCK));
    std::ifstream status(base + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) usage.residentKb = std::atol(line.c_str() + 6);
        if (line.rfind("VmHWM:", 0) == 0) usage.peakResidentKb = std::atol(line.c_str() + 6);
    }
    return usage;
}

StartedServer::StartedServer(const std::string& program, const std::vector<std::string>& extra) {
    char pattern[] = "/tmp/sonarch-load-XXXXXX";
    if (!mkdtemp(pattern)) return;
    folder_ = pattern;
    int out[2];
    if (pipe(out) != 0) return;
    std::vector<std::string> words{program, "--serve", "--port", "0", "--data-dir", folder_};
    words.insert(words.end(), extra.begin(), extra.end());
    const std::string log = folder_ + "/server.log";
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        if (FILE* errors = std::fopen(log.c_str(), "w")) dup2(fileno(errors), 2);
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    if (pid_ < 0) return;
    // The first line: "Sonarch server at http://127.0.0.1:PORT/".
    std::string line;
    char c = 0;
    while (line.size() < 200 && read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    const auto colon = line.rfind(':');
    if (line.rfind("Sonarch server at http://127.0.0.1:", 0) == 0 && colon != std::string::npos)
        port_ = std::atoi(line.c_str() + colon + 1);
}

std::optional<int> StartedServer::stop() {
    if (pid_ <= 0) return std::nullopt;
    kill(pid_, SIGTERM);
    int status = 0;
    for (int tenth = 0; tenth < 200; ++tenth) {
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, &status, 0);
    pid_ = -1;
    return std::nullopt;
}

StartedServer::~StartedServer() {
    stop();
    if (!folder_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
}

}  // namespace sonarch::load
