// The classic help of F1, one list of sentences for each place of the
// game; the closing sentence ends every list.
#include <string>
#include <vector>

#include "wording/menuWords.h"

namespace sonarch {

namespace {
// The last sentence everywhere: what the game is for, and where more help is.
const std::string closing =
    "You win when every computer player is out, and lose when your last zone falls. In play, S "
    "tells how you stand, D describes the zone you are on, J and B jump to your zones; F9 and F10 "
    "set the speech rate, F11 the sounds.";

const std::string exploring =
    "Z says who holds the zone you are on and X its army. Q to P name its links, the same key "
    "again goes there; Tab lists the links, the arrows and Enter follow them.";

// Told in play only, so that the menus' help stays as it was.
const std::string wordingChoice =
    "F2 chooses clear sentences, which tell every battle in full and before what it causes, or the "
    "classic ones.";

// The keys that reach a zone without walking there.
const std::string finding =
    "F finds a zone: type the start of its name, then Enter goes there. J, B and N go through your "
    "zones, those that can attack and those on the front, in name order; with Shift, backwards.";

std::vector<std::string> placeSentences(HelpPlace place, int largestNumber) {
    switch (place) {
    case HelpPlace::MainMenu:
        return {"Main menu. Up and Down move, Enter chooses: NewGame, Load Game, Save Game during "
                "a game, and Exit.",
                "Escape goes back to a game in progress. Full stop and comma read back what was "
                "said, F12 turns speech off and on, and Ctrl silences it."};
    case HelpPlace::MapList:
        return {"Map list. Up and Down move through the maps, Enter chooses one; the last item "
                "leads back to the main menu.",
                "G makes a new map of 30 zones, saves it with your maps and puts you on it; G again "
                "at once makes one of 60, then 12.",
                "Then you choose how many computer players you face."};
    case HelpPlace::Question:
        return {"Press a digit from 1 to " + std::to_string(largestNumber) +
                    " for the number of computer players.",
                "Escape goes back to the map list."};
    case HelpPlace::SavedGames:
        return {"Saved games. Up and Down move, Enter loads the game you are on; the last item "
                "leads back to the main menu."};
    case HelpPlace::Start:
        return {"Choose your starting zone: walk the map and press Space on an unclaimed zone.",
                exploring,
                "M tells the map's regions and the zones with the most links; M again at once tells "
                "each region in turn, its zones and its ways in. F finds a zone by the start of its "
                "name, and Enter goes there."};
    case HelpPlace::Attack:
        return {"Attack phase. Press Space on your zone with an army of 2 or more, then Space on "
                "a neighbour to attack it.",
                "An attack reaches a neighbour only when the neighbour links back to your zone; "
                "links may lead one way. B jumps to your zones that can attack.",
                "Each side throws one die per army, the higher total wins, and a tie goes to the "
                "defender. A zone you capture attacks next.",
                "Shift+Enter ends the attacks and starts placing your points.", exploring, finding,
                "M tells the whole board in one sentence: your zones, groups and front, and each "
                "other player's zones and where it is strongest.",
                "Shift+D tells what your zone can attack now, or which of your zones can attack the "
                "zone you are on.",
                wordingChoice};
    case HelpPlace::Placing:
        return {"Placing phase. Press Space on your zone to add one army; a zone holds at most 8.",
                "Each turn brings as many points as your chain, your largest group of linked "
                "zones. Points you do not place are stored, up to 20.",
                "Shift+Enter ends your turn, and so does placing your last point.",
                "A places as many of your points on the zone as it can take, up to 8, in one key.",
                exploring, finding};
    case HelpPlace::ComputerTurn:
        return {"A computer player is taking its turn. Ctrl skips each pause; S, D and F1 work "
                "meanwhile, and full stop and comma read back what happened.",
                "M tells the whole board in one sentence meanwhile too."};
    case HelpPlace::Finding:
        return {"Finding a zone. Type the start of its name: letters, digits and blanks; Backspace "
                "takes the last one back. Down and Up go through the zones that match, Enter goes to "
                "the one you hear, Escape ends the search and stays."};
    }
    return {};
}
}  // namespace

std::vector<std::string> ClassicMenuWords::help(HelpPlace place, int largest) const {
    std::vector<std::string> sentences = placeSentences(place, largest);
    sentences.push_back(closing);
    return sentences;
}

}  // namespace sonarch
