// The text a player types that other players hear: names and chat lines.
// Each is checked as a listener and a terminal will meet it: counted in
// characters, not bytes, and free of the characters that move a terminal's
// cursor, break a line or turn text around.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace sonarch::net {

// Characters of valid UTF-8 text (the JSON reader has already refused any
// other).
std::size_t characterCount(std::string_view text);
// A control character (C0, DEL, C1), a line or paragraph separator, or a
// mark that overrides the direction of text.
bool hasControlCharacter(std::string_view text);
// Without the spaces at either end.
std::string_view trimmedOfSpaces(std::string_view text);

// Why a person's name (already trimmed) may not be used; empty when it may.
std::string nameRefusal(std::string_view name);
// Why a chat line (already trimmed) may not be sent; empty when it may.
std::string chatRefusal(std::string_view text);
// Why text from the server (a name, a zone, a sentence) is not what a
// client will say; empty when it may be said.
std::string serverTextRefusal(std::string_view text, std::size_t mostCharacters, bool mayBeEmpty);

// A room code typed in either case, in capitals; nothing when it is not one.
std::optional<std::string> roomCodeTyped(std::string_view code);
// 32 lowercase hexadecimal digits.
bool isToken(std::string_view token);

}  // namespace sonarch::net
