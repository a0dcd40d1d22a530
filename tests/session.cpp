#include "session.h"

#include <stdexcept>

namespace sonarch::testing {

namespace {
KeyStroke strokeOf(const std::string& keyName) {
    const auto stroke = parseKeyName(keyName);
    if (!stroke) throw std::invalid_argument("no such key " + keyName);
    return *stroke;
}
}  // namespace

Session::Session(const std::string& pauseScript, std::vector<double> fixedRandom, std::uint64_t seed)
    : run(data.path().string(), {seed, std::move(fixedRandom)}, out, pauseScript), host(run.host), form(run.form) {}

void Session::keyDown(const std::string& keyName) {
    KeyStroke stroke = strokeOf(keyName);
    form.Form_KeyDown(stroke.code, stroke.shift);
}

void Session::keyUp(const std::string& keyName) {
    KeyStroke stroke = strokeOf(keyName);
    form.Form_KeyUp(stroke.code, stroke.shift);
}

void Session::press(const std::string& keyName) {
    keyDown(keyName);
    keyUp(keyName);
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
