// The window's picture: drawn into a surface of its own, which is shown in
// the window whenever the game next waits, and again after the window was
// covered. Zones are filled discs in their owner's tint with a dark outline,
// and the texts are written in black on them.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <map>
#include <string>

#include "game/FrontEnd.h"

namespace sonarch::window {

class WindowPicture final : public Canvas {
public:
    static constexpr int width = 480;
    static constexpr int height = 320;

    WindowPicture();
    ~WindowPicture() override;
    WindowPicture(const WindowPicture&) = delete;
    WindowPicture& operator=(const WindowPicture&) = delete;

    void clear() override;
    void setColour(int red, int green, int blue) override;
    void circle(int x, int y, int radius) override;
    void textPosition(int x, int y) override;
    void fontSize(int points) override;
    void write(const std::string& text) override;

    // Copies the picture into the window when it changed or when forced.
    void present(SDL_Window* window, bool force = false);

private:
    TTF_Font* font();

    SDL_Surface* surface_;
    Uint32 colour_ = 0;
    int textX_ = 0, textY_ = 0;
    int points_ = 8;
    std::map<int, TTF_Font*> fonts_;
    bool fontMissing_ = false;
    bool changed_ = true;
};

}  // namespace sonarch::window
