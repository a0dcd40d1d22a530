#include "host/windows/sapiVoice.h"

#include <windows.h>
#include <sapi.h>

#include "host/windows/wideText.h"

namespace sonarch::windows {

namespace {
// The text is never markup: a zone named "<silence>" is read as it stands.
constexpr DWORD speakFlags = SPF_ASYNC | SPF_PURGEBEFORESPEAK | SPF_IS_NOT_XML;

class SapiVoice final : public Voice {
public:
    explicit SapiVoice(ISpVoice* voice) : voice_(voice) {}
    ~SapiVoice() override { voice_->Release(); }
    SapiVoice(const SapiVoice&) = delete;
    SapiVoice& operator=(const SapiVoice&) = delete;

    // Both on the engine's own scales, which are the game's: rate -10..10, volume 0..100.
    void setRate(int rate) override { voice_->SetRate(rate); }
    void setVolume(int volume) override { voice_->SetVolume(static_cast<USHORT>(volume)); }
    void speak(const std::string& text) override {
        voice_->Speak(widen(text).c_str(), speakFlags, nullptr);
    }

private:
    ISpVoice* voice_;
};
}  // namespace

std::unique_ptr<Voice> openSapiVoice(std::string& whyNot) {
    ISpVoice* voice = nullptr;
    if (FAILED(CoCreateInstance(CLSID_SpVoice, nullptr, CLSCTX_ALL, IID_ISpVoice,
                                reinterpret_cast<void**>(&voice)))) {
        whyNot = "the Windows voice could not be started";
        return nullptr;
    }
    if (FAILED(voice->Speak(L"", speakFlags, nullptr)) || FAILED(voice->SetRate(0))) {
        voice->Release();
        whyNot = "the Windows voice refuses to speak";
        return nullptr;
    }
    return std::make_unique<SapiVoice>(voice);
}

}  // namespace sonarch::windows
