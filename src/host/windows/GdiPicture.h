// The window's picture drawn with GDI into a bitmap of its own, which the
// window shows whenever it is painted. The same look as on Linux: zones are
// discs filled in their owner's tint with a black outline, texts in black
// on them, on the window's light grey.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::windows {

class GdiPicture final : public Canvas {
public:
    static constexpr int width = 480;
    static constexpr int height = 320;

    GdiPicture();
    ~GdiPicture() override;
    GdiPicture(const GdiPicture&) = delete;
    GdiPicture& operator=(const GdiPicture&) = delete;

    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    // Copies the picture into a device context of the window.
    void paint(HDC target) const;
    // True once since the last call when something was drawn.
    bool takeChanged();

private:
    HFONT font();

    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ formerBitmap_;
    COLORREF colour_ = RGB(255, 255, 255);
    int textX_ = 0, textY_ = 0;
    int points_ = 8;
    std::map<int, HFONT> fonts_;
    bool changed_ = true;
};

}  // namespace sonarch::windows
