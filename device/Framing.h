// SPDX-License-Identifier: MIT
// Command-block framing: checksum, the reversible block scrambling keyed by the secrecy
// code, and the firmware version text. Pure functions, shared by the link and its tests.
#pragma once
#include <QString>
#include <QtGlobal>

namespace Framing {

constexpr int BlockSize = 8;     // command or answer block
constexpr int ReportSize = 9;    // report id + block

// Complement of the 8-bit sum of block bytes 0..6; byte 7 takes no part.
uchar checksum(const uchar *block);

// The four steps of the scrambling, each usable on its own.
void swapPairs(uchar *b);                       // 0<->5, 1<->4, 2<->7, 3<->6; its own inverse
void xorCode(uchar *b, const uchar *code);      // bytes 1..6 with code bytes 1..6
void rotateLeft3(uchar *b);                     // block read as one big-endian 64-bit number
void rotateRight3(uchar *b);
void addKey(uchar *b);                          // + nibble-swapped "KiWmdZup"
void subtractKey(uchar *b);

// In place; code bytes 0 and 7 are never read.
void scramble(uchar *block, const uchar *code);
void descramble(uchar *block, const uchar *code);

// Firmware version: major in lower-case hex, minor in two upper-case hex digits.
QString firmwareVersionText(uchar major, uchar minor);

} // namespace Framing
