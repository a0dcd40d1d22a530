#include "net/protocol.h"

namespace sonarch::net {

bool isRoomCode(std::string_view code) {
    if (code.size() != static_cast<std::size_t>(codeLength)) return false;
    for (const char c : code)
        if (codeLetters.find(c) == std::string_view::npos) return false;
    return true;
}

std::string spokenCode(std::string_view code) {
    // Letters apart, each its own word, so that a voice spells the code
    // rather than trying to say it.
    std::string spoken;
    for (const char c : code) {
        if (!spoken.empty()) spoken += ", ";
        spoken += c;
    }
    if (!spoken.empty()) spoken += '.';
    return spoken;
}

}  // namespace sonarch::net
