// The picture in the window: only the map titled "Simple World Map" has one,
// six circles tinted by their owners with the zone, the owner and the army.
#include <array>
#include <string>

#include "game/Form1.h"

namespace sonarch {

namespace {
struct Point {
    int x, y;
};
constexpr std::array<Point, 7> zoneCentre{{{0, 0}, {116, 85}, {144, 228}, {273, 86},
                                           {355, 139}, {296, 190}, {371, 239}}};
struct Rgb {
    int red, green, blue;
};
constexpr std::array<Rgb, 7> ownerColour{{{255, 255, 255}, {200, 255, 255}, {255, 200, 255},
                                          {255, 255, 200}, {200, 200, 255}, {255, 200, 200},
                                          {200, 255, 200}}};
// Owners beyond the table (a map of that title with more players) are drawn
// in a neutral grey rather than borrowing another player's tint.
constexpr Rgb otherOwner{220, 220, 220};
}  // namespace

void Form1::drawscreen() {
    if (board.mapName() != "Simple World Map") return;
    Canvas& surface = frontEnd_.canvas();
    surface.clear();
    // Only six places are laid out; further zones of a map of that title
    // have nowhere to go and are left out of the picture.
    const int drawn = board.zoneCount() < 6 ? board.zoneCount() : 6;
    for (int i = 1; i <= drawn; ++i) {
        const Point centre = zoneCentre[i];
        const int owner = board.zoneOwner[i];
        const Rgb tint = owner >= 0 && owner <= 6 ? ownerColour[owner] : otherOwner;
        surface.setColour(tint.red, tint.green, tint.blue);
        surface.fontSize(8);
        surface.circle(centre.x, centre.y, 35);
        surface.textPosition(centre.x - 30, centre.y - 20);
        surface.write(board.zoneName(i));
        surface.textPosition(centre.x - 30, centre.y - 5);
        surface.write(owner >= 0 && owner <= maxPlayerSlots ? board.playerName[owner] : std::string());
        surface.fontSize(14);
        surface.textPosition(centre.x - 15, centre.y + 5);
        surface.write(std::to_string(board.zoneArmy[i]));
    }
}

}  // namespace sonarch
