// Play for a person on Windows: the game in its window.
#include <windows.h>

#include <iostream>
#include <stdexcept>

#include "game/GameSession.h"
#include "host/interactive.h"
#include "host/windows/WindowsHost.h"
#include "host/windows/WindowsPlatform.h"
#include "host/windows/wideText.h"

namespace sonarch {

int runInteractive(const RunOptions& options, const OnlineStarter& makeInbox) {
    if (options.mode == RunOptions::Mode::Text) {
        std::cerr << "sonarch: the Windows program plays in its window; a screen reader reads it\n";
        return 2;
    }
    // SAPI and UI Automation are COM; the window's thread is their apartment.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    try {
        WindowsPlatform platform(options.dataDir);
        windows::WindowsHost host(options.speech);
        GameSession game(platform, host, options.random);
        prepareSession(options, game);
        host.attach(game);
        host.useOnline(makeInbox);
        if (const auto ask = onlineAskOf(options.online)) host.goOnline(*ask);
        try {
            runSession(game, host);
        } catch (const windows::WindowClosed&) {
        }
    } catch (const std::runtime_error& error) {
        MessageBoxW(nullptr, windows::widen(error.what()).c_str(), L"Sonarch", MB_ICONERROR | MB_OK);
        status = 1;
    }
    CoUninitialize();
    return status;
}

}  // namespace sonarch
