// A player for the human seat that plays only by pressing keys, as a person
// would: it walks the cursor along links with the link keys, presses Space
// and Shift+Enter, and starts games through the spoken menus. It reads the
// game object only to decide, never to change it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "game/Form1.h"

namespace sonarch::testing {

class TestBot {
public:
    enum class Style {
        Conqueror,  // concentrates its armies and attacks where it is stronger
        Idler,      // claims a start, then only ends its turns
    };
    using Press = std::function<void(const std::string& keyName)>;

    TestBot(Form1& form, Press press, Style style);

    // Keys that start a new game from the main menu with nothing selected:
    // the map at this position of the sorted map list, and this many
    // computer players.
    static std::vector<std::string> newGameKeys(int mapIndex, int computerPlayers);

    // Plays one decision (a handful of keys). False once no game is running.
    bool step();

private:
    struct Attack {
        int from = 0, to = 0;
    };

    void goTo(int zone);
    std::vector<int> pathTo(int zone) const;
    bool reachable(int zone) const;
    bool ownedBy(int zone, int player) const;
    bool isFrontier(int zone) const;
    int chooseStart() const;
    int choosePlacement() const;
    Attack chooseAttack() const;

    Form1& f_;
    Press press_;
    Style style_;
};

}  // namespace sonarch::testing
