#include "wording/onlineWords.h"

namespace sonarch::online {

std::string roomCode(std::string_view spokenCode, std::string_view link) {
    std::string sentence = "Room code: " + std::string(spokenCode);
    if (!link.empty()) sentence += " Link: " + std::string(link);
    return sentence;
}

std::string joinedSeat(std::string_view name, int seat, int seats) {
    return "You are " + std::string(name) + ", seat " + std::to_string(seat) + " of " + std::to_string(seats) + ".";
}

std::string watching() { return "You are watching: every seat is named, and the study keys work."; }

std::string waitingForStart(bool creator, int people, int seatsOpen) {
    std::string sentence = std::to_string(people) + (people == 1 ? " person" : " people") + " in the room";
    if (seatsOpen > 0)
        sentence += ", " + std::to_string(seatsOpen) + (seatsOpen == 1 ? " seat" : " seats") + " open";
    sentence += ".";
    if (creator) return sentence + " G starts the game; open seats go to computer players.";
    return sentence + " Waiting for the room's creator to start the game.";
}

std::string seatNews(std::string_view news, std::string_view name, int seconds, bool itIsYou) {
    const std::string who(name);
    if (news == "joined") return who + " joined the room.";
    if (news == "lost") return who + " lost the connection.";
    if (news == "back") return who + " is back.";
    if (news == "away") return who + " is away; a computer player moves for them until they come back.";
    if (news == "left") return who + " left the room.";
    if (news == "started") return "The game begins.";
    if (news == "clock") {
        const std::string left = std::to_string(seconds) + " seconds";
        return itIsYou ? left + " left in your turn." : left + " left in " + who + "'s turn.";
    }
    return {};
}

std::string chatLine(std::string_view name, std::string_view text) {
    return std::string(name) + " says: " + std::string(text);
}

std::string serverError(std::string_view reason) { return "The server says: " + std::string(reason); }

std::string waitingForServer() { return "Waiting for the server."; }

std::string connectionLost(int secondsToRetry) {
    return "Connection lost. Trying again in " + std::to_string(secondsToRetry) +
           (secondsToRetry == 1 ? " second." : " seconds.");
}

std::string backInTheGame() { return "Back in the game."; }

std::string boardsDiffer() {
    return "Your board and the server's differ; the server's is used.";
}

std::string onlyCreatorStarts() { return "Only the room's creator can start the game."; }

std::string pointsPlacedBy(std::string_view name, std::string_view zone, int army) {
    return std::string(name) + " has increased the army of " + std::string(zone) + " to " + std::to_string(army) + ".";
}

std::string placingBy(std::string_view name) { return std::string(name) + " places points."; }

std::string serverQuestion(std::string_view lastServer) {
    return "Online game. Type the server's address, or press Enter for " + std::string(lastServer) + ".";
}

std::string roomQuestion(std::string_view map) {
    return "Type a room's code to join it, or watch and a code to watch it, or list to hear the public rooms, or "
           "press Enter to make a room on " +
           std::string(map) + " (type public, or a turn limit of 60, 120 or 300 seconds, to make it so).";
}

std::string connecting(std::string_view server) { return "Connecting to " + std::string(server) + "."; }

std::string unencryptedOnly() {
    return "This program connects to a server without encryption only: give the server's address beginning with "
           "http:// or ws://.";
}

std::string onlineCalledOff() { return "No online game."; }

std::string menuHelp() {
    return "O plays online: type a server's address, then a room's code to join it, list to hear the public rooms "
           "and join one with a key, or nothing to make a room on the map chosen last, for the people added with P "
           "and the computer players asked for last; public, or a turn limit of 60, 120 or 300 seconds, typed "
           "instead of nothing makes the room so.";
}

std::string noPublicRooms() { return "No public room waits for people on this server."; }

std::string publicRooms(int count) {
    return std::to_string(count) + (count == 1 ? " public room waits" : " public rooms wait") +
           " for people. Up and Down go through them, Enter or a room's number joins it.";
}

std::string roomOffered(int number, std::string_view creator, std::string_view map, int seatsOpen, int people,
                        int computers, std::string_view code) {
    std::string spelled;
    for (const char letter : code) spelled += std::string(spelled.empty() ? "" : ", ") + letter;
    return std::to_string(number) + ": " + std::string(creator) + "'s room on " + std::string(map) + ", " +
           std::to_string(seatsOpen) + (seatsOpen == 1 ? " seat" : " seats") + " open, for " +
           std::to_string(people) + (people == 1 ? " person" : " people") + " and " + std::to_string(computers) +
           (computers == 1 ? " computer player" : " computer players") + ". Code " + spelled + ".";
}

std::string roomListHelp() {
    return "Up and Down read the public rooms one by one, Enter joins the room just heard, the digits 1 to 9 join "
           "the room of that number, and Escape closes the list.";
}

std::string roomListClosed() { return "The list of rooms is closed."; }

std::string playHelp() {
    return "Online, C says a line to the room, H reads the room's lines back, and G starts the game of a room "
           "that waits for its maker. In the line C opens, /mute and a name stops telling that person's lines, "
           "/unmute and the name tells them again, and /mute alone says who is muted.";
}

std::string chatPrompt() { return "Say to the room:"; }

std::string nothingSaid() { return "Nothing said."; }

std::string nothingSaidYet() { return "Nobody has said anything yet."; }

std::string chatMuted(std::string_view name, bool muted) {
    return std::string(name) + (muted ? " is muted: their lines are not told." : " is heard again.");
}

std::string notMuted(std::string_view name) { return std::string(name) + " is not muted."; }

std::string nobodyCalledYet() { return "Nobody in the room is called that yet."; }

std::string notYourself() { return "You cannot mute yourself."; }

std::string mutedNow(const std::vector<std::string>& names) {
    if (names.empty()) return "Nobody is muted. Type /mute and a name to stop hearing someone's lines.";
    std::string sentence = "Muted: ";
    for (std::size_t i = 0; i < names.size(); ++i) sentence += (i == 0 ? "" : ", ") + names[i];
    return sentence + ". Type /unmute and a name to hear them again.";
}

// The name is asked for each room, for a link may be opened on a shared
// computer; the last one given is one key away.
std::string nameQuestion(std::string_view spokenCode, std::string_view lastName) {
    const std::string joining = "Joining room " + std::string(spokenCode) + " ";
    if (lastName.empty()) return joining + "Type your name and press Enter.";
    return joining + "Press Enter to play as " + std::string(lastName) + ", or type another name.";
}

std::string roomLinkDeclined(std::string_view spokenCode) {
    return "You did not join room " + std::string(spokenCode) + " O in the main menu goes online.";
}

}  // namespace sonarch::online
