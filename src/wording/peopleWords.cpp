// The sentences of setting up a game for several people at one keyboard,
// the same in every wording: they name the people, the seats and the keys.
#include <string>

#include "wording/menuWords.h"

namespace sonarch {

namespace {
std::string number(int value) { return std::to_string(value); }

std::string askAgain(int person) { return " Type another name for person " + number(person) + "."; }
}  // namespace

std::string MenuWords::personNamePrompt(int person) const {
    return "Type the name of person " + number(person) + " and press Enter.";
}

std::string MenuWords::personNameRefused(PersonNameProblem problem, const std::string& name, int person) const {
    switch (problem) {
    case PersonNameProblem::Taken: return name + " is taken already." + askAgain(person);
    case PersonNameProblem::You: return "You is what the game calls the one it speaks to, not a name." + askAgain(person);
    case PersonNameProblem::TooLong: return "A name holds at most 20 characters." + askAgain(person);
    case PersonNameProblem::BadCharacter:
        return "A name cannot hold a comma, a double quote or a control character." + askAgain(person);
    case PersonNameProblem::LeadingBlank: return "A name cannot begin with a blank." + askAgain(person);
    }
    return askAgain(person);
}

std::string MenuWords::peopleQuestion(int people, int largest) const {
    return number(people) + " people. How many computer players would you like? The max is " + number(largest) +
           ".";
}

std::string MenuWords::peopleNumberRefused(int largest) const {
    return "Please choose a number between 0 and " + number(largest) + ".";
}

std::string MenuWords::peopleFull(int seats) const {
    return "This map has " + number(seats) + " seats, and people fill them all. Shift+P removes the last person added.";
}

std::string MenuWords::nobodyToRemove() const { return "No person was added: P adds one."; }

std::string MenuWords::personRemoved(const std::string& name) const { return name + " will not play."; }

std::string MenuWords::peopleLeftOut(int seats) const {
    return "This map has " + number(seats) + " seats: the people added last will not play.";
}

std::string MenuWords::gameLoaded(const Board&, int) const { return said(MenuLine::GameLoaded); }

std::string MenuWords::computerTurnBeingTold(const std::string& name) const {
    return name + "'s turn is being told. Ctrl skips it.";
}

std::string MenuWords::settingsKeysHelp() const {
    return "F2 switches between the clear and the classic sentences, F3 sets the computer players' strength, "
           "F4 tells their turns briefly or in full, F9 and F10 the speech rate, F11 the sounds.";
}

std::string MenuWords::peopleHelp() const {
    return "To play together at this keyboard, P adds people, asking each name, and Shift+P takes the last one "
           "added away; with two or more people, 0 computer players is allowed.";
}

}  // namespace sonarch
