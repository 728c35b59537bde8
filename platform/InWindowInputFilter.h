// SPDX-License-Identifier: MIT
// Capture fallback when no global source exists (Wayland, no X server): an application-wide
// event filter that sees keys and mouse buttons while one of the program's windows has focus.
#pragma once
#include "InputScanCodes.h"
#include <QObject>
#include <Qt>

class QEvent;

class InWindowInputFilter : public QObject
{
    Q_OBJECT
public:
    InWindowInputFilter(InputScanCodes::KeySink keySink, InputScanCodes::ButtonSink buttonSink,
                        QObject *parent = nullptr);
    // Observes only: never consumes an event.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // (scan, flags) of a native key code (X and Wayland number keys as evdev + 8).
    static bool scanFromNative(quint32 nativeScanCode, Qt::KeyboardModifiers modifiers,
                               quint32 *scan, quint32 *flags);
    // Button message for a Qt mouse event type and button; 0 when it is not captured.
    static quint32 buttonMessage(int eventType, Qt::MouseButton button);

private:
    InputScanCodes::KeySink m_keySink;
    InputScanCodes::ButtonSink m_buttonSink;
};
