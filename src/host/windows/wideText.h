// The game speaks UTF-8; Windows names files and titles windows in UTF-16.
// Every text that crosses between them goes through these two, so a name
// with letters beyond ASCII ("Ærø") keeps them both ways.
#pragma once

#include <string>
#include <string_view>

namespace sonarch::windows {

// Bytes that are no UTF-8 become U+FFFD, as they would on the screen.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

}  // namespace sonarch::windows
