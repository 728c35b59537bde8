// SPDX-License-Identifier: MIT
// The main window's side of input capture: the three callbacks registered with InputHook.
// The context of each is the main window (a QWidget holding the myQQuickView).
//
// Start-up registers them right after constructing the window and the hook owner:
//     InputHook hook;
//     InputHook::setKeyboardCallback(InputCallbacks::keyboard, &w);
//     InputHook::setMouseCallback(InputCallbacks::mouse, &w);
//     InputHook::setCopyDataFilter(InputCallbacks::copyData, &app, &w);
// and in demo mode, once the window is shown, calls InputCallbacks::sendDemoNotice(w).
// After exec(): hook.uninstallHooks().
#pragma once
#include "InputHook.h"

class QWidget;

namespace InputCallbacks {
// Queues detectKeyboard(isDown, usage) into the QML root; context: the main window.
void keyboard(uchar usage, bool isDown, void *context);
// Queues detectMouse(isDown, code, x, y) into the QML root; context: the main window.
void mouse(uchar code, bool isDown, int x, int y, void *context);
// A text notice (dwData 0x250F, matching length) becomes a warning box captioned with
// the main window's title; anything else is ignored. Context: the main window.
void copyData(const COPYDATASTRUCT *data, void *context);
// Sends "===== Demo Mode =====" to the window titled like mainWindow, as start-up does.
void sendDemoNotice(QWidget *mainWindow);
}
