// The sentences of a game played through a server: the room, the other
// players' connections, their chat and the connection's own news. Every
// wording says them alike: none of them existed before the game went online.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sonarch::online {

// "Room code: K, Q, X, W." with the link to give a player with a browser.
std::string roomCode(std::string_view spokenCode, std::string_view link);
std::string joinedSeat(std::string_view name, int seat, int seats);
std::string watching();
std::string waitingForStart(bool creator, int people, int seatsOpen);
std::string seatNews(std::string_view news, std::string_view name, int seconds, bool itIsYou);
std::string chatLine(std::string_view name, std::string_view text);
std::string serverError(std::string_view reason);
std::string waitingForServer();
std::string connectionLost(int secondsToRetry);
std::string backInTheGame();
std::string boardsDiffer();
std::string onlyCreatorStarts();
// Another person's placing, heard from a seat of one's own.
std::string pointsPlacedBy(std::string_view name, std::string_view zone, int army);
std::string placingBy(std::string_view name);
// The online menu.
std::string serverQuestion(std::string_view lastServer);
std::string roomQuestion(std::string_view map);
std::string connecting(std::string_view server);
// A https:// or wss:// address, given to a program without encryption.
std::string unencryptedOnly();
std::string onlineCalledOff();
std::string menuHelp();
// The public rooms, heard in the online menu.
std::string noPublicRooms();
std::string publicRooms(int count);
std::string roomOffered(int number, std::string_view creator, std::string_view map, int seatsOpen, int people,
                        int computers, std::string_view code);
std::string roomListHelp();
std::string roomListClosed();
std::string playHelp();
// The chat's own prompt and commands.
std::string chatPrompt();
std::string nothingSaid();
std::string nothingSaidYet();
std::string chatMuted(std::string_view name, bool muted);
// A page opened at a room's link.
std::string nameQuestion(std::string_view spokenCode, std::string_view lastName);
std::string roomLinkDeclined(std::string_view spokenCode);
std::string notMuted(std::string_view name);
std::string nobodyCalledYet();
std::string notYourself();
// "/mute" alone: who is muted now, names as typed.
std::string mutedNow(const std::vector<std::string>& names);

}  // namespace sonarch::online
