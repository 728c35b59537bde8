// SPDX-License-Identifier: MIT
// Capture fallback when no global source exists (Wayland, no X server): an application-wide
// event filter that sees keys and mouse buttons while one of the program's windows has focus.
#pragma once
#include "InputScanCodes.h"
#include <QObject>
#include <QTimer>
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

    // How long a release waits for the press that would make it half of an auto-repeat pair.
    static constexpr int RepeatPairWaitMs = 20;

private:
    void sendKey(quint32 nativeScanCode, Qt::KeyboardModifiers modifiers, bool isDown);
    void flushRelease();

    InputScanCodes::KeySink m_keySink;
    InputScanCodes::ButtonSink m_buttonSink;
    // A release held back until it is known not to be half of an auto-repeat pair.
    struct {
        bool held = false;
        quint32 nativeScanCode = 0;
        Qt::KeyboardModifiers modifiers;
        ulong timestamp = 0;
    } m_release;
    QTimer m_releaseTimer;
};
