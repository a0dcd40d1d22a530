#include "host/windows/GdiPicture.h"

#include "host/windows/wideText.h"

namespace sonarch::windows {

namespace {
// The window's normal face colour: unclaimed white zones stand out from it.
constexpr COLORREF background = RGB(240, 240, 240);
constexpr COLORREF ink = RGB(0, 0, 0);
// On every Windows since 2000, and in Wine's own fonts.
constexpr const wchar_t* typeface = L"Tahoma";
// Points of a 96 dots-per-inch screen, as on Linux, whatever the screen's scale.
constexpr int screenDpi = 96;
}  // namespace

GdiPicture::GdiPicture() {
    HDC screen = GetDC(nullptr);
    dc_ = CreateCompatibleDC(screen);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    formerBitmap_ = SelectObject(dc_, bitmap_);
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, ink);
    SetTextAlign(dc_, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SelectObject(dc_, GetStockObject(DC_PEN));
    SelectObject(dc_, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc_, ink);
    clear();
}

GdiPicture::~GdiPicture() {
    SelectObject(dc_, formerBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    for (auto& [points, font] : fonts_) DeleteObject(font);
}

void GdiPicture::clear() {
    const RECT all{0, 0, width, height};
    SetDCBrushColor(dc_, background);
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    changed_ = true;
}

void GdiPicture::setColour(int red, int green, int blue) {
    colour_ = RGB(red, green, blue);
}

void GdiPicture::circle(int x, int y, int radius) {
    if (radius <= 0) return;
    SetDCBrushColor(dc_, colour_);
    // The right and bottom edges are outside the disc: x + radius is its last column.
    Ellipse(dc_, x - radius, y - radius, x + radius + 1, y + radius + 1);
    changed_ = true;
}

void GdiPicture::textPosition(int x, int y) {
    textX_ = x;
    textY_ = y;
}

void GdiPicture::fontSize(int points) { points_ = points; }

HFONT GdiPicture::font() {
    auto found = fonts_.find(points_);
    if (found != fonts_.end()) return found->second;
    // A negative height asks for the character height, as a point size does.
    HFONT made = CreateFontW(-MulDiv(points_, screenDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, typeface);
    fonts_[points_] = made;
    return made;
}

void GdiPicture::write(const std::string& text) {
    if (text.empty() || points_ <= 0) return;
    const std::wstring wide = widen(text);
    SelectObject(dc_, font());
    TextOutW(dc_, textX_, textY_, wide.c_str(), static_cast<int>(wide.size()));
    changed_ = true;
}

void GdiPicture::paint(HDC target) const { BitBlt(target, 0, 0, width, height, dc_, 0, 0, SRCCOPY); }

bool GdiPicture::takeChanged() {
    const bool was = changed_;
    changed_ = false;
    return was;
}

}  // namespace sonarch::windows
