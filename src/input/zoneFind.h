// Finding a zone by the start of its name, the search that F opens: the
// text typed so far, and the zone last told among those it matches.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "rules/Board.h"

namespace sonarch {

struct ZoneFind {
    bool active = false;
    std::string text;  // lower-case letters, digits and single blanks, as typed
    int told = 0;      // the zone last told; 0 before any
};

// The zones whose names start with text, capitals and marks set aside, in
// name order. The empty text matches every zone.
std::vector<int> zonesStartingWith(const Board& board, const std::string& text);

// What a key adds to the text: a letter (Shift or not) or a digit, or a
// blank between words; nothing for any other key.
std::optional<char> typedCharacter(short keyCode, short shift);

// The text with the character added; a blank at the start or after a blank
// adds nothing, as names hold none there.
std::string withTyped(const std::string& text, char typed);

// The match before or after told (step -1 or 1), going round; the first or
// the last when told is not among them. 0 when nothing matches.
int stepThroughMatches(const std::vector<int>& matches, int told, int step);

}  // namespace sonarch
