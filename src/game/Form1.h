// The game object: all state of a run and every operation of the game.
// Tables are indexed from 1; element 0 never stands for a zone, link, player
// or history entry. Everything the game needs from the platform goes through
// the Platform and the FrontEnd it is given; hosts reach it only through
// GameSession.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "files/settingsFormat.h"
#include "game/FrontEnd.h"
#include "game/Platform.h"
#include "game/RandomSource.h"

namespace sonarch {

constexpr int maxZones = 100;
constexpr int maxLinks = 10;
constexpr int maxPlayerSlots = 10;
constexpr int historySize = 50;
constexpr int maxArmy = 8;
constexpr int maxHeldPoints = 20;

// The file list: the ordinary files of the menu's folders, sorted by name,
// as read when the menu opened, with the full path of each.
struct FileList {
    std::vector<std::string> entries;
    std::vector<std::string> paths;
};

// The pause timer: enabled exactly while a pause runs; the interval in
// milliseconds until its one tick, set back to 0 by the tick.
struct PauseTimer {
    bool Enabled = false;
    int Interval = 0;
};

template <typename T>
using ZoneTable = std::array<T, maxZones + 1>;
template <typename T>
using PlayerTable = std::array<T, maxPlayerSlots + 1>;

// A map as read from its file, zones 1..zoneCount, kept apart from the game
// until a new game takes it over.
struct MapRecord {
    std::string mapName;
    int zoneCount = 0;
    ZoneTable<std::string> zoneName{};
    ZoneTable<int> linkCount{};
    ZoneTable<std::array<int, maxLinks + 1>> links{};  // 1-based zone numbers

    bool operator==(const MapRecord&) const = default;
};

class Form1 {
public:
    Form1(Platform& platform, FrontEnd& frontEnd);

    // ---- game state, in the order of the record ----
    int zoneCount = 0;
    ZoneTable<int> linkCount{};
    ZoneTable<std::array<int, maxLinks + 1>> links{};
    ZoneTable<std::string> zoneName{};
    int cursorZone = 0;
    int linkCursor = 0;
    int menuState = 0;
    int lastKey = 0;
    int menuCursor = 0;
    int choosingStart = 0;
    int placingPoints = 0;
    PlayerTable<int> hasStarted{};
    std::string mapName;
    int playerCount = 0;
    int maxPlayers = 0;
    PlayerTable<int> isComputer{};
    ZoneTable<int> zoneOwner{};
    PlayerTable<std::string> playerName{};
    PlayerTable<int> points{};
    PlayerTable<int> chain{};
    ZoneTable<int> zoneArmy{};
    int humanPlayer = 0;
    int turnPlayer = 0;
    int attackFrom = 0;
    int ctrlHeld = 0;
    bool sapiOn = false;
    int setupStep = 0;
    // Silent until Form_Load makes the run's voice.
    std::unique_ptr<Voice> voice = std::make_unique<SilentVoice>();
    std::string mapPath;
    int mapFileCount = 0;
    int saveFileCount = 0;
    int messageCount = 0;
    std::array<std::string, historySize + 1> messages{};
    int messageCursor = 0;

    // The window's pause timer and file list.
    PauseTimer Holder;
    FileList File1;

    // ---- map and saved-game files ----
    // The map chosen in the map list. loadMap reads into it and sets
    // maxPlayers; startUsOut takes it over into mapName, zoneCount, zoneName,
    // linkCount and links when the new game starts, so a map chosen while a
    // game runs leaves that game untouched. Empty when no map is waiting.
    std::optional<MapRecord> pendingMap;
    // Set by every loadMap: true when the file was refused. The reason has
    // then been said and nothing else changed, so the map list should stay
    // open instead of asking for the number of computer players.
    bool mapLoadFailed = false;
    // Set by every loadGame: true when the file was refused. The reason has
    // then been said and the game state is as it was, so the saved-game list
    // should stay open instead of resuming play.
    bool gameLoadFailed = false;

    // ---- playing by ear ----
    // The built-in voice's rate on the game's scale, -10..10; the host sets
    // it from the run's options before Form_Load.
    int speechRate = 3;
    bool soundsOn = true;
    // A step that would lose a game or a save waits for one more key: Enter
    // goes ahead, any other key calls it off.
    enum class Confirming { Nothing, Exit, ReplaceSave };
    Confirming confirming = Confirming::Nothing;
    std::string saveToReplace;
    // How many sentences of the help for the current place were said by the
    // F1 presses just before; any other key starts the help over.
    int helpStep = 0;
    int helpPlace = -1;

    // ---- settings remembered between runs ----
    // The file the host chose; when empty, the platform's place is used.
    std::optional<std::string> settingsFileGiven;
    // Read at start, written whenever the player changes a setting; empty:
    // the settings last only for the run.
    std::string settingsPath;
    // A rate asked for when the program was started wins over the file's.
    bool rateGivenForRun = false;
    // The settings as the file is to be written: as read, with the
    // player's changes of this run.
    SettingsRecord settings;
    bool settingsWriteFailed = false;

    // ---- operations ----
    void loadMap();
    void loadGame(const std::string& saveName);
    void saveGame(const std::string& saveName);
    void startUsOut();
    void endTurn();
    void runAI();
    void attackRoll(const int& temp1, const int& temp2, int& roll1, int& roll2);
    void drawscreen();
    void calcChain(const int& index);
    void sayIt(const std::string& tempm);
    void addMessage(const std::string& tempm);
    void hold(const double& seconds);
    void checkPlayer(const int& index);
    std::string pickName();
    void moveLink(const int& index);
    // Plays the cue unless the player switched sounds off.
    void playCue(Cue cue);
    // Takes the settings file over; what went wrong, to be said, or "".
    std::string loadSettings();
    // Writes the settings; why they could not be kept, to be said, or "".
    std::string rememberSettings();

    // ---- events from the host ----
    void Form_Load();
    void Form_KeyDown(short& keyCode, const short& shift);
    void Form_KeyUp(short& keyCode, const short& shift);
    void Holder_Timer();

    // The game's one random source; the host may pin its seed and put fixed
    // numbers first before Form_Load seeds it.
    RandomSource random;

    // Where maps are read from and games saved to.
    std::vector<std::string> mapsFolders();
    std::string savesFolder();

private:
    Platform& platform_;
    FrontEnd& frontEnd_;

    // The voice while speech is on and heard; null while sentences go to the caption.
    Voice* speakingVoice();

    void putOut(const std::string& text, bool recorded);

    // Stages of the key handler.
    void menuKeys(short& keyCode, const short& shift);
    void mainMenuKeys(short& keyCode);
    void mapListKeys(short& keyCode);
    void savedGameListKeys(short& keyCode);
    void openFileList(const std::string& announcement, const std::vector<std::string>& folders, int& length,
                      int list);
    void gameKeys(short& keyCode, const short& shift);
    bool linkKeys(short keyCode);
    void browseLinks(short keyCode);
    void sayCursorZoneReport();
    bool confirmationKey(short keyCode);
    void exitProgram();
    void saveOrAskToReplace(const std::string& saveName);
    bool saveExists(const std::string& saveName);
    bool settingKeys(short keyCode, short shift);
    bool studyKeys(short keyCode, short shift);
    bool jumpKeys(short keyCode, short shift);
    void helpKey();
    void placementKeys(short& keyCode, const short& shift);
    void endPhaseKey();
    void claimHumanStart();
    void placePoint();
    void attackKey();
    void addIncome();
};

}  // namespace sonarch
