// SPDX-License-Identifier: MIT
// Shared rig of the page tests: the real program started against the simulated mouse in
// a fresh run folder, a scenario run inside its event loop, and the mouse's command log.
#pragma once
#include "LinkState.h"
#include "PointerBackendFake.h"
#include "PointerSettings.h"
#include "SimControl.h"
#include "Startup.h"
#include "TestSupport.h"
#include "Ui_Controler.h"
#include "UserDialogs.h"
#include "Widget.h"
#include "myQQuickView.h"
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMutex>
#include <QQuickItem>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace PagesRig {

// ---- warnings of the page files (binding errors, missing pictures) ----
inline QMutex &warningsLock()
{
    static QMutex m;
    return m;
}
inline QStringList &pageWarnings()
{
    static QStringList list;
    return list;
}
inline QtMessageHandler &previousHandler()
{
    static QtMessageHandler h = nullptr;
    return h;
}
inline void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if ((type == QtWarningMsg || type == QtCriticalMsg) && msg.contains(QLatin1String("modules/qml/"))) {
        QMutexLocker lock(&warningsLock());
        pageWarnings() << msg;
    }
    if (previousHandler() && type != QtDebugMsg)
        previousHandler()(type, context, msg);
}
inline void installWarningRecorder() { previousHandler() = qInstallMessageHandler(recordWarning); }
inline void removeWarningRecorder() { qInstallMessageHandler(previousHandler()); }
inline QStringList takeWarnings()
{
    QMutexLocker lock(&warningsLock());
    QStringList out = pageWarnings();
    pageWarnings().clear();
    return out;
}

// ---- scene access ----
inline QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findItem(child, name))
            return found;
    return nullptr;
}

// First item below `root` whose "text" property equals `text`.
inline QQuickItem *findText(QQuickItem *root, const QString &text)
{
    if (!root)
        return nullptr;
    if (root->property("text").toString() == text)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findText(child, text))
            return found;
    return nullptr;
}

inline QPoint scenePoint(QQuickItem *item, qreal x, qreal y)
{
    return item->mapToScene(QPointF(x, y)).toPoint();
}

// A left click at (x, y) of an item (its middle by default), through the widget. The
// lock that apply and reset buttons put on the interface is cut short first (the tests
// wait for the device traffic themselves), so a run does not sit out every lock.
inline bool clickAt(myQQuickView *view, QQuickItem *item, qreal x = -1, qreal y = -1)
{
    if (!item || !item->isVisible() || item->width() <= 0 || item->height() <= 0)
        return false;
    if (!view->isEnabled() && view->rootObject())
        QMetaObject::invokeMethod(view->rootObject(), "setProtectUI", Q_ARG(QVariant, QVariant(0)));
    if (!QTest::qWaitFor([&] { return view->isEnabled(); }, 5000))
        return false;
    if (x < 0)
        x = item->width() / 2;
    if (y < 0)
        y = item->height() / 2;
    const QPoint p = scenePoint(item, x, y);
    QTest::mouseMove(view, p);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, p);
    return true;
}

// Replaces the text of the focused field and ends the entry with Enter.
inline void typeInto(myQQuickView *view, const QString &text)
{
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClicks(view, text);
    QTest::keyClick(view, Qt::Key_Return);
}

inline QVariant call(QObject *obj, const char *function, const QVariantList &args = {})
{
    QVariant result;
    QGenericArgument a[3];
    for (int i = 0; i < args.size() && i < 3; ++i)
        a[i] = Q_ARG(QVariant, args.at(i));
    QMetaObject::invokeMethod(obj, function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2]);
    return result;
}

inline QVariantList ints(std::initializer_list<int> values)
{
    QVariantList out;
    for (int v : values)
        out << v;
    return out;
}

inline QVariantList toInts(const QVariant &list)
{
    QVariantList out;
    for (const QVariant &v : list.toList())
        out << v.toInt();
    return out;
}

// ---- what the mouse received ----
struct Command {
    QByteArray block;   // the 8-byte command block, descrambled
    QByteArray bulk;    // bulk data that followed it, report ids removed
    uchar code() const { return uchar(block.at(0)); }
    uchar p(int i) const { return uchar(block.at(i)); }
};

inline QList<Command> mouseCommands()
{
    QList<Command> out;
    for (const sim::Received &r : sim::received(sim::Family::Mouse)) {
        if (r.kind == sim::Received::Feature) {
            out.append({QByteArray(reinterpret_cast<const char *>(r.block.data()), int(r.block.size())), {}});
        } else if (!out.isEmpty() && !r.wire.empty()) {
            out.last().bulk.append(reinterpret_cast<const char *>(r.wire.data()) + 1, int(r.wire.size()) - 1);
        }
    }
    return out;
}

inline QList<Command> commandsWithCode(uchar code)
{
    QList<Command> out;
    for (const Command &c : mouseCommands())
        if (c.code() == code)
            out.append(c);
    return out;
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Bulk bytes that follow a set command on the wire (whole 32-byte reports).
inline int bulkOnWire(const Command &c)
{
    switch (c.code()) {
    case 0x10: case 0x11: return 32;
    case 0x12: return 64;
    case 0x13: return 128;
    default: return 0;
    }
}

// Waits until the mouse received `count` commands of `code`, each with all its bulk data.
inline bool waitForCommands(uchar code, int count, int timeoutMs = 5000)
{
    return QTest::qWaitFor([&] {
        const QList<Command> list = commandsWithCode(code);
        if (list.size() < count)
            return false;
        for (const Command &c : list)
            if (c.bulk.size() < bulkOnWire(c))
                return false;
        return true;
    }, timeoutMs);
}

// Returns once every write issued so far has reached the mouse: a read takes the link
// only after the transfers before it have ended, and runs on this thread.
inline void settle(myQQuickView *view)
{
    view->ui_83H_GetKeyboardoption();
}

// ---- one run of the program ----
struct Run {
    QString folder;
    std::shared_ptr<PointerBackendFake::State> pointer = std::make_shared<PointerBackendFake::State>();
    std::function<void(Widget *)> scenario;
    bool scenarioDone = false;

    // The run folder with the skin pictures; animations off keeps every page switch short.
    static QTemporaryDir *prepareFolder()
    {
        QTemporaryDir *dir = TestSupport::enterFreshRunFolder(true);
        const QString from = TestSupport::runDir() + QStringLiteral("/modules/img");
        QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString src = it.next();
            const QString dst = dir->path() + QStringLiteral("/modules/img") + src.mid(from.size());
            QDir().mkpath(QFileInfo(dst).path());
            QFile::copy(src, dst);
        }
        QSettings s(dir->path() + QStringLiteral("/modules/setting/apConfig.bin"), QSettings::IniFormat);
        s.setValue(QStringLiteral("common/3"), 1);
        return dir;
    }

    void start()
    {
        UserDialogs::setResponder([](const DialogRequest &) { return DialogAnswer{}; });
        QTimer safety;   // a run that never ends must not hang the suite
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });

        StartupObserver observer;
        observer.windowBuilt = [this](Widget *w) {
            // The desktop's own pointer settings are never touched by the tests.
            w->controler->view->pointer->setBackend(std::make_unique<PointerBackendFake>(pointer));
        };
        observer.beforeLoop = [&](Widget *w) {
            safety.start(60000);
            QTimer::singleShot(0, w, [this, w] {
                if (scenario)
                    scenario(w);
                scenarioDone = true;
                w->close();
            });
        };
        runStartup(*qobject_cast<QApplication *>(QCoreApplication::instance()), folder, observer);
        safety.stop();
        UserDialogs::setResponder({});
    }
};

// The scene after start-up, with the page area ready.
struct Scene {
    Widget *w = nullptr;
    myQQuickView *view = nullptr;
    QQuickItem *root = nullptr;

    explicit Scene(Widget *window) : w(window), view(window->controler->view), root(view->rootObject()) {}

    QQuickItem *item(const QString &name) const { return findItem(root, name); }

    bool waitStarted() const
    {
        QQuickItem *menu = item(QStringLiteral("_Menu_Func"));
        QQuickItem *area = item(QStringLiteral("_fkPage"));
        return menu && area
            && QTest::qWaitFor([&] { return area->isVisible() && menu->isVisible() && menu->x() == 8; }, 15000);
    }

    // Opens a page through its function menu entry and waits until it has slid in.
    QQuickItem *openPage(const QString &menuCaption, const QString &pageName) const
    {
        QQuickItem *page = item(pageName);
        QQuickItem *entry = findText(item(QStringLiteral("_Menu_Func")), menuCaption);
        QQuickItem *area = item(QStringLiteral("_fkPage"));
        if (!page || !entry || !area || !clickAt(view, entry))
            return nullptr;
        const bool shown = QTest::qWaitFor(
            [&] { return page->isVisible() && area->property("contentX").toReal() == 0; }, 5000);
        return shown ? page : nullptr;
    }
};

} // namespace PagesRig
