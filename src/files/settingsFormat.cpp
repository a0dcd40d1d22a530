#include "files/settingsFormat.h"

#include <algorithm>
#include <array>

#include "files/textItems.h"

namespace sonarch {

namespace {
constexpr int slowestRate = -10;
constexpr int fastestRate = 10;

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

// One known key: how its value is read into the record (an empty text when
// it is good, else what is wrong) and how it is written from it. A new
// setting is one more entry here.
struct KnownKey {
    const char* name;
    std::string (*read)(std::string_view value, SettingsRecord& record);
    std::optional<std::string> (*write)(const SettingsRecord& record);
};

const std::array<KnownKey, 4> knownKeys{{
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
}};
}  // namespace

bool parseSettings(std::string_view text, SettingsRecord& record, std::string& whyNot) {
    record = {};
    text = withoutByteOrderMark(text);
    if (!looksLikeText(text)) {
        whyNot = "it is not a text file";
        return false;
    }
    int lineNumber = 0;
    for (const std::string_view line : splitLines(text)) {
        ++lineNumber;
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        const auto equals = content.find('=');
        const std::string name = lowered(trimmed(content.substr(0, std::min(equals, content.size()))));
        if (equals == std::string_view::npos || name.empty()) {
            whyNot = "line " + std::to_string(lineNumber) + " is not of the form key = value";
            return false;
        }
        const auto known = std::find_if(knownKeys.begin(), knownKeys.end(),
                                        [&](const KnownKey& key) { return name == key.name; });
        if (known == knownKeys.end()) {
            record.otherLines.emplace_back(content);
            continue;
        }
        if (const std::string problem = known->read(trimmed(content.substr(equals + 1)), record);
            !problem.empty()) {
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
    for (const std::string& line : record.otherLines) text += line + "\n";
    return text;
}

}  // namespace sonarch
