// The classic sentences around play, as players have always heard them: the
// welcome, the menus and their lists, loading and saving, the settings keys
// and the map maker. The help of F1 is in classicMenuHelp.cpp.
#include <string>

#include "wording/menuWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }

// A reason from the platform begins a clause after a colon.
std::string lowerFirst(std::string text) {
    if (!text.empty() && text[0] >= 'A' && text[0] <= 'Z') text[0] = static_cast<char>(text[0] - 'A' + 'a');
    return text;
}

const char* sizeWord(MadeMapSize size) {
    switch (size) {
    case MadeMapSize::Medium: return "medium";
    case MadeMapSize::Large: return "large";
    case MadeMapSize::Small: return "small";
    }
    return "";
}
}  // namespace

std::string ClassicMenuWords::said(MenuLine line) const {
    switch (line) {
    case MenuLine::Welcome: return "Welcome to Sonarch Alpha 1.4 by Korvel.";
    case MenuLine::NoMapsFolderReadable: return "No Maps folder can be read, so there are no maps to choose.";
    case MenuLine::MapListOpened: return "Select Map";
    case MenuLine::SavedGamesOpened: return "Select Game to Load";
    case MenuLine::SavesFolderUnreadable:
        return "The Saves folder cannot be read, so there is no saved game to choose.";
    case MenuLine::SavePrompt: return "Name your save and hit enter.";
    case MenuLine::SaveCancelled: return "Save cancelled.";
    case MenuLine::MainMenuOpened: return "Main Menu";
    case MenuLine::MenuClosed: return "Menu Closed";
    case MenuLine::PreviousMenu: return "Previous Menu";
    case MenuLine::BackToMapList: return "Choose map";
    case MenuLine::MapChosen:
    case MenuLine::GameLoaded: return "Game Loaded!";
    case MenuLine::GameSaved: return "Game Saved!";
    case MenuLine::NothingToSave: return "There is no game in progress to save.";
    case MenuLine::NothingSaved: return "Nothing was saved.";
    case MenuLine::ExitWithGameInProgress:
        return "A game is in progress. Press Enter again to exit without saving, or any other key to stay.";
    case MenuLine::ExitCancelled: return "Exit cancelled.";
    case MenuLine::Goodbye: return "Goodbye!";
    case MenuLine::SpeechOn: return "Sapi is now On.";
    case MenuLine::SpeechOff: return "Sapi is now Off.";
    case MenuLine::SoundsOn: return "Sounds on.";
    case MenuLine::SoundsOff: return "Sounds off.";
    case MenuLine::NoVoiceForRate: return "There is no voice to set the rate of; sentences are shown as text.";
    case MenuLine::ScreenReaderRate: return "Your screen reader's own rate applies; change it there.";
    case MenuLine::NoNameForNewMap:
        return "No new map was made: every name drawn sounds like a map already in the list.";
    case MenuLine::ClassicChosen: return "Classic sentences.";
    case MenuLine::ClearChosen: return "Clear sentences.";
    case MenuLine::RoundsBrief: return "Rounds told briefly.";
    case MenuLine::RoundsFull: return "Rounds told in full.";
    }
    return "";
}

std::string ClassicMenuWords::noMapsFolder(const std::string& folder) const {
    return "There is no Maps folder in " + folder + ", so there are no maps to choose.";
}

std::string ClassicMenuWords::speechUnavailable(const std::string& why) const {
    return "Speech is unavailable (" + why + "), so sentences are shown as text only.";
}

std::string ClassicMenuWords::cuesUnavailable(const std::string& why) const {
    return "Sound cues are unavailable (" + why + "), so events are told in words only.";
}

std::string ClassicMenuWords::settingsNotRead(const std::string& why) const {
    return "Your settings file cannot be read (" + why + "), so the defaults apply.";
}

std::string ClassicMenuWords::settingsNotUsed(const std::string& why) const {
    return "Your settings file cannot be used (" + why + "), so the defaults apply.";
}

std::string ClassicMenuWords::settingNotKept(const std::string& why) const {
    return "It cannot be kept for the next run (" + why + ").";
}

std::string ClassicMenuWords::mainMenuItem(int position) const {
    switch (position) {
    case 1: return "NewGame";
    case 2: return "Load Game";
    case 3: return "Save Game";
    case 4: return "Exit";
    default: return "";
    }
}

std::string ClassicMenuWords::listEntry(const std::string& fileName, const std::vector<std::string>&) const {
    return fileName;
}

std::string ClassicMenuWords::historyEntry(int number, const std::string& text) const {
    return std::to_string(number) + ". " + text;
}

std::string ClassicMenuWords::mapRefused(const std::string& fileName, const std::string& why) const {
    return "The map " + fileName + " cannot be loaded: " + why + ".";
}

std::string ClassicMenuWords::tooFewZones(int zoneCount) const {
    return "it has only " + number(zoneCount) + (zoneCount == 1 ? " zone" : " zones") +
           ", too few for you and a computer player: a map needs at least 4";
}

std::string ClassicMenuWords::howManyComputerPlayers(int largest) const {
    return "How many computer players would you like? The max is " + number(largest) + ".";
}

std::string ClassicMenuWords::numberRefused(int largest) const {
    return "Please choose a number between 1 and " + number(largest) + ".";
}

std::string ClassicMenuWords::newGameBegins(const std::string& startZone) const {
    return "Choose your starting zone and press Spacebar. You are now in " + startZone + ".";
}

std::string ClassicMenuWords::saveNameRefused(SaveNameProblem problem) const {
    std::string reason;
    switch (problem) {
    case SaveNameProblem::Blank: reason = "A saved game needs a name."; break;
    case SaveNameProblem::Slash: reason = "A save name cannot hold a slash or a backslash."; break;
    case SaveNameProblem::LeadingFullStop: reason = "A save name cannot begin with a full stop."; break;
    case SaveNameProblem::ControlCharacter: reason = "A save name cannot hold control characters."; break;
    case SaveNameProblem::TooLong: reason = "A save name can have at most 100 characters."; break;
    case SaveNameProblem::ReservedMark:
        reason = "A save name cannot hold a colon, a question mark, an asterisk, a quotation mark, "
                 "a vertical bar or angle brackets.";
        break;
    case SaveNameProblem::TrailingFullStopOrBlank:
        reason = "A save name cannot end with a full stop or a blank.";
        break;
    case SaveNameProblem::NotUtf8: reason = "A save name cannot hold broken characters."; break;
    case SaveNameProblem::DeviceName:
        reason = "A save name cannot be a name Windows keeps for a device, such as CON, NUL or COM1.";
        break;
    }
    return reason + " " + said(MenuLine::NothingSaved);
}

std::string ClassicMenuWords::saveFailed(const std::string& saveName, const std::string& why) const {
    return "The game could not be saved as " + saveName + ": " + lowerFirst(why) + ".";
}

std::string ClassicMenuWords::replaceSave(const std::string& saveName) const {
    return "A saved game named " + saveName +
           " already exists. Press Enter to replace it, or any other key to keep it.";
}

std::string ClassicMenuWords::loadRefused(const std::string& fileName, const std::string& why) const {
    return "The saved game " + fileName + " cannot be loaded: " + why + ".";
}

std::string ClassicMenuWords::loadRefusedOutsideSaves(const std::string& fileName) const {
    return loadRefused(fileName, "it is not a file of the Saves folder");
}

std::string ClassicMenuWords::rateSet(int rate) const { return "Rate " + number(rate) + "."; }

std::string ClassicMenuWords::rateAtLimit(int rate, bool fastest) const {
    return "Rate " + number(rate) + (fastest ? " is the fastest." : " is the slowest.");
}

std::string ClassicMenuWords::strengthChosen(Strength chosen, bool gameInProgress) const {
    return "Computer players: " + strengthName(chosen) + "." + (gameInProgress ? " From the next game." : "");
}

std::string ClassicMenuWords::strengthStanding(Strength ofGame, Strength chosen, bool gameInProgress) const {
    if (!gameInProgress || ofGame == chosen) return "Computer players: " + strengthName(chosen) + ".";
    return "Computer players: " + strengthName(ofGame) + " in this game, " + strengthName(chosen) +
           " from the next.";
}

std::string ClassicMenuWords::strengthHelp(Strength ofGame, Strength chosen, bool gameInProgress) const {
    return strengthStanding(ofGame, chosen, gameInProgress) +
           " F3 sets their strength for the next game: gentle, standard or strong.";
}

std::string ClassicMenuWords::mapMade(const std::string& mapName, int zones, const std::string& fileName,
                                      MadeMapSize next) const {
    return "Made the map " + mapName + ", " + number(zones) + " zones, saved as " + fileName + ". " +
           madeMapOffer(next);
}

std::string ClassicMenuWords::madeMapOffer(MadeMapSize next) {
    return std::string("Press Enter to play it, or G again for a ") + sizeWord(next) + " map.";
}

std::string ClassicMenuWords::madeMapNotSaved(const std::string& fileName, const std::string& why) const {
    return "The new map could not be saved as " + fileName + ": " + lowerFirst(why) + ".";
}

}  // namespace sonarch
