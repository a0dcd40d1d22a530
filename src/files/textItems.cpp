#include "files/textItems.h"

#include <algorithm>

namespace sonarch {

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Longer numbers are no count, link, army or player of this game, and
// stopping here keeps the arithmetic far from overflow.
constexpr std::size_t mostDigits = 9;
}  // namespace

bool looksLikeText(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7f) return false;
    }
    return true;
}

bool isWellFormedUtf8(std::string_view text) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = byteAt(i);
        std::size_t length = 0;
        if (lead < 0x80) length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF) length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
        else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
        else return false;
        if (text.size() - i < length) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((byteAt(i + k) & 0xC0) != 0x80) return false;
        const unsigned char second = length > 1 ? byteAt(i + 1) : 0;
        // Overlong forms, UTF-16 surrogates and code points past U+10FFFF.
        if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
            (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
            return false;
        i += length;
    }
    return true;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

std::string nameProblem(std::string_view name) {
    if (name.empty()) return "is empty";
    const std::size_t characters = characterCount(name);
    if (characters <= longestName) return "";
    return "has " + std::to_string(characters) + " characters, but a name has at most " +
           std::to_string(longestName);
}

std::string_view withoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark) text.remove_prefix(mark.size());
    return text;
}

std::optional<int> wholeNumber(std::string_view text) {
    text = trimmed(text);
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > mostDigits) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

bool LineReader::next(std::string_view& line) {
    if (at_ >= text_.size()) return false;
    const std::size_t end = std::min(text_.find_first_of("\r\n", at_), text_.size());
    line = text_.substr(at_, end - at_);
    at_ = end;
    if (end == text_.size()) return true;
    ++at_;
    if (text_[end] == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
    return true;
}

bool ItemReader::atLineEnd() const {
    return at_ < text_.size() && (text_[at_] == '\r' || text_[at_] == '\n');
}

void ItemReader::skipLineEnd() {
    if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ++at_;
    ++at_;
    ++line_;
}

// After an item: up to and past the comma or line end that ends it.
void ItemReader::skipToNextItem() {
    while (at_ < text_.size() && text_[at_] != ',' && !atLineEnd()) ++at_;
    if (at_ >= text_.size()) return;
    if (text_[at_] == ',') {
        ++at_;
    } else {
        skipLineEnd();
    }
}

ItemReader::Outcome ItemReader::next(std::string& item) {
    while (at_ < text_.size() && (isBlank(text_[at_]) || atLineEnd())) {
        if (atLineEnd()) {
            skipLineEnd();
        } else {
            ++at_;
        }
    }
    itemLine_ = line_;
    if (at_ >= text_.size()) return Outcome::endOfText;
    if (text_[at_] == '"') {
        std::size_t close = at_ + 1;
        while (close < text_.size() && text_[close] != '"' && text_[close] != '\r' &&
               text_[close] != '\n')
            ++close;
        if (close >= text_.size() || text_[close] != '"') return Outcome::openQuote;
        item.assign(text_.substr(at_ + 1, close - at_ - 1));
        at_ = close + 1;
    } else {
        const std::size_t start = at_;
        while (at_ < text_.size() && text_[at_] != ',' && !atLineEnd()) ++at_;
        item.assign(trimmed(text_.substr(start, at_ - start)));
    }
    skipToNextItem();
    return Outcome::item;
}

std::optional<std::string> firstItem(std::string_view line) {
    ItemReader reader(line);
    std::string item;
    switch (reader.next(item)) {
        case ItemReader::Outcome::item:
            return item;
        case ItemReader::Outcome::endOfText:
            return std::string();
        case ItemReader::Outcome::openQuote:
            break;
    }
    return std::nullopt;
}

}  // namespace sonarch
