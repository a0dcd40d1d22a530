// The map maker's commands: --check-map FILE, --simulate N FILE and
// --make-map FILE. They run instead of the game and end the program with
// their own status.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/Platform.h"

namespace sonarch {

// The exit status when args ask for a tool, after running it; nothing when
// they ask for the game.
// Files are read through disk; the progress bar goes to err when
// errIsTerminal, where a person sees it.
std::optional<int> runToolCommand(const std::vector<std::string>& args, Platform& disk, std::ostream& out,
                                  std::ostream& err, bool errIsTerminal);

// Reports every finding on the map at path: 0 when nothing stops play, 1
// when something does, 2 when the file cannot be read as a map.
int checkMapFile(Platform& disk, const std::string& path, std::ostream& out);

extern const char* const toolUsageText;

}  // namespace sonarch
