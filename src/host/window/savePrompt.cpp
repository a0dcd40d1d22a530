// The save prompt, kept inside the window and usable by ear: it says its
// question, says each character typed and each one erased; Enter gives the
// name, Escape cancels. Only while it is open does the keyboard type text.
// It is a state of the window, not a loop of its own: each event it takes
// comes from processEvents like any other, and its answer goes to the game
// as the next event.
#include "host/window/WindowHost.h"
#include "host/window/spokenCharacter.h"

namespace sonarch::window {

// The prompt's words go out by the game's voice while speech is on, else in the title.
void WindowHost::askText(const std::string& prompt, Voice* voice) {
    prompt_ = Prompt{prompt, voice, ""};
    if (voice) {
        voice->speak(prompt);
    } else {
        SDL_SetWindowTitle(window_, prompt.c_str());
    }
    SDL_StartTextInput();
}

void WindowHost::showTyped(const std::string& said) {
    // With speech off the title shows the name so far.
    if (prompt_->voice) {
        prompt_->voice->speak(said);
    } else {
        SDL_SetWindowTitle(window_, (prompt_->question + " " + prompt_->typed).c_str());
    }
}

void WindowHost::answerPrompt(std::optional<std::string> answer) {
    SDL_StopTextInput();
    prompt_.reset();
    keys_.answerPrompt(std::move(answer));
}

void WindowHost::promptEvent(const SDL_Event& event) {
    std::string& typed = prompt_->typed;
    if (event.type == SDL_TEXTINPUT) {
        const std::string text = event.text.text;
        typed += text;
        showTyped(spokenCharacter(text));
    } else if (event.type == SDL_KEYDOWN) {
        switch (event.key.keysym.sym) {
        case SDLK_RETURN:
        case SDLK_KP_ENTER: answerPrompt(typed); break;
        case SDLK_ESCAPE: answerPrompt(std::nullopt); break;
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
        // A Ctrl let go while typing must not leave a pause ended early; it
        // reaches the game after the answer.
        queueKey(event.key);
    }
}

}  // namespace sonarch::window
