// SPDX-License-Identifier: MIT
// Checksum and scrambling of the 8-byte command block (see Framing.h).
#include "Framing.h"
#include <utility>

namespace {
const uchar keyText[Framing::BlockSize] = {'K', 'i', 'W', 'm', 'd', 'Z', 'u', 'p'};

uchar swappedKey(int i)
{
    const uchar k = keyText[i];
    return uchar((k << 4) | (k >> 4));
}
}

namespace Framing {

uchar checksum(const uchar *block)
{
    uchar sum = 0;
    for (int i = 0; i < 7; ++i)
        sum = uchar(sum + block[i]);
    return uchar(0xFF - sum);
}

void swapPairs(uchar *b)
{
    std::swap(b[0], b[5]);
    std::swap(b[1], b[4]);
    std::swap(b[2], b[7]);
    std::swap(b[3], b[6]);
}

void xorCode(uchar *b, const uchar *code)
{
    for (int i = 1; i <= 6; ++i)
        b[i] ^= code[i];
}

void rotateLeft3(uchar *b)
{
    const uchar first = b[0];
    for (int i = 0; i < 7; ++i)
        b[i] = uchar((b[i] << 3) | (b[i + 1] >> 5));
    b[7] = uchar((b[7] << 3) | (first >> 5));
}

void rotateRight3(uchar *b)
{
    const uchar last = b[7];
    for (int i = 7; i > 0; --i)
        b[i] = uchar((b[i] >> 3) | (b[i - 1] << 5));
    b[0] = uchar((b[0] >> 3) | (last << 5));
}

void addKey(uchar *b)
{
    for (int i = 0; i < BlockSize; ++i)
        b[i] = uchar(b[i] + swappedKey(i));
}

void subtractKey(uchar *b)
{
    for (int i = 0; i < BlockSize; ++i)
        b[i] = uchar(b[i] - swappedKey(i));
}

void scramble(uchar *block, const uchar *code)
{
    swapPairs(block);
    xorCode(block, code);
    rotateLeft3(block);
    addKey(block);
}

void descramble(uchar *block, const uchar *code)
{
    subtractKey(block);
    rotateRight3(block);
    xorCode(block, code);
    swapPairs(block);
}

QString firmwareVersionText(uchar major, uchar minor)
{
    return QString::number(major, 16) + QLatin1Char('.')
           + QString::number(minor, 16).rightJustified(2, QLatin1Char('0')).toUpper();
}

} // namespace Framing
