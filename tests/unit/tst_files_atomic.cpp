// SPDX-License-Identifier: MIT
// Saves are atomic: every writer puts a new file in place of the old one (temporary file,
// then rename), and a process killed at random moments while saving never leaves a file
// that is cut off or empty.
#include "DiskLayout.h"
#include "FileSafety.h"
#include "MacroLibrary.h"
#include "RecoilStore.h"
#include "tst_files_support.h"
#include <QApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <csignal>
#include <sys/stat.h>

namespace {
const QString kAp = DiskLayout::appSettingsPath();
const QString kMacro = "./modules/macro/Loop..1.bin";

ino_t inode(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

QStringList stepsOf(int n)
{
    QStringList steps;
    for (int i = 0; i < n; ++i)
        steps << (i % 2 ? "A      [Up]" : "A    [Down]");
    return steps;
}

QVariantList gunTable(int v)
{
    QVariantList t;
    for (int k = 0; k < 12; ++k)
        t << QString("GUN %1").arg(v) << k << v << v * 2 << 1 << 1 << 0;
    return t;
}

// The writer the parent kills: every kind of save, over and over, as fast as it goes.
int saveLoop(const QString &folder)
{
    QDir::setCurrent(folder);
    ProfileFiles::setFamilyOverrideForTests(1);
    UserDialogs::setResponder([](const DialogRequest &) {
        return DialogAnswer{QDir::current().absoluteFilePath("export.pf"), QMessageBox::Ok};
    });
    myQQuickView view;
    QFile out;
    out.open(stdout, QIODevice::WriteOnly);
    out.write("ready\n");
    out.flush();
    for (int round = 1;; ++round) {
        QVariantList ap = view.loadApConfig();
        ap.append(QString(round % 50, 'x'));   // the file grows and shrinks
        view.saveApConfig(ap.mid(0, 32 + round % 7));
        view.files->apConfig()->sync();
        view.files->currentProfile()->setValue(DiskLayout::Key::kDpi, ints({round, 2, 3, 4, 5, 6, 7, 8}));
        view.files->currentProfile()->sync();
        view.saveMacroIni("Loop..1", stepsOf(round % 40));
        view.saveGundata(1, gunTable(round));
        view.saveSelGundata(round % 3, ints({0, round % 12, 60, 20}));
        view.saveProfile(0);
        QCoreApplication::processEvents();
    }
}

void checkSound(const QString &path, IniCheck::Kind kind)
{
    const QByteArray bytes = FilesRig::read(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(path + " is empty"));
    const IniCheck::Result r = IniCheck::check(bytes, kind);
    QVERIFY2(!r.damaged, qPrintable(path + ": " + r.reason));
}
} // namespace

class tst_files_atomic : public QObject
{
    Q_OBJECT
    FilesRig rig;

private slots:
    void cleanup() { rig.stop(); }

    // A new inode after the save shows the file was replaced, not rewritten in place.
    void everyWriterReplacesTheFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("writer");
        QTest::newRow("settings kept open, flushed by the event loop") << kAp << 0;
        QTest::newRow("profile kept open") << QString("./modules/setting/p1.bin") << 1;
        QTest::newRow("macro steps") << kMacro << 2;
        QTest::newRow("macro binding") << kMacro << 3;
        QTest::newRow("recoil table") << QString("./modules/gun/gunData0.bin") << 4;
        QTest::newRow("fire-key choice") << QString("./modules/gun/selGunData.bin") << 5;
        QTest::newRow("profile export") << QString("export.pf") << 6;
        QTest::newRow("profile import") << QString("./modules/setting/p3.bin") << 7;
        QTest::newRow("profile reset") << QString("./modules/setting/p4.bin") << 8;
        QTest::newRow("settings reset") << kAp << 9;
        QTest::newRow("macro export") << QString("export.mc") << 10;
        QTest::newRow("macro import") << kMacro << 11;
    }
    void everyWriterReplacesTheFile()
    {
        QFETCH(QString, path);
        QFETCH(int, writer);
        rig.start();
        myQQuickView &v = *rig.view;
        v.createMacroIni();
        QVERIFY(QFile::rename("./modules/macro/Macro. 001.bin", kMacro));
        FilesRig::write("export.pf", "old");
        FilesRig::write("export.mc", "old");
        FilesRig::write("import.mc", "[config]\ntotal=1\n[macro]\n0=B    [Down]\n");
        // Held open, the old file keeps its inode: a writer that replaces the file twice
        // could otherwise be handed the freed number back and look as if it wrote in place.
        QFile held(path);
        QVERIFY(held.open(QIODevice::ReadOnly));
        const ino_t before = inode(path);
        QVERIFY(before != 0);
        const QString here = QDir::current().absolutePath() + "/";
        switch (writer) {
        case 0:
            v.saveApConfig(ints({1, 2, 3}));
            QTest::qWait(10);   // the event loop writes it
            QCOMPARE(QSettings(kAp, QSettings::IniFormat).value("common/total").toInt(), 3);
            break;
        case 1: v.files->currentProfile()->setValue(DiskLayout::Key::kDpiStage, 5); QTest::qWait(10); break;
        case 2: QVERIFY(v.saveMacroIni("Loop..1", stepsOf(4)).toBool()); break;
        case 3: v.setMacroIniConfig("Loop..1", ints({2, 3})); break;
        case 4: v.saveGundata(0, gunTable(7)); break;
        case 5: v.saveSelGundata(1, ints({0, 1, 2, 3})); break;
        case 6: rig.dialogs->fileNames << here + "export.pf"; v.saveProfile(0); break;
        case 7:
            QFile::copy("./modules/setting/pD.bin", "import.pf");
            rig.dialogs->fileNames << here + "import.pf";
            v.loadProfile(2);
            break;
        case 8: v.resetProfile(3); break;
        case 9: v.resetApconfig(); break;
        case 10: rig.dialogs->fileNames << here + "export.mc"; v.saveMacroIniToFile("Loop..1"); break;
        case 11: rig.dialogs->fileNames << here + "import.mc"; v.loadMacroIniFromFile("Loop..1"); break;
        }
        QVERIFY2(inode(path) != before, "written in place");
    }

    // Kills a process that saves every kind of file in a loop, at random moments, many
    // times over; after each kill every file must be complete.
    void killedWhileSavingLeavesCompleteFiles()
    {
        rig.start();
        rig.view->createMacroIni();
        QVERIFY(QFile::rename("./modules/macro/Macro. 001.bin", kMacro));
        // A large profile, so that writing it takes a good part of each round.
        QVariantList picture;
        for (int i = 0; i < 512; ++i)
            picture << i % 256;
        for (int n = 0; n < 40; ++n)
            rig.view->files->profile(0)->setValue(QString("userPicture/%1").arg(n), picture);
        rig.view.reset();
        const QString folder = QDir::currentPath();
        const QList<QPair<QString, IniCheck::Kind>> files = {
            {kAp, IniCheck::Kind::AppSettings},
            {"./modules/setting/p1.bin", IniCheck::Kind::Profile},
            {kMacro, IniCheck::Kind::Macro},
            {"./modules/gun/gunData1.bin", IniCheck::Kind::GunTable},
            {"./modules/gun/selGunData.bin", IniCheck::Kind::GunChoice},
        };
        QRandomGenerator random(2026);
        int kills = 0;
        for (int i = 0; i < 40; ++i) {
            QProcess child;
            child.setProcessChannelMode(QProcess::SeparateChannels);
            child.start(QCoreApplication::applicationFilePath(), {"--save-loop", folder});
            QVERIFY2(child.waitForStarted(10000), qPrintable(child.errorString()));
            QVERIFY2(child.waitForReadyRead(30000), "the writer did not start");
            // A random moment inside the loop; how far it got does not matter.
            QThread::msleep(random.bounded(5, 120));
            ::kill(pid_t(child.processId()), SIGKILL);
            QVERIFY(child.waitForFinished(10000));
            if (child.exitStatus() == QProcess::CrashExit)
                ++kills;
            for (const auto &f : files)
                checkSound(f.first, f.second);
            if (QFile::exists("export.pf"))
                checkSound("export.pf", IniCheck::Kind::Profile);
            if (QTest::currentTestFailed())
                return;
        }
        QCOMPARE(kills, 40);
        // The writers did run: the profile holds one of their values, not the factory's.
        QVERIFY(toInts(QSettings(DiskLayout::profilePath(0), QSettings::IniFormat).value(DiskLayout::Key::kDpi)).value(0) != 800);
        // Nothing was ever taken for damaged.
        QVERIFY(QDir("./modules/setting").entryList({"*.damaged-*"}).isEmpty());
        QVERIFY(QDir("./modules/macro").entryList({"*.damaged-*"}).isEmpty());
        QVERIFY(QDir("./modules/gun").entryList({"*.damaged-*"}).isEmpty());
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc >= 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return saveLoop(QString::fromLocal8Bit(argv[2]));
    tst_files_atomic test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_files_atomic.moc"
