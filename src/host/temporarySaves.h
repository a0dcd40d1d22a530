// The names of the files a save (or a made map, or the settings) is written
// into before it is moved to its own name. Each write makes its own, so two
// programs saving the same game at once never write into one file; the
// pattern is the game's alone, so the leftovers of a save that was killed
// can be told apart from anything the player keeps in the Saves folder.
// Shared by the disks of every system.
#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

namespace sonarch {

inline constexpr std::string_view temporarySavePrefix = ".sonarch-save-";
inline constexpr std::string_view temporarySaveSuffix = ".tmp";
inline constexpr std::size_t temporarySaveDigits = 16;
// A save takes a moment; a temporary file older than this was left by a
// program that died, not by one saving right now.
inline constexpr int leftoverAfterSeconds = 60;

// A number for a temporary name that no other save, in this program or
// another, is likely to draw at the same moment, from the program's number
// and a fine clock; the exclusive creation of the file makes sure of the rest.
inline std::uint64_t temporarySaveNumber(std::uint64_t process, std::uint64_t clock) {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = clock ^ (process << 40) ^ (counter.fetch_add(1) * 0x9e3779b97f4a7c15u);
    // splitmix64's finish spreads every input bit over the whole number.
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9u;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebu;
    return x ^ (x >> 31);
}

// The temporary name for one save: the prefix, 16 hexadecimal digits of the
// number and the suffix.
inline std::string temporarySaveName(std::uint64_t number) {
    std::string name(temporarySavePrefix);
    for (int shift = 60; shift >= 0; shift -= 4) name += "0123456789abcdef"[(number >> shift) & 0xf];
    name += temporarySaveSuffix;
    return name;
}

inline bool isTemporarySaveName(std::string_view name) {
    if (name.size() != temporarySavePrefix.size() + temporarySaveDigits + temporarySaveSuffix.size())
        return false;
    if (name.substr(0, temporarySavePrefix.size()) != temporarySavePrefix) return false;
    if (name.substr(name.size() - temporarySaveSuffix.size()) != temporarySaveSuffix) return false;
    for (const char c : name.substr(temporarySavePrefix.size(), temporarySaveDigits))
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'))) return false;
    return true;
}

}  // namespace sonarch
