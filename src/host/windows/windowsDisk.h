// The disk on Windows, with the promises of the POSIX one: listing a folder,
// reading a text file whole, replacing a file whole or not at all; every
// path UTF-8 in the game and UTF-16 for Windows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace sonarch::windows::disk {

// Larger files are no map or saved game of this game.
constexpr std::size_t largestTextFile = 4 * 1024 * 1024;

std::optional<std::vector<std::string>> listFiles(const std::string& folder);
bool makeFolder(const std::string& folder);
// followLinks: whether a link (a reparse point) is read through; a saved
// game, which only the game writes, never is.
std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot, bool followLinks);
bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot);
// Writes a new file whole, never over one already there ("File exists").
bool createTextFile(const std::string& path, const std::string& contents, std::string& whyNot);
// Removes from folder the temporary files of saves that a program killed in
// the middle of saving left behind; nothing else.
void removeLeftoverSaves(const std::string& folder);
// The folder that holds sonarch.exe, without a trailing separator.
std::string programFolder();
double secondsSinceMidnight();

}  // namespace sonarch::windows::disk
