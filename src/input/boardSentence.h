// M: the whole board in one sentence of at most 40 words. In play: your
// zones, their groups and your front, then each other player still in, the
// strongest first. Before the starting zones are chosen: the map's shape,
// its regions and its best-linked zones, each named so that F finds it.
#pragma once

#include <string>

#include "rules/Board.h"

namespace sonarch {

constexpr int mostWordsInBoardSentence = 40;

std::string boardSentence(const Board& board);

}  // namespace sonarch
