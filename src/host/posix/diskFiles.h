// The disk services every real host shares: listing a folder, reading a
// text file whole, and replacing a file whole or not at all or making a
// new one.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sonarch::disk {

// Larger files are no map or saved game of this game; refusing them early
// keeps a stray file from filling memory.
constexpr std::size_t largestTextFile = 4 * 1024 * 1024;

std::optional<std::vector<std::string>> listFiles(const std::string& folder);
bool makeFolder(const std::string& folder);
// followLinks: whether a symbolic link is read through (a map may be one; a
// saved game, which only the game writes, never is).
std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot, bool followLinks);
// Replaces a plain file whole, or makes it where nothing is; anything else
// at path is left alone ("it is not a file"). A symbolic link is replaced
// only when throughOwnLink, and then by writing its target, when that is a
// plain file of the user's own (a settings file kept with the player's other
// dotfiles); otherwise "it is a link to another file".
bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot,
                   bool throughOwnLink = false);
// Writes a new file whole, never over one already there (EEXIST's reason then).
bool createTextFile(const std::string& path, const std::string& contents, std::string& whyNot);
// Removes from folder the temporary files of saves that a program killed in
// the middle of saving left behind; nothing else.
void removeLeftoverSaves(const std::string& folder);
// The folder that holds the running program.
std::string programFolder();
double secondsSinceMidnight();

}  // namespace sonarch::disk
