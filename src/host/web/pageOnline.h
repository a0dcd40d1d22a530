// The page as a client of the game's server: the seat it holds in a room is
// kept in the browser, so that a reload takes it back, and a page opened at
// a room's link (http://HOST:PORT/#KQXW) joins that room on the server it
// came from.
#pragma once

#include <string>

#include "game/GameSession.h"
#include "host/Inbox.h"
#include "host/web/BrowserStorage.h"
#include "host/web/WebHost.h"

namespace sonarch::web {

// The server the page was loaded from, as the online menu offers it
// ("http://HOST:PORT/"); empty for a page that came from no web server.
std::string pageServer();
// The connection the online menu asks for, with the seat the browser keeps
// for that room on that server.
OnlineStarter pageOnlineStarter(BrowserStorage& storage);
// Joins the room the page's address names, if it names one: takes back the
// seat the browser keeps for it, or asks the player's name first.
void joinRoomOfAddress(WebHost& host, GameSession& game, BrowserStorage& storage);

}  // namespace sonarch::web
