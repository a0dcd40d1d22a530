// Key names as scripts and the terminal write them ("Ctrl+Shift+Period"),
// turned into the virtual-key code and shift mask of the key handler.
#pragma once

#include <optional>
#include <string>

#include "input/keyCodes.h"

namespace sonarch {

std::optional<KeyStroke> parseKeyName(const std::string& name);

}  // namespace sonarch
