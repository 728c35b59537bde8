// SPDX-License-Identifier: MIT
// In-window capture: each window-system event is taken once, where it first reaches a
// window, and passed on untouched; widgets and Qt Quick see it as if nothing listened.
// Auto-repeat is dropped, so a held key is one press and one release.
#include "InWindowInputFilter.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

InWindowInputFilter::InWindowInputFilter(InputScanCodes::KeySink keySink, InputScanCodes::ButtonSink buttonSink,
                                         QObject *parent)
    : QObject(parent), m_keySink(std::move(keySink)), m_buttonSink(std::move(buttonSink))
{
    m_releaseTimer.setSingleShot(true);
    m_releaseTimer.setInterval(RepeatPairWaitMs);
    connect(&m_releaseTimer, &QTimer::timeout, this, &InWindowInputFilter::flushRelease);
}

void InWindowInputFilter::sendKey(quint32 nativeScanCode, Qt::KeyboardModifiers modifiers, bool isDown)
{
    quint32 scan = 0, flags = 0;
    if (scanFromNative(nativeScanCode, modifiers, &scan, &flags))
        m_keySink(scan, flags, isDown);
}

void InWindowInputFilter::flushRelease()
{
    m_releaseTimer.stop();
    if (!m_release.held)
        return;
    m_release.held = false;
    sendKey(m_release.nativeScanCode, m_release.modifiers, false);
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
        // A held key arrives as release/press pairs. Only the first press and the final
        // release are the key, as with global capture. Qt marks the pairs as auto-repeat
        // where it can tell; on X it often cannot, but both halves of a pair carry the
        // same server time, which a real release and a new press never do.
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->isAutoRepeat())
            break;
        const bool isDown = event->type() == QEvent::KeyPress;
        if (isDown && m_release.held && m_release.nativeScanCode == key->nativeScanCode()
            && m_release.timestamp == key->timestamp()) {
            m_release.held = false;   // the pair cancels out: the key is still held
            m_releaseTimer.stop();
            break;
        }
        flushRelease();
        if (isDown) {
            sendKey(key->nativeScanCode(), key->modifiers(), true);
        } else {
            m_release = {true, key->nativeScanCode(), key->modifiers(), key->timestamp()};
            m_releaseTimer.start();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        flushRelease();   // a click may end the recording: the release before it counts
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
