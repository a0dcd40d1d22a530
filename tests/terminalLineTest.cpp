// The save prompt's line editing in the terminal. The stand-in keys are
// played in the terminal under tmux.
#include <gtest/gtest.h>

#include <string>

#include "host/terminal/keyDecoder.h"
#include "host/terminal/lineEditor.h"

namespace sonarch::terminal {
namespace {

using State = LineEditor::State;

// Feeds bytes as the terminal sends them; a lone Escape counts as typed.
State typeInto(LineEditor& editor, std::string bytes) {
    while (!bytes.empty()) {
        const DecodedKey input = decodeKey(bytes, false);
        bytes.erase(0, input.length);
        editor.apply(input);
    }
    return editor.state();
}

TEST(SavePrompt, BackspaceArrowsHomeAndEndEdit) {
    LineEditor editor;
    EXPECT_EQ(typeInto(editor, "svae\x7f\x7f"), State::Editing);
    EXPECT_EQ(editor.text(), "sv");
    typeInto(editor, "\x1b[Da\x1b[Ce");
    EXPECT_EQ(editor.text(), "save");
    typeInto(editor, "\x1b[H\x1b[3~S\x01\x1b[F1");  // Home, Delete, S, Ctrl+A, End, 1
    EXPECT_EQ(editor.text(), "Save1");
    typeInto(editor, "\x1b[D\x1b[D\x0b");  // Ctrl+K cuts to the end
    EXPECT_EQ(editor.text(), "Sav");
    EXPECT_EQ(editor.charactersAfterCursor(), 0u);
    typeInto(editor, "\x1b[D\x15");  // Ctrl+U cuts to the start
    EXPECT_EQ(editor.text(), "v");
    EXPECT_EQ(typeInto(editor, "\r"), State::Accepted);
}

TEST(SavePrompt, EscapeCtrlCAndCtrlDOnAnEmptyLineCancel) {
    LineEditor escaped;
    EXPECT_EQ(typeInto(escaped, "half\x1b"), State::Cancelled);
    LineEditor interrupted;
    EXPECT_EQ(typeInto(interrupted, "x\x03"), State::Cancelled);
    LineEditor ended;
    EXPECT_EQ(typeInto(ended, "\x04"), State::Cancelled);
    // On a line with text Ctrl+D deletes under the cursor, as in a shell.
    LineEditor deleting;
    EXPECT_EQ(typeInto(deleting, "ab\x1b[D\x04"), State::Editing);
    EXPECT_EQ(deleting.text(), "a");
}

TEST(SavePrompt, CharactersOfOtherAlphabetsAreWholeCharacters) {
    LineEditor editor;
    typeInto(editor, "caf\xc3\xa9s\x1b[D");
    EXPECT_EQ(editor.charactersAfterCursor(), 1u);
    typeInto(editor, "\x7f");
    EXPECT_EQ(editor.text(), "cafs");
    // Tab and function keys type nothing into a file name.
    EXPECT_EQ(typeInto(editor, "\t\x1b[24~\r"), State::Accepted);
    EXPECT_EQ(editor.text(), "cafs");
}

}  // namespace
}  // namespace sonarch::terminal
