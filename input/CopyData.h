// SPDX-License-Identifier: MIT
// The copy-data notice channel inside the process: the event that carries a copy-data
// structure to a top-level widget, the application-wide filter, and the notice decoder.
#pragma once
#include "InputHook.h"
#include <QByteArray>
#include <QEvent>

// A copy-data message; the payload is copied, so the sender's buffer may go away.
class CopyDataEvent : public QEvent
{
public:
    CopyDataEvent(quintptr dwData, const QByteArray &bytes);
    static QEvent::Type eventType();

    // The structure as the receiver sees it: lpData points at exactly cbData bytes.
    const COPYDATASTRUCT *data() const { return &m_data; }
    // Set to 1 by the filter when a callback took the message.
    qintptr result = 0;

private:
    Q_DISABLE_COPY(CopyDataEvent)
    QByteArray m_bytes;
    COPYDATASTRUCT m_data;
};

namespace CopyData {
constexpr quintptr NoticeId = 0x250F;   // dwData of a text notice

// Stores the callback and installs the filter on the application (once).
void setFilter(CopyDataCallback callback, QCoreApplication *app, void *context);
// Finds the top-level widget titled windowTitle and sends it the message synchronously.
// Returns false when no such widget exists or it is excludeWindow.
bool send(const QString &windowTitle, const COPYDATASTRUCT &copyData, QObject *excludeWindow);

// A text notice: dwData NoticeId and cbData equal to the UTF-8 length of the text, which
// runs to the first NUL within cbData. Reads lpData only within cbData; empty notices
// are refused.
bool decodeNotice(const COPYDATASTRUCT *data, QString *text);
}
