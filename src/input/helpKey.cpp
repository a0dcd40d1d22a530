// F1: help for the place the player is in, one sentence a press, so that
// each can be heard whole and none has to be waded through twice.
#include "game/Form1.h"
#include "wording/onlineWords.h"

namespace sonarch {

HelpPlace Form1::helpPlaceNow() const {
    switch (menuState) {
    case 1: return HelpPlace::MainMenu;
    case 2: return setupStep == 1 ? HelpPlace::Question : HelpPlace::MapList;
    case 3: return HelpPlace::SavedGames;
    default: break;
    }
    if (finding.active) return HelpPlace::Finding;
    if (board.turnPlayer != board.humanPlayer) return HelpPlace::ComputerTurn;
    if (board.choosingStart != 0) return HelpPlace::Start;
    return board.placingPoints == 1 ? HelpPlace::Placing : HelpPlace::Attack;
}

void Form1::helpKey() {
    const HelpPlace place = helpPlaceNow();
    // A place reached between two presses starts its own help from the top.
    if (static_cast<int>(place) != helpPlace) helpStep = 0;
    helpPlace = static_cast<int>(place);
    auto sentences = words().menus.help(place, maxPlayers - 1);
    // Where a game is chosen or played, the strength of the computer players
    // comes before the closing sentence; the main menu's help stays as short
    // as it has been.
    if (place != HelpPlace::MainMenu)
        sentences.insert(sentences.end() - 1,
                         words().menus.strengthHelp(gameStrength, computerStrength, board.humanPlayer != 0));
    // Playing together comes last, so the question's help starts as it always has.
    if (place == HelpPlace::Question) sentences.push_back(words().menus.peopleHelp());
    // Where a game is chosen, the keys that set how it sounds and plays come last.
    if (place == HelpPlace::MainMenu || place == HelpPlace::MapList)
        sentences.push_back(words().menus.settingsKeysHelp());
    if (place == HelpPlace::MainMenu) sentences.push_back(online::menuHelp());
    if (online_ != nullptr && menuState == 0) sentences.push_back(online::playHelp());
    sayIt(sentences[static_cast<std::size_t>(helpStep) % sentences.size()]);
    ++helpStep;
}

}  // namespace sonarch
