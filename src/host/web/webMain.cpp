// The page's program: one game for the life of the page. The page calls
// sonarchVirtualKey for every key, to know whether the game has a code for
// it, before it queues the key for the game.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>

#include "game/GameSession.h"
#include "host/web/BrowserStorage.h"
#include "host/web/WebHost.h"
#include "host/web/browserKeys.h"
#include "host/web/pageCalls.h"

extern "C" EMSCRIPTEN_KEEPALIVE int sonarchVirtualKey(const char* code, const char* key) {
    return sonarch::web::pageKeyCode(code, key).value_or(0);
}

int main() {
    using namespace sonarch;
    RandomSetup random;
    if (const double asked = pageSeed(); asked >= 0) random.seed = static_cast<std::uint64_t>(asked);
    static web::BrowserStorage storage;
    static web::WebHost page;
    static GameSession game(storage, page, random);
    page.attach(game);
    game.start();
    while (!page.ended()) page.processEvents();
    return 0;
}
