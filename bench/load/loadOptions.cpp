#include "loadOptions.h"

#include <charconv>
#include <cstring>

namespace sonarch::load {

namespace {

// Each figure has a bound, so that a run stays bounded in time and count.
std::optional<double> number(const char* text, double least, double most) {
    double value = 0;
    const char* end = text + std::strlen(text);
    const auto [last, error] = std::from_chars(text, end, value);
    if (error != std::errc() || last != end || value < least || value > most) return std::nullopt;
    return value;
}

}  // namespace

std::string usage() {
    return "usage: sonarch_load (--port P [--server-pid PID] | --server PROGRAM [--server-arg ARG]...)\n"
           "                    [--host 127.0.0.1] [--rooms N] [--move-every SECONDS | --no-wait]\n"
           "                    [--seconds T] [--watchers W] [--map NAME]\n"
           "                    [--kill-pid PID --kill-after S]\n";
}

OptionsParse parseLoadOptions(int argc, char** argv) {
    LoadOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (flag == "--no-wait") {
            options.moveEvery = 0;
            continue;
        }
        if (i + 1 >= argc) return {std::nullopt, flag + " needs a value"};
        const char* value = argv[++i];
        auto bounded = [&](double least, double most) -> std::optional<double> {
            return number(value, least, most);
        };
        std::optional<double> read;
        if (flag == "--host") {
            // The tester loads a server on this machine and nowhere else.
            if (std::string(value) != "127.0.0.1") return {std::nullopt, "only 127.0.0.1 may be loaded"};
            continue;
        } else if (flag == "--map") {
            options.map = value;
            continue;
        } else if (flag == "--server") {
            options.serverProgram = value;
            continue;
        } else if (flag == "--server-arg") {
            options.serverArguments.emplace_back(value);
            continue;
        } else if (flag == "--port" && (read = bounded(1, 65535))) {
            options.port = static_cast<int>(*read);
        } else if (flag == "--rooms" && (read = bounded(1, 5000))) {
            options.rooms = static_cast<int>(*read);
        } else if (flag == "--move-every" && (read = bounded(0, 60))) {
            options.moveEvery = *read;
        } else if (flag == "--seconds" && (read = bounded(1, 3600))) {
            options.seconds = *read;
        } else if (flag == "--watchers" && (read = bounded(0, 15000))) {
            options.watchers = static_cast<int>(*read);
        } else if (flag == "--server-pid" && (read = bounded(1, 1e9))) {
            options.serverPid = static_cast<int>(*read);
        } else if (flag == "--kill-pid" && (read = bounded(2, 1e9))) {
            options.killPid = static_cast<int>(*read);
        } else if (flag == "--kill-after" && (read = bounded(1, 3600))) {
            options.killAfter = *read;
        } else {
            return {std::nullopt, "not understood: " + flag + " " + value};
        }
    }
    if (options.port == 0 && options.serverProgram.empty()) return {std::nullopt, "give --port or --server"};
    if (options.port != 0 && !options.serverProgram.empty()) return {std::nullopt, "give --port or --server, not both"};
    return {options, ""};
}

}  // namespace sonarch::load
