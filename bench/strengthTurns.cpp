#include "strengthTurns.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

#include "files/mapFormat.h"
#include "rules/newGame.h"
#include "rules/strength.h"

namespace sonarch::bench {

namespace {

std::shared_ptr<const MapRecord> readMap(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    MapRecord map;
    std::string whyNot;
    if (!parseMap(text.str(), map, whyNot)) return nullptr;
    return std::make_shared<const MapRecord>(std::move(map));
}

// The processor time of every turn of one game, in microseconds.
void timeGame(const std::shared_ptr<const MapRecord>& map, int players, Strength strength, std::uint64_t seed,
              std::vector<double>& turns) {
    RandomSource random;
    random.pinSeed(seed);
    random.seedFromClock(0);
    Board board;
    startGame(board, map, players, random);
    board.humanPlayer = 0;
    for (int p = 1; p <= players; ++p) board.isComputer[static_cast<std::size_t>(p)] = 1;
    Outcomes outcomes;
    for (int round = 1; round <= 1000 && !board.gameOver; ++round) {
        for (int p = 1; p <= players && !board.gameOver; ++p) {
            if (!board.inGame(p)) continue;
            board.turnPlayer = p;
            outcomes.clear();
            const std::clock_t start = std::clock();
            playTurnAt(strength, board, random, outcomes);
            turns.push_back(double(std::clock() - start) * 1e6 / CLOCKS_PER_SEC);
        }
    }
}

}  // namespace

void strengthTurnFigures(const std::string& mapPath, int players, int games) {
    const auto map = readMap(mapPath);
    if (!map) {
        std::printf("computer turns: cannot read %s\n", mapPath.c_str());
        return;
    }
    for (const Strength strength : {Strength::Gentle, Strength::Standard, Strength::Strong}) {
        std::vector<double> turns;
        for (int game = 0; game < games; ++game) timeGame(map, players, strength, 1 + game, turns);
        std::sort(turns.begin(), turns.end());
        double total = 0;
        for (double t : turns) total += t;
        std::printf("computer turns on %s, %d seats %s: slowest %.0f us, 99.9%% under %.0f us, mean %.1f us "
                    "(%zu turns, %d games)\n",
                    map->mapName.c_str(), players, strengthName(strength).c_str(), turns.back(),
                    turns[turns.size() * 999 / 1000], total / double(turns.size()), turns.size(), games);
    }
}

}  // namespace sonarch::bench
