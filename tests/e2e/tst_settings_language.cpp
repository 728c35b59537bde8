// SPDX-License-Identifier: MIT
// The real program against the simulated mouse: the settings drawer switches the
// interface to Simplified Chinese, "save" stores the choice, and apConfig.bin holds it.
#include "LinkState.h"
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
#include <memory>

namespace {

// Warnings raised by the shell's own QML files (binding errors, missing pictures).
QMutex warningsLock;
QStringList shellWarnings;
QtMessageHandler previousHandler = nullptr;

void recordWarning(QtMsgType type, const QMessageLogContext &context, const QString &msg)
{
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        if (msg.contains(QLatin1String("modules/qml/main.qml")) || msg.contains(QLatin1String("modules/qml/basic/"))
            || msg.contains(QLatin1String("modules/qml/common/"))) {
            QMutexLocker lock(&warningsLock);
            shellWarnings << msg;
        }
    }
    if (previousHandler)
        previousHandler(type, context, msg);
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::copy(src, dst);
    }
}

QQuickItem *findItem(QQuickItem *root, const QString &name)
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

// First item below `root` carrying a "text" property equal to `text`.
QQuickItem *findText(QQuickItem *root, const QString &text)
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

// A left click in the middle of an item, through the widget like a real pointer.
void click(myQQuickView *view, QQuickItem *item)
{
    QVERIFY(item);
    QVERIFY(item->isVisible());
    QVERIFY(item->width() > 0 && item->height() > 0);
    const QPointF centre = item->mapToScene(QPointF(item->width() / 2, item->height() / 2));
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, centre.toPoint());
}

QVariant rootValue(myQQuickView *view, const char *name)
{
    return view->rootObject()->property(name);
}

} // namespace

class tst_settings_language : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { previousHandler = qInstallMessageHandler(recordWarning); }
    void cleanupTestCase() { qInstallMessageHandler(previousHandler); }
    void chooseChineseAndSave();
};

void tst_settings_language::chooseChineseAndSave()
{
    std::unique_ptr<QTemporaryDir> dir(TestSupport::enterFreshRunFolder(true));
    const QString folder = dir->path();
    copyTree(TestSupport::runDir() + QStringLiteral("/modules/img"), folder + QStringLiteral("/modules/img"));
    QVERIFY2(QFile::exists(folder + QStringLiteral("/modules/img/skin1/common/slider_BASE.png")),
             "skin pictures missing from the run folder");
    const QString apConfig = folder + QStringLiteral("/modules/setting/apConfig.bin");
    {
        // Animations off keeps the start-up short; the page reads this back as text.
        QSettings s(apConfig, QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("common/total")).toInt(), 32);
        QCOMPARE(s.value(QStringLiteral("common/4")).toInt(), 2);   // ENGLISH
        s.setValue(QStringLiteral("common/3"), 1);
    }
    sim::reset();
    UserDialogs::setResponder([](const DialogRequest &) { return DialogAnswer{}; });
    {
        QMutexLocker lock(&warningsLock);
        shellWarnings.clear();
    }

    bool scenarioDone = false;
    QStringList failures;
    QTimer safety;   // a run that never ends must not hang the suite
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });

    StartupObserver observer;
    observer.beforeLoop = [&](Widget *w) {
        safety.start(60000);
        QTimer::singleShot(0, w, [&, w] {
            // Checks inside the loop record failures; the window is closed in any case.
            auto check = [&](bool ok, const char *what) {
                if (!ok)
                    failures << QString::fromLatin1(what);
                return ok;
            };
            myQQuickView *view = w->controler->view;
            QQuickItem *root = view->rootObject();
            do {
                if (!check(root, "no scene root"))
                    break;
                QQuickItem *up = findItem(root, QStringLiteral("upItem"));
                QQuickItem *drawer = findItem(root, QStringLiteral("_fkGlobalsetting"));
                // Looked up inside the settings page: the mouse pages reuse some names.
                QQuickItem *page = findItem(root, QStringLiteral("_Page_Globalsetting"));
                QQuickItem *langList = findItem(page, QStringLiteral("langList"));
                QQuickItem *save = findItem(page, QStringLiteral("btnSave"));
                if (!check(up && drawer && langList && save, "shell items not found"))
                    break;
                if (!check(QTest::qWaitFor([&] { return root->isVisible() && up->y() == 0; }, 15000),
                           "start-up animation did not finish"))
                    break;
                if (!check(rootValue(view, "animation_speed").toInt() == 10, "stored animation switch not applied"))
                    break;

                click(view, findItem(root, QStringLiteral("btnGlobalSetting")));
                if (!check(QTest::qWaitFor([&] { return drawer->isVisible() && drawer->property("contentX").toReal() == 0; }, 5000),
                           "settings drawer did not open"))
                    break;

                click(view, findItem(langList, QStringLiteral("headArea")));
                if (!check(QTest::qWaitFor([&] { return langList->property("isSelect").toBool(); }, 5000),
                           "language list did not open"))
                    break;
                QQuickItem *chinese = findText(findItem(langList, QStringLiteral("listArea")), QStringLiteral("CHINESE (Simp)"));
                if (!check(chinese, "CHINESE (Simp) not listed"))
                    break;
                click(view, chinese);
                if (!check(QTest::qWaitFor([&] { return !langList->property("isSelect").toBool(); }, 5000),
                           "language list did not close"))
                    break;
                const QStringList strings = rootValue(view, "globalSetting_stringList").toStringList();
                check(strings.size() == 141, "string table size changed");
                check(strings.value(113) == QStringLiteral("全部重置"), "captions not translated");
                check(strings.value(29) == QStringLiteral("语言"), "captions not translated");
                check(rootValue(view, "globalSetting_fontFamily").toString() == QStringLiteral("Noto Sans CJK SC"),
                      "language font not applied");

                click(view, save);
                check(QTest::qWaitFor([&] { return !drawer->isVisible(); }, 5000), "save did not close the drawer");
                check(!up->property("isGlobalSettingSelect").toBool(), "settings button still selected");
            } while (false);
            scenarioDone = true;
            w->close();
        });
    };
    runStartup(*qobject_cast<QApplication *>(QCoreApplication::instance()), folder, observer);
    safety.stop();
    UserDialogs::setResponder({});

    QVERIFY2(deviceOk, "the simulated mouse was not admitted");
    QVERIFY(scenarioDone);
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join(QStringLiteral("; "))));
    {
        QMutexLocker lock(&warningsLock);
        QVERIFY2(shellWarnings.isEmpty(), qPrintable(shellWarnings.join(QLatin1Char('\n'))));
    }

    // The file holds the whole vector with the new language position (0 in the sorted
    // list "CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH") and everything else unchanged.
    QSettings stored(apConfig, QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("common/total")).toInt(), 32);
    QCOMPARE(stored.value(QStringLiteral("common/4")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/0")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/1")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/2")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/3")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/5")).toString(), QStringLiteral("false"));
    QCOMPARE(stored.value(QStringLiteral("common/6")).toString(), QString());
    QCOMPARE(stored.value(QStringLiteral("common/7")).toInt(), 0);
    const int presets[21] = {0, 255, 255, 255, 200, 150, 255, 180, 0, 200, 200, 100,
                             200, 170, 255, 255, 180, 180, 160, 190, 160};
    for (int i = 0; i < 21; ++i)
        QCOMPARE(stored.value(QStringLiteral("common/%1").arg(8 + i)).toInt(), presets[i]);
    QCOMPARE(stored.value(QStringLiteral("common/29")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/30")).toInt(), 7);
    QCOMPARE(stored.value(QStringLiteral("common/31")).toString(), QStringLiteral("https://example.com/r5"));
    // Keys the page does not own are left alone.
    QCOMPARE(stored.value(QStringLiteral("common/name")).toString(), QStringLiteral("R5 Mouse Configurator"));
}

QTEST_MAIN(tst_settings_language)
#include "tst_settings_language.moc"
