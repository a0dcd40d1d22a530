// The voice chosen at start: --speech auto (a running screen reader, else
// the Windows voice), screenreader, sapi or none. A voice that is missing or
// refuses its first call gives way to the next in that order, and at the end
// of it to the caption, with the reason.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "host/Host.h"

namespace sonarch::windows {

std::unique_ptr<Voice> openWindowsVoice(const std::string& choice, HWND window, std::string& whyNot);

}  // namespace sonarch::windows
