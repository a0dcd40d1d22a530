// The terminal's bytes for every key the game uses, in the plain form every
// terminal sends and in the two extended keyboard protocols.
#include <gtest/gtest.h>

#include <string>

#include "host/keyNames.h"
#include "host/terminal/keyDecoder.h"

namespace sonarch::terminal {
namespace {

using Kind = DecodedKey::Kind;

// The whole input must be one key, named as key scripts name it.
void expectKey(const std::string& bytes, const std::string& name) {
    SCOPED_TRACE("bytes for " + name);
    const DecodedKey decoded = decodeKey(bytes, true);
    ASSERT_EQ(decoded.kind, Kind::Key);
    EXPECT_EQ(decoded.length, bytes.size());
    const auto expected = parseKeyName(name);
    ASSERT_TRUE(expected.has_value()) << name;
    EXPECT_EQ(decoded.stroke.code, expected->code);
    EXPECT_EQ(decoded.stroke.shift, expected->shift);
}

void expectCode(const std::string& bytes, short code, short shift) {
    const DecodedKey decoded = decodeKey(bytes, true);
    ASSERT_EQ(decoded.kind, Kind::Key);
    EXPECT_EQ(decoded.length, bytes.size());
    EXPECT_EQ(decoded.stroke.code, code);
    EXPECT_EQ(decoded.stroke.shift, shift);
}

TEST(TerminalKeys, LettersDigitsAndTheKeysBetween) {
    expectKey("q", "Q");
    expectKey("z", "Z");
    expectKey("Q", "Shift+Q");
    expectKey("0", "0");
    expectKey("9", "9");
    expectKey("!", "Shift+1");
    expectKey(" ", "Space");
    expectKey("\r", "Enter");
    expectKey("\n", "Enter");
    expectKey("\t", "Tab");
    expectKey(",", "Comma");
    expectKey(".", "Period");
    expectKey("`", "Grave");
    expectKey("<", "Shift+Comma");
    expectKey(">", "Shift+Period");
    expectKey("~", "Shift+Grave");
    EXPECT_EQ(decodeKey("x", true).text, "x");
}

TEST(TerminalKeys, ArrowsInBothCursorModesAndWithModifiers) {
    expectKey("\x1b[A", "Up");
    expectKey("\x1b[B", "Down");
    expectKey("\x1b[C", "Right");
    expectKey("\x1b[D", "Left");
    expectKey("\x1bOA", "Up");
    expectKey("\x1bOD", "Left");
    expectKey("\x1b[1;2A", "Shift+Up");
    expectKey("\x1b[1;5C", "Ctrl+Right");
    expectKey("\x1b[1;3B", "Alt+Down");
    expectKey("\x1b[1;6D", "Ctrl+Shift+Left");
}

TEST(TerminalKeys, FunctionKeysOfEveryKindOfTerminal) {
    const char* const tildes[] = {"11", "12", "13", "14", "15", "17", "18", "19", "20", "21", "23", "24"};
    for (int n = 1; n <= 12; ++n) expectKey(std::string("\x1b[") + tildes[n - 1] + "~", "F" + std::to_string(n));
    expectKey("\x1bOP", "F1");
    expectKey("\x1bOS", "F4");
    expectKey("\x1b[P", "F1");  // the kitty protocol
    expectKey("\x1b[1;2Q", "Shift+F2");
    expectKey("\x1b[[A", "F1");  // the Linux console
    expectKey("\x1b[[E", "F5");
    expectKey("\x1b[24;5~", "Ctrl+F12");
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

TEST(TerminalKeys, AltAndCtrlWithAKeyInPlainTerminals) {
    expectKey("\x1bx", "Alt+X");
    expectKey("\x1b.", "Alt+Period");
    expectKey("\x01", "Ctrl+A");
    expectKey("\x03", "Ctrl+C");
    expectKey("\x04", "Ctrl+D");
    expectKey("\x1b[Z", "Shift+Tab");
    expectCode("\x7f", 8, 0);  // Backspace
    expectCode("\x08", 8, 0);
}

TEST(TerminalKeys, XtermModifyOtherKeys) {
    expectKey("\x1b[27;2;13~", "Shift+Enter");
    expectKey("\x1b[27;5;99~", "Ctrl+C");
    expectKey("\x1b[27;5;46~", "Ctrl+Period");
    expectKey("\x1b[27;6;44~", "Ctrl+Shift+Comma");
    expectKey("\x1b[27;3;9~", "Alt+Tab");
}

TEST(TerminalKeys, KittyKeyboardProtocol) {
    expectKey("\x1b[13;2u", "Shift+Enter");
    expectKey("\x1b[13u", "Enter");
    expectKey("\x1b[27u", "Escape");
    expectKey("\x1b[9u", "Tab");
    expectKey("\x1b[32u", "Space");
    expectKey("\x1b[97u", "A");
    expectKey("\x1b[97;2u", "Shift+A");
    expectKey("\x1b[97:65;2u", "Shift+A");  // with the shifted key reported too
    expectKey("\x1b[44;2u", "Shift+Comma");
    expectKey("\x1b[46u", "Period");
    expectKey("\x1b[96u", "Grave");
    expectKey("\x1b[99;5u", "Ctrl+C");
    expectKey("\x1b[57399u", "KP0");
    expectKey("\x1b[57408u", "KP9");
    expectCode("\x1b[127u", 8, 0);
    // Ctrl and Shift pressed alone, as the window sends them.
    expectKey("\x1b[57442u", "Ctrl");
    expectKey("\x1b[57442;5u", "Ctrl");
    expectKey("\x1b[57448u", "Ctrl");
    expectKey("\x1b[57441;2u", "Shift");
    // Lock keys do not count as modifiers.
    expectKey("\x1b[97;65u", "A");
    // A release, should a terminal report one, is no press.
    EXPECT_EQ(decodeKey("\x1b[97;1:3u", true).kind, Kind::Ignored);
    EXPECT_EQ(decodeKey("\x1b[97;1:3u", true).length, 9u);
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
