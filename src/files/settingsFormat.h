// The settings file: what the player chose last time (the voice's rate, the
// sound cues, the computer players' strength, the classic or the clear
// wording), one "key = value" a line, so that a person can read and edit
// it. Keys this version does not know are kept as they stand, so that a
// newer version's settings survive a run of an older one.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/strength.h"

namespace sonarch {

struct SettingsRecord {
    std::optional<int> speechRate;  // -10..10
    std::optional<bool> soundsOn;
    std::optional<Strength> computerStrength;
    std::optional<bool> clearWording;  // "wording = clear"; false for "wording = classic"
    std::vector<std::string> otherLines;  // lines of keys not known here, as read

    bool operator==(const SettingsRecord&) const = default;
};

// Reads a whole settings file. False, with a reason that finishes the
// sentence "Your settings file cannot be used (...)", when it is not one;
// record is then not to be used.
bool parseSettings(std::string_view text, SettingsRecord& record, std::string& whyNot);

// The file text: a comment saying what the file is, the known keys that are
// set, then the lines of the others.
std::string settingsText(const SettingsRecord& record);

}  // namespace sonarch
