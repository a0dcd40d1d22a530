// Figures of speed for the machine it runs on: the chain search against the
// sweeps it replaced, whole games per second with the test player in the
// human seat, and how the cost of a game grows with zones and players.
// Pauses run on the virtual clock; every sentence is built and recorded.
#include <chrono>
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
#include "bot/mapMaker.h"
#include "chainSweeps.h"
#include "game/Form1.h"
#include "bot/headlessGame.h"

namespace sonarch::bench {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::TestBot;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

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
    form.Form_Load();
    GameFigures figures;
    auto press = [&](const std::string& name) {
        auto stroke = *parseKeyName(name);
        short code = stroke.code;
        form.Form_KeyDown(code, stroke.shift);
        code = stroke.code;
        form.Form_KeyUp(code, stroke.shift);
        ++figures.keys;
    };
    for (const auto& name : TestBot::newGameKeys(0, computers)) press(name);
    TestBot bot(form, press, TestBot::Style::Conqueror);
    while (bot.step() && figures.keys < 200000) {
    }
    figures.ended = form.humanPlayer == 0;
    figures.turns = counter.turns;
    return figures;
}

void chainFigures(int calls) {
    Folder folder(testing::makeMap({100, 6, false, 0}, 42, "Bench World"));
    std::ostringstream transcript;
    testing::HeadlessGame run(folder.path.string(), {1, {}}, transcript);
    Form1& form = run.form;
    form.mapPath = (folder.path / "Maps" / "bench.map").string();
    form.loadMap();
    form.playerCount = 8;
    form.startUsOut();
    for (int p = 1; p <= 8; ++p) form.hasStarted[p] = 1;
    std::mt19937 random(7);
    for (const bool split : {false, true}) {
        for (int z = 1; z <= form.zoneCount; ++z)
            form.zoneOwner[z] = split ? static_cast<int>(random() % 8) + 1 : 1;
        volatile int sink = 0;
        auto start = Clock::now();
        for (int i = 0; i < calls; ++i) {
            const int player = i % 8 + 1;
            form.calcChain(split ? player : 1);
            sink = sink + form.chain[split ? player : 1];
        }
        const double searchNs = secondsSince(start) * 1e9 / calls;
        start = Clock::now();
        for (int i = 0; i < calls; ++i) sink = sink + chainBySweeps(form, split ? i % 8 + 1 : 1);
        const double sweepNs = secondsSince(start) * 1e9 / calls;
        std::printf("calcChain, 100 zones, %-28s %9.0f ns/call   sweeps %9.0f ns/call   %5.1fx faster\n",
                    split ? "split among 8 players:" : "one player owns all:", searchNs, sweepNs,
                    sweepNs / searchNs);
    }
}

void gameFigures(int zones, int players, int games, bool headline) {
    Folder folder(testing::makeMap({zones, 4, false, 0}, 1000 + zones, "Bench World"));
    long keys = 0, turns = 0, ended = 0;
    const auto start = Clock::now();
    for (int g = 0; g < games; ++g) {
        const GameFigures figures = playOneGame(folder.path, players - 1, 1 + g);
        keys += figures.keys;
        turns += figures.turns;
        ended += figures.ended ? 1 : 0;
    }
    const double seconds = secondsSince(start);
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
    chainFigures(quick ? 2000 : 20000);
    gameFigures(100, 8, quick ? 20 : 2000, true);
    std::printf("cost growth (time per game and per round of turns):\n");
    for (int zones : {10, 25, 50, 100})
        for (int players : {2, 4, 8})
            if (players <= zones / 2) gameFigures(zones, players, quick ? 5 : 300, false);
    return 0;
}
