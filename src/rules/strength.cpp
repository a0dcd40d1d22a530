#include "rules/strength.h"

#include <algorithm>
#include <array>

#include "rules/gentlePlayer.h"
#include "rules/strongPlayer.h"

namespace sonarch {

namespace {
constexpr std::array<std::string_view, 3> names{"standard", "gentle", "strong"};
constexpr std::array<Strength, 3> weakestFirst{Strength::Gentle, Strength::Standard, Strength::Strong};

std::size_t rankOf(Strength strength) {
    return static_cast<std::size_t>(std::find(weakestFirst.begin(), weakestFirst.end(), strength) - weakestFirst.begin());
}
}  // namespace

std::string strengthName(Strength strength) { return std::string(names[static_cast<std::size_t>(strength)]); }

std::optional<Strength> strengthNamed(std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (names[i] == name) return static_cast<Strength>(i);
    return std::nullopt;
}

Strength strengthAfter(Strength strength) { return weakestFirst[(rankOf(strength) + 1) % weakestFirst.size()]; }

Strength strengthBefore(Strength strength) {
    return weakestFirst[(rankOf(strength) + weakestFirst.size() - 1) % weakestFirst.size()];
}

ComputerMove chooseMoveAt(Strength strength, const Board& board, ComputerTurn& turn, RandomSource& random) {
    switch (strength) {
    case Strength::Gentle: return chooseGentleMove(board, turn, random);
    case Strength::Strong: return chooseStrongMove(board, turn, random);
    case Strength::Standard: break;
    }
    return chooseComputerMove(board, turn, random);
}

void playTurnAt(Strength strength, Board& board, RandomSource& random, Outcomes& out) {
    ComputerTurn turn;
    for (;;) {
        const ComputerMove move = chooseMoveAt(strength, board, turn, random);
        if (move.kind == ComputerMove::Kind::Done) return;
        playComputerMove(board, move, turn, random, out);
    }
}

}  // namespace sonarch
