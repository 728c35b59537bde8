// SPDX-License-Identifier: MIT
// Hook owner: picks the capture source (global X RECORD, else the in-window filter),
// connects it only while capture is claimed, and routes its events into the hook
// procedures on the GUI thread.
#include "InputHook.h"
#include "CaptureClaims.h"
#include "CopyData.h"
#include "HookProcedures.h"
#include "InWindowInputFilter.h"
#include "KeyTables.h"
#include "X11InputRecorder.h"
#include <QDebug>
#include <QGuiApplication>

namespace {
InputHook *current = nullptr;

void feedKey(quint32 scan, quint32 flags, bool isDown) { HookProc::keyboardProc(scan, flags, isDown); }
void feedButton(quint32 message, int x, int y) { HookProc::mouseProc(message, x, y); }

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
           || (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("DISPLAY"));
}

void onClaimsChanged(bool)
{
    if (current)
        current->followClaims();
}
}

InputHook::InputHook(QObject *parent) : QObject(parent)
{
    // Build the lookup tables now so the first captured key pays nothing for them.
    KeyTables::virtualKeyForScan(0, false);
    current = this;
    CaptureClaims::setListener(&onClaimsChanged);
    installHooks();
}

InputHook::~InputHook()
{
    uninstallHooks();
    if (current == this) {
        current = nullptr;
        CaptureClaims::setListener({});
    }
}

InputHook *InputHook::instance() { return current; }

bool InputHook::installHooks()
{
    if (m_mode != NoCapture)
        uninstallHooks();
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    // Under Wayland an X server (if any) sees only X clients, so global capture would miss
    // most input: the in-window filter is the honest choice there.
    if (!onWayland() && X11InputRecorder::isAvailable()) {
        m_mode = GlobalRecord;
        qDebug() << "Input capture: global (X RECORD), on only while a key field or a recording asks for it";
    } else {
        m_mode = InWindow;
        qDebug() << "Input capture: in-window only (X RECORD not available)";
    }
    followClaims();
    return true;
}

void InputHook::uninstallHooks()
{
    stopSource();
    m_mode = NoCapture;
}

quint32 InputHook::recordContext() const
{
    auto *recorder = qobject_cast<X11InputRecorder *>(m_source);
    return recorder ? recorder->recordContext() : 0;
}

void InputHook::followClaims()
{
    if (m_mode != NoCapture && this == current && CaptureClaims::wanted())
        startSource();
    else
        stopSource();
}

void InputHook::startSource()
{
    if (m_source)
        return;
    // Each arming starts from all keys up: a key held across it gives no stray release,
    // and a key taken by the last field (whose release went unseen) is not a repeat now.
    HookProc::resetKeyState();
    if (m_mode == GlobalRecord) {
        auto *recorder = new X11InputRecorder(feedKey, feedButton, this);
        if (recorder->start()) {
            m_source = recorder;
            qDebug() << "Input capture: global capture started";
            emit capturingChanged(true);
            return;
        }
        delete recorder;
        // The server no longer records: the window's own input is what is left.
        m_mode = InWindow;
        qDebug() << "Input capture: X RECORD failed to start, in-window only from now on";
    }
    auto *filter = new InWindowInputFilter(feedKey, feedButton, this);
    QCoreApplication::instance()->installEventFilter(filter);
    m_source = filter;
    qDebug() << "Input capture: in-window capture started";
    emit capturingChanged(true);
}

void InputHook::stopSource()
{
    if (!m_source)
        return;
    QObject *source = m_source;
    m_source = nullptr;
    if (auto *recorder = qobject_cast<X11InputRecorder *>(source)) {
        // Joins the recorder thread after the context is disabled and freed; deleting the
        // recorder drops the events it had queued but not yet delivered.
        recorder->stop();
        delete recorder;
        qDebug() << "Input capture: global capture stopped";
    } else {
        // The release may run inside the filter's own event dispatch: out of the chain now,
        // deleted once that dispatch has returned.
        QCoreApplication::instance()->removeEventFilter(source);
        source->deleteLater();
        qDebug() << "Input capture: in-window capture stopped";
    }
    emit capturingChanged(false);
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
