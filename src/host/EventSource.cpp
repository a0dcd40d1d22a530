#include "host/EventSource.h"

namespace sonarch {

void runSession(GameSession& game, EventSource& events) {
    game.start();
    while (!events.ended()) events.processEvents();
}

}  // namespace sonarch
