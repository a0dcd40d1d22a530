// The session: the game as the player meets it. It holds the board, and
// around it the menus, the cursor, the history, the speech settings, the
// pauses and the sound cues; it hands the player's keys and the computer
// players' moves to the rules and words what they did. Everything it needs
// from the platform goes through the Platform and the FrontEnd it is given;
// hosts reach it only through GameSession.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "files/fileList.h"
#include "files/settingsFormat.h"
#include "game/FrontEnd.h"
#include "game/OnlineSeat.h"
#include "game/Platform.h"
#include "input/zoneFind.h"
#include "rules/Board.h"
#include "rules/Outcome.h"
#include "rules/RandomSource.h"
#include "rules/computerPlayer.h"
#include "rules/strength.h"
#include "table/Table.h"
#include "wording/Wording.h"

namespace sonarch {

constexpr int historySize = 50;

// The pause timer: enabled exactly while a pause runs; the interval in
// milliseconds until its one tick, set back to 0 by the tick.
struct PauseTimer {
    bool Enabled = false;
    int Interval = 0;
};

class Form1 : private TableListener {
public:
    Form1(Platform& platform, FrontEnd& frontEnd);

    // ---- operations ----
    void loadMap();
    void loadGame(const std::string& saveName);
    void saveGame(const std::string& saveName);
    void startUsOut();
    void drawscreen();
    void sayIt(const std::string& tempm);
    void addMessage(const std::string& tempm);
    // Into the history only, unsaid.
    void recordUnsaid(const std::string& text);
    // A pause in what the game is telling: the sentences and moves told
    // after it wait until it is over.
    void hold(const double& seconds);
    void checkPlayer(const int& index);
    void rememberPutOut(const Outcome& out);
    void moveLink(const int& index);
    // Plays the cue unless the player switched sounds off.
    void playCue(Cue cue);
    // Takes the settings file over; what went wrong, to be said, or "".
    std::string loadSettings();
    // Writes the settings; why they could not be kept, to be said, or "".
    std::string rememberSettings();
    std::string settingNotKeptOnce(const std::string& why);
    // The token of the seat kept for room on server, or "".
    std::string keptSeat(const std::string& server, const std::string& room) const;
    // Keeps the seat's token in the settings (the empty token forgets it).
    void keepSeat(const std::string& server, const std::string& room, const std::string& token);
    // Sweeps the leftovers of killed writes from the folders this run writes.
    void removeLeftovers();

    // ---- events from the host ----
    void Form_Load();
    void Form_KeyDown(short& keyCode, const short& shift);
    void Form_KeyUp(short& keyCode, const short& shift);
    void Holder_Timer();
    // The answer to the save prompt; nullopt when it was cancelled.
    void textEntered(const std::optional<std::string>& text);
    // After every event: a pause that was running sees Ctrl and its tick,
    // and whatever waits behind a pause that is over is told.
    void afterEvent(bool pausedBefore);

    // Puts a position on the table and shows it, as a load does.
    void setUpBoard(const Board& position);
    // The same, and play goes on from it with the cursor on zone cursor.
    void putInPlay(const Board& position, int cursor = 1);
    // The map list's choice of a map file, read as Enter on it reads it.
    void chooseMap(const std::string& path);
    // A new game on the map chosen, against this many computer players.
    void startAgainst(int computers);
    // The voice sentences are spoken with, at the rate given: the one the
    // host made at start-up, or one a test watches.
    void useVoice(std::unique_ptr<Voice> voice, int rate);
    const Table& table() const { return table_; }

    // ---- a seat in a room a server holds ----
    // From now on this seat's moves go to the server, and what they did
    // comes back from it, to be told as a move at this table is told.
    void goOnline(OnlineSeat& seat) { online_ = &seat; }
    // The server took this program into a room: seat 0 watches.
    void onlineJoined(const std::string& spokenCode, const std::string& link, int seat);
    // The whole position, as the server holds it after move `move`: the
    // room before its game starts, a seat taken back, or a board that the
    // moves told did not lead to.
    void onlineBoard(Board position, std::int64_t move, bool started, bool creator, int seatsOpen);
    // Move `move` of the room, with the board after it.
    void onlinePlayed(const Played& played, std::int64_t move);
    void onlineRefused(Refusal refusal, const std::string& reason);
    // News of the room, a chat line, the connection's own news: said at
    // once, never held behind a pause, and kept out of the history of play.
    void onlineNews(const std::string& sentence, bool chat);
    // The public rooms a server listed: read out, one key joins one.
    void onlineRooms(const std::vector<RoomOffer>& rooms);
    // A line said in the room: told and kept for H unless its speaker is muted.
    void onlineChat(const std::string& name, const std::string& text);
    bool awaitingServer() const { return awaitingServer_; }
    bool playsOnline() const { return online_ != nullptr; }
    // Handles one event that did not come from the player's keys (what the
    // room sent, or the story going on after a pause online): whatever it
    // tells follows the sentence being said instead of cutting it off. Only
    // the answers to the player's own keys cut in.
    template <typename Handle>
    void tellBehindTheVoice(Handle handle) {
        const bool pausedBefore = Holder.Enabled;
        followSpeech_ = true;
        handle();
        afterEvent(pausedBefore);
        followSpeech_ = false;
    }

    // What may be read of the session from outside it (the tests, the
    // benchmarks and the fuzzers): the game as told so far and where the
    // player stands. Read-only: the session's state is its own.
    struct View {
        const Board& board;
        const int& cursorZone;
        const int& linkCursor;
        const int& menuState;
        const int& menuCursor;
        const int& lastKey;
        const int& maxPlayers;
        const int& ctrlHeld;
        const int& messageCount;
        const std::array<std::string, historySize + 1>& messages;
        const PauseTimer& Holder;
        const std::shared_ptr<const MapRecord>& pendingMap;
        const bool& mapLoadFailed;
        const bool& gameLoadFailed;
        const int& speechRate;
        const int& mapFileCount;
    };
    const View& view() const { return view_; }

    // Where maps are read from and games saved to.
    std::vector<std::string> mapsFolders();
    std::string savesFolder();

    // The sentences the game says, in the wording the player chose.
    const Wording& words() const { return *wording_; }
    bool roundsToldBriefly() const { return briefRounds.value_or(words().clear); }
    void chooseWording(bool clear) { wording_ = clear ? &clearWording() : &classicWording(); }

private:
    // Hosts reach the session only through GameSession, which hands it the
    // run's options.
    friend class GameSession;

    // ---- the game as this seat has heard it so far ----
    // The table's board as the last move told left it: what the study keys
    // answer from. Only the table changes the game; this follows it.
    Board board;

    // ---- the player's place in it ----
    int cursorZone = 0;
    int linkCursor = 0;
    int menuState = 0;
    int lastKey = 0;
    int menuCursor = 0;
    int maxPlayers = 0;
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
    // maxPlayers; startUsOut puts it on the board when the new game starts,
    // so a map chosen while a game runs leaves that game untouched. Empty
    // when no map is waiting.
    std::shared_ptr<const MapRecord> pendingMap;
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
    // How many of M's sentences the M presses just before said; any other
    // key starts them over.
    int boardStep = 0;
    // The strength F3 sets for the computer players of the next game, and
    // the strength of the game in progress, fixed when it began or was loaded.
    Strength computerStrength = Strength::Standard;
    Strength gameStrength = Strength::Standard;
    // Whether F4 asked for the computer players' turns told briefly (true)
    // or in full (false); unset until the player presses it, and the
    // wording decides meanwhile: in full with the classic sentences, as they
    // have always been told, briefly with the clear ones.
    std::optional<bool> briefRounds;

    // The search by name that F opens; it has the keys while it lasts.
    ZoneFind finding;
    // The zone J, B or N went to last: from a zone not yours they go on from
    // its place in name order, so a look at the neighbours does not lose
    // the player's place among their own zones. 0 before any.
    int jumpedTo = 0;
    // The names of the players put out, for the digit keys: the board
    // empties a name when its player goes out. They belong to the game on
    // the board's map; another game (a new map record) starts them afresh.
    struct OutNames {
        std::shared_ptr<const MapRecord> game;
        PlayerTable<std::string> names{};
    } outNames;

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
    // The file's text as read or last written, into which a change is put;
    // nullopt while there is none.
    std::optional<std::string> settingsFileText;
    // Why the file found at start is never to be written (it could not be
    // read, or is not a settings file); empty when it may be.
    std::string settingsNeverWritten;
    bool settingsWriteFailed = false;
    // G in the map list makes a map; each G in a row offers the next size.
    // The maps' seeds come from a generator of their own, started from the
    // run's seed, so that making maps never changes the game's draws.
    int madeMapsInARow = 0;
    // The map G made last, while G is pressed again at once; empty otherwise.
    std::string madeMapPath_;
    std::optional<std::mt19937_64> mapSeeds;

    // ---- setting up a game at one keyboard ----
    // The people added with P, in seat order; empty for the one-person
    // game, whose person is "You".
    std::vector<std::string> people;
    // The number of computer players chosen for the next game.
    int computersChosen = 0;

    // The game's one random source; the host may pin its seed and put fixed
    // numbers first before Form_Load seeds it.
    RandomSource random;

    Platform& platform_;
    FrontEnd& frontEnd_;
    const Wording* wording_ = &classicWording();

    // What the game is telling, in order: sentences, cues, pauses, and the
    // next move of the turn, which is made only when what comes before it
    // has been told.
    struct Step {
        enum class Kind { Say, Message, Record, Cue, Pause, Then, Show };
        Kind kind;
        std::string text{};
        Cue cue = Cue::YourTurn;
        double seconds = 0;
        void (Form1::*then)() = nullptr;
        std::shared_ptr<const Board> shown{};
    };
    std::deque<Step> story_;
    bool awaitingText_ = false;
    // The person whose name the open prompt asks for; 0: it asks a save's.
    int namingPerson_ = 0;
    // The game itself: it plays every move and hands each to this session.
    Table table_{random};
    // At one keyboard with several people: whose place the cursor keeps
    // now, and each person's place while others play.
    int keysHeldBy_ = 0;
    PlayerTable<int> cursorOf_{};
    // Each person's board as their last turn ended, and what changed for
    // them since, as told when their turn began (L says it again).
    PlayerTable<std::shared_ptr<const Board>> lastTurnEnded_{};
    PlayerTable<std::string> sinceLastTurn_{};
    // A computer player's turn told briefly, while the table hands its moves
    // over: what it did so far, summed up where its attacks end.
    struct BriefTurn {
        int seat = 0;
        TurnTally tally{};
        // The attacks against the listener, told as they happened.
        int attacksTold = 0;
        // The put-out sentences, said after the attacks' sentence.
        std::vector<std::string> putOut{};
        // Its placing in full (kept in the history) and summed up.
        std::string placedInFull{};
        std::string placedBriefly{};
    };
    std::optional<BriefTurn> briefTurn_;
    // A key refused in the running pause has been answered.
    bool pauseKeyAnswered_ = false;
    // Shift+A asked how many points to place; the next key answers.
    bool countingPoints_ = false;

    // Online: where this seat's moves go, which seat it is (0 while it
    // watches), how many of the room's moves it has been told of, and
    // whether a move of its own waits for the server's answer.
    OnlineSeat* online_ = nullptr;
    int ownSeat_ = 0;
    std::int64_t movesSeen_ = 0;
    std::int64_t readySent_ = -1;
    bool awaitingServer_ = false;
    bool roomStarted_ = false;
    bool roomCreator_ = false;
    // The room's chat, apart from the history of play; H reads it back.
    std::deque<std::string> chatLines_;
    int chatCursor_ = 0;
    // The open prompt asks for a chat line.
    bool chatting_ = false;
    // The board the server sent last, from which this program works out its
    // own after each move to hold it against the server's; whether a
    // difference was told (once a room is enough).
    Board serverBoard_;
    bool boardsDifferTold_ = false;
    // The public rooms heard last, while their list has the keys, and the
    // one heard now.
    std::vector<RoomOffer> roomOffers_;
    bool roomListOpen_ = false;
    int roomCursor_ = 0;
    // The people whose chat is not told, by the names the room gave them.
    std::vector<std::string> mutedNames_;
    // What is told now waits for the voice's sentence to end.
    bool followSpeech_ = false;
    // The online menu's question open (1: the server, 2: the room), and
    // the server's address used last.
    int onlineStep_ = 0;
    std::string onlineServer_ = "http://127.0.0.1:7878/";

    const View view_{board,        cursorZone,       linkCursor,     menuState,  menuCursor, lastKey,
                     maxPlayers,   ctrlHeld,         messageCount,   messages,   Holder,     pendingMap,
                     mapLoadFailed, gameLoadFailed,  speechRate,     mapFileCount};

    // The voice while speech is on and heard; null while sentences go to the caption.
    Voice* speakingVoice();
    void putOut(const std::string& text, bool recorded);
    void record(const std::string& text);

    // Telling: sentences queued behind any pause before them.
    void tellSay(std::string text);
    void tellMessage(std::string text);
    void tellRecord(std::string text);
    void tellCue(Cue cue);
    void tellThen(void (Form1::*then)());
    void tell();
    void beginPause(double seconds);
    void endPause();

    // The turn cycle, told a move at a time as the table hands moves over.
    void played(const Played& played) override;
    int listenerOf(const Board& seen) const;
    void showBoard(const Board& after);
    void tellPersonMove(const Played& played);
    void tellAttack(const Played& played);
    void tellComputerMove(const Played& played);
    void tellComputerAttack(const Outcome& attack, const Board& after, int listener);
    void tellComputerMoveBriefly(const Played& played);
    void finishBriefTurn(const Board& after);
    void tellTurnPassing(const Played& played);
    void tellTurnBegins(const Outcome& outcome, const Board& after);
    void passTheKeys();
    // A move of the person at the keys: to the table here, or to the server.
    Refusal makeMove(const Move& move);
    Board asHeardHere(Board position) const;
    Board ownBoardAfter(const Played& played) const;
    void checkServerBoard(const Played& played, bool nextMove);
    void tellServerReady();
    bool onlineKeys(short keyCode, short shift);
    void chatEntered(const std::optional<std::string>& typed);
    // "/mute NAME" or "/unmute NAME" typed as a chat line; false for a line to say.
    bool chatCommand(std::string_view typed);
    bool onlineMenuKey(short keyCode, short shift);
    void askOnline(int step, const std::string& question);
    void onlineAnswered(const std::optional<std::string>& typed);
    std::string onlineMapName() const;
    bool roomListKeys(short keyCode, short shift);
    std::string roomHeard(int index) const;
    void joinListedRoom(int index);
    void sinceLastTurnKey();
    int firstPlaceOf(int seat) const;
    // Tells who was put out and whether the game ended, in the order the
    // wording gives; false when the game is over.
    bool tellGameEnders(const Outcomes& outcomes, const Board& after);
    void endGame();

    // Stages of the key handler.
    void menuKeys(short& keyCode, const short& shift);
    void mainMenuKeys(short& keyCode);
    void mapListKeys(short& keyCode, short shift);
    // Several people at one keyboard, in the question for the number of
    // computer players.
    bool peopleKeys(short keyCode, short shift);
    int peopleAtTheKeyboard() const;
    void askHowManyComputers(const std::string& before = "");
    std::string fitPeopleToMap();
    void askPersonName(int person, const std::string& prompt);
    std::optional<PersonNameProblem> personNameProblem(const std::string& name) const;
    void personNameEntered(const std::optional<std::string>& typed);
    void savedGameListKeys(short& keyCode);
    void previousMenuKey(short keyCode);
    void openFileList(const std::string& announcement, const std::vector<std::string>& folders, int& length,
                      int list);
    void gameKeys(short& keyCode, const short& shift);
    bool linkKeys(short keyCode);
    void browseLinks(short keyCode);
    void sayCursorZoneReport();
    bool confirmationKey(short keyCode);
    HelpPlace helpPlaceNow() const;
    bool moveHistoryCursor(short keyCode, short shift);
    std::string matchSentence(int zone, const std::vector<int>& matches) const;
    std::string strengthNote() const;
    void exitProgram();
    void endProgram();
    void saveOrAskToReplace(const std::string& saveName);
    bool saveExists(const std::string& saveName);
    // The file of Saves that saving under saveName would replace, in any
    // case (see saveGame); empty when none.
    std::string savedFileLike(const std::string& saveName);
    bool settingKeys(short keyCode, short shift);
    bool strengthKey(short keyCode, short shift);
    bool roundsKey(short keyCode, short shift);
    bool studyKeys(short keyCode, short shift);
    bool playersKeys(short keyCode, short shift);
    void answerKeyInPause();
    bool jumpKeys(short keyCode, short shift);
    bool findKeys(short keyCode, short shift);
    void helpKey();
    bool newMapKey(short keyCode, short shift);
    void makeNewMap();
    void placementKeys(short& keyCode, const short& shift);
    void endPhaseKey();
    void claimHumanStart();
    void placePoint();
    void placeAllKey();
    void attackKey();
    void askHowManyPoints();
    bool pointsCountKey(short keyCode, short shift);
};

}  // namespace sonarch
