// A player for the human seat that plays only by pressing keys, as a person
// would: it walks the cursor along links with the link keys, presses Space
// and Shift+Enter, and starts games through the spoken menus. It reads the
// game object only to decide, never to change it.
#pragma once

#include <array>
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

    // What the bot knows of the board at one decision, worked out once.
    struct View {
        std::array<bool, maxZones + 1> reachable{};  // the cursor can walk there
        std::array<bool, maxZones + 1> frontier{};   // an own zone touching another
    };

    View look() const;
    void goTo(int zone);
    std::vector<int> pathTo(int zone) const;
    bool ownedBy(int zone, int player) const;
    int chooseStart(const View& view) const;
    int choosePlacement(const View& view) const;
    Attack chooseAttack(const View& view) const;

    Form1& f_;
    Press press_;
    Style style_;
};

}  // namespace sonarch::testing
