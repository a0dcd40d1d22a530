// The page's program: one game for the life of the page. The page calls
// sonarchVirtualKey for every key, to know whether the game has a code for
// it, before it queues the key for the game.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <optional>

#include "game/Form1.h"
#include "host/web/WebHost.h"
#include "host/web/browserKeys.h"
#include "host/web/pageCalls.h"

extern "C" EMSCRIPTEN_KEEPALIVE int sonarchVirtualKey(const char* code, const char* key) {
    return sonarch::web::virtualKeyCode(code, key).value_or(0);
}

int main() {
    using namespace sonarch;
    std::optional<std::uint64_t> seed;
    if (const double asked = pageSeed(); asked >= 0) seed = static_cast<std::uint64_t>(asked);
    static web::WebHost host(seed);
    static Form1 game(host);
    host.attach(game);
    game.Form_Load();
    while (!host.ended()) host.processEvents();
    return 0;
}
