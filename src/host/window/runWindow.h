// Plays the game in the desktop window.
#pragma once

#include <optional>
#include <string>

#include "host/Inbox.h"
#include "host/RunOptions.h"

namespace sonarch::window {

// The exit status, or nothing with the reason when no display can be opened.
std::optional<int> runWindow(const RunOptions& options, std::string& whyNoWindow, const OnlineStarter& makeInbox = {});

}  // namespace sonarch::window
