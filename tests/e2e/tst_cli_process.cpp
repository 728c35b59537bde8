// SPDX-License-Identifier: MIT
// The command line on its own: refused input changes nothing and says what is accepted,
// no mouse gives status 1 and changes only files, the program runs without any display,
// and a subcommand started beside a running window is carried out by that window.
#include "CommandLine.h"
#include "Session.h"
#include "SingleInstance.h"
#include "TestSupport.h"
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>
#include <memory>

namespace {

Cli::Result runHere(const QStringList &arguments, const QString &base = QDir::currentPath())
{
    Cli::Session session;
    return Cli::execute(arguments, base, [&]() -> Cli::Context & { return session; });
}

// Every file below the run folder with its bytes.
QMap<QString, QByteArray> filesOnDisk()
{
    QMap<QString, QByteArray> files;
    QDirIterator it(QStringLiteral("modules"), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile f(it.next());
        if (f.fileName().endsWith(QLatin1String(".lock")) || !f.open(QIODevice::ReadOnly))
            continue;
        files.insert(f.fileName(), f.readAll());
    }
    return files;
}

QList<int> storedDpi(int profile)
{
    QSettings p(QStringLiteral("modules/setting/p%1.bin").arg(profile), QSettings::IniFormat);
    return TestSupport::toInts(p.value(QStringLiteral("sensor/dpi_R5")));
}

int setCommandsSeen()
{
    int n = 0;
    for (const TestSupport::SeenCommand &c : TestSupport::seenCommands(sim::Family::Mouse, TestSupport::Echoes::Dropped))
        n += c.code() != 0 && c.code() < 0x80;
    return n;
}

struct Outcome {
    int status = -1;
    QString out, err;
};

// Runs the laid-out program with no display of any kind.
Outcome runProgram(const QString &folder, const QStringList &arguments, const QString &simMouse = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
        env.remove(QString::fromLatin1(name));
    // A GUI application object would fail on this platform: a subcommand makes none.
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    if (!simMouse.isEmpty())
        env.insert(QStringLiteral("R5_SIM_MOUSE"), simMouse);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(folder + QStringLiteral("/r5config-sim"), arguments);
    Outcome o;
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return o;
    }
    o.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    o.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

} // namespace

class tst_cli_process : public QObject
{
    Q_OBJECT
private slots:
    void refusedInputChangesNothing_data();
    void refusedInputChangesNothing();
    void withoutMouseOnlyFilesChange();
    void macroLibraryRoundTrip();
    void programNeedsNoDisplay();
    void runningWindowCarriesTheCommandOut();
};

void tst_cli_process::refusedInputChangesNothing_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("named");   // what the message must name

    QTest::newRow("dpi not in the menu") << QStringList{"dpi", "800,850"} << 2 << "\"850\"";
    QTest::newRow("dpi above the menu") << QStringList{"dpi", "16000"} << 2 << "12000";
    QTest::newRow("dpi nine stages") << QStringList{"dpi", "800,800,800,800,800,800,800,800,800"} << 2 << "at most 8";
    QTest::newRow("dpi all off") << QStringList{"dpi", "off,off"} << 2 << "no stage is on";
    QTest::newRow("dpi stage 9") << QStringList{"dpi", "800,1600", "--stage", "9"} << 2 << "1 to 8";
    QTest::newRow("dpi stage that is off") << QStringList{"dpi", "800,off", "--stage", "2"} << 2 << "stage 2 is off";
    QTest::newRow("rate") << QStringList{"rate", "300"} << 2 << "125, 250, 500, 1000";
    QTest::newRow("effect") << QStringList{"light", "sparkle"} << 2 << "\"sparkle\"";
    QTest::newRow("speed") << QStringList{"light", "wave", "--speed", "8"} << 2 << "0 to 7";
    QTest::newRow("brightness") << QStringList{"light", "wave", "--brightness", "-1"} << 2 << "0 to 7";
    QTest::newRow("profile 0") << QStringList{"profile", "0"} << 2 << "1 to 10";
    QTest::newRow("profile 11") << QStringList{"profile", "11"} << 2 << "\"11\"";
    QTest::newRow("export profile 11") << QStringList{"export", "11", "x.pf"} << 2 << "1 to 10";
    QTest::newRow("import missing file") << QStringList{"import", "missing.pf", "1"} << 3 << "missing.pf";
    QTest::newRow("import not a profile") << QStringList{"import", "notes.txt", "1"} << 2 << "notes.txt";
    QTest::newRow("import unreadable") << QStringList{"import", "locked.pf", "1"} << 3 << "locked.pf";
    QTest::newRow("export into no folder") << QStringList{"export", "1", "no/such/folder/x.pf"} << 3 << "x.pf";
    QTest::newRow("macro export unknown") << QStringList{"macro", "export", "Nothing", "x.mc"} << 2 << "\"Nothing\"";
    QTest::newRow("macro import missing") << QStringList{"macro", "import", "missing.mc"} << 3 << "missing.mc";
    QTest::newRow("macro import not a macro") << QStringList{"macro", "import", "notes.txt"} << 2 << "notes.txt";
    QTest::newRow("macro import bad name") << QStringList{"macro", "import", "notes.txt", "--name", "../x"} << 2 << "../x";
    QTest::newRow("unknown subcommand") << QStringList{"frobnicate"} << 2 << "\"frobnicate\"";
    QTest::newRow("missing argument") << QStringList{"rate"} << 2 << "Usage:";
    QTest::newRow("unknown option") << QStringList{"status", "--yaml"} << 2 << "yaml";
}

void tst_cli_process::refusedInputChangesNothing()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, named);
    std::unique_ptr<QTemporaryDir> dir(TestSupport::enterFreshSimulatedRun());
    QTemporaryDir outside;
    {
        QFile notes(outside.path() + "/notes.txt");
        QVERIFY(notes.open(QIODevice::WriteOnly));
        notes.write("shopping: milk, eggs\n");
        // Cannot be read as a file, whoever runs the test.
        QVERIFY(QDir(outside.path()).mkdir("locked.pf"));
    }
    const QMap<QString, QByteArray> before = filesOnDisk();
    QVERIFY(before.size() > 10);
    sim::clearReceived();

    const Cli::Result r = runHere(arguments, outside.path());
    QCOMPARE(r.status, status);
    QVERIFY2(r.err.contains(named), qPrintable(r.err));
    QVERIFY(r.out.isEmpty());
    QCOMPARE(setCommandsSeen(), 0);
    QCOMPARE(filesOnDisk(), before);
    QCOMPARE(QDir(outside.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 2);
}

void tst_cli_process::withoutMouseOnlyFilesChange()
{
    std::unique_ptr<QTemporaryDir> dir(TestSupport::enterFreshSimulatedRun());
    sim::setPresent(sim::Family::Mouse, false);

    Cli::Result r = runHere({"status"});
    QCOMPARE(r.status, 1);
    QVERIFY(r.out.contains("no mouse connected"));
    QVERIFY(r.out.contains("read from:    profile"));

    // The change lands in the current profile; the mouse gets nothing, and status 1 says so.
    r = runHere({"dpi", "800,1600", "--stage", "2"});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains("saved in profile 1 only"), qPrintable(r.err));
    QCOMPARE(storedDpi(1), (QList<int>{800, 1600, 0, 0, 0, 0, 0, 0}));
    r = runHere({"profile", "4"});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("profile 4 is current"));
    r = runHere({"status", "--json"});
    QCOMPARE(r.status, 1);
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8()).object();
    QCOMPARE(json.value("profile").toInt(), 4);
    QCOMPARE(json.value("device").toObject().value("found").toBool(), false);
    QCOMPARE(json.value("device").toObject().value("reason").toString(), QString("absent"));
    QVERIFY(sim::received(sim::Family::Mouse).empty());

    // Demo mode (the demo word as the mouse's code, and no mouse answering) says so, and
    // writes only files too.
    TestSupport::writeApConfig({{"common/sCode1", "m-corbel"}});
    r = runHere({"status"});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.contains("demo mode"), qPrintable(r.out));
    r = runHere({"rate", "500"});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains("demo mode"));
    QCOMPARE(setCommandsSeen(), 0);
    QSettings p4("modules/setting/p4.bin", QSettings::IniFormat);
    QCOMPARE(p4.value("sensor/reportRate_R5").toInt(), 2);
}

void tst_cli_process::macroLibraryRoundTrip()
{
    std::unique_ptr<QTemporaryDir> dir(TestSupport::enterFreshSimulatedRun());
    QTemporaryDir outside;
    // A macro bound to slot 3 of the mouse, played by button 10.
    TestSupport::writeMacroFile("modules/macro/Burst.bin", {"A    [Down]", "A      [Up]"}, 2, 1, 1);
    {
        QSettings p1("modules/setting/p1.bin", QSettings::IniFormat);
        p1.setValue("keydefine_R5/9", TestSupport::ints({9, 0, 3, 0}));
    }
    Cli::Result r = runHere({"macro", "list"});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QString("Burst\n"));

    r = runHere({"macro", "export", "Burst", "burst.mc"}, outside.path());
    QCOMPARE(r.status, 0);
    QFile exported(outside.path() + "/burst.mc");
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QFile original("modules/macro/Burst.bin");
    QVERIFY(original.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), original.readAll());

    // New steps into the bound macro: the binding stays and the slot is written again.
    TestSupport::writeMacroFile(outside.path() + "/Burst.mc", {"B    [Down]", "B      [Up]", "C    [Down]"}, 7, 5, 0);
    sim::clearReceived();
    r = runHere({"macro", "import", "Burst.mc"}, outside.path());
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QSettings kept("modules/macro/Burst.bin", QSettings::IniFormat);
    QCOMPARE(kept.value("config/index").toInt(), 2);
    QCOMPARE(kept.value("config/did").toInt(), 1);
    QCOMPARE(kept.value("config/total").toInt(), 3);
    const QList<TestSupport::SeenCommand> sent = TestSupport::seenCommandsWithCode(0x13);
    QCOMPARE(sent.size(), 1);
    QCOMPARE(int(sent.at(0).p(1)), 3);
    QCOMPARE(sent.at(0).bulk.left(8), TestSupport::bytes({0x00, 0x01, 0x01, 0x05, 0x81, 0x05, 0x01, 0x06}));

    // A new name makes a new macro with no binding.
    r = runHere({"macro", "import", "Burst.mc", "--name", "Other"}, outside.path());
    QCOMPARE(r.status, 0);
    QCOMPARE(runHere({"macro", "list"}).out, QString("Burst\nOther\n"));
    QSettings other("modules/macro/Other.bin", QSettings::IniFormat);
    QCOMPARE(other.value("config/index").toInt(), -1);
    QCOMPARE(other.value("macro/2").toString(), QString("C    [Down]"));
}

void tst_cli_process::programNeedsNoDisplay()
{
    QTemporaryDir dir;
    QVERIFY(TestSupport::layOutProgram(dir.path()));

    Outcome o = runProgram(dir.path(), {"status", "--json"});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    const QJsonObject json = QJsonDocument::fromJson(o.out.toUtf8()).object();
    QCOMPARE(json.value("device").toObject().value("handshake").toString(), QString("admitted"));
    QCOMPARE(json.value("source").toString(), QString("mouse"));
    QCOMPARE(json.value("dpiStages").toArray().size(), 8);

    o = runProgram(dir.path(), {"status"}, "absent");
    QCOMPARE(o.status, 1);
    QVERIFY(o.out.startsWith("device:"));
    o = runProgram(dir.path(), {"status"}, "no-rights");
    QCOMPARE(o.status, 1);
    QVERIFY2(o.out.contains("may not open it"), qPrintable(o.out));

    // Data to standard output, messages to standard error.
    o = runProgram(dir.path(), {"rate", "90"});
    QCOMPARE(o.status, 2);
    QVERIFY(o.out.isEmpty());
    QVERIFY(o.err.contains("\"90\""));

    o = runProgram(dir.path(), {"--help"});
    QCOMPARE(o.status, 0);
    for (const char *word : {"status", "profile", "dpi", "rate", "light", "export", "import", "macro", "Exit status"})
        QVERIFY2(o.out.contains(QLatin1String(word)), word);
    o = runProgram(dir.path(), {"light", "--help"});
    QCOMPARE(o.status, 0);
    QVERIFY(o.out.contains("--speed") && o.out.contains("--brightness") && o.out.contains("spotlight"));
}

void tst_cli_process::runningWindowCarriesTheCommandOut()
{
    QTemporaryDir dir;
    QVERIFY(TestSupport::layOutProgram(dir.path()));
    const auto profileNow = [&] {
        const Outcome o = runProgram(dir.path(), {"status", "--json"});
        return QJsonDocument::fromJson(o.out.toUtf8()).object().value("profile").toInt();
    };
    // Without a window the current profile is the one the command line made current.
    QCOMPARE(runProgram(dir.path(), {"profile", "3"}).status, 0);
    QCOMPARE(profileNow(), 3);

    QProcess window;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    window.setProcessEnvironment(env);
    window.setWorkingDirectory(dir.path());
    window.start(dir.path() + "/r5config-sim", QStringList());
    const QString settings = dir.path() + "/modules/setting";
    QVERIFY(QTest::qWaitFor([&] { return !SingleInstance::send(settings, "hello", 300).isEmpty(); }, 30000));

    // The window opens on profile 1; the command line follows it, and the window's
    // profile menu follows the command line.
    QCOMPARE(profileNow(), 1);
    QCOMPARE(runProgram(dir.path(), {"profile", "2"}).status, 0);
    QCOMPARE(profileNow(), 2);
    QCOMPARE(runProgram(dir.path(), {"profile", "1"}).status, 0);

    // The window's own simulated mouse takes the change: a subcommand that ran by
    // itself would have started a mouse of its own and could not show it afterwards.
    Outcome o = runProgram(dir.path(), {"dpi", "800,1600", "--stage", "2"});
    QVERIFY2(o.status == 0, qPrintable(o.err));
    o = runProgram(dir.path(), {"status", "--json"});
    QCOMPARE(o.status, 0);
    const QJsonObject json = QJsonDocument::fromJson(o.out.toUtf8()).object();
    QCOMPARE(json.value("dpiStages").toArray(), (QJsonArray{800, 1600, "off", "off", "off", "off", "off", "off"}));
    QCOMPARE(json.value("dpiStage").toInt(), 2);
    // Refused input is refused by the window with the same message and status.
    o = runProgram(dir.path(), {"light", "glow"});
    QCOMPARE(o.status, 2);
    QVERIFY(o.err.contains("\"glow\""));

    window.terminate();
    QVERIFY(window.waitForFinished(20000));
    QSettings p1(settings + "/p1.bin", QSettings::IniFormat);
    QCOMPARE(TestSupport::toInts(p1.value("sensor/dpi_R5")), (QList<int>{800, 1600, 0, 0, 0, 0, 0, 0}));
    QCOMPARE(profileNow(), 1);
}

QTEST_MAIN(tst_cli_process)
#include "tst_cli_process.moc"
