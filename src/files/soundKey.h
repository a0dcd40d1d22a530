// How a name sounds, for finding zone names a listener cannot tell apart:
// two names with the same key are likely to be heard as the same name.
#pragma once

#include <string>
#include <string_view>

namespace sonarch {

// The name in capitals with every blank and mark left out: two names with
// the same plain form differ only in what is never heard.
std::string plainSpelling(std::string_view name);

// A phonetic key in the manner of Metaphone, word by word, the words'
// keys joined: silent letters dropped, letters that sound alike written
// alike (PH and F, C and K or S, TH as 0), vowels kept only where a word
// begins. Digits are kept as they are, so "Hold 12" and "Hold 13" differ.
std::string soundKey(std::string_view name);

}  // namespace sonarch
