#include "bot/headlessGame.h"

#include <sstream>

namespace sonarch::testing {

namespace {
std::vector<ScriptLine> scriptOf(const std::string& text) {
    std::istringstream in(text);
    return readScript(in);
}
}  // namespace

HeadlessGame::HeadlessGame(const std::string& dataDir, const RandomSetup& random, std::ostream& transcript,
                           const std::string& script)
    : platform(dataDir), host(scriptOf(script), transcript), session(platform, host, random), form(session.game()) {
    host.attach(session);
    // As in scripted play, no settings are read or written.
    session.setSettingsFile("");
}

void HeadlessGame::keyDown(const KeyStroke& stroke) {
    session.keyDown(stroke.code, stroke.shift);
    host.settle();
}

void HeadlessGame::keyUp(const KeyStroke& stroke) {
    session.keyUp(stroke.code, stroke.shift);
    host.settle();
}

void HeadlessGame::press(const KeyStroke& stroke) {
    keyDown(stroke);
    keyUp(stroke);
}

}  // namespace sonarch::testing
