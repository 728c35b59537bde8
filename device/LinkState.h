// SPDX-License-Identifier: MIT
// Process-wide device state written by the handshake on the GUI thread and read by
// transfers on pool threads, hence atomics and a locked secrecy code.
#pragma once
#include <QtGlobal>
#include <array>
#include <atomic>

extern std::atomic<bool> deviceOk;   // last handshake passed, or demo mode
extern std::atomic<bool> demoMode;   // no device: every transfer fails at once; sticky
extern std::atomic<bool> encodeOn;   // command blocks are scrambled

using SecrecyCode = std::array<uchar, 8>;
SecrecyCode secrecyCode();                 // snapshot; bytes 1..6 hold the code
void setSecrecyCode(const SecrecyCode &code);
// Test support: back to process-start state (all false, code zero).
void resetLinkState();
