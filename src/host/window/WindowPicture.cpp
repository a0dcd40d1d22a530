#include "host/window/WindowPicture.h"

#include <iostream>

namespace sonarch::window {

namespace {
// The window's normal face colour: unclaimed white zones stand out from it.
constexpr SDL_Colour background{240, 240, 240, 255};
constexpr SDL_Colour ink{0, 0, 0, 255};
constexpr const char* fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Font sizes are in points of a 96 dots-per-inch screen, the desktop's usual measure.
constexpr unsigned screenDpi = 96;

void plot(SDL_Surface* surface, int x, int y, Uint32 colour) {
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) return;
    auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
    reinterpret_cast<Uint32*>(row)[x] = colour;
}
}  // namespace

WindowPicture::WindowPicture()
    : surface_(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888)) {
    clear();
}

WindowPicture::~WindowPicture() {
    for (auto& [points, font] : fonts_) TTF_CloseFont(font);
    if (surface_) SDL_FreeSurface(surface_);
}

void WindowPicture::clear() {
    if (!surface_) return;
    SDL_FillRect(surface_, nullptr,
                 SDL_MapRGB(surface_->format, background.r, background.g, background.b));
    changed_ = true;
}

void WindowPicture::setColour(int red, int green, int blue) {
    if (!surface_) return;
    colour_ = SDL_MapRGB(surface_->format, static_cast<Uint8>(red), static_cast<Uint8>(green),
                         static_cast<Uint8>(blue));
}

void WindowPicture::circle(int x, int y, int radius) {
    if (!surface_ || radius <= 0) return;
    const Uint32 outline = SDL_MapRGB(surface_->format, ink.r, ink.g, ink.b);
    const int outer = radius * radius;
    const int inner = (radius - 1) * (radius - 1);
    for (int dy = -radius; dy <= radius; ++dy) {
        for (int dx = -radius; dx <= radius; ++dx) {
            const int distance = dx * dx + dy * dy;
            if (distance > outer) continue;
            plot(surface_, x + dx, y + dy, distance > inner ? outline : colour_);
        }
    }
    changed_ = true;
}

void WindowPicture::textPosition(int x, int y) {
    textX_ = x;
    textY_ = y;
}

void WindowPicture::fontSize(int points) { points_ = points; }

TTF_Font* WindowPicture::font() {
    if (fontMissing_ || points_ <= 0) return nullptr;
    auto found = fonts_.find(points_);
    if (found != fonts_.end()) return found->second;
    if (!TTF_WasInit() && TTF_Init() != 0) {
        fontMissing_ = true;
        std::cerr << "sonarch: the picture will have no texts: " << TTF_GetError() << '\n';
        return nullptr;
    }
    TTF_Font* opened = TTF_OpenFontDPI(fontFile, points_, screenDpi, screenDpi);
    if (!opened) {
        fontMissing_ = true;
        std::cerr << "sonarch: the picture will have no texts: " << TTF_GetError() << '\n';
        return nullptr;
    }
    fonts_[points_] = opened;
    return opened;
}

void WindowPicture::write(const std::string& text) {
    if (!surface_ || text.empty()) return;
    TTF_Font* typeface = font();
    if (!typeface) return;
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(typeface, text.c_str(), ink);
    if (!rendered) return;
    SDL_Rect place{textX_, textY_, rendered->w, rendered->h};
    SDL_BlitSurface(rendered, nullptr, surface_, &place);
    SDL_FreeSurface(rendered);
    changed_ = true;
}

void WindowPicture::present(SDL_Window* window, bool force) {
    if (!surface_ || !window || !(changed_ || force)) return;
    SDL_Surface* shown = SDL_GetWindowSurface(window);
    if (!shown) return;
    SDL_BlitSurface(surface_, nullptr, shown, nullptr);
    SDL_UpdateWindowSurface(window);
    changed_ = false;
}

}  // namespace sonarch::window
