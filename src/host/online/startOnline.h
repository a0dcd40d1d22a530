// The seat the command line asks for on a game server, for any host.
#pragma once

#include <memory>
#include <string>

#include "game/GameSession.h"
#include "host/Inbox.h"
#include "host/RunOptions.h"
#include "host/online/OnlineClient.h"

namespace sonarch {

// Whether the options name a server's address that can be used; why not.
bool onlineAddressUsable(const OnlineOptions& options, std::string& whyNot);
// What the command line or the online menu asks for, as the client's
// request: a room's code in capitals, a name at least.
OnlineRequest onlineRequestOf(const OnlineAsk& ask);
// Connects (in the background) and asks for the seat; the session hears
// what the server answers as the inbox delivers it. nullptr when the
// server's address cannot be used.
std::unique_ptr<Inbox> startOnline(GameSession& game, const OnlineAsk& ask);

}  // namespace sonarch
