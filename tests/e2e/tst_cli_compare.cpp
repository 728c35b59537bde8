// SPDX-License-Identifier: MIT
// The command line against the window: every writing subcommand runs against the
// simulated mouse, then the same change is made on the window's pages in a fresh run,
// and the mouse must have received the same reports and the profile must hold the same.
#include "CommandLine.h"
#include "SceneRig.h"
#include "Session.h"
#include "MouseCodec.h"
#include "ProfileFiles.h"
#include "Handoff.h"
#include "SingleInstance.h"
#include "Widget.h"
#include <QtConcurrent>

using namespace SceneRig;

namespace {

// What one change left behind: the set commands the mouse took, and the file it changed.
struct Seen {
    QList<Command> writes;
    QMap<QString, QString> file;
};

QList<Command> writesSinceClear()
{
    QList<Command> out;
    for (const Command &c : TestSupport::seenCommands(sim::Family::Mouse, TestSupport::Echoes::Dropped))
        if (c.code() != 0 && c.code() < 0x80)
            out.append(c);
    return out;
}

QMap<QString, QString> keysOf(const QString &path)
{
    QSettings s(path, QSettings::IniFormat);
    QMap<QString, QString> keys;
    for (const QString &key : s.allKeys()) {
        const QVariant v = s.value(key);
        keys.insert(key, v.type() == QVariant::StringList || v.type() == QVariant::List ? v.toStringList().join(',')
                                                                                         : v.toString());
    }
    return keys;
}

QString describe(const Command &c)
{
    return QStringLiteral("%1 [%2] bulk [%3]")
        .arg(int(c.code()), 2, 16, QLatin1Char('0'))
        .arg(QString::fromLatin1(c.block.left(7).toHex(' ')), QString::fromLatin1(c.bulk.toHex(' ')));
}

// Macro "Burst" in slot 3 of the mouse, played by button 10 of profile 1, and a file
// with other steps for it.
QString boundMacro(const QString &folder, const QString &outside)
{
    writeMacro(folder, QStringLiteral("Burst"), {QStringLiteral("A    [Down]"), QStringLiteral("A      [Up]")}, 2, 4, 1);
    writeKeydefine(folder, 1, 9, {9, 0, 3, 0});
    const QString path = outside + QStringLiteral("/Burst.mc");
    TestSupport::writeMacroFile(path, {QStringLiteral("B    [Down]"), QStringLiteral("B      [Up]")});
    return path;
}

// A profile file to import: the factory profile with other DPI stages and lighting.
QString profileToImport(const QString &folder)
{
    const QString path = folder + QStringLiteral("/custom.pf");
    QFile::copy(TestSupport::sourceDir() + QStringLiteral("/modules/setting/pD.bin"), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QSettings s(path, QSettings::IniFormat);
    s.setValue(QStringLiteral("sensor/dpi_R5"), ints({600, 1200, 2500, 0, 0, 0, 0, 0}));
    s.setValue(QStringLiteral("sensor/stage_R5"), 3);
    s.setValue(QStringLiteral("color_R5/ledEffect"), ints({8, 3, 6}));
    s.setValue(QStringLiteral("color_R5/ledPower"), true);
    return path;
}

bool chooseDpi(const Scene &s, int cell, int value)
{
    QQuickItem *dpi = s.item(QStringLiteral("dpiGroup"));
    QQuickItem *menu = findItem(dpi, QStringLiteral("menu"));
    // The menu lists the bridge's values in their order.
    const int entry = MouseCodec::dpiMenuValues().indexOf(value);
    if (!menu || entry < 0 || !QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000))
        return false;
    if (!s.click(findItem(findItem(dpi, QStringLiteral("cell%1").arg(cell)), QStringLiteral("arrowArea"))))
        return false;
    if (!QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000))
        return false;
    return s.click(findItem(menu, QStringLiteral("menuEntry%1").arg(entry)));
}

bool sliderEnd(const Scene &s, const QString &name, bool right)
{
    QQuickItem *strip = findItem(s.in(QStringLiteral("_Page_Color"), name), QStringLiteral("strip"));
    return strip && s.clickAt(strip, right ? strip->width() - 1 : 0, strip->height() / 2);
}

QString lastWith(const QList<Command> &writes, uchar code)
{
    QString last;
    for (const Command &c : writes)
        if (c.code() == code)
            last = describe(c);
    return last;
}

QString mouseStatus(const Scene &s) { return s.prop(QStringLiteral("mouseStatus"), "text").toString(); }

struct Step {
    QString name;
    QStringList arguments;
    QString file;                              // the file the change lands in
    bool everyWrite;                           // compare all writes in order, not the last of each code
    std::function<bool(Scene &)> onPages;      // the same change made by hand
};

} // namespace

class tst_cli_compare : public QObject
{
    Q_OBJECT
private slots:
    void subcommandsWriteWhatThePagesWrite();
    void handedCommandsShowOnThePages();
};

void tst_cli_compare::subcommandsWriteWhatThePagesWrite()
{
    QTemporaryDir outside;
    const QString imported = profileToImport(outside.path());
    const QString p1 = settingPath(QStringLiteral("p1.bin")), p2 = settingPath(QStringLiteral("p2.bin"));
    const QList<Step> steps{
        {QStringLiteral("dpi"), {"dpi", "800,1600,off,3200", "--stage", "4"}, p1, false,
         [](Scene &s) {
             // Factory stages 800,1600,2000,3200,6400: stages 3 and 5 off, stage 4 chosen and applied.
             return s.openPage(3) && chooseDpi(s, 2, 0) && chooseDpi(s, 4, 0)
                    && s.click(findItem(findItem(s.item("dpiGroup"), "cell3"), "cellArea")) && s.click(s.in("_Page_Sensor", "btnApply"));
         }},
        {QStringLiteral("dpi, current stage switched off"), {"dpi", "800,off,2000"}, p1, false,
         [](Scene &s) { return chooseDpi(s, 1, 0) && chooseDpi(s, 2, 2000) && chooseDpi(s, 3, 0); }},
        {QStringLiteral("rate"), {"rate", "250"}, p1, false,
         [](Scene &s) {
             // The rate group is kept but not shown: its value goes out with apply.
             call(s.in("_Page_Sensor", "rateGroup"), "setCurIndex", {1});
             return s.click(s.in("_Page_Sensor", "btnApply"));
         }},
        {QStringLiteral("light"), {"light", "wave", "--speed", "7", "--brightness", "7"}, p1, false,
         [](Scene &s) {
             return s.openPage(QStringLiteral("COLOR"), QStringLiteral("_Page_Color")) && s.choose(s.in("_Page_Color", "effectList"), 4)
                    && sliderEnd(s, "speedSlider", true) && sliderEnd(s, "brightnessSlider", true)
                    && s.click(s.in("_Page_Color", "btnApply"));
         }},
        {QStringLiteral("light off"), {"light", "off"}, p1, false,
         [](Scene &s) { return s.click(s.in("_Page_Color", "ledPowerCheck")) && s.click(s.in("_Page_Color", "btnApply")); }},
        {QStringLiteral("import"), {"import", imported, "2"}, p2, false,
         [](Scene &s) {
             QQuickItem *menu = s.item(QStringLiteral("profileMenu"));
             return s.click(s.item(QStringLiteral("profile1")), Qt::RightButton)
                    && QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1; }, 3000)
                    && s.click(s.item(QStringLiteral("profileMenu_load")));
         }},
        {QStringLiteral("profile"), {"profile", "2"}, p2, true,
         [](Scene &s) {
             return s.click(QStringLiteral("profile1")) && s.click(QStringLiteral("btnTotalSave"))
                    && QTest::qWaitFor([&] { return mouseStatus(s).contains(QLatin1String("HOLDS P02")); }, 20000);
         }},
        {QStringLiteral("macro import"), {"macro", "import", "Burst.mc"}, macroPath(QStringLiteral("Burst")), false,
         [](Scene &s) {
             // "LOAD" on the macro page's file list, over the bound macro.
             QQuickItem *menu = s.item(QStringLiteral("macroMenu"));
             return s.openPage(1) && s.click(s.in(QStringLiteral("_fileList"), QStringLiteral("entry0")), Qt::RightButton)
                    && QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1; }, 3000)
                    && s.click(s.item(QStringLiteral("macroMenu_load")));
         }},
    };

    // The command line, one process run after the other, on one run folder.
    QList<Seen> byCommand;
    {
        Run run;
        run.prepare();
        boundMacro(run.folder, outside.path());
        for (const Step &step : steps) {
            sim::clearReceived();
            Cli::Result result;
            {
                Cli::Session session;
                result = Cli::execute(step.arguments, outside.path(), [&]() -> Cli::Context & { return session; });
            }
            QVERIFY2(result.status == Cli::Done, qPrintable(step.name + ": " + result.err));
            byCommand.append({writesSinceClear(), keysOf(step.file)});
            QVERIFY2(!byCommand.last().writes.isEmpty() || step.name == QLatin1String("import"), qPrintable(step.name));
        }
    }

    // The window, the same changes by hand.
    QList<Seen> byHand;
    Run run;
    run.prepare();
    const QString macroFile = boundMacro(run.folder, outside.path());
    run.cutInterfaceLocks = true;
    run.dialogs = [&](const DialogRequest &r) {
        DialogAnswer a;
        if (r.kind == DialogRequest::OpenFile)
            a.fileName = r.filter.contains(QLatin1String("Macro")) ? macroFile : imported;
        return a;
    };
    run.scenario = [&](Scene &s) {
        QVERIFY(s.waitStarted());
        for (const Step &step : steps) {
            s.settle();
            sim::clearReceived();
            QVERIFY2(step.onPages(s), qPrintable(step.name));
            s.settle();
            QTest::qWait(50);   // a pass of the event loop writes the settings
            for (int i = 0; i < 10; ++i)
                s.view->files->profile(i)->sync();
            byHand.append({writesSinceClear(), keysOf(step.file)});
        }
    };
    run.start();
    QVERIFY(run.scenarioDone);
    if (QTest::currentTestFailed())
        return;

    for (int i = 0; i < steps.size(); ++i) {
        const Step &step = steps.at(i);
        const Seen &cli = byCommand.at(i), &hand = byHand.at(i);
        if (step.everyWrite) {
            QStringList a, b;
            for (const Command &c : cli.writes)
                a << describe(c);
            for (const Command &c : hand.writes)
                b << describe(c);
            QCOMPARE(a, b);
        } else {
            // The pages may send a setting more than once on the way; what the mouse
            // keeps is the last of each command the subcommand sent.
            for (const Command &c : cli.writes) {
                const QString mine = lastWith(cli.writes, c.code()), theirs = lastWith(hand.writes, c.code());
                QVERIFY2(mine == theirs, qPrintable(step.name + ": " + mine + " vs " + theirs));
            }
        }
        QVERIFY2(!cli.file.isEmpty() && cli.file == hand.file, qPrintable(step.name));
    }
}

// A subcommand sent over the socket while the window runs: the window carries it out on
// its pages, which show the change at once.
void tst_cli_compare::handedCommandsShowOnThePages()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    run.scenario = [&](Scene &s) {
        QVERIFY(s.waitStarted());
        QVERIFY(s.openPage(3));
        const QString base = run.folder;
        const QString settings = base + QStringLiteral("/modules/setting");
        const auto hand = [&](const QStringList &arguments) {
            // The socket is served by this thread: the client waits on another one.
            QFuture<QString> reply = QtConcurrent::run(
                [=] { return SingleInstance::send(settings, Cli::encodeCommand(base, arguments), 30000); });
            while (!reply.isFinished())
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            Cli::Result r;
            r.status = -1;
            Cli::decodeReply(reply.result(), &r);
            return r;
        };

        Cli::Result r = hand({"dpi", "600,1200", "--stage", "2"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QQuickItem *dpi = s.item(QStringLiteral("dpiGroup"));
        QCOMPARE(toInts(dpi->property("valueForIndex")), (QList<int>{600, 1200, 0, 0, 0, 0, 0, 0}));
        QCOMPARE(dpi->property("currentIndex").toInt(), 1);
        s.settle();
        QCOMPARE(int(sim::mouseSnapshot().dpiSet[1]), 12);

        r = hand({"light", "off"});
        QCOMPARE(r.status, 0);
        QVERIFY(!s.in(QStringLiteral("_Page_Color"), QStringLiteral("ledPowerCheck"))->property("isSelect").toBool());

        r = hand({"status"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QLatin1String("dpi stages:   600,1200,off")), qPrintable(r.out));
        QVERIFY(r.out.contains(QLatin1String("light:        off")));

        r = hand({"profile", "3"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        QCOMPARE(s.prop(QStringLiteral("_Menu_Prof"), "currentIndex").toInt(), 2);
        QVERIFY(QTest::qWaitFor([&] { return mouseStatus(s).contains(QLatin1String("HOLDS P03")); }, 5000));
        QCOMPARE(s.view->files->currentIndex(), 2);

        // Refused by the window as it would be without one, and nothing changes.
        r = hand({"dpi", "700"});
        QCOMPARE(r.status, 2);
        QVERIFY(r.err.contains(QLatin1String("\"700\"")));
    };
    run.start();
    QVERIFY(run.scenarioDone);
}

QTEST_MAIN(tst_cli_compare)
#include "tst_cli_compare.moc"
