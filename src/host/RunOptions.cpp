#include "host/RunOptions.h"

#include <charconv>
#include <fstream>
#include <functional>
#include <stdexcept>

namespace sonarch {

#ifdef _WIN32
// The Windows voices: the player's screen reader, the Windows speech engine.
#define SONARCH_VOICES "auto|screenreader|sapi|none"
#define SONARCH_TEXT_MODE ""
#else
#define SONARCH_VOICES "auto|speechd|espeak|none"
#define SONARCH_TEXT_MODE "[--text] "
#endif

const char* const usageText =
    "usage: sonarch " SONARCH_TEXT_MODE "[--speech " SONARCH_VOICES "] [--rate N] [--data-dir DIR]\n"
    "               [--settings FILE]\n"
    "       sonarch --headless [--data-dir DIR] [--seed N] [--random FILE] [--draw-log]\n"
    "                          [--sound-log] [--voice-log] [--rate N] [--settings FILE] < SCRIPT\n"
    "       sonarch [--text | --headless] --server URL [--name NAME]\n"
    "               (--join CODE | --watch CODE | --create MAP [--people N] [--computers N]\n"
    "                [--public] [--turn-seconds 0|60|120|300])\n"
    "       sonarch --check-map FILE\n"
    "       sonarch --simulate N [--players K | --seats S1,S2,...] [--seed S] FILE\n"
    "       sonarch --make-map [--zones N] [--seed S] FILE\n"
    "       sonarch --serve [--port P] [--bind ADDR] [--data-dir DIR] [--allow-origin URL]...\n"
    "               [--web-dir DIR] [--max-per-address N] [--max-wrong-codes N]\n"
    "               [--max-bad-messages N] [--max-queued-bytes N] [--chat-lines N]\n"
    "               [--chat-window S] [--turn-grace S] [--clock-warning S] [--turn-seconds S]\n"
    "               [--away-after S] [--idle-close S] [--keep-unfinished S] [--keep-finished S]\n"
    "               [--redis redis://HOST:PORT[/DB]] [--lease-seconds S] [--seed N]\n"
    "       sonarch --help | --version\n";

namespace {
// A whole number from least to most, or a sentence saying what the option needs.
long long wholeOption(const std::string& option, const std::string& text, long long least, long long most) {
    long long number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size() || number < least || number > most)
        throw std::invalid_argument(option + " needs a whole number from " + std::to_string(least) + " to " +
                                    std::to_string(most) + ", not '" + text + "'");
    return number;
}

// Seconds, a fraction allowed, at most a year.
double secondsOption(const std::string& option, const std::string& text) {
    double seconds = -1;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || !(seconds >= 0 && seconds <= 366 * 86400.0))
        throw std::invalid_argument(option + " needs a number of seconds, not '" + text + "'");
    return seconds;
}

// The server's options; false when arg is none of them.
bool serveOption(const std::string& arg, const std::function<const std::string&()>& value, ServeOptions& serve) {
    if (arg == "--port") {
        serve.port = static_cast<int>(wholeOption(arg, value(), 0, 65535));
    } else if (arg == "--bind") {
        serve.bind = value();
    } else if (arg == "--allow-origin") {
        serve.allowedOrigins.push_back(value());
    } else if (arg == "--web-dir") {
        serve.webDir = value();
    } else if (arg == "--redis") {
        serve.redis = value();
    } else if (arg == "--lease-seconds") {
        serve.leaseSeconds = secondsOption(arg, value());
        if (serve.leaseSeconds < 0.5) throw std::invalid_argument("--lease-seconds needs at least half a second");
    } else if (arg == "--max-per-address") {
        serve.maxPerAddress = static_cast<int>(wholeOption(arg, value(), 1, 100000));
    } else if (arg == "--max-wrong-codes") {
        serve.maxWrongCodes = static_cast<int>(wholeOption(arg, value(), 1, 100000));
    } else if (arg == "--max-bad-messages") {
        serve.maxBadMessages = static_cast<int>(wholeOption(arg, value(), 1, 100000));
    } else if (arg == "--max-queued-bytes") {
        serve.maxQueuedBytes = static_cast<std::size_t>(wholeOption(arg, value(), 1024, 1LL << 32));
    } else if (arg == "--chat-lines") {
        serve.chatLines = static_cast<int>(wholeOption(arg, value(), 1, 100000));
    } else if (arg == "--chat-window") {
        serve.chatWindow = secondsOption(arg, value());
    } else if (arg == "--turn-grace") {
        serve.turnGrace = secondsOption(arg, value());
    } else if (arg == "--clock-warning") {
        serve.clockWarning = secondsOption(arg, value());
    } else if (arg == "--turn-seconds") {
        serve.turnSeconds = secondsOption(arg, value());
    } else if (arg == "--away-after") {
        serve.awayAfter = secondsOption(arg, value());
    } else if (arg == "--idle-close") {
        serve.idleClose = secondsOption(arg, value());
    } else if (arg == "--keep-unfinished") {
        serve.keepUnfinished = secondsOption(arg, value());
    } else if (arg == "--keep-finished") {
        serve.keepFinished = secondsOption(arg, value());
    } else {
        return false;
    }
    return true;
}

bool isVoiceName(const std::string& name) {
    const std::string names = std::string("|") + SONARCH_VOICES + "|";
    return name.find('|') == std::string::npos && names.find("|" + name + "|") != std::string::npos;
}
}  // namespace

namespace {
bool serving(const std::vector<std::string>& args) {
    for (const std::string& arg : args)
        if (arg == "--serve") return true;
    return false;
}
}  // namespace

RunOptions parseRunOptions(const std::vector<std::string>& args) {
    RunOptions result;
    std::string randomFile;
    auto value = [&](std::size_t& i) -> const std::string& {
        if (i + 1 >= args.size()) throw std::invalid_argument(args[i] + " needs a value");
        return args[++i];
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--headless") {
            result.mode = RunOptions::Mode::Headless;
        } else if (arg == "--serve") {
            result.mode = RunOptions::Mode::Serve;
        } else if (arg == "--turn-seconds" && !serving(args)) {
            const std::string& text = value(i);
            const long long seconds = wholeOption(arg, text, 0, 300);
            if (seconds != 0 && seconds != 60 && seconds != 120 && seconds != 300)
                throw std::invalid_argument("--turn-seconds takes 0, 60, 120 or 300, not '" + text + "'");
            result.online.turnLimit = static_cast<int>(seconds);
        } else if (arg == "--public") {
            result.online.isPublic = true;
        } else if (serveOption(arg, [&]() -> const std::string& { return value(i); }, result.serve)) {
            if (result.mode != RunOptions::Mode::Serve && !serving(args))
                throw std::invalid_argument(arg + " belongs to --serve");
        } else if (arg == "--text") {
            if (result.mode != RunOptions::Mode::Headless && result.mode != RunOptions::Mode::Serve)
                result.mode = RunOptions::Mode::Text;
        } else if (arg == "--help" || arg == "-h") {
            result.mode = RunOptions::Mode::Help;
            return result;
        } else if (arg == "--version") {
            result.mode = RunOptions::Mode::Version;
            return result;
        } else if (arg == "--data-dir") {
            result.dataDir = value(i);
        } else if (arg == "--seed") {
            const std::string& text = value(i);
            std::uint64_t seed = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
            if (error != std::errc() || end != text.data() + text.size())
                throw std::invalid_argument("--seed needs a whole number, not '" + text + "'");
            result.random.seed = seed;
        } else if (arg == "--random") {
            randomFile = value(i);
        } else if (arg == "--draw-log") {
            result.drawLog = true;
        } else if (arg == "--sound-log") {
            result.soundLog = true;
        } else if (arg == "--voice-log") {
            result.voiceLog = true;
        } else if (arg == "--rate") {
            const std::string& text = value(i);
            int rate = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
            if (error != std::errc() || end != text.data() + text.size() || rate < -10 || rate > 10)
                throw std::invalid_argument("--rate needs a whole number from -10 to 10, not '" + text + "'");
            result.speechRate = rate;
        } else if (arg == "--settings") {
            result.settingsFile = value(i);
        } else if (arg == "--server") {
            result.online.server = value(i);
        } else if (arg == "--join") {
            result.online.join = value(i);
        } else if (arg == "--watch") {
            result.online.watch = value(i);
        } else if (arg == "--create") {
            result.online.create = value(i);
        } else if (arg == "--name") {
            result.online.name = value(i);
        } else if (arg == "--people" || arg == "--computers") {
            const std::string& text = value(i);
            int count = 0;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
            const int least = arg == "--people" ? 1 : 0;
            if (error != std::errc() || end != text.data() + text.size() || count < least || count > 7)
                throw std::invalid_argument(arg + " needs a whole number from " + std::to_string(least) + " to 7");
            (arg == "--people" ? result.online.people : result.online.computers) = count;
        } else if (arg == "--speech") {
            result.speech = value(i);
            if (!isVoiceName(result.speech))
                throw std::invalid_argument(std::string("--speech takes one of ") + SONARCH_VOICES);
        } else {
            throw std::invalid_argument("unknown option '" + arg + "'");
        }
    }
    if (!randomFile.empty()) result.random.fixedNumbers = readRandomFile(randomFile);
    const OnlineOptions& online = result.online;
    const int asked = !online.join.empty() + !online.watch.empty() + !online.create.empty();
    if (online.server.empty() != (asked == 0))
        throw std::invalid_argument("--server goes with one of --join CODE, --watch CODE or --create MAP");
    if (asked > 1) throw std::invalid_argument("--join, --watch and --create go one at a time");
    if ((online.isPublic || online.turnLimit != 0) && online.create.empty())
        throw std::invalid_argument("--public and --turn-seconds go with --create");
    return result;
}

std::optional<OnlineAsk> onlineAskOf(const OnlineOptions& online) {
    if (online.server.empty()) return std::nullopt;
    return OnlineAsk{.server = online.server,
                     .room = online.join.empty() ? online.watch : online.join,
                     .watch = !online.watch.empty(),
                     .name = online.name.empty() ? "Player" : online.name,
                     .map = online.create,
                     .people = online.people,
                     .computers = online.computers,
                     .isPublic = online.isPublic,
                     .turnLimit = online.turnLimit};
}

void prepareSession(const RunOptions& options, GameSession& game) {
    if (options.speechRate) game.setSpeechRate(*options.speechRate);
    if (options.settingsFile) {
        game.setSettingsFile(*options.settingsFile);
    } else if (options.mode == RunOptions::Mode::Headless) {
        game.setSettingsFile("");
    }
}

std::vector<double> readRandomFile(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::invalid_argument("cannot read the random file '" + path + "'");
    std::vector<double> numbers;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
        const auto start = line.find_first_not_of(' ');
        if (start == std::string::npos) continue;
        double u = -1;
        const char* first = line.data() + start;
        const char* last = line.data() + line.size();
        const auto [end, error] = std::from_chars(first, last, u);
        if (error != std::errc() || end != last || !(u >= 0.0 && u < 1.0))
            throw std::invalid_argument(path + " line " + std::to_string(lineNumber) +
                                        ": need a number u with 0 <= u < 1");
        numbers.push_back(u);
    }
    return numbers;
}

}  // namespace sonarch
