// SPDX-License-Identifier: MIT
// Copy-data channel: synchronous delivery to a window found by title, consumption by the
// application-wide filter, and the bounded decoding of a text notice.
#include "CopyData.h"
#include <QApplication>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <climits>
#include <condition_variable>
#include <mutex>
#include <cstring>

CopyDataEvent::CopyDataEvent(quintptr dwData, const QByteArray &bytes)
    : QEvent(eventType()), m_bytes(bytes)
{
    m_data.dwData = dwData;
    m_data.cbData = quint32(m_bytes.size());
    m_data.lpData = m_bytes.isEmpty() ? nullptr : m_bytes.constData();
}

QEvent::Type CopyDataEvent::eventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

namespace {
struct FilterState {
    CopyDataCallback callback = nullptr;
    void *context = nullptr;
};
FilterState filterState;

class CopyDataFilter : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != CopyDataEvent::eventType() || !filterState.callback)
            return QObject::eventFilter(watched, event);
        auto *message = static_cast<CopyDataEvent *>(event);
        filterState.callback(message->data(), filterState.context);
        message->result = 1;
        return true;   // every copy-data message is consumed once a callback is registered
    }
};
QPointer<CopyDataFilter> installedFilter;
}

void CopyData::setFilter(CopyDataCallback callback, QCoreApplication *app, void *context)
{
    filterState.callback = callback;
    filterState.context = context;
    if (!app)
        app = QCoreApplication::instance();
    if (app && !installedFilter) {
        installedFilter = new CopyDataFilter(app);
        app->installEventFilter(installedFilter);
    }
}

bool CopyData::send(const QString &windowTitle, const COPYDATASTRUCT &copyData, QObject *excludeWindow)
{
    auto *app = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!app)
        return false;
    if (app->thread() != QThread::currentThread()) {
        // Window lookup and delivery belong to the GUI thread; the sender waits as it would
        // for a sent window message. The caller's data is handed over under our own lock,
        // so the hand-over does not depend on Qt's event queue being a barrier.
        std::mutex lock;
        std::condition_variable finished;
        bool done = false;
        bool result = false;
        std::unique_lock<std::mutex> waiting(lock);
        QMetaObject::invokeMethod(app, [&] {
            std::lock_guard<std::mutex> held(lock);
            result = send(windowTitle, copyData, excludeWindow);
            done = true;
            finished.notify_one();
        }, Qt::QueuedConnection);
        finished.wait(waiting, [&] { return done; });
        return result;
    }
    QWidget *target = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *w : windows) {
        if (w->windowTitle() == windowTitle) {
            target = w;
            break;
        }
    }
    if (!target || target == excludeWindow)
        return false;
    // The receiver gets its own copy of exactly cbData bytes, as a cross-process send would.
    QByteArray bytes;
    if (copyData.lpData && copyData.cbData > 0 && copyData.cbData <= quint32(INT_MAX))
        bytes = QByteArray(static_cast<const char *>(copyData.lpData), int(copyData.cbData));
    CopyDataEvent message(copyData.dwData, bytes);
    QCoreApplication::sendEvent(target, &message);
    return true;
}

bool CopyData::decodeNotice(const COPYDATASTRUCT *data, QString *text)
{
    if (!data || data->dwData != NoticeId)
        return false;
    const char *bytes = static_cast<const char *>(data->lpData);
    // An empty notice has nothing to show, and a length without data cannot be read.
    if (data->cbData == 0 || !bytes || data->cbData > quint32(INT_MAX))
        return false;
    // The text ends at its NUL; a terminator beyond cbData is never looked at.
    const void *nul = std::memchr(bytes, 0, data->cbData);
    const int length = nul ? int(static_cast<const char *>(nul) - bytes) : int(data->cbData);
    const QString decoded = QString::fromUtf8(bytes, length);
    if (quint32(decoded.toUtf8().size()) != data->cbData)
        return false;
    if (text)
        *text = decoded;
    return true;
}
