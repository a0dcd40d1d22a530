#include "net/playerText.h"

#include <cstdint>

#include "net/protocol.h"

namespace sonarch::net {

namespace {
// The code points of valid UTF-8, one at a time.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[at]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t point = length == 1 ? lead : length == 2 ? lead & 0x1FU : length == 3 ? lead & 0x0FU : lead & 0x07U;
        for (std::size_t k = 1; k < length && at + k < text.size(); ++k)
            point = (point << 6) | (static_cast<std::uint8_t>(text[at + k]) & 0x3FU);
        visit(point);
        at += length;
    }
}

bool isControl(std::uint32_t point) {
    return point < 0x20 || (point >= 0x7F && point <= 0x9F) || point == 0x2028 || point == 0x2029 ||
           (point >= 0x202A && point <= 0x202E) || (point >= 0x2066 && point <= 0x2069);
}

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
}  // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    forEachCodePoint(text, [&](std::uint32_t) { ++count; });
    return count;
}

bool hasControlCharacter(std::string_view text) {
    bool found = false;
    forEachCodePoint(text, [&](std::uint32_t point) { found = found || isControl(point); });
    return found;
}

std::string_view trimmedOfSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

std::string nameRefusal(std::string_view name) {
    const std::size_t length = characterCount(name);
    if (length < 1 || length > maxNameLength) return "A name must have 1 to 20 characters.";
    if (hasControlCharacter(name) || name.find_first_of(",\"") != std::string_view::npos)
        return "A name may not hold a comma, a double quote or a control character.";
    // Every listener hears "You" for their own seat; a player named so
    // could not be told from them.
    if (name.size() == 3 && upper(name[0]) == 'Y' && upper(name[1]) == 'O' && upper(name[2]) == 'U')
        return "A name may not be You.";
    return {};
}

std::string chatRefusal(std::string_view text) {
    const std::size_t length = characterCount(text);
    if (length < 1 || length > maxChatLength) return "A chat line must have 1 to 200 characters.";
    if (hasControlCharacter(text)) return "A chat line may not hold a control character.";
    return {};
}

std::string serverTextRefusal(std::string_view text, std::size_t mostCharacters, bool mayBeEmpty) {
    const std::size_t length = characterCount(text);
    if ((length == 0 && !mayBeEmpty) || length > mostCharacters)
        return "The server sent a name or a sentence of the wrong length.";
    if (hasControlCharacter(text)) return "The server sent a control character.";
    return {};
}

std::optional<std::string> roomCodeTyped(std::string_view code) {
    std::string capitals(code);
    for (char& c : capitals) c = upper(c);
    if (!isRoomCode(capitals)) return std::nullopt;
    return capitals;
}

bool isToken(std::string_view token) {
    if (token.size() != 32) return false;
    for (const char c : token)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

}  // namespace sonarch::net
