// Metaphone's rules: a word is heard by its consonants, so vowels count only
// where a word begins. Names that differ in one vowel (Hill and Hall,
// Oakmere and Oakmoor) are hard to tell apart in quick synthetic speech.
#include "files/soundKey.h"

#include <cstring>
#include <vector>

namespace sonarch {

namespace {

bool isLetter(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
// Bytes of letters beyond ASCII are kept as they are: equal bytes, equal sound.
bool isWide(char c) { return static_cast<unsigned char>(c) >= 0x80; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

class Word {
public:
    explicit Word(std::string letters) : w_(std::move(letters)) {}

    std::string key() {
        start_ = skipSilentStart();
        for (std::size_t i = start_; i < w_.size(); ++i) {
            const char c = w_[i];
            // Doubled letters are heard once; CC is not (accent).
            if (i > 0 && c == w_[i - 1] && c != 'C') continue;
            letter(i);
        }
        return out_;
    }

private:
    char at(std::size_t i) const { return i < w_.size() ? w_[i] : '\0'; }
    char before(std::size_t i) const { return i > 0 ? w_[i - 1] : '\0'; }
    static bool vowel(char c) { return c != '\0' && std::strchr("AEIOU", c) != nullptr; }
    // Y sounds as a vowel unless a vowel follows it (Smyth, Philby; but Yarrow).
    bool vowelAt(std::size_t i) const {
        return vowel(at(i)) || (at(i) == 'Y' && i < w_.size() && !vowel(at(i + 1)) && i > 0);
    }
    bool frontVowel(std::size_t i) const { return at(i) == 'E' || at(i) == 'I' || at(i) == 'Y'; }
    bool follows(std::size_t i, const char* text) const { return w_.compare(i, std::strlen(text), text) == 0; }

    std::size_t skipSilentStart() {
        for (const char* silent : {"AE", "GN", "KN", "PN", "WR"})
            if (follows(0, silent)) return 1;
        if (follows(0, "X")) {
            out_ += 'S';
            return 1;
        }
        if (follows(0, "WH")) {
            out_ += 'W';
            return 2;
        }
        return 0;
    }

    void letter(std::size_t i) {
        const char c = w_[i];
        const char next = at(i + 1);
        if (isDigit(c) || isWide(c)) {
            out_ += c;
            return;
        }
        if (vowelAt(i)) {
            if (i == start_) out_ += c == 'Y' ? 'I' : c;
            return;
        }
        switch (c) {
        case 'B': if (!(before(i) == 'M' && i + 1 == w_.size())) out_ += 'B'; return;
        case 'C':
            if (follows(i, "CIA") || (next == 'H' && before(i) != 'S')) out_ += 'X';
            else if (frontVowel(i + 1)) out_ += 'S';
            else out_ += 'K';
            return;
        case 'D': out_ += follows(i + 1, "G") && frontVowel(i + 2) ? 'J' : 'T'; return;
        case 'G':
            // GH is silent unless a vowel follows it; so is G before N at a word's end.
            if (next == 'H' && !vowel(at(i + 2))) return;
            if (next == 'N' && (i + 2 == w_.size() || follows(i + 1, "NED"))) return;
            if (before(i) == 'D' && frontVowel(i + 1)) return;  // heard in the D of DGE
            out_ += frontVowel(i + 1) && before(i) != 'G' ? 'J' : 'K';
            return;
        case 'H':
            // Part of CH, GH, PH, SH or TH; or unheard after a vowel (Noah).
            if (i > 0 && std::strchr("CGPST", before(i)) != nullptr) return;
            if (i > 0 && vowelAt(i - 1) && !vowel(next)) return;
            out_ += 'H';
            return;
        case 'K': if (before(i) != 'C') out_ += 'K'; return;
        case 'P': out_ += next == 'H' ? 'F' : 'P'; return;
        case 'Q': out_ += 'K'; return;
        case 'S': out_ += next == 'H' || follows(i + 1, "IO") || follows(i + 1, "IA") ? 'X' : 'S'; return;
        case 'T':
            if (follows(i + 1, "IA") || follows(i + 1, "IO")) out_ += 'X';
            else if (next == 'H') out_ += '0';
            else if (!follows(i + 1, "CH")) out_ += 'T';
            return;
        case 'V': out_ += 'F'; return;
        case 'W': if (vowel(next)) out_ += 'W'; return;
        case 'X': out_ += "KS"; return;
        case 'Y': out_ += 'Y'; return;
        case 'Z': out_ += 'S'; return;
        default: out_ += c; return;  // F J L M N R
        }
    }

    std::string w_;
    std::size_t start_ = 0;
    std::string out_;
};

std::vector<std::string> words(std::string_view name) {
    std::vector<std::string> found(1);
    for (char c : name) {
        c = upper(c);
        if (isLetter(c) || isDigit(c) || isWide(c)) {
            found.back() += c;
        } else if (!found.back().empty()) {
            found.emplace_back();
        }
    }
    return found;
}

}  // namespace

std::string plainSpelling(std::string_view name) {
    std::string plain;
    for (const std::string& word : words(name)) plain += word;
    return plain;
}

std::string soundKey(std::string_view name) {
    std::string key;
    for (const std::string& word : words(name)) key += Word(word).key();
    return key;
}

}  // namespace sonarch
