// SPDX-License-Identifier: MIT
// Hook procedures: table lookups, the Pause and Print Screen overrides, and the key
// state that drops auto-repeat and releases of keys pressed before capture began.
#include "HookProcedures.h"
#include "KeyTables.h"

namespace HookProc {
namespace {
struct State {
    KeyboardCallback keyboard = nullptr;
    void *keyboardContext = nullptr;
    MouseCallback mouse = nullptr;
    void *mouseContext = nullptr;
    uchar keys[256] = {};
};
State state;

// Indexed by message - 0x201; double clicks carry code 0 and are never reported.
const uchar mouseCodes[8] = {KeyTables::MouseLeft, KeyTables::MouseLeft, 0,
                             KeyTables::MouseRight, KeyTables::MouseRight, 0,
                             KeyTables::MouseMiddle, KeyTables::MouseMiddle};
const bool mouseDown[8] = {true, false, false, true, false, false, true, false};
}

uchar keyboardProc(quint32 scan, quint32 flags, bool isDown)
{
    if (scan > 0xFF)
        scan = 0;
    const bool extended = flags & ExtendedFlag;
    uchar vk = KeyTables::virtualKeyForScan(scan, extended);
    if (scan == 0x46 && extended)
        vk = 0x13;   // Ctrl+Break arrives as an extended Scroll Lock scan: report Pause
    if (scan == 0x54 && (flags & AltDownFlag))
        vk = 0x2C;   // Alt+Print Screen arrives as SysRq: report Print Screen
    if (!vk)
        return 0;
    const uchar usage = KeyTables::usageForVirtualKey(vk);
    if (!usage)
        return 0;
    const uchar down = isDown ? 1 : 0;
    if (state.keys[usage] == down)
        return 0;   // auto-repeat, or the release of a key held before capture began
    state.keys[usage] = down;
    if (state.keyboard)
        state.keyboard(usage, isDown, state.keyboardContext);
    return usage;
}

uchar mouseProc(quint32 message, int x, int y)
{
    if (message < LButtonDown || message > MButtonUp)
        return 0;
    const uchar code = mouseCodes[message - LButtonDown];
    if (!code)
        return 0;
    if (state.mouse)
        state.mouse(code, mouseDown[message - LButtonDown], x, y, state.mouseContext);
    return code;
}

void setKeyboardCallback(KeyboardCallback callback, void *context)
{
    state.keyboard = callback;
    state.keyboardContext = context;
}

void setMouseCallback(MouseCallback callback, void *context)
{
    state.mouse = callback;
    state.mouseContext = context;
}

uchar keyState(uchar usage) { return state.keys[usage]; }

void resetKeyState()
{
    for (uchar &k : state.keys)
        k = 0;
}

}
