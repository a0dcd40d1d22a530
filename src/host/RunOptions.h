// The options of one run, shared by every host. Without any the game opens
// its window on the bundled maps beside the program.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "game/GameSession.h"

namespace sonarch {

// A seat in a room on a game server, asked for on the command line.
struct OnlineOptions {
    std::string server;  // the server's address, as it prints it; empty: play here
    std::string join;    // a room code to join
    std::string watch;   // a room code to watch
    std::string create;  // the map of a room to make
    std::string name;    // the player's name in the room
    int people = 2;      // a room made: its people, the maker included
    int computers = 0;
    bool isPublic = false;  // a room made: listed for anyone to join
    int turnLimit = 0;      // a room made: seconds a turn may take, 0 for none
};

// The online game's server: where it listens, and every limit and waiting
// time it keeps, each an option so that a test need not wait minutes.
struct ServeOptions {
    int port = 7878;  // 0: a free one
    std::string bind = "127.0.0.1";
    std::vector<std::string> allowedOrigins;  // beside the server's own address
    std::string webDir;                       // the page's files; empty: looked for
    std::string redis;                        // redis://HOST:PORT[/DB]: rooms shared there; empty: SQLite
    double leaseSeconds = 10;                 // a process's hold on a room lasts this long unrenewed
    int maxPerAddress = 64;                   // connections open at once from one address
    int maxWrongCodes = 10;                   // room codes not found, a minute, from one address
    int maxBadMessages = 20;                  // a connection that sends more is closed
    std::size_t maxQueuedBytes = 256 * 1024;  // a client that lets more wait is dropped
    int chatLines = 5;                        // lines a person may say in chatWindow seconds
    double chatWindow = 10;
    // A turn's clock starts when the client is ready, or after this: long,
    // since a client may still be telling the rounds before the turn, each
    // with its pauses, and it says it is ready once it has.
    double turnGrace = 300;
    double clockWarning = 30;    // "clock" news this long before the turn runs out
    std::optional<double> turnSeconds;  // replaces every room's turn limit (for tests)
    double awayAfter = 120;      // a person disconnected this long is stood in for
    double idleClose = 600;      // a connection silent this long is closed
    double keepUnfinished = 7 * 24 * 3600.0;  // an untouched unfinished room is removed after it
    double keepFinished = 24 * 3600.0;        // a finished room is removed this long after its end
};

struct RunOptions {
    enum class Mode { Window, Text, Headless, Help, Version, Serve };
    Mode mode = Mode::Window;
    std::string speech = "auto";  // the name of a voice of this system, as usageText lists them
    std::string dataDir;          // holds Maps/ and Saves/; empty: the program's folder
    RandomSetup random;           // --seed, and the numbers of --random
    bool drawLog = false;         // headless: print every drawing call
    bool soundLog = false;        // headless: print every sound cue
    bool voiceLog = false;        // headless: print how each sentence meets the voice
    std::optional<int> speechRate;           // --rate: the built-in voice's rate at start, -10..10
    std::optional<std::string> settingsFile;  // --settings: instead of the platform's place
    OnlineOptions online;
    ServeOptions serve;  // --serve and its options
};

// The room the command line asks for; nothing without --server.
std::optional<OnlineAsk> onlineAskOf(const OnlineOptions& online);

// Hands the session what the options ask of it before it starts: the rate,
// and the settings file (scripted play reads none unless given one).
void prepareSession(const RunOptions& options, GameSession& game);

// Throws std::invalid_argument with a sentence for the user on a bad option.
RunOptions parseRunOptions(const std::vector<std::string>& args);
// Reads a --random file: one number 0 <= u < 1 a line.
std::vector<double> readRandomFile(const std::string& path);

extern const char* const usageText;
// The usage and every option, then the given description of the folders.
std::string helpText(const std::string& folders);

}  // namespace sonarch
