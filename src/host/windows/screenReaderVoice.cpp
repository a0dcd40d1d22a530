#include "host/windows/screenReaderVoice.h"

#include <oleauto.h>
// Only the interfaces: the cross compiler's header of the functions is not C++.
#include <uiautomationcore.h>

#include "host/windows/wideText.h"

namespace sonarch::windows {

namespace {
// From uiautomationcore.h of Windows 10 1709, which the cross compiler's
// headers predate.
constexpr int notificationKindOther = 4;
// Each sentence supersedes the one before and is read at once, as the
// game's purge-then-speak asks.
constexpr int processingImportantMostRecent = 1;

using RaiseNotification = HRESULT(WINAPI*)(IRawElementProviderSimple*, int, int, BSTR, BSTR);
using HostProvider = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);

template <typename Function>
Function entry(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

class ScreenReaderVoice final : public Voice {
public:
    ScreenReaderVoice(HMODULE library, RaiseNotification raise, IRawElementProviderSimple* provider)
        : library_(library), raise_(raise), provider_(provider), activity_(SysAllocString(L"Sonarch")) {}
    ~ScreenReaderVoice() override {
        SysFreeString(activity_);
        provider_->Release();
        FreeLibrary(library_);
    }
    ScreenReaderVoice(const ScreenReaderVoice&) = delete;
    ScreenReaderVoice& operator=(const ScreenReaderVoice&) = delete;

    // The player's screen reader keeps the player's own rate and volume.
    void setRate(int) override {}
    void setVolume(int) override {}
    RateSetBy rateSetBy() const override { return RateSetBy::Player; }
    void speak(const std::string& text) override {
        // Silencing is the screen reader's own Ctrl, pressed by the same
        // key that asks the game for it.
        if (text.empty()) return;
        BSTR said = SysAllocString(widen(text).c_str());
        raise_(provider_, notificationKindOther, processingImportantMostRecent, said, activity_);
        SysFreeString(said);
    }

private:
    HMODULE library_;
    RaiseNotification raise_;
    IRawElementProviderSimple* provider_;
    BSTR activity_;
};
}  // namespace

bool screenReaderRunning() {
    BOOL running = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

std::unique_ptr<Voice> openScreenReaderVoice(HWND window, std::string& whyNot) {
    whyNot = "this Windows cannot pass sentences to a screen reader";
    // Loaded at run time: older systems lack the notification call.
    HMODULE library = LoadLibraryW(L"UIAutomationCore.dll");
    if (!library) return nullptr;
    const auto raise = entry<RaiseNotification>(library, "UiaRaiseNotificationEvent");
    const auto hostProvider = entry<HostProvider>(library, "UiaHostProviderFromHwnd");
    IRawElementProviderSimple* provider = nullptr;
    if (!raise || !hostProvider || FAILED(hostProvider(window, &provider)) || !provider) {
        FreeLibrary(library);
        return nullptr;
    }
    whyNot.clear();
    return std::make_unique<ScreenReaderVoice>(library, raise, provider);
}

}  // namespace sonarch::windows
