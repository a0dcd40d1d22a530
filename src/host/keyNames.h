// Key names as scripts and the terminal write them ("Ctrl+Shift+Period"),
// turned into the virtual-key code and shift mask of the key handler.
#pragma once

#include <optional>
#include <string>

namespace sonarch {

struct KeyStroke {
    short code = 0;
    short shift = 0;
};

std::optional<KeyStroke> parseKeyName(const std::string& name);

}  // namespace sonarch
