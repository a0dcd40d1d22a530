// The page's program: one game for the life of the page. main starts it
// (joining the room the page's address names, if any) and returns; the runtime stays, and the page hands the game its events
// through sonarchEvent and sonarchTextEntered. The page calls
// sonarchVirtualKey for every key, to know whether the game has a code for
// it, before it hands the key over.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>

#include "game/GameSession.h"
#include "host/web/BrowserStorage.h"
#include "host/web/WebHost.h"
#include "host/web/browserKeys.h"
#include "host/web/pageCalls.h"
#include "host/web/pageOnline.h"

extern "C" EMSCRIPTEN_KEEPALIVE int sonarchVirtualKey(const char* code, const char* key) {
    return sonarch::web::pageKeyCode(code, key).value_or(0);
}

namespace {
sonarch::web::WebHost page;
}

extern "C" EMSCRIPTEN_KEEPALIVE void sonarchEvent(int packed) { page.take(packed); }

extern "C" EMSCRIPTEN_KEEPALIVE void sonarchTextEntered(const char* text) { page.answer(text); }

int main() {
    using namespace sonarch;
    RandomSetup random;
    if (const double asked = pageSeed(); asked >= 0) random.seed = static_cast<std::uint64_t>(asked);
    static web::BrowserStorage storage;
    static GameSession game(storage, page, random);
    page.attach(game);
    page.useOnline(web::pageOnlineStarter(storage));
    if (const std::string server = web::pageServer(); !server.empty()) game.setOnlineServer(server);
    game.start();
    web::joinRoomOfAddress(page, game, storage);
    return 0;
}
