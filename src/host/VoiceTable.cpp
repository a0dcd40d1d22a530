#include "host/VoiceTable.h"

namespace sonarch {

std::unique_ptr<Voice> openNamedVoice(const VoiceTable& table, const std::string& name) {
    for (const NamedVoice& entry : table) {
        if (entry.name != name) continue;
        if (entry.tries.empty()) return std::make_unique<SilentVoice>("switched off with --speech " + name);
        std::string reasons;
        for (const VoiceOpener& open : entry.tries) {
            std::string whyNot;
            if (auto voice = open(whyNot)) return voice;
            reasons += (reasons.empty() ? "" : " and ") + whyNot;
        }
        return std::make_unique<SilentVoice>(reasons);
    }
    return std::make_unique<SilentVoice>("there is no voice called " + name);
}

}  // namespace sonarch
