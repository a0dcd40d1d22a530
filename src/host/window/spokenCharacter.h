// What the save prompt says for a character typed or erased, so that a name
// can be typed by ear: a blank or a mark is named, a capital is told apart.
#pragma once

#include <string>

namespace sonarch::window {

// character: one character, UTF-8.
std::string spokenCharacter(const std::string& character);
// The text without its last character (a whole UTF-8 sequence); which one
// went is put in erased.
std::string withoutLastCharacter(const std::string& text, std::string& erased);

}  // namespace sonarch::window
