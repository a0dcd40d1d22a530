// The sentences around play: the welcome, the menus, the map and saved-game
// lists, loading and saving, the settings keys, the strength of the
// computer players, the map maker, confirmations and the help of F1.
#pragma once

#include <string>
#include <vector>

#include "rules/Board.h"
#include "rules/strength.h"

namespace sonarch {

// The sentences said the same way every time, whatever the game holds.
enum class MenuLine {
    Welcome,
    NoMapsFolderReadable,
    MapListOpened,
    SavedGamesOpened,
    SavesFolderUnreadable,
    SavePrompt,
    SaveCancelled,
    MainMenuOpened,
    MenuClosed,
    PreviousMenu,
    BackToMapList,
    MapChosen,
    GameLoaded,
    GameSaved,
    NothingToSave,
    NothingSaved,
    ExitWithGameInProgress,
    ExitCancelled,
    Goodbye,
    SpeechOn,
    SpeechOff,
    SoundsOn,
    SoundsOff,
    NoVoiceForRate,
    ScreenReaderRate,
    NoNameForNewMap,
    // F2's answers, said alike in both wordings so a player always knows
    // which one is on.
    ClassicChosen,
    ClearChosen,
    // F4's answers, likewise alike in both wordings.
    RoundsBrief,
    RoundsFull,
};

// Why a typed name cannot name a save.
enum class SaveNameProblem {
    Blank,
    Slash,
    LeadingFullStop,
    ControlCharacter,
    TooLong,
    ReservedMark,
    TrailingFullStopOrBlank,
    DeviceName,
    NotUtf8,
};

// The sizes G offers in the map list, in the order it offers them.
enum class MadeMapSize { Medium, Large, Small };

// Where F1 is pressed: each place has its own help.
// Why a name typed for a person at this keyboard cannot be taken.
enum class PersonNameProblem { Taken, You, TooLong, BadCharacter, LeadingBlank };

enum class HelpPlace { MainMenu, MapList, Question, SavedGames, Start, Attack, Placing, ComputerTurn, Finding };

class MenuWords {
public:
    virtual ~MenuWords() = default;

    virtual std::string said(MenuLine line) const = 0;

    // ---- start-up and the settings file; each sentence follows the welcome ----
    virtual std::string noMapsFolder(const std::string& folder) const = 0;
    virtual std::string speechUnavailable(const std::string& why) const = 0;
    virtual std::string cuesUnavailable(const std::string& why) const = 0;
    virtual std::string settingsNotRead(const std::string& why) const = 0;
    virtual std::string settingsNotUsed(const std::string& why) const = 0;
    // Follows a setting's answer when the file could not be written.
    virtual std::string settingNotKept(const std::string& why) const = 0;

    // ---- the menus ----
    // Positions 1 to 4 of the main menu.
    virtual std::string mainMenuItem(int position) const = 0;
    // An entry of the map list or the saved-game list: fileName among the
    // names of the whole list.
    virtual std::string listEntry(const std::string& fileName, const std::vector<std::string>& list) const = 0;
    virtual std::string historyEntry(int number, const std::string& text) const = 0;

    // ---- maps and new games ----
    virtual std::string mapRefused(const std::string& fileName, const std::string& why) const = 0;
    // Why a map of so few zones cannot be played; ends mapRefused's sentence.
    virtual std::string tooFewZones(int zoneCount) const = 0;
    virtual std::string howManyComputerPlayers(int largest) const = 0;
    virtual std::string numberRefused(int largest) const = 0;
    virtual std::string newGameBegins(const std::string& startZone) const = 0;

    // ---- saving and loading ----
    virtual std::string saveNameRefused(SaveNameProblem problem) const = 0;
    virtual std::string saveFailed(const std::string& saveName, const std::string& why) const = 0;
    virtual std::string replaceSave(const std::string& saveName) const = 0;
    virtual std::string loadRefused(const std::string& fileName, const std::string& why) const = 0;
    virtual std::string loadRefusedOutsideSaves(const std::string& fileName) const = 0;

    // ---- the settings keys ----
    virtual std::string rateSet(int rate) const = 0;
    virtual std::string rateAtLimit(int rate, bool fastest) const = 0;
    // F3's answer: the strength now chosen, which a game in progress keeps.
    virtual std::string strengthChosen(Strength chosen, bool gameInProgress) const = 0;
    // The strength of the game in progress, and the next game's where it
    // differs; between games, the next game's.
    virtual std::string strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress) const = 0;
    // What F1 adds about the strength where a game is chosen or played.
    virtual std::string strengthHelp(Strength ofGame, Strength chosen, bool gameInProgress) const = 0;

    // ---- the map maker ----
    virtual std::string mapMade(const std::string& mapName, int zones, const std::string& fileName,
                                MadeMapSize next) const = 0;
    virtual std::string madeMapNotSaved(const std::string& fileName, const std::string& why) const = 0;

    // ---- several people at one keyboard ----
    virtual std::string personNamePrompt(int person) const;
    virtual std::string personNameRefused(PersonNameProblem problem, const std::string& name, int person) const;
    // The question for the number of computer players with people added.
    virtual std::string peopleQuestion(int people, int largest) const;
    virtual std::string peopleNumberRefused(int largest) const;
    virtual std::string peopleFull(int seats) const;
    virtual std::string nobodyToRemove() const;
    virtual std::string personRemoved(const std::string& name) const;
    virtual std::string peopleLeftOut(int seats) const;
    virtual std::string peopleHelp() const;
    virtual std::string settingsKeysHelp() const;

    // A saved game loaded: the classic wording says only that; the clear
    // one says whose turn and which phase it is and where the cursor is.
    virtual std::string gameLoaded(const Board& board, int cursor) const;
    // The first key that a computer player's pause refuses, answered once.
    virtual std::string computerTurnBeingTold(const std::string& name) const;

    // ---- help ----
    // The help of a place, a sentence a press; largest: the most computer
    // players the question accepts.
    virtual std::vector<std::string> help(HelpPlace place, int largest) const = 0;
};

// The classic sentences around play, byte for byte as players have always heard them.
class ClassicMenuWords : public MenuWords {
public:
    std::string said(MenuLine line) const override;
    std::string noMapsFolder(const std::string& folder) const override;
    std::string speechUnavailable(const std::string& why) const override;
    std::string cuesUnavailable(const std::string& why) const override;
    std::string settingsNotRead(const std::string& why) const override;
    std::string settingsNotUsed(const std::string& why) const override;
    std::string settingNotKept(const std::string& why) const override;
    std::string mainMenuItem(int position) const override;
    std::string listEntry(const std::string& fileName, const std::vector<std::string>& list) const override;
    std::string historyEntry(int number, const std::string& text) const override;
    std::string mapRefused(const std::string& fileName, const std::string& why) const override;
    std::string tooFewZones(int zoneCount) const override;
    std::string howManyComputerPlayers(int largest) const override;
    std::string numberRefused(int largest) const override;
    std::string newGameBegins(const std::string& startZone) const override;
    std::string saveNameRefused(SaveNameProblem problem) const override;
    std::string saveFailed(const std::string& saveName, const std::string& why) const override;
    std::string replaceSave(const std::string& saveName) const override;
    std::string loadRefused(const std::string& fileName, const std::string& why) const override;
    std::string loadRefusedOutsideSaves(const std::string& fileName) const override;
    std::string rateSet(int rate) const override;
    std::string rateAtLimit(int rate, bool fastest) const override;
    std::string strengthChosen(Strength chosen, bool gameInProgress) const override;
    std::string strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress) const override;
    std::string strengthHelp(Strength ofGame, Strength chosen, bool gameInProgress) const override;
    std::string mapMade(const std::string& mapName, int zones, const std::string& fileName,
                        MadeMapSize next) const override;
    std::string madeMapNotSaved(const std::string& fileName, const std::string& why) const override;
    std::vector<std::string> help(HelpPlace place, int largest) const override;

protected:
    // What a made map offers next: to play it, or G for the next size.
    static std::string madeMapOffer(MadeMapSize next);
};

// The clear sentences around play: what differs from the classic ones.
class ClearMenuWords : public ClassicMenuWords {
public:
    std::string said(MenuLine line) const override;
    std::string mainMenuItem(int position) const override;
    std::string listEntry(const std::string& fileName, const std::vector<std::string>& list) const override;
    std::string mapRefused(const std::string& fileName, const std::string& why) const override;
    std::string tooFewZones(int zoneCount) const override;
    std::string howManyComputerPlayers(int largest) const override;
    std::string numberRefused(int largest) const override;
    std::string newGameBegins(const std::string& startZone) const override;
    std::string loadRefused(const std::string& fileName, const std::string& why) const override;
    std::string loadRefusedOutsideSaves(const std::string& fileName) const override;
    std::string mapMade(const std::string& mapName, int zones, const std::string& fileName,
                        MadeMapSize next) const override;
    std::string madeMapNotSaved(const std::string& fileName, const std::string& why) const override;
    std::vector<std::string> help(HelpPlace place, int largest) const override;
    std::string gameLoaded(const Board& board, int cursor) const override;
};

}  // namespace sonarch
