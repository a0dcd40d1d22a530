#include "host/posix/folderLayout.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "host/posix/diskFiles.h"

namespace sonarch {

namespace fs = std::filesystem;

// Where the installed program's bundled data lies, from its own folder; the
// build sets it from the install folders.
#ifndef SONARCH_DATA_FROM_PROGRAM
#define SONARCH_DATA_FROM_PROGRAM "../share/sonarch"
#endif

namespace {
bool isFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Only an absolute, non-empty value counts: a relative one is ignored, as the
// XDG rules ask, rather than read against whatever folder the game runs in.
bool usable(const char* value) { return value != nullptr && value[0] == '/'; }

// An XDG base folder: the variable's value, else its default under home.
std::string baseFolder(const char* variable, const char* home, const std::string& underHome) {
    if (usable(variable)) return variable;
    if (usable(home)) return std::string(home) + "/" + underHome;
    return underHome;  // no home at all: beside wherever the game was started
}

std::string withoutTrailingSlash(std::string path) {
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

DataFolders beside(const std::string& folder) {
    return {{folder + "/Maps"}, folder + "/Saves", folder + "/settings.txt"};
}

const char* accountHome() {
    // Set but empty is unset, or the saves would land wherever the game was started.
    if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') return home;
    const passwd* account = getpwuid(getuid());
    return account != nullptr ? account->pw_dir : nullptr;
}
}  // namespace

FolderLayout chooseFolderLayout(const std::string& dataDir, const std::string& programFolder,
                                const char* xdgDataHome, const char* xdgConfigHome, const char* home) {
    if (!dataDir.empty()) return {FolderLayout::Kind::Given, beside(withoutTrailingSlash(dataDir))};
    if (isFolder(fs::path(programFolder) / "Maps")) return {FolderLayout::Kind::Portable, beside(programFolder)};
    const fs::path bundled =
        (fs::path(programFolder) / SONARCH_DATA_FROM_PROGRAM / "Maps").lexically_normal();
    const std::string own = withoutTrailingSlash(baseFolder(xdgDataHome, home, ".local/share")) + "/sonarch";
    const std::string settings =
        withoutTrailingSlash(baseFolder(xdgConfigHome, home, ".config")) + "/sonarch/settings.txt";
    return {FolderLayout::Kind::Installed, {{bundled.string(), own + "/Maps"}, own + "/Saves", settings}};
}

FolderLayout currentFolderLayout(const std::string& dataDir) {
    if (!dataDir.empty()) return chooseFolderLayout(dataDir, "", nullptr, nullptr, nullptr);
    return chooseFolderLayout(dataDir, disk::programFolder(), std::getenv("XDG_DATA_HOME"),
                              std::getenv("XDG_CONFIG_HOME"), accountHome());
}

std::string describeFolderLayout(const FolderLayout& layout) {
    static const char* const kinds[] = {"portable", "installed", "given with --data-dir"};
    std::string text =
        "Folders: portable when a Maps folder lies beside the program: maps in Maps/ and\n"
        "saves in Saves/ there. Otherwise installed: the bundled maps in the installed\n"
        "data folder, your own maps in $XDG_DATA_HOME/sonarch/Maps and saves in\n"
        "$XDG_DATA_HOME/sonarch/Saves ($XDG_DATA_HOME is ~/.local/share when unset).\n"
        "--data-dir DIR uses DIR/Maps and DIR/Saves. Settings: settings.txt beside the\n"
        "program when portable, in DIR with --data-dir, in $XDG_CONFIG_HOME/sonarch when\n"
        "installed ($XDG_CONFIG_HOME is ~/.config when unset).\n";
    text += "This run (" + std::string(kinds[static_cast<int>(layout.kind)]) + "):\n";
    const char* label = "  maps:  ";
    for (const std::string& folder : layout.folders.maps) {
        text += label + folder + "\n";
        label = "         ";
    }
    text += "  saves: " + layout.folders.saves + "\n";
    text += "  settings: " + layout.folders.settingsFile + "\n";
    return text;
}

}  // namespace sonarch
