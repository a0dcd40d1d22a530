// Draws from the system's random source, for what a player must not be able
// to guess: seat tokens, room codes and the dice's seeds.
#pragma once

#include <cstdint>
#include <string>

namespace sonarch::server {

std::uint64_t systemRandom64();
// 128 bits as 32 lowercase hexadecimal digits.
std::string newToken();
// A room code of net::codeLetters, each letter drawn without bias.
std::string newRoomCode();

}  // namespace sonarch::server
