#include "host/headless/Script.h"

#include <sstream>

#include "host/harmlessText.h"

namespace sonarch {

namespace {
std::string trimEnd(std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    return s;
}

// A script can come from anywhere: what it holds is quoted short, and never
// with a control character that the terminal showing the message would obey.
std::string quoted(const std::string& text) { return "'" + harmlessShortened(text, 60) + "'"; }

KeyStroke needKey(const std::string& name, int lineNumber) {
    const auto stroke = parseKeyName(name);
    if (!stroke) throw ScriptError{"line " + std::to_string(lineNumber) + ": unknown key name " + quoted(name)};
    return *stroke;
}
}  // namespace

std::vector<ScriptLine> readScript(std::istream& in) {
    std::vector<ScriptLine> lines;
    std::string raw;
    int lineNumber = 0;
    while (std::getline(in, raw)) {
        ++lineNumber;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        const std::string text = trimEnd(raw);
        const auto start = text.find_first_not_of(" \t");
        if (start == std::string::npos || text[start] == '#') continue;
        const std::string body = text.substr(start);
        ScriptLine line;
        line.lineNumber = lineNumber;
        const auto space = body.find(' ');
        const std::string word = body.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : body.substr(space + 1);
        if (word == "type") {
            // The typed text is taken as it stands, blanks at its end included.
            line.kind = ScriptLine::Kind::Type;
            const std::string untrimmed = raw.substr(start);
            line.text = untrimmed.size() > 5 ? untrimmed.substr(5) : "";
        } else if (word == "wait" && !rest.empty()) {
            line.kind = ScriptLine::Kind::Wait;
            line.text = rest;
        } else if (word == "cancel" && rest.empty()) {
            line.kind = ScriptLine::Kind::Cancel;
        } else if ((word == "press" || word == "release") && !rest.empty()) {
            line.kind = word == "press" ? ScriptLine::Kind::Press : ScriptLine::Kind::Release;
            line.keys.push_back(needKey(rest, lineNumber));
        } else if (word == "during-pause" && !rest.empty()) {
            line.kind = ScriptLine::Kind::DuringPause;
            std::istringstream names(rest);
            std::string name;
            while (names >> name) line.keys.push_back(needKey(name, lineNumber));
        } else if (space == std::string::npos) {
            line.kind = ScriptLine::Kind::Key;
            line.keys.push_back(needKey(word, lineNumber));
        } else {
            throw ScriptError{"line " + std::to_string(lineNumber) + ": cannot read " + quoted(body)};
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace sonarch
