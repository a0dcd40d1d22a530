// Reading the tools' whole-number options.
#pragma once

#include <charconv>
#include <stdexcept>
#include <string>

namespace sonarch {

// The value of the option name, from lowest to highest; a sentence for the
// user when text is no such number.
template <typename Number>
Number wholeOption(const std::string& name, const std::string& text, Number lowest, Number highest) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < lowest || value > highest)
        throw std::invalid_argument(name + " needs a whole number from " + std::to_string(lowest) + " to " +
                                    std::to_string(highest) + ", not '" + text + "'");
    return value;
}

}  // namespace sonarch
