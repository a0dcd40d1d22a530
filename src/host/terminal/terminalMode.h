// Puts the player's terminal into the mode the game reads keys in, and puts
// it back on every way out: a normal end, Ctrl+C, a termination request, a
// hang-up and a crash; and on a suspend, until the program continues. A terminal left without echo would look broken to
// the player and to the screen reader.
#pragma once

namespace sonarch::terminal {

class TerminalMode {
public:
    // Takes over the terminal on fd when it is one; otherwise does nothing,
    // so the game can also read keys from a pipe.
    explicit TerminalMode(int fd);
    ~TerminalMode();
    TerminalMode(const TerminalMode&) = delete;
    TerminalMode& operator=(const TerminalMode&) = delete;

    bool active() const { return active_; }
    // Key mode: no echo, no line buffering, keys one by one, and the
    // extended keyboard protocols asked for so that Shift+Enter and Ctrl
    // arrive as themselves where the terminal knows them.
    void keys();
    // Line mode for typing a name: the terminal's own settings, plain
    // characters from the keyboard protocols, but still byte by byte so that
    // Escape can cancel at once.
    void line();
    // Ctrl+Z: the program stops with the terminal as the game found it, and
    // takes it again when it is continued.
    void suspend();
    // The terminal exactly as the game found it.
    void restore();

private:
    bool active_ = false;
};

}  // namespace sonarch::terminal
