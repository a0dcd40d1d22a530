// Text from outside the game on its way to a terminal. A file name or a
// script line may hold an escape sequence that would retitle the window,
// clear the screen or move the cursor; printed through here it cannot.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sonarch {

// The text with every control character shown instead of obeyed: C0 codes
// and DEL in caret notation ("^[" for Escape, "^?" for DEL), a tab as a blank,
// and the C1 codes, the marks that turn the text's direction and every byte
// that is not well-formed UTF-8 as "?".
std::string harmless(std::string_view text);

// harmless(text), cut after `characters` characters with "..." when longer.
std::string harmlessShortened(std::string_view text, std::size_t characters);

}  // namespace sonarch
