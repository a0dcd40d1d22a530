// The one way a host reaches the game: it builds a session on its platform
// and front end, starts it, and hands it key presses, key releases, the
// ticks of the pause timer and the answers to the text prompt, one event at
// a time. The game answers through the FrontEnd and never waits; a host
// never reads or writes the game's state.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/FrontEnd.h"
#include "game/OnlineSeat.h"
#include "game/Platform.h"

namespace sonarch {

class Form1;
struct Board;
struct Played;
enum class Refusal;

// How the run's random source is set up before start-up seeds it.
struct RandomSetup {
    std::optional<std::uint64_t> seed;  // empty: seeded from the clock
    std::vector<double> fixedNumbers;   // drawn first, each 0 <= u < 1
};

class GameSession {
public:
    GameSession(Platform& platform, FrontEnd& frontEnd, const RandomSetup& random = {});
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    // The voice's rate at start-up, -10..10, asked for when the program was
    // started: it wins over the remembered rate. Before start().
    void setSpeechRate(int rate);
    // The settings file to read at start-up and write when the player
    // changes a setting, instead of the platform's place; empty: none.
    // Before start().
    void setSettingsFile(const std::string& path);
    // The server the online menu offers before the player has typed one
    // (the page offers the server it was loaded from). Before start().
    void setOnlineServer(const std::string& url);
    // Start-up: counts the files, makes the voice and says the welcome.
    void start();
    // Key codes are Windows virtual-key codes (input/keyCodes.h); the shift
    // mask is 1 Shift, 2 Ctrl, 4 Alt.
    void keyDown(short code, short shift);
    void keyUp(short code, short shift);
    // The pause timer's tick.
    void tick();
    // The answer to the text prompt the front end was asked to open.
    void textEntered(const std::optional<std::string>& text);
    // A sentence of the host's own (such as its help), said as the game says
    // its sentences: by the voice or in the caption, not recorded.
    void say(const std::string& text);
    // Whether a pause is running: a host that plays keys from a script
    // waits for the tick only then.
    bool pausing() const;

    // ---- a seat in a room a server holds ----
    // The host that holds the connection hands over what the server sent,
    // one message at a time, like any other event.
    void goOnline(OnlineSeat& seat);
    void onlineJoined(const std::string& spokenCode, const std::string& link, int seat);
    void onlineBoard(const Board& position, std::int64_t move, bool started, bool creator, int seatsOpen = 0);
    void onlinePlayed(const Played& played, std::int64_t move);
    void onlineRefused(Refusal refusal, const std::string& reason);
    void onlineNews(const std::string& sentence, bool chat = false);
    // The public rooms the server lists, asked for in the online menu.
    void onlineRooms(const std::vector<RoomOffer>& rooms);
    // A line said in the room by name (seat 0: a watcher).
    void onlineChat(int seat, const std::string& name, const std::string& text);
    // The seat held in room on server, kept in the settings between runs:
    // its token, or "" (the empty token forgets it).
    std::string keptSeat(const std::string& server, const std::string& room) const;
    void keepSeat(const std::string& server, const std::string& room, const std::string& token);
    // A move of this seat waits for the server's answer: a host holds the
    // next keys back until it comes.
    bool awaitingServer() const;

    // The game itself, for the tests and the test player that look inside.
    Form1& game() { return *form_; }

private:
    std::unique_ptr<Form1> form_;
};

}  // namespace sonarch
