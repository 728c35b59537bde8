// SPDX-License-Identifier: MIT
// Hook owner: picks the capture source (global X RECORD, else the in-window filter) and
// routes its events into the hook procedures on the GUI thread.
#include "InputHook.h"
#include "CopyData.h"
#include "HookProcedures.h"
#include "InWindowInputFilter.h"
#include "KeyTables.h"
#include "X11InputRecorder.h"
#include <QDebug>
#include <QGuiApplication>

namespace {
void feedKey(quint32 scan, quint32 flags, bool isDown) { HookProc::keyboardProc(scan, flags, isDown); }
void feedButton(quint32 message, int x, int y) { HookProc::mouseProc(message, x, y); }

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
           || (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("DISPLAY"));
}
}

InputHook::InputHook(QObject *parent) : QObject(parent)
{
    // Build the lookup tables now so the first captured key pays nothing for them.
    KeyTables::virtualKeyForScan(0, false);
    installHooks();
}

InputHook::~InputHook() { uninstallHooks(); }

bool InputHook::installHooks()
{
    if (m_source)
        uninstallHooks();
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    // Under Wayland an X server (if any) sees only X clients, so global capture would miss
    // most input: the in-window filter is the honest choice there.
    if (!onWayland()) {
        auto *recorder = new X11InputRecorder(feedKey, feedButton, this);
        if (recorder->start()) {
            m_source = recorder;
            m_mode = GlobalRecord;
            qDebug() << "Input capture: global (X RECORD)";
            return true;
        }
        delete recorder;
    }
    auto *filter = new InWindowInputFilter(feedKey, feedButton, this);
    QCoreApplication::instance()->installEventFilter(filter);
    m_source = filter;
    m_mode = InWindow;
    qDebug() << "Input capture: in-window only (X RECORD not available)";
    return true;
}

void InputHook::uninstallHooks()
{
    if (auto *recorder = qobject_cast<X11InputRecorder *>(m_source))
        recorder->stop();
    delete m_source;   // a filter removes itself from the application when destroyed
    m_source = nullptr;
    m_mode = NoCapture;
}

void InputHook::setKeyboardCallback(KeyboardCallback callback, void *context)
{
    HookProc::setKeyboardCallback(callback, context);
}

void InputHook::setMouseCallback(MouseCallback callback, void *context)
{
    HookProc::setMouseCallback(callback, context);
}

void InputHook::setCopyDataFilter(CopyDataCallback callback, QCoreApplication *app, void *context)
{
    CopyData::setFilter(callback, app, context);
}

void InputHook::sendCopyData(const QString &windowTitle, const COPYDATASTRUCT &copyData, QObject *excludeWindow)
{
    CopyData::send(windowTitle, copyData, excludeWindow);
}
