#include "speechService.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>

extern char** environ;

namespace sonarch::testing {

namespace fs = std::filesystem;

void useSpeechSocket(const fs::path& socket) {
    setenv("SPEECHD_ADDRESS", ("unix_socket:" + socket.string()).c_str(), 1);
}

PrivateSpeechDispatcher::PrivateSpeechDispatcher() {
    const fs::path conf = folder_.path() / "conf";
    fs::create_directories(conf / "modules");
    fs::create_directories(folder_.path() / "log");
    std::ofstream(conf / "speechd.conf") << "AudioOutputMethod \"libao\"\n"
                                            "DefaultModule espeak-ng\n"
                                            "AddModule \"espeak-ng\" \"sd_espeak-ng\" \"espeak-ng.conf\"\n";
    std::ofstream(conf / "modules" / "espeak-ng.conf") << "";
    // libao reads its driver from the home folder: sound goes nowhere.
    std::ofstream(folder_.path() / ".libao") << "default_driver=null\n";
    const fs::path socket = folder_.path() / "speechd.sock";

    const std::string home = "HOME=" + folder_.path().string();
    const std::string runtime = "XDG_RUNTIME_DIR=" + folder_.path().string();
    const std::string path = std::string("PATH=") + (getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin");
    std::vector<std::string> args{"speech-dispatcher", "-s", "-t", "60", "-l", "1",
                                  "-C", conf.string(), "-c", "unix_socket",
                                  "-S", socket.string(), "-P", (folder_.path() / "pid").string(),
                                  "-L", (folder_.path() / "log").string()};
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    std::vector<std::string> envStrings{home, runtime, path};
    std::vector<char*> envp;
    for (auto& entry : envStrings) envp.push_back(entry.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, (folder_.path() / "stderr").c_str(),
                                     O_WRONLY | O_CREAT, 0644);
    const int failed = posix_spawnp(&pid_, "speech-dispatcher", &actions, nullptr, argv.data(),
                                    envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed) {
        why_ = std::string("speech-dispatcher could not be started: ") + std::strerror(failed);
        pid_ = -1;
        return;
    }
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!fs::exists(socket)) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            why_ = "speech-dispatcher stopped at once";
            return;
        }
        if (std::chrono::steady_clock::now() > giveUp) {
            why_ = "speech-dispatcher made no socket";
            return;
        }
        usleep(20000);
    }
    useSpeechSocket(socket);
    running_ = true;
}

PrivateSpeechDispatcher::~PrivateSpeechDispatcher() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
        usleep(20000);
    }
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
}

WedgedSpeechService::WedgedSpeechService(Wedge when) : when_(when) {
    const fs::path socket = folder_.path() / "wedged.sock";
    listener_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener_, 4);
    useSpeechSocket(socket);
    server_ = std::thread([this] { serve(); });
}

WedgedSpeechService::~WedgedSpeechService() {
    stopping_ = true;
    server_.join();
    // Closing the connections lets a client stuck in a call come back.
    for (int client : clients_) close(client);
    close(listener_);
}

void WedgedSpeechService::serve() {
    std::vector<pollfd> watched{{listener_, POLLIN, 0}};
    std::vector<std::string> pending(1);
    while (!stopping_) {
        if (poll(watched.data(), watched.size(), 50) <= 0) continue;
        if (watched[0].revents & POLLIN) {
            const int client = accept(listener_, nullptr, nullptr);
            clients_.push_back(client);
            watched.push_back({client, POLLIN, 0});
            pending.emplace_back();
        }
        for (std::size_t i = 1; i < watched.size(); ++i) {
            if (!(watched[i].revents & POLLIN)) continue;
            char buffer[512];
            const ssize_t got = read(watched[i].fd, buffer, sizeof buffer);
            if (got <= 0) {
                watched[i].fd = -1;
                continue;
            }
            if (when_ == Wedge::AtOnce) continue;
            pending[i].append(buffer, static_cast<std::size_t>(got));
            std::size_t end;
            while ((end = pending[i].find("\r\n")) != std::string::npos) {
                std::string line = pending[i].substr(0, end);
                for (char& c : line) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
                pending[i].erase(0, end + 2);
                // Everything is granted until the first sentence, which never comes back.
                if (line.rfind("SPEAK", 0) == 0) {
                    watched[i].fd = -1;
                    break;
                }
                const std::string reply = "200 OK\r\n";
                (void)!write(watched[i].fd, reply.data(), reply.size());
            }
        }
    }
}

}  // namespace sonarch::testing
