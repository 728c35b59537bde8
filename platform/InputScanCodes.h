// SPDX-License-Identifier: MIT
// Linux key codes (evdev) to the scan code and extended flag a low-level keyboard hook
// reports for the same key, so captured keys run through the one set of key tables.
#pragma once
#include <QtGlobal>

namespace InputScanCodes {
constexpr quint32 ExtendedFlag = 0x01;

// Scan code and extended flag of an evdev key code; false for keys without one.
bool evdevToScan(int evdevCode, quint32 *scan, bool *extended);
// X servers number keys as evdev code + 8.
inline int evdevFromXKeycode(int xKeycode) { return xKeycode - 8; }
}

#include <functional>

namespace InputScanCodes {
// Where the capture layers hand their events: a key as (scan, low-level flags, down) and a
// mouse-button message as (message, screen x, screen y). Always called on the GUI thread.
using KeySink = std::function<void(quint32 scan, quint32 flags, bool isDown)>;
using ButtonSink = std::function<void(quint32 message, int x, int y)>;
constexpr quint32 AltDownFlag = 0x20;
// Button messages: press, release and double click of the left, right and middle button.
enum ButtonMessage : quint32 {
    LeftDown = 0x201, LeftUp = 0x202, LeftDouble = 0x203,
    RightDown = 0x204, RightUp = 0x205, RightDouble = 0x206,
    MiddleDown = 0x207, MiddleUp = 0x208, MiddleDouble = 0x209,
};
}
