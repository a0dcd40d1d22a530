// The line the player types at the save prompt, with the editing keys a
// shell offers: arrows, Home and End, Backspace and Delete, Ctrl+A, E, U, K.
// Enter accepts; Escape, Ctrl+C, and Ctrl+D on an empty line cancel.
#pragma once

#include <cstddef>
#include <string>

#include "host/terminal/keyDecoder.h"

namespace sonarch::terminal {

class LineEditor {
public:
    enum class State { Editing, Accepted, Cancelled };

    // Applies one decoded key or character; returns the state after it.
    State apply(const DecodedKey& input);

    const std::string& text() const { return text_; }
    // The cursor as a byte offset into text(), always at a character start.
    std::size_t cursor() const { return cursor_; }
    // Characters (not bytes) after the cursor: how far to step back on screen.
    std::size_t charactersAfterCursor() const;
    State state() const { return state_; }

private:
    void insert(const std::string& characters);
    std::size_t previousStart(std::size_t at) const;
    std::size_t nextStart(std::size_t at) const;
    State editKey(const KeyStroke& stroke);

    std::string text_;
    std::size_t cursor_ = 0;
    State state_ = State::Editing;
};

}  // namespace sonarch::terminal
