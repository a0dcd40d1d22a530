// The settings file: what the player chose last time (the voice's rate, the
// sound cues, the computer players' strength, the classic or the clear
// wording, the computer players' turns told briefly or in full, the seats
// held in rooms on game servers), one "key = value" a line, so that a person can read and edit
// it. The file is the player's as much as the game's: a change is written
// into the line of its key, and every other line (a comment, a blank, a key
// this version does not know, a value it cannot use) stays where it stands,
// so that a newer version's settings and the player's notes survive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rules/strength.h"

namespace sonarch {

// A seat held in a room on a game server, kept so that the program, started
// again, takes it back instead of asking for a new one.
struct KeptSeat {
    std::string server;  // the server's address, as the program writes it
    std::string room;    // the room's code, in capitals
    std::string token;   // 32 lowercase hexadecimal digits

    bool operator==(const KeptSeat&) const = default;
};

// Only the last few rooms are worth coming back to.
constexpr std::size_t keptSeatsAtMost = 4;

struct SettingsRecord {
    std::optional<int> speechRate;  // -10..10
    std::optional<bool> soundsOn;
    std::optional<Strength> computerStrength;
    std::optional<bool> clearWording;  // "wording = clear"; false for "wording = classic"
    // "rounds = brief"; false for "rounds = full"; unset, the wording decides.
    std::optional<bool> briefRounds;
    // "seats = SERVER ROOM TOKEN, ...", the newest first; empty once forgotten.
    std::optional<std::vector<KeptSeat>> seats;

    bool operator==(const SettingsRecord&) const = default;
};

// Whether text reads as a settings file at all: text, each line blank, a
// comment or "key = value". Only such a file is ever written into; anything
// else (a file of another program that a link or a mistyped --settings
// names) is left as it is. False with a reason that finishes the sentence
// "Your settings file cannot be used (...)".
bool readsAsSettings(std::string_view text, std::string& whyNot);

// Reads a whole settings file. False, with a reason that finishes the
// sentence "Your settings file cannot be used (...)", when a line is not
// understood (it does not read as settings, or a known key has a value out
// of its range); record is then not to be used.
bool parseSettings(std::string_view text, SettingsRecord& record, std::string& whyNot);

// A new file's text: a comment saying what the file is, then the known keys
// that are set.
std::string settingsText(const SettingsRecord& record);

// The text of a file read earlier with the record's settings put in: the
// last line of each known key whose value differs is rewritten in place
// (keeping its line end), a key set but absent is added at the end, and
// every other line stays byte for byte.
std::string settingsTextOver(std::string_view fileText, const SettingsRecord& record);

}  // namespace sonarch
