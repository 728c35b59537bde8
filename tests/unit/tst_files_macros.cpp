// SPDX-License-Identifier: MIT
// Macro library and coder: naming, file round trips, refused names, bindings per family,
// the device bytes of every pause form, and re-sending a bound macro to the simulated mouse.
#include "DiskLayout.h"
#include "MacroLibrary.h"
#include "tst_devset_rig.h"
#include "tst_files_support.h"
#include <QStandardPaths>
#include <QtTest>

namespace {
const QString kDir = "./modules/macro/";
QString down(const QString &k) { return k + "    [Down]"; }
QString up(const QString &k) { return k + "      [Up]"; }
QString pause(const QString &ms) { return ms + "   [Delay]"; }
QList<uchar> uchars(std::initializer_list<int> v)
{
    QList<uchar> out;
    for (int b : v)
        out.append(uchar(b));
    return out;
}
}

class tst_files_macros : public QObject
{
    Q_OBJECT
    FilesRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void namingFillsGapsAndGrowsPastThreeDigits()
    {
        rig.start();
        QCOMPARE(rig.view->createMacroIni().toString(), QString("Macro. 001"));
        QSettings created(kDir + "Macro. 001.bin", QSettings::IniFormat);
        QCOMPARE(created.value(DiskLayout::Key::kMacroSlot).toInt(), -1);
        QCOMPARE(created.value(DiskLayout::Key::kMacroTotal).toInt(), 0);
        QCOMPARE(created.value(DiskLayout::Key::kMacroRepeat).toInt(), 1);
        QCOMPARE(created.value(DiskLayout::Key::kMacroFamily).toInt(), -1);

        FilesRig::write(kDir + "Macro. 003.bin", "[config]\ntotal=0\n");
        QCOMPARE(rig.view->createMacroIni().toString(), QString("Macro. 002"));
        QCOMPARE(rig.view->createMacroIni().toString(), QString("Macro. 004"));

        for (int n = 5; n <= 999; ++n)
            FilesRig::write(kDir + QString("Macro. %1.bin").arg(n, 3, 10, QChar('0')), "");
        QCOMPARE(rig.view->createMacroIni().toString(), QString("Macro. 1000"));
    }

    void namesAreListedWithExtensionIgnoringCase()
    {
        rig.start();
        for (const char *n : {"beta", "Alpha", "gamma"})
            FilesRig::write(kDir + n + ".bin", "[config]\ntotal=0\n");
        FilesRig::write(kDir + "notes.txt", "x");
        QCOMPARE(rig.view->getMacroIniNames(), QStringList({"Alpha.bin", "beta.bin", "gamma.bin"}));
    }

    void stepsRoundTripAndReplaceOldOnes()
    {
        rig.start();
        const QString name = rig.view->createMacroIni().toString();
        QVERIFY(rig.view->saveMacroIni(name, {down("A"), pause("50"), up("A"), down("B")}).toBool());
        QVERIFY(rig.view->saveMacroIni(name, {down("Space"), up("Space")}).toBool());
        QCOMPARE(rig.view->loadMacroIni(name), QStringList({down("Space"), up("Space")}));
        QSettings s(kDir + name + ".bin", QSettings::IniFormat);
        QVERIFY(!s.contains("macro/2"));
        QCOMPARE(s.value(DiskLayout::Key::kMacroTotal).toInt(), 2);

        QVERIFY(!rig.view->saveMacroIni("Nobody", {down("A")}).toBool());
        QVERIFY(!QFile::exists(kDir + "Nobody.bin"));
        QVERIFY(rig.view->loadMacroIni("Nobody").isEmpty());
        QVERIFY(rig.view->loadMacroIniConfig("Nobody").isEmpty());
    }

    void damagedTotalIsBoundedByTheLinesPresent()
    {
        rig.start();
        FilesRig::write(kDir + "Big.bin", "[config]\ntotal=2000000000\n[macro]\n0=a\n2=c\n");
        QCOMPARE(rig.view->loadMacroIni("Big"), QStringList({"a", "0", "c"}));
    }

    void unsafeNamesAreRefusedEverywhere()
    {
        rig.start();
        const QString name = rig.view->createMacroIni().toString();
        FilesRig::write("./modules/victim.bin", "[config]\nindex=-1\ntotal=0\n");
        const auto before = FilesRig::snapshot();
        const QStringList bad = {"", "../victim", "../setting/p1", "a/b", "a\\b", "..", ".", ".hidden",
                                 "../../escape", QString("nul") + QChar(0), QString("tab\there"), QString("line\nbreak")};
        for (const QString &n : bad) {
            QVERIFY2(!rig.view->deleteMacroIni(n).toBool(), qPrintable(n));
            QVERIFY2(!rig.view->saveMacroIni(n, {down("A")}).toBool(), qPrintable(n));
            QVERIFY(rig.view->loadMacroIni(n).isEmpty());
            QVERIFY(rig.view->loadMacroIniConfig(n).isEmpty());
            rig.view->setMacroIniConfig(n, ints({3, 2}));
            rig.view->renameMacroIniFile(name, n);
            rig.view->renameMacroIniFile(n, "Stolen");
            rig.view->saveMacroIniToFile(n);
            rig.view->loadMacroIniFromFile(n);
        }
        QVERIFY(rig.dialogs->requests.isEmpty());   // no dialog for a refused name
        QCOMPARE(FilesRig::snapshot(), before);
        QVERIFY(QFile::exists("./modules/victim.bin"));
    }

    // Dots inside a name stay in the folder: such a macro loads, saves, renames, binds
    // and is deleted like any other; only what the slots refuse is left out of the list.
    void namesWithDotsInsideWork()
    {
        rig.start();
        FilesRig::write(kDir + "Burst..v2.bin", "[config]\nindex=-1\ntotal=0\nrepeat=1\ndid=-1\n");
        FilesRig::write(kDir + ".hidden.bin", "[config]\ntotal=0\n");
        FilesRig::write(kDir + "tab\tname.bin", "[config]\ntotal=0\n");
        FilesRig::write(kDir + "a.b.c.bin", "[config]\ntotal=0\n");
        QCOMPARE(rig.view->getMacroIniNames(), QStringList({"a.b.c.bin", "Burst..v2.bin"}));
        QVERIFY(rig.view->saveMacroIni("Burst..v2", {down("A"), up("A")}).toBool());
        QCOMPARE(rig.view->loadMacroIni("Burst..v2"), QStringList({down("A"), up("A")}));
        rig.view->setMacroIniConfig("Burst..v2", ints({4, 2}));
        QCOMPARE(toInts(rig.view->loadMacroIniConfig("Burst..v2")), QList<int>({4, 2}));
        rig.view->renameMacroIniFile("Burst..v2", "Burst...v3.");
        QCOMPARE(rig.view->loadMacroIni("Burst...v3."), QStringList({down("A"), up("A")}));
        QVERIFY(!QFile::exists(kDir + "Burst..v2.bin"));
        QVERIFY(rig.view->deleteMacroIni("Burst...v3.").toBool());
    }

    void deleteAndRename()
    {
        rig.start();
        const QString a = rig.view->createMacroIni().toString();
        const QString b = rig.view->createMacroIni().toString();
        rig.view->saveMacroIni(a, {down("A")});
        rig.view->renameMacroIniFile(a, b);   // target exists: nothing happens
        QCOMPARE(rig.view->loadMacroIni(a), QStringList({down("A")}));
        QVERIFY(rig.view->deleteMacroIni(b).toBool());
        QVERIFY(!rig.view->deleteMacroIni(b).toBool());
        rig.view->renameMacroIniFile(a, "My macro, v2");
        QVERIFY(!QFile::exists(kDir + a + ".bin"));
        QCOMPARE(rig.view->loadMacroIni("My macro, v2"), QStringList({down("A")}));
    }

    // A name freed by deletion and taken by a rename must show the renamed file's steps.
    void renameOntoAFreedNameReadsTheNewFile()
    {
        rig.start();
        const QString a = rig.view->createMacroIni().toString();
        const QString b = rig.view->createMacroIni().toString();
        rig.view->saveMacroIni(a, {down("A")});
        rig.view->saveMacroIni(b, {down("B")});
        QCOMPARE(rig.view->loadMacroIni(b), QStringList({down("B")}));
        rig.view->deleteMacroIni(b);
        rig.view->renameMacroIniFile(a, b);
        QCOMPARE(rig.view->loadMacroIni(b), QStringList({down("A")}));
    }

    void configPairFollowsFamily()
    {
        rig.start(true, 1);
        const QString name = rig.view->createMacroIni().toString();
        rig.view->setMacroIniConfig(name, ints({4}));   // too short: nothing written
        QCOMPARE(rig.view->loadMacroIniConfig(name), QVariantList({-1, 1}));
        QSettings check(kDir + name + ".bin", QSettings::IniFormat);
        QCOMPARE(check.value(DiskLayout::Key::kMacroFamily).toInt(), -1);

        rig.view->setMacroIniConfig(name, ints({4, 3}));
        QCOMPARE(rig.view->loadMacroIniConfig(name), QVariantList({4, 3}));
        ProfileFiles::setFamilyOverrideForTests(0);   // the keyboard is connected now
        QCOMPARE(rig.view->loadMacroIniConfig(name), QVariantList({-1, 3}));
        rig.view->setMacroIniConfig(name, ints({20, 1}));
        ProfileFiles::setFamilyOverrideForTests(1);
        QCOMPARE(rig.view->loadMacroIniConfig(name), QVariantList({-1, 1}));
    }

    void mouseEncoding()
    {
        auto enc = [](const QStringList &l) { return MacroLibrary::encode(l, 1); };
        QCOMPARE(enc({}), uchars({0x00, 0x01, 0x00, 0x00}));
        // A folded pause replaces the low seven bits and keeps bit 7 (down 0x01 -> 0x05,
        // up 0x81 -> 0x85), in units of 10 ms.
        QCOMPARE(enc({down("A"), pause("50"), up("A")}), uchars({0x00, 0x01, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({up("A"), pause("50")}), uchars({0x00, 0x01, 0x85, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("5")}), uchars({0x00, 0x01, 0x01, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("14")}), uchars({0x00, 0x01, 0x01, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("15")}), uchars({0x00, 0x01, 0x02, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({up("A"), pause("1270")}), uchars({0x00, 0x01, 0xFF, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("1271")}), uchars({0x00, 0x01, 0x01, 0x04, 64, 0x01, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("5100")}), uchars({0x00, 0x01, 0x01, 0x04, 255, 0x01, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("6000")}),
                 uchars({0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x01, 0x2C, 0x00, 0x00}));
        // A second pause is never folded: short ones take the four-byte form.
        QCOMPARE(enc({down("A"), pause("100"), pause("100")}),
                 uchars({0x00, 0x01, 0x0A, 0x04, 0x00, 0x01, 0x00, 0x05, 0x00, 0x00}));
        QCOMPARE(enc({down("A"), pause("100"), pause("2000")}),
                 uchars({0x00, 0x01, 0x0A, 0x04, 0x64, 0x01, 0x00, 0x00}));
        QCOMPARE(enc({pause("100")}), uchars({0x00, 0x01, 0x00, 0x01, 0x00, 0x05, 0x00, 0x00}));
        QCOMPARE(enc({pause("10")}), uchars({0x00, 0x01, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00}));
        // Unknown names add nothing; their pause folds into what precedes.
        QCOMPARE(enc({down("A"), down("NoSuchKey"), pause("30")}),
                 uchars({0x00, 0x01, 0x03, 0x04, 0x00, 0x00}));
        QCOMPARE(enc({down("NoSuchKey"), pause("30")}), uchars({0x03, 0x01, 0x00, 0x00}));
        // Zero, empty, non-numeric and negative pauses add nothing, but still count as pauses.
        QCOMPARE(enc({down("A"), pause("0"), pause("abc"), pause(""), pause("-40"), pause("50")}),
                 uchars({0x00, 0x01, 0x01, 0x04, 0x00, 0x01, 0x00, 0x03, 0x00, 0x00}));
        // The longest pause is what 16 bits carry.
        QCOMPARE(enc({pause("99999999")}), uchars({0x00, 0x01, 0x00, 0x01, 0xFF, 0xFF, 0x00, 0x00}));
        // Mouse buttons and malformed lines.
        QCOMPARE(enc({down("MS-L"), up("MS-L"), "A", "A   [Down]", "Space [Down] "}),
                 uchars({0x00, 0x01, 0x01, 0xF0, 0x81, 0xF0, 0x00, 0x00}));
    }

    void keyboardAndOtherFamilies()
    {
        QCOMPARE(MacroLibrary::encode({down("A"), pause("1000"), up("A")}, 0),
                 uchars({0x00, 0x01, 0x01, 0x04, 0x7F, 0x00, 0x00, 0x64, 0x81, 0x04, 0x00, 0x00}));
        QCOMPARE(MacroLibrary::encode({pause("700000")}, 0), uchars({0x00, 0x01, 0x7F, 0x00, 0xFF, 0xFF, 0x00, 0x00}));
        QCOMPARE(MacroLibrary::encode({down("A"), pause("50")}, -1), uchars({0x00, 0x01, 0x01, 0x04, 0x00, 0x00}));

        rig.start(true, 0);
        QCOMPARE(rig.view->macroIncode({down("A"), pause("1000")}),
                 uchars({0x00, 0x01, 0x01, 0x04, 0x7F, 0x00, 0x00, 0x64, 0x00, 0x00}));
    }

    void exportIsAByteCopy()
    {
        rig.start();
        const QString name = rig.view->createMacroIni().toString();
        rig.view->saveMacroIni(name, {down("A"), up("A")});
        const QString target = rig.dir->path() + "/a.mc";
        rig.dialogs->fileNames << target;
        rig.view->saveMacroIniToFile(name);
        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Save File"));
        QCOMPARE(rig.dialogs->requests[0].filter, QString("Macro(*.mc)"));
        QCOMPARE(rig.dialogs->requests[0].text, UserDialogs::startPath(QStandardPaths::DesktopLocation, name + ".mc"));
        QCOMPARE(FilesRig::read(target), FilesRig::read(kDir + name + ".bin"));

        rig.view->saveMacroIniToFile("Missing");   // no file: no dialog
        QCOMPARE(rig.dialogs->requests.size(), 1);
    }

    void importReplacesStepsAndKeepsTheBinding()
    {
        rig.start(true, 1);
        const QString name = rig.view->createMacroIni().toString();
        rig.view->saveMacroIni(name, {down("A")});
        rig.view->setMacroIniConfig(name, ints({2, 5}));
        const QString source = rig.dir->path() + "/in.mc";
        FilesRig::write(source, "[config]\nindex=7\ntotal=2\nrepeat=9\ndid=1\n[macro]\n0=B    [Down]\n1=B      [Up]\n");

        rig.dialogs->fileNames << source;
        rig.view->loadMacroIniFromFile(name);
        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].kind, DialogRequest::OpenFile);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Open File"));
        QCOMPARE(rig.dialogs->requests[0].filter, QString("Macro(*.mc)"));
        QCOMPARE(rig.view->loadMacroIni(name), QStringList({down("B"), up("B")}));
        QCOMPARE(rig.view->loadMacroIniConfig(name), QVariantList({2, 5}));

        // Not a macro file, or no macro to import into: nothing changes, nothing is created.
        FilesRig::write(source, QByteArray(64, '\0'));
        rig.dialogs->fileNames << source;
        rig.view->loadMacroIniFromFile(name);
        QCOMPARE(rig.view->loadMacroIni(name), QStringList({down("B"), up("B")}));
        rig.dialogs->fileNames << source;
        rig.view->loadMacroIniFromFile("Absent");
        QVERIFY(!QFile::exists(kDir + "Absent.bin"));
    }
};

// Re-sending a bound macro reaches the simulated mouse through the device link.
class tst_files_macros_device : public QObject
{
    Q_OBJECT
    DevsetRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void savingABoundMacroResendsIt()
    {
        rig.start();
        QCOMPARE(rig.view->deviceFamily(), 1);
        const QString name = rig.view->createMacroIni().toString();
        rig.view->setMacroIniConfig(name, ints({0, 3}));
        QVERIFY(rig.view->saveMacroIni(name, {down("A"), pause("50"), up("A")}).toBool());
        rig.settle();
        const auto cmds = rig.commandsWithCode(0x13);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(1));
        QCOMPARE(cmds[0].bulk.left(8), bytes({0x00, 0x03, 0x05, 0x04, 0x81, 0x04, 0x00, 0x00}));
    }

    void unboundOrForeignMacrosAreNotSent()
    {
        rig.start();
        const QString name = rig.view->createMacroIni().toString();
        QVERIFY(rig.view->saveMacroIni(name, {down("A")}).toBool());
        {
            // Bound on the keyboard: that slot number means nothing on the mouse.
            QSettings s("./modules/macro/" + name + ".bin", QSettings::IniFormat);
            s.setValue(DiskLayout::Key::kMacroSlot, 2);
            s.setValue(DiskLayout::Key::kMacroFamily, 0);
        }
        QVERIFY(rig.view->saveMacroIni(name, {down("B")}).toBool());
        rig.view->setMacroIniConfig(name, ints({12, 1}));   // beyond the mouse's twelve slots
        QVERIFY(rig.view->saveMacroIni(name, {down("C")}).toBool());
        rig.settle();
        QVERIFY(rig.commandsWithCode(0x13).isEmpty());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tst_files_macros files;
    tst_files_macros_device device;
    return QTest::qExec(&files, argc, argv) | QTest::qExec(&device, argc, argv);
}
#include "tst_files_macros.moc"
