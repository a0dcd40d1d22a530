// The reading rules that map files and saved games share: items that end at
// a comma or a line end, double quotes that keep commas, whole numbers with
// blanks around them, and line ends written as CR LF, LF or CR.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sonarch {

// A file of this game holds printable text only: no byte below a blank
// except tab, carriage return and line feed, and no DEL.
bool looksLikeText(std::string_view text);

// The text without a leading UTF-8 byte order mark, which some editors add.
std::string_view withoutByteOrderMark(std::string_view text);

// Map, zone and save names are said in full in many sentences; a longer one
// is no name a listener could follow, and would only fill memory.
constexpr std::size_t longestName = 100;

// Whether text is well-formed UTF-8: no lone or stray bytes, no overlong
// forms, no UTF-16 surrogates, nothing past U+10FFFF.
bool isWellFormedUtf8(std::string_view text);

// The characters of a UTF-8 text, not its bytes.
std::size_t characterCount(std::string_view text);

// Why a map, zone or player name read from a file cannot be used ("is
// empty", "has 120 characters, but a name has at most 100"), or the empty
// text when it can.
std::string nameProblem(std::string_view name);

// A whole number with blanks around it allowed; nothing when the text holds
// anything else or more digits than a game value can have.
std::optional<int> wholeNumber(std::string_view text);

// The lines of a text, one at a time; a line end after the last line adds no
// empty line. Taken as they are read, so that a file of millions of empty
// lines never becomes millions of entries at once.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    // The next line; false at the end of the text.
    bool next(std::string_view& line);

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Items one after another. Blank lines between items are skipped; an item in
// double quotes runs to the closing quote, which must be on the same line;
// an item without quotes loses the blanks at both ends.
class ItemReader {
public:
    enum class Outcome { item, endOfText, openQuote };

    explicit ItemReader(std::string_view text) : text_(text) {}
    Outcome next(std::string& item);
    // The line, counted from 1, on which the last item began.
    int line() const { return itemLine_; }

private:
    bool atLineEnd() const;
    void skipLineEnd();
    void skipToNextItem();

    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 1;
    int itemLine_ = 1;
};

// The first item of one line, by the same rules; nothing when its double
// quote is not closed.
std::optional<std::string> firstItem(std::string_view line);

}  // namespace sonarch
