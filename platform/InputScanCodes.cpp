// SPDX-License-Identifier: MIT
// The evdev-to-scan-code table for a standard 105-key keyboard plus F13-F24, keypad =
// and the extra character keys of Brazilian and Japanese keyboards. Codes 1-88 are the
// set 1 scan codes themselves; the rest are listed, some with the E0 prefix (extended flag).
//
// Left out on purpose: the input-method and language keys (Henkan, Muhenkan,
// Katakana/Hiragana, Hangeul, Hanja) and Yen, whose virtual keys depend on the layout
// (Kana and Hangul share one, Yen shares backslash's), so the fixed tables cannot give
// each its own usage; Power, which the system acts on; and every key outside the
// keyboard page (media, browser, system keys: the key page offers them as MEDIA).
#include "InputScanCodes.h"
#include <linux/input-event-codes.h>

namespace InputScanCodes {
namespace {
struct Row {
    int evdev;
    quint32 scan;
    bool extended;
};

// Keys whose hook scan code differs from their evdev code. Num Lock carries the
// extended flag and Pause does not, matching what the hook sees; the right Shift is
// reported extended, the row the scan table has for it.
const Row specialRows[] = {
    {KEY_NUMLOCK, 0x45, true},   {KEY_PAUSE, 0x45, false},    {KEY_RIGHTSHIFT, 0x36, true},
    {KEY_KPENTER, 0x1C, true},   {KEY_RIGHTCTRL, 0x1D, true}, {KEY_KPSLASH, 0x35, true},
    {KEY_SYSRQ, 0x37, true},     {KEY_RIGHTALT, 0x38, true},  {KEY_HOME, 0x47, true},
    {KEY_UP, 0x48, true},        {KEY_PAGEUP, 0x49, true},    {KEY_LEFT, 0x4B, true},
    {KEY_RIGHT, 0x4D, true},     {KEY_END, 0x4F, true},       {KEY_DOWN, 0x50, true},
    {KEY_PAGEDOWN, 0x51, true},  {KEY_INSERT, 0x52, true},    {KEY_DELETE, 0x53, true},
    {KEY_LEFTMETA, 0x5B, true},  {KEY_RIGHTMETA, 0x5C, true}, {KEY_COMPOSE, 0x5D, true},
    {KEY_F13, 0x64, false},      {KEY_F14, 0x65, false},      {KEY_F15, 0x66, false},
    {KEY_F16, 0x67, false},      {KEY_F17, 0x68, false},      {KEY_F18, 0x69, false},
    {KEY_F19, 0x6A, false},      {KEY_F20, 0x6B, false},      {KEY_F21, 0x6C, false},
    {KEY_F22, 0x6D, false},      {KEY_F23, 0x6E, false},      {KEY_F24, 0x76, false},
    {KEY_KPEQUAL, 0x59, false},  {KEY_RO, 0x73, false},       {KEY_KPCOMMA, 0x7E, false},
};

struct Table {
    quint16 entry[256] = {};   // scan << 1 | extended, + 1 so that 0 means "none"
    Table()
    {
        for (int code = KEY_ESC; code <= KEY_KPDOT; ++code)   // main block and keypad
            entry[code] = quint16((code << 1) + 1);
        for (int code : {KEY_102ND, KEY_F11, KEY_F12})
            entry[code] = quint16((code << 1) + 1);
        for (const Row &r : specialRows)
            entry[r.evdev] = quint16(((r.scan << 1) | (r.extended ? 1 : 0)) + 1);
    }
};
const Table &table()
{
    static const Table t;
    return t;
}
}

bool evdevToScan(int evdevCode, quint32 *scan, bool *extended)
{
    if (evdevCode <= 0 || evdevCode > 255)
        return false;
    const quint16 e = table().entry[evdevCode];
    if (!e)
        return false;
    if (scan)
        *scan = quint32(e - 1) >> 1;
    if (extended)
        *extended = (e - 1) & 1;
    return true;
}
}
