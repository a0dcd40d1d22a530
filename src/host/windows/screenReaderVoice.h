// The player's screen reader (NVDA, JAWS, Narrator) as the game's voice:
// each sentence is raised from the window as a UI Automation notification,
// which the screen reader speaks in the player's own voice and rate.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::windows {

// Whether Windows says a screen reader is running.
bool screenReaderRunning();
// The voice, or null with the reason when this Windows cannot raise
// notifications (before Windows 10 1709, and under Wine).
std::unique_ptr<Voice> openScreenReaderVoice(HWND window, std::string& whyNot);

}  // namespace sonarch::windows
