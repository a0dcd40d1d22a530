#include "server/serverProcess.h"

#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <thread>

namespace sonarch::testing {

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "sonarch-server-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

ServerProcess::ServerProcess(const std::string& folder, const std::vector<std::string>& extra,
                             const std::map<std::string, std::string>& environment) {
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("no pipe");
    pid_ = fork();
    if (pid_ == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        const std::string log = folder + "/server.log";
        FILE* err = fopen(log.c_str(), "a");
        if (err != nullptr) dup2(fileno(err), 2);
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        std::vector<std::string> args{SONARCH_PROGRAM, "--serve", "--port", "0", "--data-dir", folder};
        args.insert(args.end(), extra.begin(), extra.end());
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        execv(SONARCH_PROGRAM, argv.data());
        _exit(127);
    }
    close(out[1]);
    // The first line names the port; a server that says nothing in ten
    // seconds has failed.
    std::string line;
    pollfd wait{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && poll(&wait, 1, 10000) > 0) {
        char buffer[256];
        const ssize_t got = read(out[0], buffer, sizeof buffer);
        if (got <= 0) break;
        line.append(buffer, static_cast<std::size_t>(got));
    }
    close(out[0]);
    firstLine_ = line.substr(0, line.find('\n'));
    const auto colon = firstLine_.rfind(':');
    if (colon == std::string::npos) {
        kill();
        throw std::runtime_error("the server did not start: " + firstLine_);
    }
    port_ = std::atoi(firstLine_.c_str() + colon + 1);
}

ServerProcess::~ServerProcess() { kill(); }

void ServerProcess::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

std::optional<int> ServerProcess::waitForExit(int seconds) {
    if (pid_ <= 0) return std::nullopt;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < until) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

std::optional<int> ServerProcess::terminate() {
    if (pid_ <= 0) return std::nullopt;
    ::kill(pid_, SIGTERM);
    return waitForExit(10);
}

HttpAnswer httpGet(int port, const std::string& target) {
    namespace beast = boost::beast;
    namespace http = beast::http;
    boost::asio::io_context io;
    beast::tcp_stream stream(io);
    stream.connect({boost::asio::ip::make_address("127.0.0.1"), static_cast<unsigned short>(port)});
    http::request<http::empty_body> request(http::verb::get, target, 11);
    request.set(http::field::host, "127.0.0.1");
    http::write(stream, request);
    beast::flat_buffer buffer;
    http::response<http::string_body> response;
    http::read(stream, buffer, response);
    return {static_cast<int>(response.result_int()), response.body()};
}

}  // namespace sonarch::testing
