// SPDX-License-Identifier: MIT
// Rig of the end-to-end page tests (see SceneRig.h).
#include "SceneRig.h"
#include "DiskLayout.h"
#include "InputCallbacks.h"
#include "LinkState.h"
#include "PointerSettings.h"
#include "Startup.h"
#include "Ui_Controler.h"
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

namespace SceneRig {

// ---- files of the run folder ----
QString settingPath(const QString &file) { return QStringLiteral("modules/setting/") + file; }
QString macroPath(const QString &name) { return QStringLiteral("modules/macro/") + name + QStringLiteral(".bin"); }

void writeMacro(const QString &folder, const QString &name, const QStringList &lines, int index, int repeat, int did)
{
    TestSupport::writeMacroFile(folder + QLatin1Char('/') + macroPath(name), lines, index, repeat, did);
}

QStringList macroLines(const QString &name)
{
    QSettings s(macroPath(name), QSettings::IniFormat);
    QStringList out;
    const int total = s.value(DiskLayout::Key::kMacroTotal, 0).toInt();
    for (int i = 0; i < total; ++i)
        out << s.value(QStringLiteral("macro/%1").arg(i)).toString();
    return out;
}

QList<int> macroConfig(const QString &name)
{
    QSettings s(macroPath(name), QSettings::IniFormat);
    return {s.value(DiskLayout::Key::kMacroSlot, -99).toInt(), s.value(DiskLayout::Key::kMacroRepeat, -99).toInt()};
}

void writeKeydefine(const QString &folder, int profile, int key, const QList<int> &record)
{
    QSettings s(folder + QLatin1Char('/') + settingPath(QStringLiteral("p%1.bin").arg(profile)), QSettings::IniFormat);
    QVariantList list;
    for (int v : record)
        list << v;
    s.setValue(QStringLiteral("keydefine_R5/%1").arg(key), list);
}

QList<int> storedKeydefine(int profile, int key)
{
    QSettings s(settingPath(QStringLiteral("p%1.bin").arg(profile)), QSettings::IniFormat);
    return toInts(s.value(QStringLiteral("keydefine_R5/%1").arg(key)));
}

QByteArray factoryMatrix(int m)
{
    QSettings s(settingPath(QStringLiteral("pD.bin")), QSettings::IniFormat);
    QByteArray out;
    for (int k = 0; k < 16; ++k)
        for (int v : toInts(s.value(QStringLiteral("dKey%1/%2").arg(m).arg(k))))
            out.append(char(v));
    return out;
}

// ---- what the mouse holds and received ----
QByteArray deviceMatrix(int m)
{
    const sim::MouseStore store = sim::mouseSnapshot();
    return QByteArray(reinterpret_cast<const char *>(store.keyMatrix[m]), 64);
}

QByteArray deviceMacro(int slot)
{
    const sim::MouseStore store = sim::mouseSnapshot();
    return QByteArray(reinterpret_cast<const char *>(store.macros[slot]), 128);
}

QList<Command> mouseCommands() { return TestSupport::seenCommands(sim::Family::Mouse); }
QList<Command> commandsWithCode(uchar code) { return TestSupport::seenCommandsWithCode(code, sim::Family::Mouse); }

QList<int> commandCodes()
{
    QList<int> out;
    for (const Command &c : mouseCommands())
        if (c.checksumOk && !c.block.isEmpty())
            out << c.code();
    return out;
}

// Bulk bytes that follow a set command on the wire (whole 32-byte reports).
static int bulkOnWire(const Command &c)
{
    switch (c.code()) {
    case 0x10: case 0x11: return 32;
    case 0x12: return 64;
    case 0x13: return 128;
    default: return 0;
    }
}

bool waitForCommands(uchar code, int count, int timeoutMs)
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

// ---- scene access ----
// First item of the tree below `root`, depth first, that `matches`.
template <typename Match> static QQuickItem *findFirst(QQuickItem *root, const Match &matches)
{
    if (!root)
        return nullptr;
    if (matches(root))
        return root;
    const auto children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findFirst(child, matches))
            return found;
    return nullptr;
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    return findFirst(root, [&](QQuickItem *i) { return i->objectName() == name; });
}

QQuickItem *findText(QQuickItem *root, const QString &text)
{
    return findFirst(root, [&](QQuickItem *i) { return i->property("text").toString() == text; });
}

QVariant call(QObject *obj, const char *function, const QVariantList &args)
{
    QVariant result;
    QGenericArgument a[3];
    for (int i = 0; i < args.size() && i < 3; ++i)
        a[i] = Q_ARG(QVariant, args.at(i));
    QMetaObject::invokeMethod(obj, function, Q_RETURN_ARG(QVariant, result), a[0], a[1], a[2]);
    return result;
}

int keyListIndex(int keyId)
{
    static const QList<int> ids{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 14, 15};
    return ids.indexOf(keyId);
}

// ---- the scene ----
Scene::Scene(Widget *window) : w(window), view(window->controler->view), root(view->rootObject()) {}

QVariant Scene::prop(const QString &name, const char *property) const
{
    QQuickItem *i = item(name);
    return i ? i->property(property) : QVariant();
}

bool Scene::click(QQuickItem *target, Qt::MouseButton button, QPointF at) const
{
    if (!target || !target->isVisible() || target->width() <= 0 || target->height() <= 0)
        return false;
    if (cutLocks && !view->isEnabled() && root)
        QMetaObject::invokeMethod(root, "setProtectUI", Q_ARG(QVariant, QVariant(0)));
    if (!QTest::qWaitFor([&] { return view->isEnabled(); }, 5000))
        return false;
    if (at.x() < 0)
        at = QPointF(target->width() / 2, target->height() / 2);
    const QPoint p = target->mapToScene(at).toPoint();
    QTest::mouseMove(view, p);
    QTest::mouseClick(view, button, Qt::NoModifier, p);
    return true;
}

bool Scene::waitStarted() const
{
    QQuickItem *menu = item(QStringLiteral("_Menu_Func"));
    QQuickItem *prof = item(QStringLiteral("_Menu_Prof"));
    QQuickItem *area = item(QStringLiteral("_fkPage"));
    return menu && prof && area && QTest::qWaitFor([&] {
        return area->isVisible() && menu->isVisible() && menu->x() == 8 && prof->x() == 1000 - prof->width() - 8;
    }, 15000);
}

bool Scene::pageShown(int index) const
{
    QQuickItem *area = item(QStringLiteral("_fkPage"));
    return area->property("curID").toInt() == index && area->property("contentX").toReal() == 0;
}

bool Scene::openPage(int index) const
{
    if (pageShown(index))
        return true;
    return click(item(QStringLiteral("fnButton%1").arg(index))) && QTest::qWaitFor([&] { return pageShown(index); }, 5000);
}

QQuickItem *Scene::openPage(const QString &menuCaption, const QString &pageName) const
{
    QQuickItem *page = item(pageName);
    QQuickItem *entry = findText(item(QStringLiteral("_Menu_Func")), menuCaption);
    QQuickItem *area = item(QStringLiteral("_fkPage"));
    if (!page || !entry || !area || !click(entry))
        return nullptr;
    const bool shown = QTest::qWaitFor([&] { return page->isVisible() && area->property("contentX").toReal() == 0; }, 5000);
    return shown ? page : nullptr;
}

bool Scene::choose(QQuickItem *dropdown, int index) const
{
    if (!dropdown || !click(findItem(dropdown, QStringLiteral("headArea"))))
        return false;
    if (!QTest::qWaitFor([&] { return dropdown->property("isSelect").toBool(); }, 3000))
        return false;
    // Entries of a scrolling list are brought into view first.
    if (QQuickItem *files = findItem(dropdown, QStringLiteral("lvItems")))
        QMetaObject::invokeMethod(files, "positionViewAtIndex", Q_ARG(int, index), Q_ARG(int, 2 /* Contain */));
    if (!click(findItem(dropdown, QStringLiteral("entry%1").arg(index))))
        return false;
    return QTest::qWaitFor([&] { return !dropdown->property("isSelect").toBool(); }, 3000);
}

int Scene::current(const QString &list) const { return call(item(list), "getCurIndex").toInt(); }

void Scene::key(int usage, bool isDown) const { InputCallbacks::keyboard(uchar(usage), isDown, w); }

void Scene::tap(int usage) const
{
    key(usage, true);
    key(usage, false);
    QTest::qWait(20);
}

void Scene::typeKeys(const QString &text) const
{
    QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(view, Qt::Key_Backspace);
    QTest::keyClicks(view, text);
    QTest::keyClick(view, Qt::Key_Return);
}

bool Scene::enter(QQuickItem *field, const QString &text) const
{
    if (!click(field))
        return false;
    typeKeys(text);
    return true;
}

bool Scene::typeInto(const QString &name, const QString &text) const
{
    QQuickItem *field = item(name);
    if (!field || !click(field))
        return false;
    field->forceActiveFocus();
    typeKeys(text);
    return true;
}

QList<int> Scene::record(int keyId) const
{
    return toInts(call(item(QStringLiteral("_Model_KeyDefine_R5")), "record", {keyId}));
}

void Scene::settle() const { view->ui_83H_GetKeyboardoption(); }

// ---- one run ----
void Run::prepare(int languageIndex)
{
    *this = Run();
    dir.reset(TestSupport::enterFreshSimulatedRun(true));
    folder = dir->path();
    const QString from = TestSupport::runDir() + QStringLiteral("/modules/img");
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = folder + QStringLiteral("/modules/img") + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
    QSettings s(DiskLayout::portable(folder).appSettingsPath(), QSettings::IniFormat);
    s.setValue(DiskLayout::Key::appEntry(3), 1);
    if (languageIndex >= 0)
        s.setValue(DiskLayout::Key::appEntry(4), languageIndex);
}

static bool isPageWarning(QtMsgType type, const char *, const QString &text)
{
    return (type == QtWarningMsg || type == QtCriticalMsg) && text.contains(QLatin1String("modules/qml/"));
}

void Run::start()
{
    UserDialogs::setResponder([this](const DialogRequest &r) { return dialogs ? dialogs(r) : DialogAnswer{}; });
    TestSupport::MessageCapture warnings(isPageWarning);
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
            scene.cutLocks = cutInterfaceLocks;
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

    // One failure a test: the warnings were passed on to the log in any case.
    const QStringList logged = TestSupport::MessageCapture::take();
    if (QTest::currentTestFailed())
        return;
    if (!deviceOk)
        QTest::qFail("the simulated mouse was not admitted", __FILE__, __LINE__);
    else if (!logged.isEmpty())
        QTest::qFail(qPrintable(QStringLiteral("the pages logged QML warnings:\n") + logged.join(QLatin1Char('\n'))),
                     __FILE__, __LINE__);
}

} // namespace SceneRig
