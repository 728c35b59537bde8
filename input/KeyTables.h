// SPDX-License-Identifier: MIT
// The key code tables: scan code (with extended flag) to virtual key, virtual key to
// USB usage, usage to display name, and the program's own mouse-button codes.
#pragma once
#include <QString>
#include <QtGlobal>

namespace KeyTables {

// Mouse buttons share the key-code byte space above the keyboard usages.
enum MouseCode : uchar {
    MouseLeft = 0xF0,
    MouseRight = 0xF1,
    MouseMiddle = 0xF2,
    MouseBack = 0xF3,
    MouseForward = 0xF4,
};

struct ScanEntry {
    uchar scan;
    uchar extended;   // bit 0 of the low-level event flags
    uchar vk;
};
struct VirtualKeyEntry {
    uchar vk;
    uchar usage;
};
struct NameEntry {
    uchar code;
    const char *name;   // UTF-8, compared exactly
};

// The raw rows, in one place; everything else is derived from them.
extern const ScanEntry scanRows[];
extern const int scanRowCount;              // 120 (20 extended)
extern const VirtualKeyEntry virtualKeyRows[];
extern const int virtualKeyRowCount;        // 122
extern const NameEntry nameRows[];
extern const int nameRowCount;              // 132 (127 keyboard, 5 mouse)

// Lookups; 0 means no entry. Scan codes above 0xFF never have one.
uchar virtualKeyForScan(quint32 scan, bool extended);
uchar usageForVirtualKey(uchar vk);
// Display name of a keyboard usage or mouse code, empty when the code has none.
QString nameForCode(uchar code);
inline bool isMouseCode(uchar code) { return code >= MouseLeft && code <= MouseForward; }

}
