// The voices of Windows by the names --speech gives them. A voice that is
// missing or refuses its first call gives way to the next of its entry, and
// after the last to the caption, with the reasons.
//   auto: the screen reader when Windows says one is running, else SAPI.
//   screenreader: the screen reader, else SAPI.  sapi: SAPI only.  none.
#pragma once

#include <windows.h>

#include "host/VoiceTable.h"

namespace sonarch::windows {

// window: the window the screen reader's notifications are raised from.
VoiceTable windowsVoices(HWND window);

}  // namespace sonarch::windows
