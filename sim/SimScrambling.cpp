// SPDX-License-Identifier: MIT
// Device-side block scrambling: pair swaps, code xor, a 3-bit rotation of the whole
// block and a nibble-swapped key added byte by byte.
#include "SimScrambling.h"

namespace sim {
namespace wire {

namespace {
const char kKey[8] = {'K', 'i', 'W', 'm', 'd', 'Z', 'u', 'p'};

uint8_t keyByte(int i)
{
    const auto k = static_cast<uint8_t>(kKey[i]);
    return static_cast<uint8_t>((k << 4) | (k >> 4));
}

uint64_t toWord(const uint8_t b[8])
{
    uint64_t w = 0;
    for (int i = 0; i < 8; ++i)
        w = (w << 8) | b[i];
    return w;
}

void fromWord(uint64_t w, uint8_t b[8])
{
    for (int i = 7; i >= 0; --i) {
        b[i] = static_cast<uint8_t>(w & 0xFF);
        w >>= 8;
    }
}

void swapPairs(uint8_t b[8])
{
    static const int kPairs[4][2] = {{0, 5}, {1, 4}, {2, 7}, {3, 6}};
    for (const auto &p : kPairs) {
        const uint8_t t = b[p[0]];
        b[p[0]] = b[p[1]];
        b[p[1]] = t;
    }
}

void xorCode(uint8_t b[8], const uint8_t code[6])
{
    for (int i = 1; i <= 6; ++i)
        b[i] ^= code[i - 1];
}
} // namespace

uint8_t checksum(const uint8_t block[8])
{
    unsigned sum = 0;
    for (int i = 0; i < 7; ++i)
        sum += block[i];
    return static_cast<uint8_t>(~sum & 0xFF);
}

void encipher(uint8_t block[8], const uint8_t code[6])
{
    swapPairs(block);
    xorCode(block, code);
    const uint64_t w = toWord(block);
    fromWord((w << 3) | (w >> 61), block);
    for (int i = 0; i < 8; ++i)
        block[i] = static_cast<uint8_t>(block[i] + keyByte(i));
}

void decipher(uint8_t block[8], const uint8_t code[6])
{
    for (int i = 0; i < 8; ++i)
        block[i] = static_cast<uint8_t>(block[i] - keyByte(i));
    const uint64_t w = toWord(block);
    fromWord((w >> 3) | (w << 61), block);
    xorCode(block, code);
    swapPairs(block);
}

} // namespace wire
} // namespace sim
