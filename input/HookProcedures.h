// SPDX-License-Identifier: MIT
// The keyboard and mouse hook procedures and their module state (callbacks, key state).
// Both run on the GUI thread only; the platform layers feed them queued from their sources.
#pragma once
#include "InputHook.h"
#include <QtGlobal>

namespace HookProc {

constexpr quint32 ExtendedFlag = 0x01;   // bit 0 of the low-level keyboard flags
constexpr quint32 AltDownFlag = 0x20;    // Alt held while the key event happened

// Mouse messages the mouse procedure looks at (press, release, double click of L, R, M).
enum MouseMessage : quint32 {
    LButtonDown = 0x201, LButtonUp = 0x202, LButtonDblClk = 0x203,
    RButtonDown = 0x204, RButtonUp = 0x205, RButtonDblClk = 0x206,
    MButtonDown = 0x207, MButtonUp = 0x208,
};

// One key event: maps (scan, flags) to a usage and reports it when its state changes.
// Returns the usage reported, 0 when the event was dropped.
uchar keyboardProc(quint32 scan, quint32 flags, bool isDown);
// One button message with its screen position; returns the code reported, 0 for none.
uchar mouseProc(quint32 message, int x, int y);

void setKeyboardCallback(KeyboardCallback callback, void *context);
void setMouseCallback(MouseCallback callback, void *context);

// Last reported state of a usage (0 up, 1 down).
uchar keyState(uchar usage);
// Every key back to up, as at program start (tests).
void resetKeyState();

}
