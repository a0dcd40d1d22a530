// The terminal's bytes for every key the game uses, in the plain form every
// terminal sends and in the two extended keyboard protocols.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "host/keyNames.h"
#include "host/terminal/keyDecoder.h"

namespace sonarch::terminal {
namespace {

using Kind = DecodedKey::Kind;

void expectCode(const std::string& bytes, short code, short shift) {
    SCOPED_TRACE("bytes of length " + std::to_string(bytes.size()) + " for code " + std::to_string(code));
    const DecodedKey decoded = decodeKey(bytes, true);
    ASSERT_EQ(decoded.kind, Kind::Key);
    EXPECT_EQ(decoded.length, bytes.size());
    EXPECT_EQ(decoded.stroke.code, code);
    EXPECT_EQ(decoded.stroke.shift, shift);
}

// Every input below must be one key, named as key scripts name it.
TEST(TerminalKeys, EveryKeyInEveryProtocol) {
    const std::vector<std::pair<std::string, std::string>> keys{
        // Letters, digits and the keys between, as every terminal sends them.
        {"q", "Q"}, {"z", "Z"}, {"Q", "Shift+Q"}, {"0", "0"}, {"9", "9"}, {"!", "Shift+1"},
        {" ", "Space"}, {"\r", "Enter"}, {"\n", "Enter"}, {"\t", "Tab"}, {",", "Comma"},
        {".", "Period"}, {"`", "Grave"}, {"<", "Shift+Comma"}, {">", "Shift+Period"},
        {"~", "Shift+Grave"},
        // Arrows in both cursor modes and with modifiers.
        {"\x1b[A", "Up"}, {"\x1b[B", "Down"}, {"\x1b[C", "Right"}, {"\x1b[D", "Left"},
        {"\x1bOA", "Up"}, {"\x1bOD", "Left"}, {"\x1b[1;2A", "Shift+Up"},
        {"\x1b[1;5C", "Ctrl+Right"}, {"\x1b[1;3B", "Alt+Down"}, {"\x1b[1;6D", "Ctrl+Shift+Left"},
        // Function keys of every kind of terminal: the kitty protocol's, the
        // Linux console's.
        {"\x1b[11~", "F1"}, {"\x1b[12~", "F2"}, {"\x1b[13~", "F3"}, {"\x1b[14~", "F4"},
        {"\x1b[15~", "F5"}, {"\x1b[17~", "F6"}, {"\x1b[18~", "F7"}, {"\x1b[19~", "F8"},
        {"\x1b[20~", "F9"}, {"\x1b[21~", "F10"}, {"\x1b[23~", "F11"}, {"\x1b[24~", "F12"},
        {"\x1bOP", "F1"}, {"\x1bOS", "F4"}, {"\x1b[P", "F1"}, {"\x1b[1;2Q", "Shift+F2"},
        {"\x1b[[A", "F1"}, {"\x1b[[E", "F5"}, {"\x1b[24;5~", "Ctrl+F12"},
        // Alt and Ctrl with a key in plain terminals.
        {"\x1bx", "Alt+X"}, {"\x1b.", "Alt+Period"}, {"\x01", "Ctrl+A"}, {"\x03", "Ctrl+C"},
        {"\x04", "Ctrl+D"}, {"\x1b[Z", "Shift+Tab"},
        // xterm's modifyOtherKeys.
        {"\x1b[27;2;13~", "Shift+Enter"}, {"\x1b[27;5;99~", "Ctrl+C"},
        {"\x1b[27;5;46~", "Ctrl+Period"}, {"\x1b[27;6;44~", "Ctrl+Shift+Comma"},
        {"\x1b[27;3;9~", "Alt+Tab"},
        // The kitty keyboard protocol, once with the shifted key reported too.
        {"\x1b[13;2u", "Shift+Enter"}, {"\x1b[13u", "Enter"}, {"\x1b[27u", "Escape"},
        {"\x1b[9u", "Tab"}, {"\x1b[32u", "Space"}, {"\x1b[97u", "A"}, {"\x1b[97;2u", "Shift+A"},
        {"\x1b[97:65;2u", "Shift+A"}, {"\x1b[44;2u", "Shift+Comma"}, {"\x1b[46u", "Period"},
        {"\x1b[96u", "Grave"}, {"\x1b[99;5u", "Ctrl+C"}, {"\x1b[57399u", "KP0"},
        {"\x1b[57408u", "KP9"},
        // Ctrl and Shift pressed alone, as the window sends them.
        {"\x1b[57442u", "Ctrl"}, {"\x1b[57442;5u", "Ctrl"}, {"\x1b[57448u", "Ctrl"},
        {"\x1b[57441;2u", "Shift"},
        // Lock keys do not count as modifiers.
        {"\x1b[97;65u", "A"},
    };
    for (const auto& [bytes, name] : keys) {
        SCOPED_TRACE(name);
        const auto expected = parseKeyName(name);
        ASSERT_TRUE(expected.has_value()) << name;
        expectCode(bytes, expected->code, expected->shift);
    }
    EXPECT_EQ(decodeKey("x", true).text, "x");
    // Backspace, which has no script name.
    for (const std::string bytes : {"\x7f", "\x08", "\x1b[127u"}) expectCode(bytes, 8, 0);
    // A release, should a terminal report one, is no press.
    EXPECT_EQ(decodeKey("\x1b[97;1:3u", true).kind, Kind::Ignored);
    EXPECT_EQ(decodeKey("\x1b[97;1:3u", true).length, 9u);
}

TEST(TerminalKeys, ALoneEscapeIsToldFromTheStartOfASequence) {
    const DecodedKey waiting = decodeKey("\x1b", true);
    EXPECT_EQ(waiting.kind, Kind::Incomplete);
    const DecodedKey lone = decodeKey("\x1b", false);
    ASSERT_EQ(lone.kind, Kind::Key);
    EXPECT_EQ(lone.stroke.code, 27);
    EXPECT_EQ(lone.stroke.shift, 0);
    EXPECT_EQ(lone.length, 1u);
    // Escape pressed twice quickly: the first is a key of its own.
    const DecodedKey twice = decodeKey("\x1b\x1b", true);
    EXPECT_EQ(twice.kind, Kind::Key);
    EXPECT_EQ(twice.length, 1u);
    EXPECT_EQ(twice.stroke.code, 27);
    EXPECT_EQ(decodeKey("\x1b[", true).kind, Kind::Incomplete);
    EXPECT_EQ(decodeKey("\x1b[1;5", true).kind, Kind::Incomplete);
    EXPECT_EQ(decodeKey("\x1bO", true).kind, Kind::Incomplete);
    // Cut short for good, a half sequence is no key.
    EXPECT_EQ(decodeKey("\x1b[1;5", false).kind, Kind::Ignored);
    EXPECT_EQ(decodeKey("\x1b[1;5", false).length, 5u);
}

TEST(TerminalKeys, RepliesUnknownSequencesAndOtherAlphabets) {
    // The kitty protocol's answer to a query is no key.
    const DecodedKey reply = decodeKey("\x1b[?9uq", true);
    EXPECT_EQ(reply.kind, Kind::Ignored);
    EXPECT_EQ(reply.length, 5u);
    EXPECT_EQ(decodeKey("\x1b[99~", true).kind, Kind::Ignored);
    const DecodedKey accented = decodeKey("\xc3\xa9x", true);
    EXPECT_EQ(accented.kind, Kind::Text);
    EXPECT_EQ(accented.text, "\xc3\xa9");
    EXPECT_EQ(accented.length, 2u);
    EXPECT_EQ(decodeKey("\xc3", true).kind, Kind::Incomplete);
    EXPECT_EQ(decodeKey("\xc3", false).kind, Kind::Ignored);
    EXPECT_EQ(decodeKey("\xff", true).kind, Kind::Ignored);
}

TEST(TerminalKeys, OnlyTheFirstKeyIsTaken) {
    const DecodedKey first = decodeKey("ab", true);
    EXPECT_EQ(first.length, 1u);
    EXPECT_EQ(first.stroke.code, 'A');
    const DecodedKey arrow = decodeKey("\x1b[Aq", true);
    EXPECT_EQ(arrow.length, 3u);
    EXPECT_EQ(arrow.stroke.code, 38);
}

}  // namespace
}  // namespace sonarch::terminal
