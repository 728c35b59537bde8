// SPDX-License-Identifier: MIT
// The simulated device's own block checksum and scrambling, written apart from the
// program's so that a mistake on either side shows up as a failed exchange.
#pragma once
#include <cstdint>

namespace sim {
namespace wire {

// Complement of the 8-bit sum of block bytes 0..6.
uint8_t checksum(const uint8_t block[8]);

// Scrambles / unscrambles an 8-byte block in place; code holds the six code bytes
// (ASCII of the six-character secrecy code) that act on block bytes 1..6.
void encipher(uint8_t block[8], const uint8_t code[6]);
void decipher(uint8_t block[8], const uint8_t code[6]);

} // namespace wire
} // namespace sim
