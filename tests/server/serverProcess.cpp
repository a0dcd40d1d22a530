#include "server/serverProcess.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/asio.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <chrono>
#include <filesystem>
#include <random>
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

void ServerProcess::freeze() { ::kill(pid_, SIGSTOP); }
void ServerProcess::thaw() { ::kill(pid_, SIGCONT); }

namespace {
bool answers(int port) {
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return connected;
}
}  // namespace

RedisProcess::RedisProcess(const std::string& folder) {
    for (int attempt = 0; attempt < 20 && port_ == 0; ++attempt) {
        const int port = 20000 + static_cast<int>(std::random_device{}() % 40000);
        if (answers(port)) continue;
        pid_ = fork();
        if (pid_ == 0) {
            const std::string log = folder + "/redis.log";
            FILE* out = fopen(log.c_str(), "a");
            if (out != nullptr) {
                dup2(fileno(out), 1);
                dup2(fileno(out), 2);
            }
            const std::string portText = std::to_string(port);
            execlp("redis-server", "redis-server", "--port", portText.c_str(), "--bind", "127.0.0.1", "--dir",
                   folder.c_str(), "--save", "", "--appendonly", "yes", "--appendfsync", "always",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        for (int wait = 0; wait < 100; ++wait) {
            if (answers(port)) {
                port_ = port;
                break;
            }
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) break;  // the port was taken meanwhile
            usleep(50000);
        }
    }
    if (port_ == 0) throw std::runtime_error("redis-server did not start");
}

std::string RedisProcess::ask(const std::string& command) const {
    const std::string line = "redis-cli -p " + std::to_string(port_) + " " + command;
    FILE* out = popen(line.c_str(), "r");
    if (out == nullptr) return {};
    std::string text;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, out) != nullptr) text += buffer;
    pclose(out);
    return text;
}

RedisProcess::~RedisProcess() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

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
