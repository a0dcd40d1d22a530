#include "host/server/systemRandom.h"

#include <sys/random.h>

#include <cerrno>
#include <stdexcept>

#include "net/protocol.h"

namespace sonarch::server {

namespace {
void fill(void* buffer, std::size_t size) {
    auto* bytes = static_cast<unsigned char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = getrandom(bytes + done, size - done, 0);
        if (got < 0) {
            if (errno == EINTR) continue;
            throw std::runtime_error("the system's random source cannot be read");
        }
        done += static_cast<std::size_t>(got);
    }
}
}  // namespace

std::uint64_t systemRandom64() {
    std::uint64_t value = 0;
    fill(&value, sizeof value);
    return value;
}

std::string newToken() {
    static constexpr char digits[] = "0123456789abcdef";
    unsigned char bytes[16];
    fill(bytes, sizeof bytes);
    std::string token;
    for (const unsigned char byte : bytes) {
        token += digits[byte >> 4];
        token += digits[byte & 15];
    }
    return token;
}

std::string newRoomCode() {
    const auto letters = static_cast<std::uint64_t>(net::codeLetters.size());
    // Draws at or above the last whole multiple of the letters are drawn
    // again, so that no letter comes up more often than another.
    const std::uint64_t limit = (UINT64_MAX / letters) * letters;
    std::string code;
    while (static_cast<int>(code.size()) < net::codeLength) {
        const std::uint64_t draw = systemRandom64();
        if (draw < limit) code += net::codeLetters[static_cast<std::size_t>(draw % letters)];
    }
    return code;
}

}  // namespace sonarch::server
