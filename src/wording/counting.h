// Counts said the way a listener expects: "1 zone", "3 zones".
#pragma once

#include <string>

namespace sonarch {

inline std::string counted(int number, const std::string& one, const std::string& many) {
    return std::to_string(number) + " " + (number == 1 ? one : many);
}

}  // namespace sonarch
