// Every seat played by runAI, in the turn order of the game. The human seat
// takes part like the others: it claims a random starting zone and can be
// put out without ending the game, which ends when one seat is left.
#include "game/computerGame.h"

#include <algorithm>

namespace sonarch {

// No disk, no voice, no picture, and pauses that end as they begin: the
// pause's tick is the only event there is, and it is due at once.
class ComputerGames::Silence final : public Platform, public FrontEnd {
public:
    Form1* game = nullptr;

    DataFolders dataFolders() override { return {}; }
    std::optional<std::vector<std::string>> listFiles(const std::string&) override { return std::nullopt; }
    bool makeFolder(const std::string&) override { return false; }
    std::optional<std::string> readTextFile(const std::string&, std::string& whyNot) override {
        whyNot = "a simulation reads no files";
        return std::nullopt;
    }
    bool replaceFile(const std::string&, const std::string&, std::string& whyNot) override {
        whyNot = "a simulation writes no files";
        return false;
    }
    bool createFile(const std::string& path, const std::string& contents, std::string& whyNot) override {
        return replaceFile(path, contents, whyNot);
    }
    double secondsSinceMidnight() override { return 0; }

    std::unique_ptr<Voice> createVoice() override { return std::make_unique<SilentVoice>("simulation"); }
    void setCaption(const std::string&) override {}
    void sentenceOut(const std::string&, bool, bool) override {}
    Canvas& canvas() override { return noPicture_; }
    void startTimer(int) override {}
    void stopTimer() override {}
    void processEvents() override { game->Holder_Timer(); }
    std::optional<std::string> promptText(const std::string&, Voice*) override { return std::nullopt; }
    void endProgram() override {}

private:
    BlankCanvas noPicture_;
};

namespace {
void setUp(Form1& game, const MapRecord& map, int players) {
    // Names left from an earlier game would change which names are drawn
    // again as taken, and so every draw after them.
    for (auto& name : game.playerName) name.clear();
    game.pendingMap = map;
    game.playerCount = players;
    game.startUsOut();
    // No seat is the human's: the first seat's defeat is one more seat out,
    // and the game ends when every seat but one is out.
    game.humanPlayer = 0;
    for (int p = 1; p <= players; ++p) game.isComputer[p] = 1;
    game.menuState = 0;
}

int lastSeatStanding(const Form1& game) {
    for (int p = 1; p <= game.playerCount; ++p)
        if (!game.playerName[p].empty()) return p;
    return 0;
}
}  // namespace

ComputerGames::ComputerGames() : silence_(std::make_unique<Silence>()) {
    game_ = std::make_unique<Form1>(*silence_, *silence_);
    silence_->game = game_.get();
}

ComputerGames::~ComputerGames() = default;

ComputerGameResult ComputerGames::play(const MapRecord& map, int players, int roundLimit, std::uint64_t seed) {
    Form1& game = *game_;
    game.random.pinSeed(seed);
    game.random.seedFromClock(0);
    ComputerGameResult result;
    players = std::clamp(players, 1, maxPlayerSlots);
    setUp(game, map, players);
    for (int round = 1; round <= roundLimit; ++round) {
        result.rounds = round;
        for (int p = 1; p <= players; ++p) {
            if (game.playerName[p].empty()) continue;
            game.turnPlayer = p;
            game.placingPoints = 0;
            game.attackFrom = 0;
            game.runAI();
            if (game.menuState != 0) {
                result.winner = lastSeatStanding(game);
                return result;
            }
        }
        if (round == 1) {
            for (int z = 1; z <= game.zoneCount; ++z)
                if (game.zoneOwner[z] != 0) result.startZone[game.zoneOwner[z]] = z;
        }
    }
    return result;
}

}  // namespace sonarch
