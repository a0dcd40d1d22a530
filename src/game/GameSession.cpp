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

void GameSession::setOnlineServer(const std::string& url) { form_->onlineServer_ = url; }

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
    // Online, the story a pause held back is the room's: it follows
    // whatever the player asked for meanwhile.
    if (form_->playsOnline()) {
        form_->tellBehindTheVoice([&] { form_->Holder_Timer(); });
        return;
    }
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

void GameSession::goOnline(OnlineSeat& seat) { form_->goOnline(seat); }

// Each message from the server is an event like a key: a pause it reaches
// goes on, and whatever it left to tell is told behind what waits, and
// heard behind the sentence being said.
template <typename Handle>
static void asEvent(Form1& form, Handle handle) {
    form.tellBehindTheVoice(handle);
}

void GameSession::onlineJoined(const std::string& spokenCode, const std::string& link, int seat) {
    asEvent(*form_, [&] { form_->onlineJoined(spokenCode, link, seat); });
}

void GameSession::onlineBoard(const Board& position, std::int64_t move, bool started, bool creator,
                              int seatsOpen) {
    asEvent(*form_, [&] { form_->onlineBoard(position, move, started, creator, seatsOpen); });
}

void GameSession::onlinePlayed(const Played& played, std::int64_t move) {
    asEvent(*form_, [&] { form_->onlinePlayed(played, move); });
}

void GameSession::onlineRefused(Refusal refusal, const std::string& reason) {
    asEvent(*form_, [&] { form_->onlineRefused(refusal, reason); });
}

void GameSession::onlineNews(const std::string& sentence, bool chat) {
    asEvent(*form_, [&] { form_->onlineNews(sentence, chat); });
}

void GameSession::onlineChat(int, const std::string& name, const std::string& text) {
    asEvent(*form_, [&] { form_->onlineChat(name, text); });
}

void GameSession::onlineRooms(const std::vector<RoomOffer>& rooms) {
    asEvent(*form_, [&] { form_->onlineRooms(rooms); });
}

std::string GameSession::keptSeat(const std::string& server, const std::string& room) const {
    return form_->keptSeat(server, room);
}

void GameSession::keepSeat(const std::string& server, const std::string& room, const std::string& token) {
    form_->keepSeat(server, room, token);
}

bool GameSession::awaitingServer() const { return form_->awaitingServer(); }

}  // namespace sonarch
