// Any bytes given to the headless script reader either become script lines
// that each hold what their kind needs, or are refused with a message that
// names the line, quotes at most 60 characters of it and carries no control
// character to the terminal that shows it.
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "host/headless/Script.h"

using namespace sonarch;

namespace {

bool harmlessMessage(const std::string& message) {
    if (message.rfind("line ", 0) != 0) return false;
    // "line N: unknown key name '" is the longest lead; a quote holds at most
    // 60 characters of four bytes and the ellipsis.
    if (message.size() > 40 + 60 * 4 + 3 + 1) return false;
    for (std::size_t i = 0; i < message.size(); ++i) {
        const auto byte = static_cast<unsigned char>(message[i]);
        if (byte < 0x20 || byte == 0x7F) return false;
        // The C1 codes U+0080 to U+009F, written C2 80 to C2 9F.
        if (byte == 0xC2 && i + 1 < message.size() && static_cast<unsigned char>(message[i + 1]) < 0xA0)
            return false;
    }
    return true;
}

bool wellFormed(const std::vector<ScriptLine>& lines) {
    int previous = 0;
    for (const ScriptLine& line : lines) {
        if (line.lineNumber <= previous) return false;
        previous = line.lineNumber;
        switch (line.kind) {
        case ScriptLine::Kind::Key:
        case ScriptLine::Kind::Press:
        case ScriptLine::Kind::Release:
            if (line.keys.size() != 1) return false;
            break;
        case ScriptLine::Kind::DuringPause:
            if (line.keys.empty()) return false;
            break;
        case ScriptLine::Kind::Type:
        case ScriptLine::Kind::Cancel:
            if (!line.keys.empty()) return false;
            break;
        case ScriptLine::Kind::Wait:
            // A wait line waits for some text: never none, never a key.
            if (!line.keys.empty() || line.text.empty()) return false;
            break;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        if (!wellFormed(readScript(in))) std::abort();
    } catch (const ScriptError& error) {
        if (!harmlessMessage(error.message)) std::abort();
    }
    return 0;
}
