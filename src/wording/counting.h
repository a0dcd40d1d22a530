// Counts said the way a listener expects ("1 zone", "3 zones"), and the
// words a sentence takes, for sentences that must stay short.
#pragma once

#include <string>

namespace sonarch {

inline std::string counted(int number, const std::string& one, const std::string& many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

inline int wordsIn(const std::string& text) {
    int words = 0;
    bool inWord = false;
    for (const char c : text) {
        const bool blank = c == ' ';
        if (!blank && !inWord) ++words;
        inWord = !blank;
    }
    return words;
}

}  // namespace sonarch
