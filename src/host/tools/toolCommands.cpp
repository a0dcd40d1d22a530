// Reading the tools' options, loading the map with the game's own reader,
// and printing what the tools find.
#include "host/tools/toolCommands.h"

#include <chrono>
#include <stdexcept>

#include "files/mapCheck.h"
#include "files/mapFormat.h"
#include "host/harmlessText.h"
#include "host/tools/makeMapCommand.h"
#include "host/tools/simulation.h"
#include "host/tools/toolOptions.h"

namespace sonarch {

const char* const toolUsageText =
    "       sonarch --check-map FILE\n"
    "       sonarch --simulate N [--players K | --seats S1,S2,...] [--seed S] FILE\n"
    "       sonarch --make-map [--zones N] [--seed S] FILE\n";

namespace {

// The map, or the game's own sentence for a file it refuses.
std::optional<MapRecord> readMap(Platform& disk, const std::string& path, std::string& refusal) {
    std::string whyNot;
    const auto text = disk.readTextFile(path, whyNot);
    MapRecord map;
    if (!text || !parseMap(*text, map, whyNot)) {
        refusal = mapRefusal(path, whyNot);
        return std::nullopt;
    }
    return map;
}

// gentle,standard,strong...: a strength for each seat, seat 1 first.
std::vector<Strength> seatList(const std::string& text) {
    std::vector<Strength> seats;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string name = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        const auto strength = strengthNamed(name);
        if (!strength)
            throw std::invalid_argument("--seats takes gentle, standard or strong for each seat, not '" + name + "'");
        seats.push_back(*strength);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (seats.size() < 2 || seats.size() > mostPlayers)
        throw std::invalid_argument("--seats needs 2 to " + std::to_string(mostPlayers) + " seats, not " +
                                    std::to_string(seats.size()));
    return seats;
}

struct SimulateCommand {
    SimulationOptions options;
    std::string path;
    bool playersGiven = false;
};

SimulateCommand readSimulateOptions(const std::vector<std::string>& args) {
    SimulateCommand command;
    if (args.size() < 2) throw std::invalid_argument("--simulate needs the number of games");
    command.options.games = wholeOption<long>("--simulate", args[1], 1, 100000000);
    command.options.seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count());
    for (std::size_t i = 2; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if ((arg == "--players" || arg == "--seed" || arg == "--seats") && !hasValue)
            throw std::invalid_argument(arg + " needs a value");
        if ((arg == "--players" || arg == "--seats") && command.playersGiven)
            throw std::invalid_argument("give --players or --seats, once");
        if (arg == "--players") {
            command.options.players = wholeOption<int>(arg, args[++i], 2, 8);
            command.playersGiven = true;
        } else if (arg == "--seats") {
            command.options.seats = seatList(args[++i]);
            command.options.players = static_cast<int>(command.options.seats.size());
            command.playersGiven = true;
        } else if (arg == "--seed") {
            command.options.seed = wholeOption<std::uint64_t>(arg, args[++i], 0, UINT64_MAX);
        } else if (arg.rfind("--", 0) == 0 || !command.path.empty()) {
            throw std::invalid_argument("unknown option '" + arg + "'");
        } else {
            command.path = arg;
        }
    }
    if (command.path.empty()) throw std::invalid_argument("--simulate needs a map file");
    return command;
}

int simulateMapFile(Platform& disk, const SimulateCommand& command, std::ostream& out, std::ostream& err,
                    bool errIsTerminal) {
    std::string refusal;
    const auto map = readMap(disk, command.path, refusal);
    if (!map) {
        out << harmless(refusal) << '\n';
        return 2;
    }
    SimulationOptions options = command.options;
    const int allowed = playersAllowed(map->zoneCount);
    if (!command.playersGiven) options.players = allowed;
    if (allowed < 2) {
        err << "sonarch: the map " << harmless(map->mapName) << " allows no game: it needs at least 4 zones\n";
        return 2;
    }
    if (options.players > allowed) {
        err << "sonarch: the map " << harmless(map->mapName) << " allows "
            << (allowed == 2 ? std::string("only 2") : "2 to " + std::to_string(allowed)) << " players\n";
        return 2;
    }
    std::function<void(long)> progress;
    if (errIsTerminal) {
        progress = [&](long done) {
            const auto filled = static_cast<std::size_t>(done * 40 / options.games);
            err << "\r[" << std::string(filled, '#') << std::string(40 - filled, '.') << "] " << done << " of "
                << options.games << " games" << std::flush;
        };
    }
    const SimulationTotals totals = simulate(*map, options, progress);
    if (errIsTerminal) err << '\n';
    writeSimulationReport(out, *map, options, totals);
    return 0;
}

}  // namespace

int checkMapFile(Platform& disk, const std::string& path, std::ostream& out) {
    std::string refusal;
    const auto map = readMap(disk, path, refusal);
    if (!map) {
        out << harmless(refusal) << '\n';
        return 2;
    }
    // Names come from the file: shown, never obeyed, by the terminal.
    out << "The map " << harmless(map->mapName) << " has " << map->zoneCount
        << (map->zoneCount == 1 ? " zone.\n" : " zones.\n");
    int stopping = 0, warnings = 0;
    for (const MapFinding& finding : checkMap(*map)) {
        out << weightName(finding.weight) << ": " << harmless(finding.sentence) << '\n';
        if (finding.weight == MapFinding::Weight::stopsPlay) ++stopping;
        if (finding.weight == MapFinding::Weight::warning) ++warnings;
    }
    out << (stopping == 0 ? std::string("Nothing stops play")
                          : std::to_string(stopping) + (stopping == 1 ? " finding stops" : " findings stop") + " play")
        << "; " << warnings << (warnings == 1 ? " warning.\n" : " warnings.\n");
    return stopping == 0 ? 0 : 1;
}

std::optional<int> runToolCommand(const std::vector<std::string>& args, Platform& disk, std::ostream& out,
                                  std::ostream& err, bool errIsTerminal) {
    if (args.empty() || (args[0] != "--check-map" && args[0] != "--simulate" && args[0] != "--make-map"))
        return std::nullopt;
    try {
        if (args[0] == "--check-map") {
            if (args.size() != 2) throw std::invalid_argument("--check-map needs one map file");
            return checkMapFile(disk, args[1], out);
        }
        if (args[0] == "--make-map") return makeMapFile(disk, args, out, err);
        return simulateMapFile(disk, readSimulateOptions(args), out, err, errIsTerminal);
    } catch (const std::invalid_argument& error) {
        // The reason may quote an argument, which may hold anything.
        err << "sonarch: " << harmless(error.what()) << '\n' << toolUsageText;
        return 2;
    }
}

}  // namespace sonarch
