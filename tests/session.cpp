#include "session.h"

namespace sonarch::testing {

Session::Session(const std::string& pauseScript, std::vector<double> fixedRandom, std::uint64_t seed)
    : run(data.path().string(), {seed, std::move(fixedRandom)}, out, pauseScript), form(run.form) {}

void Session::press(const std::string& keyName) {
    const KeyStroke stroke = parseKeyName(keyName).value();  // a test names only keys that exist
    run.press(stroke);
}

std::vector<std::string> Session::said() {
    const std::string all = out.str();
    std::vector<std::string> lines;
    std::istringstream in(all.substr(readUpTo_));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    readUpTo_ = all.size();
    return lines;
}

}  // namespace sonarch::testing
