#include "files/settingsFormat.h"

#include <algorithm>
#include <array>
#include <deque>
#include <optional>
#include <vector>

#include "files/textItems.h"

namespace sonarch {

namespace {
constexpr int slowestRate = -10;
constexpr int fastestRate = 10;
constexpr std::size_t largestSettingsFile = 64 * 1024;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return result;
}

constexpr std::size_t longestServerAddress = 200;

bool isToken(std::string_view text) {
    return text.size() == 32 && std::all_of(text.begin(), text.end(), [](char c) {
               return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
           });
}

bool isRoomCode(std::string_view text) {
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

bool isServerAddress(std::string_view text) {
    return !text.empty() && text.size() <= longestServerAddress &&
           std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < 127 && c != ','; });
}

// "SERVER ROOM TOKEN, ..." into seats; what is wrong, or "".
std::string readSeats(std::string_view value, std::vector<KeptSeat>& seats) {
    seats.clear();
    const std::string_view problem = "each seat is a server's address, a room's code and a token";
    while (!trimmed(value).empty()) {
        const auto comma = value.find(',');
        std::string_view entry = trimmed(value.substr(0, comma));
        value = comma == std::string_view::npos ? std::string_view() : value.substr(comma + 1);
        std::array<std::string_view, 3> parts;
        for (std::string_view& part : parts) {
            const auto space = entry.find_first_of(" \t");
            part = entry.substr(0, space);
            entry = space == std::string_view::npos ? std::string_view() : trimmed(entry.substr(space));
        }
        if (!entry.empty() || !isServerAddress(parts[0]) || !isRoomCode(parts[1]) || !isToken(parts[2]))
            return std::string(problem);
        // Older seats beyond the few kept are let go.
        if (seats.size() < keptSeatsAtMost)
            seats.push_back({std::string(parts[0]), std::string(parts[1]), std::string(parts[2])});
    }
    return "";
}

std::string writeSeats(const std::vector<KeptSeat>& seats) {
    std::string text;
    for (const KeptSeat& seat : seats) text += (text.empty() ? "" : ", ") + seat.server + " " + seat.room + " " + seat.token;
    return text;
}

// One known key: how its value is read into the record (an empty text when
// it is good, else what is wrong) and how it is written from it. A new
// setting is one more entry here.
struct KnownKey {
    const char* name;
    std::string (*read)(std::string_view value, SettingsRecord& record);
    std::optional<std::string> (*write)(const SettingsRecord& record);
};

const std::array<KnownKey, 6> knownKeys{{
    {"rate",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         const auto rate = wholeNumber(value);
         if (!rate || *rate < slowestRate || *rate > fastestRate)
             return "the rate must be a whole number from -10 to 10";
         record.speechRate = *rate;
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.speechRate) return std::nullopt;
         return std::to_string(*record.speechRate);
     }},
    {"sounds",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         const std::string word = lowered(value);
         if (word != "on" && word != "off") return "sounds must be on or off";
         record.soundsOn = word == "on";
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.soundsOn) return std::nullopt;
         return std::string(*record.soundsOn ? "on" : "off");
     }},
    {"strength",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         const auto strength = strengthNamed(lowered(value));
         if (!strength) return "the strength must be gentle, standard or strong";
         record.computerStrength = *strength;
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.computerStrength) return std::nullopt;
         return strengthName(*record.computerStrength);
     }},
    {"wording",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         const std::string word = lowered(value);
         if (word != "classic" && word != "clear") return "the wording must be classic or clear";
         record.clearWording = word == "clear";
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.clearWording) return std::nullopt;
         return std::string(*record.clearWording ? "clear" : "classic");
     }},
    {"rounds",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         const std::string word = lowered(value);
         if (word != "full" && word != "brief") return "rounds must be full or brief";
         record.briefRounds = word == "brief";
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.briefRounds) return std::nullopt;
         return std::string(*record.briefRounds ? "brief" : "full");
     }},
    {"seats",
     [](std::string_view value, SettingsRecord& record) -> std::string {
         std::vector<KeptSeat> seats;
         if (std::string problem = readSeats(value, seats); !problem.empty()) return problem;
         record.seats = std::move(seats);
         return "";
     },
     [](const SettingsRecord& record) -> std::optional<std::string> {
         if (!record.seats) return std::nullopt;
         return writeSeats(*record.seats);
     }},
}};
// One line of the file with its own line end, so that a line rewritten in
// place keeps the end the player's editor gave it.
struct FileLine {
    std::string_view content;
    std::string_view end;
};

std::vector<FileLine> linesWithEnds(std::string_view text) {
    std::vector<FileLine> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        const std::size_t endLength = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
        lines.push_back({text.substr(start, i - start), text.substr(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < text.size()) lines.push_back({text.substr(start), {}});
    return lines;
}

// The key a line sets, lowered; empty for a blank or a comment; nullopt for
// a line that is not of the form key = value.
std::optional<std::string> keyOf(std::string_view line) {
    const std::string_view content = trimmed(line);
    if (content.empty() || content.front() == '#') return std::string();
    const auto equals = content.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string name = lowered(trimmed(content.substr(0, equals)));
    if (name.empty()) return std::nullopt;
    return name;
}

std::string_view valueOf(std::string_view line) {
    const std::string_view content = trimmed(line);
    return trimmed(content.substr(content.find('=') + 1));
}
}  // namespace

bool readsAsSettings(std::string_view text, std::string& whyNot) {
    // A few settings take a few lines; a file far larger is something else,
    // and writing into it would hold all its lines at once.
    if (text.size() > largestSettingsFile) {
        whyNot = "it is far too large";
        return false;
    }
    text = withoutByteOrderMark(text);
    if (!looksLikeText(text)) {
        whyNot = "it is not a text file";
        return false;
    }
    int lineNumber = 0;
    LineReader lines(text);
    for (std::string_view line; lines.next(line);) {
        ++lineNumber;
        if (!keyOf(line)) {
            whyNot = "line " + std::to_string(lineNumber) + " is not of the form key = value";
            return false;
        }
    }
    return true;
}

bool parseSettings(std::string_view text, SettingsRecord& record, std::string& whyNot) {
    record = {};
    if (!readsAsSettings(text, whyNot)) return false;
    int lineNumber = 0;
    LineReader lines(withoutByteOrderMark(text));
    for (std::string_view line; lines.next(line);) {
        ++lineNumber;
        const std::string name = *keyOf(line);
        const auto known = std::find_if(knownKeys.begin(), knownKeys.end(),
                                        [&](const KnownKey& key) { return name == key.name; });
        // Blanks, comments and keys of a newer version mean nothing here.
        if (known == knownKeys.end()) continue;
        if (const std::string problem = known->read(valueOf(line), record); !problem.empty()) {
            whyNot = "line " + std::to_string(lineNumber) + ": " + problem;
            return false;
        }
    }
    return true;
}

std::string settingsText(const SettingsRecord& record) {
    std::string text =
        "# Sonarch settings. The game rewrites this file when you change a setting in play.\n";
    for (const KnownKey& key : knownKeys)
        if (const auto value = key.write(record)) text += std::string(key.name) + " = " + *value + "\n";
    return text;
}

std::string settingsTextOver(std::string_view fileText, const SettingsRecord& record) {
    const std::string_view body = withoutByteOrderMark(fileText);
    std::vector<FileLine> lines = linesWithEnds(body);
    // Lines written anew live here; a deque never moves them, so the views
    // into them stay valid.
    std::deque<std::string> written;
    std::string_view usualEnd = "\n";
    for (const FileLine& line : lines)
        if (line.end == "\r\n") usualEnd = "\r\n";
    for (const KnownKey& key : knownKeys) {
        const auto value = key.write(record);
        if (!value) continue;
        const auto last = std::find_if(lines.rbegin(), lines.rend(),
                                       [&](const FileLine& line) { return keyOf(line.content) == key.name; });
        if (last != lines.rend()) {
            // A line that already says this (in its own spelling) is left alone.
            SettingsRecord asWritten;
            if (key.read(valueOf(last->content), asWritten).empty() && key.write(asWritten) == value) continue;
            last->content = written.emplace_back(std::string(key.name) + " = " + *value);
            continue;
        }
        if (!lines.empty() && lines.back().end.empty()) lines.back().end = usualEnd;
        lines.push_back({written.emplace_back(std::string(key.name) + " = " + *value), usualEnd});
    }
    std::string text(fileText.substr(0, fileText.size() - body.size()));
    for (const FileLine& line : lines) {
        text += line.content;
        text += line.end;
    }
    return text;
}

}  // namespace sonarch
