// sonarch_load: rooms of bots played against a Sonarch server on
// 127.0.0.1 for a bounded time, with idle watchers beside them if asked;
// it prints the moves a second, the round trips of the bots' moves, and
// the server's processor time and memory. It stops by itself.
#include <csignal>
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "idleWatcher.h"
#include "loadOptions.h"
#include "loadRun.h"
#include "roomBots.h"
#include "serverProcess.h"

namespace sonarch::load {
namespace {

using Clock = std::chrono::steady_clock;
// Bounds of the steps before the measured time: a server that cannot take
// the rooms or the watchers in this long is reported as it is.
constexpr auto setupLimit = std::chrono::seconds(120);
// Moves sent just before the end still have their answers counted.
constexpr auto drainTime = std::chrono::seconds(2);

void raiseOpenFileLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
    }
}

double secondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double>(to - from).count();
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

double ownProcessorSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

std::string seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// The steps of a run, advanced by a tenth-of-a-second timer.
enum class Step { Rooms, Watchers, Measuring, Draining, Done };

int run(const LoadOptions& options) {
    raiseOpenFileLimit();
    std::unique_ptr<StartedServer> started;
    int port = options.port;
    pid_t serverPid = options.serverPid;
    if (!options.serverProgram.empty()) {
        std::vector<std::string> extra = options.serverArguments;
        started = std::make_unique<StartedServer>(options.serverProgram, extra);
        if (!started->running()) {
            std::cerr << "sonarch_load: the server did not start\n";
            return 1;
        }
        port = started->port();
        serverPid = started->pid();
    }
    std::printf("sonarch_load: %d rooms on %s, %s, %.0f s measured, %d watchers, server on 127.0.0.1:%d\n",
                options.rooms, options.map.c_str(),
                options.moveEvery > 0 ? ("each bot waiting " + seconds(options.moveEvery) + " s between its moves").c_str()
                                      : "bots not waiting",
                options.seconds, options.watchers, port);
    std::printf("load average at the start: %s\n", loadAverage().c_str());
    std::fflush(stdout);

    boost::asio::io_context io(1);
    ConnectGate gate(200);
    LoadFigures figures;
    LoadRun shared{io, gate, port, options, figures};
    std::optional<ProcessUsage> before = serverPid ? usageOf(serverPid) : std::nullopt;

    std::vector<std::unique_ptr<RoomBots>> rooms;
    std::vector<std::unique_ptr<IdleWatcher>> watchers;
    for (int r = 0; r < options.rooms; ++r) {
        rooms.push_back(std::make_unique<RoomBots>(shared, r + 1));
        rooms.back()->start();
    }

    const auto began = Clock::now();
    auto stepBegan = began;
    Step step = Step::Rooms;
    double roomsSeconds = 0, watchersSeconds = 0, measuredSeconds = 0;
    std::optional<ProcessUsage> withRooms, withWatchers, atStart, atEnd;
    double testerAtStart = 0, testerAtEnd = 0;
    std::string loadAtEnd;
    bool killed = false;

    auto beginMeasuring = [&] {
        step = Step::Measuring;
        stepBegan = Clock::now();
        atStart = serverPid ? usageOf(serverPid) : std::nullopt;
        testerAtStart = ownProcessorSeconds();
        figures.measuring = true;
    };
    boost::asio::steady_timer ticker(io);
    std::function<void()> tick = [&] {
        const auto now = Clock::now();
        if (step == Step::Rooms &&
            (figures.roomsPlaying >= options.rooms || now - stepBegan > setupLimit)) {
            roomsSeconds = secondsBetween(stepBegan, now);
            withRooms = serverPid ? usageOf(serverPid) : std::nullopt;
            step = Step::Watchers;
            stepBegan = now;
            for (int w = 0; w < options.watchers; ++w) {
                const std::string& code = rooms[static_cast<std::size_t>(w % options.rooms)]->code();
                if (code.empty()) continue;
                watchers.push_back(std::make_unique<IdleWatcher>(shared, code));
                watchers.back()->start();
            }
        } else if (step == Step::Watchers &&
                   (figures.watchersJoined + figures.connectionsLost >= static_cast<std::int64_t>(watchers.size()) ||
                    now - stepBegan > setupLimit)) {
            watchersSeconds = secondsBetween(stepBegan, now);
            withWatchers = serverPid ? usageOf(serverPid) : std::nullopt;
            beginMeasuring();
        } else if (step == Step::Measuring && options.killPid != 0 && !killed &&
                   secondsBetween(stepBegan, now) >= options.killAfter) {
            // One process of several dies at once; its rooms must go on.
            killed = ::kill(options.killPid, SIGKILL) == 0;
            std::printf("killed pid %d %.1f s into the measured time\n", options.killPid,
                        secondsBetween(stepBegan, now));
            std::fflush(stdout);
        } else if (step == Step::Measuring && secondsBetween(stepBegan, now) >= options.seconds) {
            measuredSeconds = secondsBetween(stepBegan, now);
            atEnd = serverPid ? usageOf(serverPid) : std::nullopt;
            testerAtEnd = ownProcessorSeconds();
            loadAtEnd = loadAverage();
            shared.stopping = true;
            step = Step::Draining;
            stepBegan = now;
        } else if (step == Step::Draining && now - stepBegan >= drainTime) {
            figures.measuring = false;
            step = Step::Done;
            io.stop();
            return;
        }
        ticker.expires_after(std::chrono::milliseconds(100));
        ticker.async_wait([&](boost::system::error_code error) {
            if (!error) tick();
        });
    };
    tick();
    io.run();

    const std::int64_t personMoves = figures.personMoves;
    const auto& trips = figures.roundTripsMs;
    double slowest = 0;
    for (double trip : trips) slowest = std::max(slowest, trip);
    std::printf("rooms: %d asked, %d playing after %.1f s\n", options.rooms, figures.roomsPlaying, roomsSeconds);
    if (options.watchers > 0)
        std::printf("watchers: %d asked, %d joined in %.1f s, %d held at the end\n", options.watchers,
                    figures.watchersJoined, watchersSeconds, figures.watchersOpen);
    std::printf("measured %.1f s: %lld moves by the bots (%.1f a second); %lld numbered moves in all, computer "
                "steps included (%.1f a second); %lld games over\n",
                measuredSeconds, static_cast<long long>(personMoves), double(personMoves) / measuredSeconds,
                static_cast<long long>(figures.numberedMoves), double(figures.numberedMoves) / measuredSeconds,
                static_cast<long long>(figures.gamesOver));
    std::printf("round trip, a move sent to its events received (%zu moves): p50 %.2f ms, p95 %.2f ms, "
                "p99 %.2f ms, max %.2f ms\n",
                trips.size(), percentile(trips, 0.50), percentile(trips, 0.95), percentile(trips, 0.99), slowest);
    // Read out of the optionals once, which also keeps the compiler's
    // uninitialised-value warning quiet.
    const long beforeKb = before.value_or(ProcessUsage{}).residentKb;
    if (before && withRooms && atStart && atEnd) {
        const double cpu = atEnd->cpuSeconds - atStart->cpuSeconds;
        std::printf("server (pid %d): processor %.2f s over the %.1f s measured (%.0f%% of one core)\n",
                    static_cast<int>(serverPid), cpu, measuredSeconds, 100.0 * cpu / measuredSeconds);
        std::printf("server memory: resident %.1f MB before the rooms, %.1f MB with the rooms, %.1f MB with the "
                    "watchers, %.1f MB at the end (peak %.1f MB)\n",
                    beforeKb / 1024.0, withRooms->residentKb / 1024.0,
                    withWatchers ? withWatchers->residentKb / 1024.0 : 0.0, atEnd->residentKb / 1024.0,
                    atEnd->peakResidentKb / 1024.0);
        std::printf("memory a room (two connections each, at the start of play): %.1f KB; at the end: %.1f KB\n",
                    double(withRooms->residentKb - beforeKb) / options.rooms,
                    double(atEnd->residentKb - beforeKb -
                           (withWatchers ? withWatchers->residentKb - withRooms->residentKb : 0)) /
                        options.rooms);
        if (options.watchers > 0 && withWatchers && figures.watchersJoined > 0)
            std::printf("memory a watcher: %.1f KB\n",
                        double(withWatchers->residentKb - withRooms->residentKb) / figures.watchersJoined);
    } else {
        std::printf("server: no figures (give --server-pid or --server)\n");
    }
    std::printf("tester: processor %.2f s over the measured time (%.0f%% of one core)\n",
                testerAtEnd - testerAtStart, 100.0 * (testerAtEnd - testerAtStart) / std::max(1e-9, measuredSeconds));
    std::printf("refused moves %lld, errors %lld, unreadable messages %lld, connections lost %lld\n",
                static_cast<long long>(figures.refusals), static_cast<long long>(figures.errors),
                static_cast<long long>(figures.unreadable), static_cast<long long>(figures.connectionsLost));
    if (!figures.recoveriesMs.empty() || figures.movesLost != 0) {
        const auto& back = figures.recoveriesMs;
        std::printf("came back: %zu connections; a lost connection to the room's next accepted move: p50 %.0f ms, "
                    "p95 %.0f ms, max %.0f ms; told moves lost: %lld\n",
                    back.size(), percentile(back, 0.50), percentile(back, 0.95), percentile(back, 1.0),
                    static_cast<long long>(figures.movesLost));
    }
    std::printf("load average at the end of the measured time: %s\n", loadAtEnd.c_str());
    std::fflush(stdout);
    rooms.clear();
    watchers.clear();
    if (started) {
        const auto status = started->stop();
        std::printf("server stopped: %s\n", status ? ("exit " + std::to_string(*status)).c_str() : "killed");
    }
    return 0;
}

}  // namespace
}  // namespace sonarch::load

int main(int argc, char** argv) {
    using namespace sonarch::load;
    const OptionsParse parsed = parseLoadOptions(argc, argv);
    if (!parsed.options) {
        std::cerr << "sonarch_load: " << parsed.error << "\n" << usage();
        return 2;
    }
    return run(*parsed.options);
}
