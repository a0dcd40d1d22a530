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
std::optional<std::string> readTextFile(const std::string& path, std::string& whyNot);
bool writeTextFile(const std::string& path, const std::string& contents, std::string& whyNot);
// Writes a new file whole, never over one already there ("File exists").
bool createTextFile(const std::string& path, const std::string& contents, std::string& whyNot);
// The folder that holds sonarch.exe, without a trailing separator.
std::string programFolder();
double secondsSinceMidnight();

}  // namespace sonarch::windows::disk
