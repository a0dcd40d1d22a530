// Saving and loading a game. A save is written whole or not at all, under a
// name that stays inside the Saves folder; a load takes the file over only
// when all of it was good, so a refused file leaves the game as it was.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "files/portableNames.h"
#include "files/saveFormat.h"
#include "files/textItems.h"
#include "game/Form1.h"
#include "rules/chain.h"
#include "rules/moves.h"

namespace sonarch {

namespace {

// Why a typed name cannot name a save, or nothing when it can. A name
// beginning with a full stop would be a hidden file that the saved-game list
// never shows, and it is also how ".." would leave the folder.
std::optional<SaveNameProblem> saveNameProblem(const std::string& name) {
    if (name.find_first_not_of(" \t") == std::string::npos) return SaveNameProblem::Blank;
    if (name.find_first_of("/\\") != std::string::npos) return SaveNameProblem::Slash;
    if (name.front() == '.') return SaveNameProblem::LeadingFullStop;
    // A name that is not UTF-8 has no one spelling on another system, nor
    // one a voice could read.
    if (!isWellFormedUtf8(name)) return SaveNameProblem::NotUtf8;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        // The C1 codes too, U+0080 to U+009F, written C2 80 to C2 9F.
        const bool c1 = byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7f || c1) return SaveNameProblem::ControlCharacter;
    }
    if (characterCount(name) > longestName) return SaveNameProblem::TooLong;
    if (holdsReservedMark(name)) return SaveNameProblem::ReservedMark;
    if (endsInDotOrBlank(name)) return SaveNameProblem::TrailingFullStopOrBlank;
    if (isDeviceName(name)) return SaveNameProblem::DeviceName;
    return std::nullopt;
}

// A name from the saved-game list is a bare file name of the Saves folder.
bool namesAFileInSaves(const std::string& name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("/\\") == std::string::npos;
}

SaveRecord recordOf(const Board& board) {
    SaveRecord r;
    r.map = *board.map;
    r.playerCount = board.playerCount;
    r.turnPlayer = board.turnPlayer;
    r.humanPlayer = board.humanPlayer;
    r.choosingStart = board.choosingStart;
    r.placingPoints = board.placingPoints;
    r.zoneOwner = board.zoneOwner;
    r.zoneArmy = board.zoneArmy;
    r.playerName = board.playerName;
    r.isComputer = board.isComputer;
    r.points = board.points;
    return r;
}

// The board of a saved game. Players above its playerCount keep what the
// board before held: a new game later in this run draws its names against
// them, as it always has.
Board boardOf(SaveRecord r, const Board& before) {
    Board board(std::move(r.map));
    board.playerCount = r.playerCount;
    board.turnPlayer = r.turnPlayer;
    board.humanPlayer = r.humanPlayer;
    board.choosingStart = r.choosingStart;
    board.placingPoints = r.placingPoints;
    board.zoneOwner = r.zoneOwner;
    board.zoneArmy = r.zoneArmy;
    board.playerName = before.playerName;
    for (int p = 1; p <= r.playerCount; ++p) {
        board.playerName[static_cast<std::size_t>(p)] = r.playerName[static_cast<std::size_t>(p)];
        board.isComputer[static_cast<std::size_t>(p)] = r.isComputer[static_cast<std::size_t>(p)];
        board.points[static_cast<std::size_t>(p)] = r.points[static_cast<std::size_t>(p)];
    }
    countStartedFromZones(board);
    // Nor does it hold the chains: they are worked out when first asked for.
    board.chainStale = ~0U;
    return board;
}

}  // namespace

void Form1::saveGame(const std::string& saveName) {
    if (board.humanPlayer == 0) {
        sayIt(words().menus.said(MenuLine::NothingToSave));
        return;
    }
    if (const auto problem = saveNameProblem(saveName)) {
        sayIt(words().menus.saveNameRefused(*problem));
        return;
    }
    // The folder may have gone since start-up; making it again costs nothing.
    platform_.makeFolder(savesFolder());
    const std::string earlier = savedFileLike(saveName);
    const std::string fileName = saveName + ".snr";
    std::string whyNot;
    if (!platform_.replaceFile(savesFolder() + "/" + fileName, saveText(recordOf(board)), whyNot)) {
        sayIt(words().menus.saveFailed(saveName, whyNot));
        return;
    }
    // The same name spelt in other capitals is one file on Windows, where
    // the saves may go: the earlier spelling goes, so that the folder never
    // holds two files that a copy there would merge. On a disk that ignores
    // case it is this very file, which the listing then shows once.
    if (!earlier.empty() && earlier != fileName) {
        const auto files = platform_.listFiles(savesFolder()).value_or(std::vector<std::string>{});
        const auto listed = [&](const std::string& name) {
            return std::find(files.begin(), files.end(), name) != files.end();
        };
        if (listed(earlier) && listed(fileName)) platform_.removeFile(savesFolder() + "/" + earlier);
    }
    sayIt(words().menus.said(MenuLine::GameSaved));
}

std::string Form1::savedFileLike(const std::string& saveName) {
    if (saveNameProblem(saveName)) return "";
    const auto files = platform_.listFiles(savesFolder());
    if (!files) return "";
    // This very spelling first; then any other in the same letters.
    for (const std::string& file : *files)
        if (file == saveName + ".snr") return file;
    for (const std::string& file : *files)
        if (sameNameAnyCase(file, saveName + ".snr")) return file;
    return "";
}

bool Form1::saveExists(const std::string& saveName) { return !savedFileLike(saveName).empty(); }

void Form1::loadGame(const std::string& saveName) {
    gameLoadFailed = true;
    if (!namesAFileInSaves(saveName)) {
        sayIt(words().menus.loadRefusedOutsideSaves(saveName));
        return;
    }
    std::string whyNot;
    const auto text = platform_.readTextFile(savesFolder() + "/" + saveName, whyNot);
    SaveRecord record;
    if (!text || !parseSave(*text, record, whyNot)) {
        sayIt(words().menus.loadRefused(saveName, whyNot));
        return;
    }
    // A saved game keeps no strength: it goes on at the one chosen now.
    gameStrength = computerStrength;
    setUpBoard(boardOf(std::move(record), board));
    cursorZone = 1;
    linkCursor = 1;
    jumpedTo = 0;
    gameLoadFailed = false;
    sayIt(words().menus.gameLoaded(board, cursorZone));
}

void Form1::putInPlay(const Board& position, int cursor) {
    setUpBoard(position);
    menuState = 0;
    menuCursor = 0;
    cursorZone = board.isZone(cursor) ? cursor : 1;
    linkCursor = 1;
}

void Form1::setUpBoard(const Board& position) {
    table_.setUp(position, gameStrength);
    board = table_.board();
    keysHeldBy_ = board.peopleCount() > 1 ? board.humanPlayer : 0;
    cursorOf_ = {};
    lastTurnEnded_ = {};
    sinceLastTurn_ = {};
}

}  // namespace sonarch
