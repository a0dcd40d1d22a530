#include "host/terminal/lineEditor.h"

#include "input/keyCodes.h"

namespace sonarch::terminal {

namespace {

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
// Save names become file names: a line break or other control byte in one
// would make a file that the saved-game list cannot show sensibly.
bool printable(const std::string& characters) {
    for (char c : characters)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) return false;
    return !characters.empty();
}
}  // namespace

std::size_t LineEditor::previousStart(std::size_t at) const {
    if (at == 0) return 0;
    --at;
    while (at > 0 && continuation(text_[at])) --at;
    return at;
}

std::size_t LineEditor::nextStart(std::size_t at) const {
    if (at >= text_.size()) return text_.size();
    ++at;
    while (at < text_.size() && continuation(text_[at])) ++at;
    return at;
}

std::size_t LineEditor::charactersAfterCursor() const {
    std::size_t count = 0;
    for (std::size_t i = cursor_; i < text_.size(); ++i)
        if (!continuation(text_[i])) ++count;
    return count;
}

void LineEditor::insert(const std::string& characters) {
    text_.insert(cursor_, characters);
    cursor_ += characters.size();
}

LineEditor::State LineEditor::apply(const DecodedKey& input) {
    if (state_ != State::Editing) return state_;
    if (input.kind == DecodedKey::Kind::Text) {
        if (printable(input.text)) insert(input.text);
        return state_;
    }
    if (input.kind != DecodedKey::Kind::Key) return state_;
    // A typed character goes in as it is, whatever key made it.
    if (!input.text.empty() && input.stroke.shift != key::AltMask && printable(input.text)) {
        insert(input.text);
        return state_;
    }
    state_ = editKey(input.stroke);
    return state_;
}

LineEditor::State LineEditor::editKey(const KeyStroke& stroke) {
    const short code = stroke.code;
    const bool ctrl = stroke.shift == key::CtrlMask;
    if (code == key::Enter && stroke.shift == 0) return State::Accepted;
    if (code == key::Escape || (ctrl && code == key::C)) return State::Cancelled;
    if (ctrl && code == 'D') {
        if (text_.empty()) return State::Cancelled;
        text_.erase(cursor_, nextStart(cursor_) - cursor_);
    } else if (code == key::Backspace) {
        const std::size_t from = previousStart(cursor_);
        text_.erase(from, cursor_ - from);
        cursor_ = from;
    } else if (code == key::Delete) {
        text_.erase(cursor_, nextStart(cursor_) - cursor_);
    } else if (code == key::Left || (ctrl && code == 'B')) {
        cursor_ = previousStart(cursor_);
    } else if (code == key::Right || (ctrl && code == 'F')) {
        cursor_ = nextStart(cursor_);
    } else if (code == key::Home || (ctrl && code == 'A')) {
        cursor_ = 0;
    } else if (code == key::End || (ctrl && code == 'E')) {
        cursor_ = text_.size();
    } else if (ctrl && code == 'U') {
        text_.erase(0, cursor_);
        cursor_ = 0;
    } else if (ctrl && code == 'K') {
        text_.erase(cursor_);
    }
    return State::Editing;
}

}  // namespace sonarch::terminal
