// The save prompt, kept inside the window and usable by ear: it says its
// question, says each character typed and each one erased; Enter gives the
// name, Escape cancels. Only while it is open does the keyboard type text.
#include "host/window/WindowHost.h"
#include "host/window/spokenCharacter.h"

namespace sonarch::window {

// The prompt's words go out by the game's voice while speech is on, else in the title.
std::optional<std::string> WindowHost::promptText(const std::string& prompt, Voice* voice) {
    std::string typed;
    std::optional<std::string> answer;
    bool open = true;
    if (voice) {
        voice->speak(prompt);
    } else {
        SDL_SetWindowTitle(window_, prompt.c_str());
    }
    SDL_StartTextInput();
    auto showTyped = [&](const std::string& said) {
        // With speech off the title shows the name so far.
        if (voice) {
            voice->speak(said);
        } else {
            SDL_SetWindowTitle(window_, (prompt + " " + typed).c_str());
        }
    };
    while (open) {
        picture_.present(window_);
        SDL_Event event;
        if (!SDL_WaitEventTimeout(&event, 1000)) continue;
        try {
            if (handleWindowEvent(event)) continue;
        } catch (const WindowClosed&) {
            SDL_StopTextInput();
            throw;
        }
        if (event.type == SDL_TEXTINPUT) {
            const std::string text = event.text.text;
            typed += text;
            showTyped(spokenCharacter(text));
        } else if (event.type == SDL_KEYDOWN) {
            switch (event.key.keysym.sym) {
            case SDLK_RETURN:
            case SDLK_KP_ENTER:
                answer = typed;
                open = false;
                break;
            case SDLK_ESCAPE: open = false; break;
            case SDLK_BACKSPACE:
                if (typed.empty()) {
                    showTyped("empty");
                } else {
                    std::string erased;
                    typed = withoutLastCharacter(typed, erased);
                    showTyped("erased " + spokenCharacter(erased));
                }
                break;
            case SDLK_UP:
            case SDLK_DOWN:
                // Reads the name back.
                showTyped(typed.empty() ? "empty" : typed);
                break;
            default: break;
            }
        } else if (event.type == SDL_KEYUP) {
            // A Ctrl let go while typing must not leave a pause ended early.
            queueKey(event.key);
        }
    }
    SDL_StopTextInput();
    return answer;
}

}  // namespace sonarch::window
