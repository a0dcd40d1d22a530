#include "host/window/runWindow.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>

#include "host/posix/PosixPlatform.h"
#include "host/window/WindowHost.h"

namespace sonarch::window {

namespace {
// Without a display SDL quietly falls back to drawing nowhere; the game
// counts that as no window unless it was asked for.
bool drawsNowhere() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver) return true;
    const bool invisible = std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    const char* wanted = std::getenv("SDL_VIDEODRIVER");
    return invisible && !(wanted && std::strcmp(wanted, driver) == 0);
}

struct SdlSession {
    ~SdlSession() { SDL_Quit(); }
};
}  // namespace

std::optional<int> runWindow(const RunOptions& options, std::string& whyNoWindow, const OnlineStarter& makeInbox) {
    // An idle game must not keep the screen awake.
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
    // The picture is small and drawn by the game itself: a plain framebuffer
    // opens in milliseconds, where a graphics card context takes a good part
    // of a second before the welcome could be said.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        whyNoWindow = SDL_GetError();
        return std::nullopt;
    }
    SdlSession session;
    if (drawsNowhere()) {
        whyNoWindow = "no display";
        return std::nullopt;
    }
    std::unique_ptr<WindowHost> host;
    try {
        host = std::make_unique<WindowHost>(options.speech);
    } catch (const std::runtime_error& error) {
        whyNoWindow = error.what();
        return std::nullopt;
    }
    PosixPlatform platform(options.dataDir);
    GameSession game(platform, *host, options.random);
    prepareSession(options, game);
    host->attach(game);
    host->useOnline(makeInbox);
    if (const auto ask = onlineAskOf(options.online)) host->goOnline(*ask);
    try {
        runSession(game, *host);
    } catch (const WindowClosed&) {
    }
    return 0;
}

}  // namespace sonarch::window
