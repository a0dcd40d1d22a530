// Figures of speed for the machine it runs on: the chain search against the
// searches it replaced, whole games per second with the test player in the
// human seat, simulated games with every seat a computer player, making
// maps, and how the cost of a game grows with zones and players; and how
// long a key name of very many modifiers takes to read.
// Pauses run on the virtual clock; every sentence is built and recorded.
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "bot/TestBot.h"
#include "bot/headlessGame.h"
#include "bot/mapMaker.h"
#include "chainSweeps.h"
#include "strengthTurns.h"
#include "studyKeyTimes.h"
#include "files/mapFormat.h"
#include "files/mapMaker.h"
#include "game/Form1.h"
#include "host/keyNames.h"
#include "host/tools/simulation.h"
#include "rules/chain.h"

namespace sonarch::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::TestBot;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Processor time of the whole program. The machine is shared: time spent
// waiting for a core that another program holds is not the game's, so the
// figures of one thread are taken on this clock.
std::clock_t cpuNow() { return std::clock(); }
double cpuSecondsSince(std::clock_t start) { return double(std::clock() - start) / CLOCKS_PER_SEC; }

// A data folder holding one map.
struct Folder {
    explicit Folder(const std::string& mapText) {
        path = fs::temp_directory_path() / ("sonarch-bench-" + std::to_string(std::random_device{}()));
        fs::create_directories(path / "Maps");
        fs::create_directories(path / "Saves");
        std::ofstream(path / "Maps" / "bench.map", std::ios::binary) << mapText;
    }
    ~Folder() { fs::remove_all(path); }
    fs::path path;
};

// Counts the human's turns in the transcript without keeping it; every
// line still goes through the stream as in any headless run.
class TurnCounter : public std::streambuf {
public:
    long turns = 0;

protected:
    std::streamsize xsputn(const char* text, std::streamsize count) override {
        static constexpr std::string_view yourTurn = "It is your turn.";
        if (std::string_view(text, static_cast<std::size_t>(count)) == yourTurn) ++turns;
        return count;
    }
    int overflow(int ch) override { return ch; }
};

struct GameFigures {
    long keys = 0;
    long turns = 0;
    bool ended = false;
};

GameFigures playOneGame(const fs::path& folder, int computers, std::uint64_t seed) {
    TurnCounter counter;
    std::ostream transcript(&counter);
    testing::HeadlessGame run(folder.string(), {seed, {}}, transcript);
    Form1& form = run.form;
    run.session.start();
    GameFigures figures;
    auto press = [&](const std::string& name) {
        run.press(*parseKeyName(name));
        ++figures.keys;
    };
    for (const auto& name : TestBot::newGameKeys(0, computers)) press(name);
    TestBot bot(form, press, TestBot::Style::Conqueror);
    while (bot.step() && figures.keys < 200000) {
    }
    figures.ended = form.view().board.humanPlayer == 0;
    figures.turns = counter.turns;
    return figures;
}

void chainFigures(int calls) {
    Folder folder(testing::makeMap({100, 6, false, 0}, 42, "Bench World"));
    std::ostringstream transcript;
    testing::HeadlessGame run(folder.path.string(), {1, {}}, transcript);
    Form1& form = run.form;
    form.chooseMap((folder.path / "Maps" / "bench.map").string());
    form.startAgainst(7);
    Board board = form.view().board;
    for (int p = 1; p <= 8; ++p) board.hasStarted[p] = 1;
    std::mt19937 random(7);
    for (const bool split : {false, true}) {
        for (int z = 1; z <= board.zoneCount(); ++z)
            board.zoneOwner[z] = split ? static_cast<int>(random() % 8) + 1 : 1;
        volatile int sink = 0;
        auto timed = [&](auto chainOf) {
            const auto start = cpuNow();
            for (int i = 0; i < calls; ++i) sink = sink + chainOf(split ? i % 8 + 1 : 1);
            return cpuSecondsSince(start) * 1e9 / calls;
        };
        const double searchNs = timed([&](int player) {
            return largestChain(board, player);
        });
        const double groupsNs = timed([&](int player) { return largestReachByStrongGroups(board, player); });
        const double sweepNs = timed([&](int player) { return chainBySweeps(board, player); });
        std::printf("calcChain, 100 zones, %-24s %6.0f ns/call   strong groups %6.0f ns   sweeps %7.0f ns   "
                    "%5.1fx faster than the sweeps (strong groups: %5.1fx)\n",
                    split ? "split among 8 players:" : "one player owns all:", searchNs, groupsNs, sweepNs,
                    sweepNs / searchNs, sweepNs / groupsNs);
    }
}

// The simulation on the map of the whole games, on one thread and on two:
// games a second, and whether both give the same report.
void simulationFigures(long games) {
    MapRecord map;
    std::string whyNot;
    if (!parseMap(testing::makeMap({100, 4, false, 0}, 1100, "Bench World"), map, whyNot)) return;
    SimulationOptions options;
    options.games = games;
    options.players = 8;
    options.seed = 1;
    SimulationTotals totals[2];
    double perSecond[2], perCpuSecond[2];
    for (int threads = 1; threads <= 2; ++threads) {
        options.threads = threads;
        const auto start = Clock::now();
        const auto cpuStart = cpuNow();
        totals[threads - 1] = simulate(map, options);
        perCpuSecond[threads - 1] = games / cpuSecondsSince(cpuStart);
        perSecond[threads - 1] = games / secondsSince(start);
    }
    std::printf("simulated games, 100 zones, 8 players, every seat by the computer player's rules: "
                "%.0f games/s on one thread; %.0f games/s on two by the wall clock (%.0f a processor "
                "second) (%ld games, %.1f rounds a game, %ld at the round limit, %s report)\n",
                perCpuSecond[0], perSecond[1], perCpuSecond[1], games, double(totals[0].rounds) / games,
                totals[0].atLimit, totals[0] == totals[1] ? "the same" : "NOT THE SAME");
}

// A key name with 200,000 modifiers before it, as a hostile script may hold:
// read in one pass, it takes about as long as copying the line.
void keyNameFigures() {
    std::string name;
    for (int i = 0; i < 200000; ++i) name += "Shift+";
    name += "F12";
    const auto start = cpuNow();
    const auto stroke = parseKeyName(name);
    std::printf("a key name with 200000 modifiers: %.2f ms (%s)\n", cpuSecondsSince(start) * 1e3,
                stroke ? "read" : "NOT READ");
}

// Making a map of each size, on processor time, as --make-map and G do:
// land, links, names and the file's text.
void madeMapFigures(int maps) {
    for (const int zones : {12, 30, 60, 100}) {
        std::size_t bytes = 0;
        const auto start = cpuNow();
        for (int seed = 1; seed <= maps; ++seed) bytes += mapFileText(makeMap(zones, seed)).size();
        const double seconds = cpuSecondsSince(start);
        std::printf("made maps, %3d zones: %7.3f ms a map (%d maps, %.0f bytes a file)\n", zones,
                    seconds * 1e3 / maps, maps, double(bytes) / maps);
    }
}

void gameFigures(int zones, int players, int games, bool headline) {
    Folder folder(testing::makeMap({zones, 4, false, 0}, 1000 + zones, "Bench World"));
    long keys = 0, turns = 0, ended = 0;
    const auto start = cpuNow();
    for (int g = 0; g < games; ++g) {
        const GameFigures figures = playOneGame(folder.path, players - 1, 1 + g);
        keys += figures.keys;
        turns += figures.turns;
        ended += figures.ended ? 1 : 0;
    }
    const double seconds = cpuSecondsSince(start);
    if (headline) {
        std::printf("whole games, %d zones, %d players: %.0f games/s (%d games, %ld ended, %.1f rounds and %.0f keys a game)\n",
                    zones, players, games / seconds, games, ended, double(turns) / games,
                    double(keys) / games);
    } else {
        std::printf("  %3d zones %d players: %8.1f us/game %7.2f us/round (%.1f rounds a game)\n", zones,
                    players, seconds * 1e6 / games, seconds * 1e6 / std::max(1L, turns),
                    double(turns) / games);
    }
}

}  // namespace
}  // namespace sonarch::bench

int main(int argc, char** argv) {
    using namespace sonarch::bench;
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    // --games N: only the whole games on the 100-zone map, for a profiler.
    if (argc > 2 && std::strcmp(argv[1], "--games") == 0) {
        gameFigures(100, 8, std::atoi(argv[2]), true);
        return 0;
    }
    // --maps N: only the made maps.
    if (argc > 2 && std::strcmp(argv[1], "--maps") == 0) {
        madeMapFigures(std::atoi(argv[2]));
        return 0;
    }
    // --simulate N: only the simulated games, for a profiler.
    if (argc > 2 && std::strcmp(argv[1], "--simulate") == 0) {
        simulationFigures(std::atol(argv[2]));
        return 0;
    }
    // --study-key N: only S on a game in play, N presses timed one by one.
    if (argc > 2 && std::strcmp(argv[1], "--study-key") == 0) {
        Folder folder(sonarch::testing::makeMap({100, 4, false, 0}, 1100, "Bench World"));
        studyKeyFigures(folder.path, std::atoi(argv[2]));
        return 0;
    }
    const std::string hundredHolds = std::string(SONARCH_SOURCE_DIR) + "/Maps/Hundred Holds.map";
    // --turns N: only the computer turns of each strength, N games each.
    if (argc > 2 && std::strcmp(argv[1], "--turns") == 0) {
        strengthTurnFigures(hundredHolds, 8, std::atoi(argv[2]));
        return 0;
    }
    keyNameFigures();
    chainFigures(quick ? 2000 : 200000);
    gameFigures(100, 8, quick ? 20 : 2000, true);
    simulationFigures(quick ? 40 : 4000);
    strengthTurnFigures(hundredHolds, 8, quick ? 2 : 200);
    madeMapFigures(quick ? 20 : 2000);
    std::printf("cost growth (time per game and per round of turns):\n");
    for (int zones : {10, 25, 50, 100})
        for (int players : {2, 4, 8})
            if (players <= zones / 2) gameFigures(zones, players, quick ? 5 : 300, false);
    return 0;
}
