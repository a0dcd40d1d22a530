// The two ways the game's folders can be laid out, chosen once at start.
// Portable: Maps/ and Saves/ beside the program, as in a build folder or an
// unpacked archive. Installed: the bundled maps in the installed data folder,
// the player's own maps and saves in their data folder (XDG), which survives
// updates and is writable when the program's folder is not, and the
// settings in their configuration folder.
#pragma once

#include <string>

#include "game/DataFolders.h"

namespace sonarch {

struct FolderLayout {
    enum class Kind { Portable, Installed, Given };  // Given: --data-dir
    Kind kind = Kind::Portable;
    DataFolders folders;
};

// dataDir: the folder given with --data-dir, or empty. programFolder: the
// running program's folder. xdgDataHome, xdgConfigHome and home: those
// variables of the environment, null when unset.
FolderLayout chooseFolderLayout(const std::string& dataDir, const std::string& programFolder,
                                const char* xdgDataHome, const char* xdgConfigHome, const char* home);
// The same for this process and its environment.
FolderLayout currentFolderLayout(const std::string& dataDir);
// A few lines for --help: what each layout means and which one this run uses.
std::string describeFolderLayout(const FolderLayout& layout);

}  // namespace sonarch
