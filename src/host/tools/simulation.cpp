// The simulation's games, shared out over threads, and its report.
#include "host/tools/simulation.h"

#include <algorithm>
#include <atomic>
#include <memory>
#include <cstdio>
#include <thread>
#include <vector>

#include "host/harmlessText.h"
#include "rules/computerGame.h"

namespace sonarch {

namespace {

// A seed for game number g: splitmix64, so that neighbouring numbers give
// unrelated generators.
std::uint64_t gameSeed(std::uint64_t seed, long game) {
    std::uint64_t z = seed + 0x9E3779B97F4A7C15ULL * static_cast<std::uint64_t>(game + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void add(SimulationTotals& to, const SimulationTotals& from) {
    to.games += from.games;
    to.rounds += from.rounds;
    to.atLimit += from.atLimit;
    for (int z = 0; z <= maxZones; ++z) {
        to.started[z] += from.started[z];
        to.won[z] += from.won[z];
    }
    for (int p = 0; p <= maxPlayerSlots; ++p) to.seatWon[p] += from.seatWon[p];
}

// Games first, first + step, first + 2 step... on one game object.
SimulationTotals playShare(const std::shared_ptr<const MapRecord>& map, const SimulationOptions& options, long first, long step,
                           std::atomic<long>& done, const std::function<void(long)>* progress) {
    SimulationTotals totals;
    const long every = std::max(1L, options.games / 100);
    long told = 0;
    SeatStrengths seats{};
    for (std::size_t p = 0; p < options.seats.size() && p < maxPlayerSlots; ++p) seats[p + 1] = options.seats[p];
    for (long g = first; g < options.games; g += step) {
        const ComputerGameResult result =
            playComputerGame(map, options.players, options.roundLimit, gameSeed(options.seed, g), seats);
        ++totals.games;
        ++totals.seatWon[static_cast<std::size_t>(result.winner)];
        totals.rounds += result.rounds;
        if (result.winner == 0) ++totals.atLimit;
        for (int p = 1; p <= options.players; ++p) {
            const int zone = result.startZone[p];
            if (zone < 1 || zone > maxZones) continue;
            ++totals.started[zone];
            if (p == result.winner) ++totals.won[zone];
        }
        const long now = ++done;
        if (progress != nullptr && now / every != told) {
            told = now / every;
            (*progress)(now);
        }
    }
    return totals;
}

std::string percent(long part, long whole) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", whole > 0 ? 100.0 * double(part) / double(whole) : 0.0);
    return text;
}

}  // namespace

SimulationTotals simulate(const MapRecord& map, const SimulationOptions& options,
                          const std::function<void(long done)>& progress) {
    int threads = options.threads;
    if (threads <= 0) {
        // Starting a thread costs more than a few games.
        threads = options.games >= 64 ? static_cast<int>(std::thread::hardware_concurrency()) : 1;
    }
    threads = static_cast<int>(std::clamp<long>(threads, 1, std::max(1L, options.games)));
    std::atomic<long> done{0};
    const auto shared = std::make_shared<const MapRecord>(map);
    const std::function<void(long)>* report = progress ? &progress : nullptr;
    std::vector<SimulationTotals> shares(static_cast<std::size_t>(threads));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        helpers.emplace_back([&, t] {
            shares[static_cast<std::size_t>(t)] = playShare(shared, options, t, threads, done, nullptr);
        });
    }
    // This thread plays a share too, and alone tells the progress.
    shares[0] = playShare(shared, options, 0, threads, done, report);
    for (auto& helper : helpers) helper.join();
    if (report != nullptr) (*report)(done.load());
    SimulationTotals totals;
    for (const auto& share : shares) add(totals, share);
    return totals;
}

void writeSimulationReport(std::ostream& out, const MapRecord& map, const SimulationOptions& options,
                           const SimulationTotals& totals) {
    // The names come from the map file; a terminal shows them, never obeys them.
    out << totals.games << (totals.games == 1 ? " game" : " games") << " on " << harmless(map.mapName) << " with "
        << options.players << " players, every seat played by the computer player's rules, seed "
        << options.seed << ".\n";
    char average[32];
    std::snprintf(average, sizeof average, "%.1f", totals.games > 0 ? double(totals.rounds) / double(totals.games) : 0.0);
    out << "Rounds a game: " << average << " on average.\n";
    out << "Games still undecided after " << options.roundLimit << " rounds: " << totals.atLimit << " ("
        << percent(totals.atLimit, totals.games) << ").\n";
    out << "Wins by starting zone:\n";
    for (int z = 1; z <= map.zoneCount; ++z) {
        if (totals.started[z] == 0) continue;
        out << "zone " << z << " (" << harmless(map.zoneName[z]) << "): won " << percent(totals.won[z], totals.games)
            << " of all games; " << totals.won[z] << " of the " << totals.started[z]
            << " games begun there (" << percent(totals.won[z], totals.started[z]) << ").\n";
    }
    for (std::size_t seat = 1; seat <= options.seats.size(); ++seat) {
        out << "seat " << seat << " (" << strengthName(options.seats[seat - 1]) << "): won "
            << percent(totals.seatWon[seat], totals.games) << " (" << totals.seatWon[seat] << " of "
            << totals.games << (totals.games == 1 ? " game" : " games") << ")\n";
    }
}

}  // namespace sonarch
