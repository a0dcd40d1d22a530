// A host with no window, voice, log or disk, whose pauses end at once: the
// simulation plays whole games on it as fast as the rules allow. Its random
// source is the game's, seeded for each game.
#pragma once

#include <cstdint>

#include "game/Form1.h"
#include "host/Host.h"
#include "host/RandomSource.h"

namespace sonarch {

class SilentHost final : public Host, private Canvas {
public:
    void attach(Form1& game) { game_ = &game; }
    void seedGame(std::uint64_t seed) { random_.seed(seed); }

    std::unique_ptr<Voice> createVoice(std::string& whyNot) override {
        whyNot = "silent";
        return nullptr;
    }
    void setCaption(const std::string&) override {}
    void sentenceOut(const std::string&, bool, bool) override {}
    Canvas& canvas() override { return *this; }
    void startTimer(int) override {}
    void stopTimer() override {}
    // The pause's tick is the only event there is, and it is due at once.
    void processEvents() override {
        if (game_ != nullptr) game_->Holder_Timer();
    }
    std::string programFolder() override { return {}; }
    std::optional<std::vector<std::string>> listFiles(const std::string&) override { return std::nullopt; }
    bool makeFolder(const std::string&) override { return false; }
    std::optional<std::string> readTextFile(const std::string&, std::string& whyNot) override {
        whyNot = "no files in a simulation";
        return std::nullopt;
    }
    bool writeTextFile(const std::string&, const std::string&, std::string& whyNot) override {
        whyNot = "no files in a simulation";
        return false;
    }
    std::optional<std::string> promptText(const std::string&) override { return std::nullopt; }
    void endProgram() override {}
    double secondsSinceMidnight() override { return 0; }
    void seedRandom(double) override {}
    double nextRandom() override { return random_.next(); }

private:
    void clear() override {}
    void setColour(int, int, int) override {}
    void circle(int, int, int) override {}
    void textPosition(int, int) override {}
    void fontSize(int) override {}
    void write(const std::string&) override {}

    Form1* game_ = nullptr;
    RandomSource random_;
};

}  // namespace sonarch
