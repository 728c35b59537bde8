// SPDX-License-Identifier: MIT
// Rig of the mouse view, key page and macro page tests: the real program started against
// the simulated mouse in a fresh run folder, a scenario driven inside its event loop by
// clicks on the scene and by keys delivered the way input capture delivers them.
#pragma once
#include "InputCallbacks.h"
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
#include <QQuickItem>
#include <QSettings>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

namespace R5Pages {

// ---- files of the run folder ----
inline QString settingPath(const QString &file) { return QStringLiteral("modules/setting/") + file; }
inline QString macroPath(const QString &name) { return QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"); }

// A macro file as the macro library writes it.
inline void writeMacro(const QString &folder, const QString &name, const QStringList &lines, int index = -1,
                       int repeat = 1, int did = -1)
{
    QSettings s(folder + QLatin1Char('/') + macroPath(name), QSettings::IniFormat);
    s.setValue(QStringLiteral("config/index"), index);
    s.setValue(QStringLiteral("config/total"), lines.size());
    s.setValue(QStringLiteral("config/repeat"), repeat);
    s.setValue(QStringLiteral("config/did"), did);
    for (int i = 0; i < lines.size(); ++i)
        s.setValue(QStringLiteral("macro/%1").arg(i), lines.at(i));
}

inline QStringList macroLines(const QString &name)
{
    QSettings s(macroPath(name), QSettings::IniFormat);
    QStringList out;
    const int total = s.value(QStringLiteral("config/total"), 0).toInt();
    for (int i = 0; i < total; ++i)
        out << s.value(QStringLiteral("macro/%1").arg(i)).toString();
    return out;
}

// [index, repeat] of a macro file as stored.
inline QList<int> macroConfig(const QString &name)
{
    QSettings s(macroPath(name), QSettings::IniFormat);
    return {s.value(QStringLiteral("config/index"), -99).toInt(), s.value(QStringLiteral("config/repeat"), -99).toInt()};
}

inline void writeKeydefine(const QString &folder, int profile, int key, const QList<int> &record)
{
    QSettings s(folder + QLatin1Char('/') + settingPath(QStringLiteral("p%1.bin").arg(profile)), QSettings::IniFormat);
    QVariantList list;
    for (int v : record)
        list << v;
    s.setValue(QStringLiteral("keydefine_R5/%1").arg(key), list);
}

// keydefine_R5/<key> of profile file p<profile>.bin as numbers.
inline QList<int> storedKeydefine(int profile, int key)
{
    QSettings s(settingPath(QStringLiteral("p%1.bin").arg(profile)), QSettings::IniFormat);
    QList<int> out;
    for (const QVariant &v : s.value(QStringLiteral("keydefine_R5/%1").arg(key)).toList())
        out << v.toInt();
    return out;
}

// The four default key matrices of the factory profile, 64 bytes each.
inline QByteArray factoryMatrix(int m)
{
    QSettings s(settingPath(QStringLiteral("pD.bin")), QSettings::IniFormat);
    QByteArray out;
    for (int k = 0; k < 16; ++k)
        for (const QVariant &v : s.value(QStringLiteral("dKey%1/%2").arg(m).arg(k)).toList())
            out.append(char(v.toInt()));
    return out;
}

inline QByteArray deviceMatrix(int m)
{
    const sim::MouseStore store = sim::mouseSnapshot();
    return QByteArray(reinterpret_cast<const char *>(store.keyMatrix[m]), 64);
}

inline QByteArray deviceMacro(int slot)
{
    const sim::MouseStore store = sim::mouseSnapshot();
    return QByteArray(reinterpret_cast<const char *>(store.macros[slot]), 128);
}

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// Command codes the mouse received, in order (feature reports only).
inline QList<int> commandCodes()
{
    QList<int> out;
    for (const sim::Received &r : sim::received(sim::Family::Mouse))
        if (r.kind == sim::Received::Feature && r.checksumOk && !r.block.empty())
            out << r.block[0];
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

inline QQuickItem *findText(QQuickItem *root, const QString &text)
{
    if (!root)
        return nullptr;
    if (root->isVisible() && root->property("text").toString() == text)
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findText(child, text))
            return found;
    return nullptr;
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

inline QList<int> ints(const QVariant &list)
{
    QList<int> out;
    for (const QVariant &v : list.toList())
        out << v.toInt();
    return out;
}

// The scene of one run, with helpers that act like a user.
struct Scene {
    Widget *w = nullptr;
    myQQuickView *view = nullptr;
    QQuickItem *root = nullptr;

    explicit Scene(Widget *window) : w(window), view(window->controler->view), root(view->rootObject()) {}

    QQuickItem *item(const QString &name) const { return findItem(root, name); }
    QQuickItem *in(const QString &parent, const QString &name) const { return findItem(item(parent), name); }
    QVariant prop(const QString &name, const char *property) const
    {
        QQuickItem *i = item(name);
        return i ? i->property(property) : QVariant();
    }

    // Clicks wait for the interface lock of apply and reset buttons to end.
    bool click(QQuickItem *target, Qt::MouseButton button = Qt::LeftButton, QPointF at = QPointF(-1, -1)) const
    {
        if (!target || !target->isVisible() || target->width() <= 0 || target->height() <= 0)
            return false;
        if (!QTest::qWaitFor([&] { return view->isEnabled(); }, 5000))
            return false;
        if (at.x() < 0)
            at = QPointF(target->width() / 2, target->height() / 2);
        const QPoint p = target->mapToScene(at).toPoint();
        QTest::mouseMove(view, p);
        QTest::mouseClick(view, button, Qt::NoModifier, p);
        return true;
    }
    bool click(const QString &name) const { return click(item(name)); }

    bool waitStarted() const
    {
        QQuickItem *menu = item(QStringLiteral("_Menu_Func"));
        QQuickItem *prof = item(QStringLiteral("_Menu_Prof"));
        return menu && prof
            && QTest::qWaitFor([&] { return menu->isVisible() && menu->x() == 8 && prof->x() == 1000 - prof->width() - 8; },
                               15000);
    }

    bool pageShown(int index) const
    {
        QQuickItem *area = item(QStringLiteral("_fkPage"));
        return area->property("curID").toInt() == index && area->property("contentX").toReal() == 0;
    }

    // Opens page `index` through the function menu and waits until it has slid in.
    bool openPage(int index) const
    {
        if (pageShown(index))
            return true;
        return click(item(QStringLiteral("fnButton%1").arg(index)))
            && QTest::qWaitFor([&] { return pageShown(index); }, 5000);
    }

    // Chooses entry `index` of a drop-down list (DropdownList or FileListButton).
    bool choose(const QString &list, int index) const
    {
        QQuickItem *dropdown = item(list);
        if (!dropdown || !click(findItem(dropdown, QStringLiteral("headArea"))))
            return false;
        if (!QTest::qWaitFor([&] { return dropdown->property("isSelect").toBool(); }, 3000))
            return false;
        // Entries of a scrolling list are brought into view first.
        if (QQuickItem *files = findItem(dropdown, QStringLiteral("lvItems")))
            QMetaObject::invokeMethod(files, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 2 /* Contain */));
        QQuickItem *entry = findItem(dropdown, QStringLiteral("entry%1").arg(index));
        if (!click(entry))
            return false;
        return QTest::qWaitFor([&] { return !dropdown->property("isSelect").toBool(); }, 3000);
    }

    int current(const QString &list) const { return call(item(list), "getCurIndex").toInt(); }

    // A key press and release as input capture hands them to the main window.
    void key(int usage, bool isDown) const { InputCallbacks::keyboard(uchar(usage), isDown, w); }
    void tap(int usage) const
    {
        key(usage, true);
        key(usage, false);
        QTest::qWait(20);
    }

    // Replaces the text of the field under `name` and ends the entry with Enter.
    bool typeInto(const QString &name, const QString &text) const
    {
        QQuickItem *field = item(name);
        if (!field || !click(field))
            return false;
        field->forceActiveFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(view, Qt::Key_Backspace);
        QTest::keyClicks(view, text);
        QTest::keyClick(view, Qt::Key_Return);
        return true;
    }

    // Records of the key page's matrix model by key id.
    QList<int> record(int keyId) const
    {
        return ints(call(item(QStringLiteral("_Model_KeyDefine_R5")), "record", {keyId}));
    }
};

// Key chooser position of a key id with the English key names (ids 8, 12, 13 unnamed).
inline int keyListIndex(int keyId)
{
    static const QList<int> ids{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 14, 15};
    return ids.indexOf(keyId);
}

// ---- one run of the program ----
struct Run {
    QString folder;
    std::shared_ptr<PointerBackendFake::State> pointer = std::make_shared<PointerBackendFake::State>();
    std::function<void(Scene &)> scenario;
    std::function<DialogAnswer(const DialogRequest &)> dialogs;   // default: every box answered OK
    bool scenarioDone = false;

    // The run folder with the skin pictures; animations off keeps page switches short.
    static QTemporaryDir *prepareFolder(int languageIndex = 2)
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
        s.setValue(QStringLiteral("common/4"), languageIndex);
        sim::reset();
        resetLinkState();
        return dir;
    }

    void start()
    {
        UserDialogs::setResponder([this](const DialogRequest &r) { return dialogs ? dialogs(r) : DialogAnswer{}; });
        QTimer safety;   // a run that never ends must not hang the suite
        safety.setSingleShot(true);
        QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });

        StartupObserver observer;
        observer.windowBuilt = [this](Widget *w) {
            // The desktop's own pointer settings are never touched by the tests.
            w->controler->view->pointer->setBackend(std::make_unique<PointerBackendFake>(pointer));
        };
        observer.beforeLoop = [&](Widget *w) {
            safety.start(90000);
            QTimer::singleShot(0, w, [this, w] {
                Scene scene(w);
                if (scene.root && scene.waitStarted() && scenario)
                    scenario(scene);
                else
                    QTest::qFail("the mouse view did not start", __FILE__, __LINE__);
                scenarioDone = true;
                w->close();
            });
        };
        runStartup(*qobject_cast<QApplication *>(QCoreApplication::instance()), folder, observer);
        safety.stop();
        UserDialogs::setResponder({});
    }
};

} // namespace R5Pages
