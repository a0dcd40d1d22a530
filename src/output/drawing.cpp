// The picture in the window: only the map titled "Simple World Map" has one,
// six circles tinted by their owners with the zone, the owner and the army,
// and a ring round the cursor zone. It is for sighted helpers beside the
// player, so each text is kept inside its disc.
#include <algorithm>
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
// The cursor zone's ring, in the blue the page marks its focus with; wide
// enough to see at a glance, and short of the nearest neighbouring disc.
constexpr Rgb cursorRing{0, 80, 179};
constexpr int discRadius = 35;
constexpr int ringRadius = 40;

// The canvas measures no text, so a text's width is reckoned from its
// length: the widest letters of the picture's font average 0.6 of a point
// size of 4/3 pixels.
int reckonedWidth(const std::string& text, int points) {
    const int letters = static_cast<int>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
    return letters * points * 4 * 6 / 30;
}

// Half the width of the disc along a line of text from top to top + height,
// where the disc is narrowest.
int halfChord(int top, int height) {
    const int farthest = std::max(top < 0 ? -top : 0, top + height > 0 ? top + height : 0);
    int half = 0;
    while ((half + 1) * (half + 1) + farthest * farthest <= (discRadius - 1) * (discRadius - 1)) ++half;
    return half;
}

// Writes a line centred on the disc, top pixels below its centre (negative:
// above), at the size given or smaller, cut short if even the smallest
// would not fit.
void writeInDisc(Canvas& surface, int centreX, int centreY, int top, std::string text, int points) {
    if (text.empty()) return;
    const int smallest = 5;
    auto fits = [&](int size) { return reckonedWidth(text, size) <= 2 * halfChord(top, size * 4 / 3 + 2); };
    while (points > smallest && !fits(points)) --points;
    while (text.size() > 1 && !fits(points)) {
        text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
    }
    surface.fontSize(points);
    surface.textPosition(centreX - reckonedWidth(text, points) / 2, centreY + top);
    surface.write(text);
}
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
        if (i == cursorZone) {
            surface.setColour(cursorRing.red, cursorRing.green, cursorRing.blue);
            surface.circle(centre.x, centre.y, ringRadius);
        }
        const Rgb tint = owner >= 0 && owner <= 6 ? ownerColour[owner] : otherOwner;
        surface.setColour(tint.red, tint.green, tint.blue);
        surface.circle(centre.x, centre.y, discRadius);
        // A name of two words or more takes two lines, split at its first
        // blank. The row through the centre stays clear of text: the tint
        // shows there.
        const std::string& name = board.zoneName(i);
        const auto blank = name.find(' ');
        const std::string firstLine = blank == std::string::npos ? name : name.substr(0, blank);
        const std::string secondLine = blank == std::string::npos ? std::string() : name.substr(blank + 1);
        writeInDisc(surface, centre.x, centre.y, -25, firstLine, 7);
        writeInDisc(surface, centre.x, centre.y, -14, secondLine, 7);
        writeInDisc(surface, centre.x, centre.y, 2,
                    owner >= 0 && owner <= maxPlayerSlots ? board.playerName[owner] : std::string(), 7);
        writeInDisc(surface, centre.x, centre.y, 14, std::to_string(board.zoneArmy[i]), 11);
    }
}

}  // namespace sonarch
