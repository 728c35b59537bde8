// SPDX-License-Identifier: MIT
// In-window capture: each window-system event is taken once, where it first reaches a
// window, and passed on untouched; widgets and Qt Quick see it as if nothing listened.
#include "InWindowInputFilter.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

InWindowInputFilter::InWindowInputFilter(InputScanCodes::KeySink keySink, InputScanCodes::ButtonSink buttonSink,
                                         QObject *parent)
    : QObject(parent), m_keySink(std::move(keySink)), m_buttonSink(std::move(buttonSink))
{
}

bool InWindowInputFilter::scanFromNative(quint32 nativeScanCode, Qt::KeyboardModifiers modifiers,
                                         quint32 *scan, quint32 *flags)
{
    bool extended = false;
    if (!InputScanCodes::evdevToScan(InputScanCodes::evdevFromXKeycode(int(nativeScanCode)), scan, &extended))
        return false;
    *flags = (extended ? InputScanCodes::ExtendedFlag : 0)
             | ((modifiers & Qt::AltModifier) ? InputScanCodes::AltDownFlag : 0);
    return true;
}

quint32 InWindowInputFilter::buttonMessage(int eventType, Qt::MouseButton button)
{
    int offset;
    if (eventType == QEvent::MouseButtonPress)
        offset = 0;
    else if (eventType == QEvent::MouseButtonRelease)
        offset = 1;
    else if (eventType == QEvent::MouseButtonDblClick)
        offset = 2;
    else
        return 0;
    switch (button) {
    case Qt::LeftButton: return InputScanCodes::LeftDown + offset;
    case Qt::RightButton: return InputScanCodes::RightDown + offset;
    case Qt::MiddleButton: return InputScanCodes::MiddleDown + offset;
    default: return 0;
    }
}

bool InWindowInputFilter::eventFilter(QObject *watched, QEvent *event)
{
    // A window-system event reaches a QWindow first (spontaneously), then is re-sent to
    // widgets and Qt Quick's own window; taking only the first sighting counts it once.
    if (!event->spontaneous() || !watched->isWindowType())
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto *key = static_cast<QKeyEvent *>(event);
        // Qt turns a held key into release/press pairs marked as auto-repeat; only the
        // first press and the final release are the key, as with global capture.
        if (key->isAutoRepeat())
            break;
        quint32 scan = 0, flags = 0;
        if (scanFromNative(key->nativeScanCode(), key->modifiers(), &scan, &flags))
            m_keySink(scan, flags, event->type() == QEvent::KeyPress);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (const quint32 message = buttonMessage(event->type(), mouse->button())) {
            const QPoint pos = mouse->globalPos();
            m_buttonSink(message, pos.x(), pos.y());
        }
        break;
    }
    default:
        break;
    }
    return false;
}
