// Any names a browser could give a key, split at the first zero byte into
// KeyboardEvent.code and KeyboardEvent.key, give a code the game knows or
// none at all.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/web/browserKeys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string_view code = input.substr(0, split);
    const std::string_view key = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);
    if (const auto found = sonarch::web::virtualKeyCode(code, key)) {
        if (*found < 8 || *found > 226) std::abort();
    }
    return 0;
}
