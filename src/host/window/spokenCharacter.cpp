#include "host/window/spokenCharacter.h"

#include <array>
#include <utility>

namespace sonarch::window {

namespace {
constexpr std::array<std::pair<char, const char*>, 32> markNames{{
    {' ', "space"},       {'.', "dot"},         {',', "comma"},        {'-', "dash"},
    {'_', "underscore"},  {'/', "slash"},       {'\\', "backslash"},   {'\'', "apostrophe"},
    {'"', "quote"},       {'(', "left paren"},  {')', "right paren"},  {':', "colon"},
    {';', "semicolon"},   {'!', "exclamation"}, {'?', "question"},     {'&', "and"},
    {'@', "at"},          {'#', "hash"},        {'+', "plus"},         {'=', "equals"},
    {'*', "star"},        {'%', "percent"},     {'$', "dollar"},       {'[', "left bracket"},
    {']', "right bracket"}, {'{', "left brace"}, {'}', "right brace"}, {'<', "less than"},
    {'>', "greater than"}, {'|', "bar"},        {'~', "tilde"},        {'`', "grave"},
}};
}  // namespace

std::string spokenCharacter(const std::string& character) {
    if (character.size() == 1) {
        const char c = character[0];
        for (const auto& [mark, name] : markNames)
            if (c == mark) return name;
        if (c >= 'A' && c <= 'Z') return "capital " + character;
    }
    return character;
}

std::string withoutLastCharacter(const std::string& text, std::string& erased) {
    std::size_t start = text.size();
    while (start > 0) {
        --start;
        // Continuation bytes of UTF-8 look like 10xxxxxx.
        if ((static_cast<unsigned char>(text[start]) & 0xC0) != 0x80) break;
    }
    erased = text.substr(start);
    return text.substr(0, start);
}

}  // namespace sonarch::window
