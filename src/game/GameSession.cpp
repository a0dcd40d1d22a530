#include "game/GameSession.h"

#include "game/Form1.h"

namespace sonarch {

GameSession::GameSession(Platform& platform, FrontEnd& frontEnd, const RandomSetup& random)
    : form_(std::make_unique<Form1>(platform, frontEnd)) {
    form_->random.pinSeed(random.seed);
    for (double u : random.fixedNumbers) form_->random.queueFixed(u);
}

GameSession::~GameSession() = default;

void GameSession::setSpeechRate(int rate) {
    form_->speechRate = rate;
    form_->rateGivenForRun = true;
}

void GameSession::setSettingsFile(const std::string& path) { form_->settingsFileGiven = path; }

void GameSession::start() { form_->Form_Load(); }

void GameSession::keyDown(short code, short shift) {
    const bool pausedBefore = pausing();
    form_->Form_KeyDown(code, shift);
    form_->afterEvent(pausedBefore);
}

void GameSession::keyUp(short code, short shift) {
    const bool pausedBefore = pausing();
    form_->Form_KeyUp(code, shift);
    form_->afterEvent(pausedBefore);
}

void GameSession::tick() {
    const bool pausedBefore = pausing();
    form_->Holder_Timer();
    form_->afterEvent(pausedBefore);
}

void GameSession::textEntered(const std::optional<std::string>& text) {
    const bool pausedBefore = pausing();
    form_->textEntered(text);
    form_->afterEvent(pausedBefore);
}

void GameSession::say(const std::string& text) { form_->sayIt(text); }

bool GameSession::pausing() const { return form_->Holder.Enabled; }

}  // namespace sonarch
