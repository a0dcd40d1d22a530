// Several people at one keyboard, added in the question for the number of
// computer players: P adds a person (the first P two, asking both names),
// Shift+P takes the last one added away again, and with two or more people
// a game of people only (0 computer players) is allowed. Names are asked
// with the same text prompt as a save's name.
#include <string>

#include "game/Form1.h"
#include "input/keyCodes.h"
#include "rules/newGame.h"

namespace sonarch {

namespace {
constexpr int longestPersonName = 20;

int charactersIn(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    return count;
}

// A save reads a name up to a comma and strips the blanks before it, so a
// name holds neither; nor a quote, nor anything a terminal would act on.
bool holdsBadCharacter(const std::string& name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool c1 = byte == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0;
        if (byte < 0x20 || byte == 0x7f || c1 || byte == ',' || byte == '"') return true;
    }
    return false;
}
}  // namespace

int Form1::peopleAtTheKeyboard() const { return people.empty() ? 1 : static_cast<int>(people.size()); }

// One sentence, so that what came before the question is not cut off.
void Form1::askHowManyComputers(const std::string& before) {
    const std::string lead = before.empty() ? "" : before + " ";
    if (people.empty()) {
        sayIt(lead + words().menus.howManyComputerPlayers(maxPlayers - 1));
        return;
    }
    sayIt(lead + words().menus.peopleQuestion(peopleAtTheKeyboard(), maxPlayers - peopleAtTheKeyboard()));
}

// A map with fewer seats than the people added leaves the last ones out.
std::string Form1::fitPeopleToMap() {
    if (peopleAtTheKeyboard() <= maxPlayers) return "";
    people.resize(static_cast<std::size_t>(maxPlayers));
    return words().menus.peopleLeftOut(maxPlayers);
}

bool Form1::peopleKeys(short keyCode, short shift) {
    if (keyCode == key::P && shift == 0) {
        if (peopleAtTheKeyboard() >= maxPlayers) {
            sayIt(words().menus.peopleFull(maxPlayers));
            return true;
        }
        const int person = people.empty() ? 1 : peopleAtTheKeyboard() + 1;
        askPersonName(person, words().menus.personNamePrompt(person));
        return true;
    }
    if (keyCode == key::P && shift == key::ShiftMask) {
        if (people.empty()) {
            sayIt(words().menus.nobodyToRemove());
            return true;
        }
        const std::string removed = people.back();
        people.pop_back();
        // Back to one person: the one-person game, whose person is "You".
        if (people.size() == 1) people.clear();
        askHowManyComputers(words().menus.personRemoved(removed));
        return true;
    }
    if (people.empty() || keyCode == key::Enter) return false;
    const int largest = maxPlayers - peopleAtTheKeyboard();
    if (keyCode >= key::Digit0 && keyCode <= key::Digit0 + largest) {
        computersChosen = keyCode - key::Digit0;
        setupStep = 2;
        return false;
    }
    sayIt(words().menus.peopleNumberRefused(largest));
    return true;
}

void Form1::askPersonName(int person, const std::string& prompt) {
    namingPerson_ = person;
    sayIt(prompt);
    awaitingText_ = true;
    frontEnd_.askText(prompt, speakingVoice());
}

std::optional<PersonNameProblem> Form1::personNameProblem(const std::string& name) const {
    if (name.empty()) return std::nullopt;
    if (name.front() == ' ' || name.front() == '\t') return PersonNameProblem::LeadingBlank;
    if (holdsBadCharacter(name)) return PersonNameProblem::BadCharacter;
    if (charactersIn(name) > longestPersonName) return PersonNameProblem::TooLong;
    if (sameName(name, "You")) return PersonNameProblem::You;
    for (const std::string& taken : people)
        if (sameName(taken, name)) return PersonNameProblem::Taken;
    return std::nullopt;
}

void Form1::personNameEntered(const std::optional<std::string>& typed) {
    const int person = namingPerson_;
    namingPerson_ = 0;
    if (!typed) {
        // Calling off the first P calls off both names.
        if (people.size() < 2) people.clear();
        askHowManyComputers();
        return;
    }
    const std::string name = typed->empty() ? "Player " + std::to_string(person) : *typed;
    if (const auto problem = personNameProblem(name)) {
        askPersonName(person, words().menus.personNameRefused(*problem, name, person));
        return;
    }
    people.push_back(name);
    if (people.size() < 2) {
        askPersonName(2, words().menus.personNamePrompt(2));
        return;
    }
    askHowManyComputers();
}

}  // namespace sonarch
