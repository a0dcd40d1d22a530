// Any bytes that the map reader takes as a map can be checked: every finding
// is one line of its own, ending its sentence, and the same map gives the
// same findings.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/mapCheck.h"
#include "files/mapFormat.h"

using namespace sonarch;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    MapRecord map;
    std::string whyNot;
    if (!parseMap(text, map, whyNot)) return 0;
    const auto findings = checkMap(map);
    if (findings.empty()) std::abort();  // the players the map allows are always told
    for (const MapFinding& finding : findings) {
        const std::string& sentence = finding.sentence;
        if (sentence.empty() || sentence.back() != '.') std::abort();
        if (sentence.find_first_of("\r\n") != std::string::npos) std::abort();
    }
    const auto again = checkMap(map);
    if (again.size() != findings.size()) std::abort();
    for (std::size_t i = 0; i < again.size(); ++i)
        if (again[i].sentence != findings[i].sentence || again[i].weight != findings[i].weight) std::abort();
    return 0;
}
