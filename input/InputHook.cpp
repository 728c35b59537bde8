// SPDX-License-Identifier: MIT
// Hook owner (placeholder: captures nothing until input capture is built).
#include "InputHook.h"

InputHook::InputHook(QObject *parent) : QObject(parent) { installHooks(); }
InputHook::~InputHook() { uninstallHooks(); }
bool InputHook::installHooks() { return false; }
void InputHook::uninstallHooks() {}
void InputHook::setKeyboardCallback(KeyboardCallback, void *) {}
void InputHook::setMouseCallback(MouseCallback, void *) {}
void InputHook::setCopyDataFilter(CopyDataCallback, QCoreApplication *, void *) {}
void InputHook::sendCopyData(const QString &, const COPYDATASTRUCT &, QObject *) {}
