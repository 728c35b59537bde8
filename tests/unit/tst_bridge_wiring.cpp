// SPDX-License-Identifier: MIT
// Bridge modules built from their collaborators alone, with no view: the macro library
// announces changed bound macros (and nothing else) instead of sending them, a macro file
// is read once for sending, and ALL SAVE without a mouse tells the user through the
// warning it was handed and holds no page back.
#include "AllSave.h"
#include "Localisation.h"
#include "MacroLibrary.h"
#include "MessageTexts.h"
#include "ProfileFiles.h"
#include "TestSupport.h"
#include <QApplication>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {
QString down(const QString &k) { return k + QStringLiteral("    [Down]"); }
QString up(const QString &k) { return k + QStringLiteral("      [Up]"); }

struct Told {
    QString title, text;
};
}

class tst_bridge_wiring : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QStringList shortTexts;
    QList<Told> told;
    std::unique_ptr<Localisation> strings;
    std::unique_ptr<ProfileFiles> files;
    std::unique_ptr<MacroLibrary> macros;

    // Fresh run folder and the modules a macro needs, for a device family.
    void build(int family)
    {
        dir.reset(TestSupport::enterFreshRunFolder(true));
        ProfileFiles::setFamilyOverrideForTests(family);
        const Warn warn = [this](const QString &title, const QString &text) { told.append({title, text}); };
        strings.reset(new Localisation(&shortTexts));
        files.reset(new ProfileFiles([] { return nullptr; }, nullptr, strings.get(), warn));
        macros.reset(new MacroLibrary(files.get(), nullptr));
    }

private slots:
    void cleanup()
    {
        macros.reset();
        files.reset();
        strings.reset();
        ProfileFiles::setFamilyOverrideForTests(ProfileFiles::kNoOverride);
        QDir::setCurrent(QDir::tempPath());
        dir.reset();
        told.clear();
        shortTexts.clear();
    }

    void onlyChangedBoundMacrosOfThisFamilyAreAnnounced()
    {
        build(1);
        QSignalSpy spy(macros.get(), &MacroLibrary::boundMacroChanged);
        const QString bound = macros->createMacroIni();
        const QString loose = macros->createMacroIni();
        macros->setMacroIniConfig(bound, TestSupport::ints({4, 2}));

        QVERIFY(macros->saveMacroIni(bound, {down("A"), up("A")}));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), QVariantList({1, 4, bound}));

        QVERIFY(macros->saveMacroIni(loose, {down("B")}));
        // Bound on the keyboard, or past the mouse's twelve slots: not for this mouse.
        TestSupport::writeMacroFile("./modules/macro/" + loose + ".bin", {down("B")}, 2, 1, 0);
        QVERIFY(macros->saveMacroIni(loose, {down("C")}));
        macros->setMacroIniConfig(loose, TestSupport::ints({12, 1}));
        QVERIFY(macros->saveMacroIni(loose, {down("D")}));
        QCOMPARE(spy.count(), 1);

        // An import keeps the binding, so the new steps are announced for the same slot.
        TestSupport::DialogRecorder dialogs;
        const QString source = dir->filePath("in.mc");
        QFile f(source);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[config]\nindex=9\ntotal=1\nrepeat=5\ndid=1\n[macro]\n0=E    [Down]\n");
        f.close();
        dialogs.fileNames << source;
        macros->loadMacroIniFromFile(bound);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1), QVariantList({1, 4, bound}));
    }

    void keyboardSlotsReachFurther()
    {
        build(0);
        QSignalSpy spy(macros.get(), &MacroLibrary::boundMacroChanged);
        const QString name = macros->createMacroIni();
        macros->setMacroIniConfig(name, TestSupport::ints({20, 1}));
        QVERIFY(macros->saveMacroIni(name, {down("A")}));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), QVariantList({0, 20, name}));
        macros->setMacroIniConfig(name, TestSupport::ints({35, 1}));
        QVERIFY(macros->saveMacroIni(name, {down("B")}));
        QCOMPARE(spy.count(), 1);
    }

    void oneReadGivesStepsAndPlayCount()
    {
        build(1);
        TestSupport::writeMacroFile("./modules/macro/Burst.bin", {down("A"), up("A"), down("B")}, 3, 7, 1);
        const MacroLibrary::Stored burst = MacroLibrary::read("Burst");
        QCOMPARE(burst.steps, QStringList({down("A"), up("A"), down("B")}));
        QCOMPARE(burst.repeat, 7u);
        QCOMPARE(burst.steps, MacroLibrary::stepsOf("Burst"));
        // Missing or refused: no steps, played once.
        for (const QString &name : {QStringLiteral("Absent"), QStringLiteral("../Burst")}) {
            const MacroLibrary::Stored none = MacroLibrary::read(name);
            QVERIFY(none.steps.isEmpty());
            QCOMPARE(none.repeat, 1u);
        }
    }

    void allSaveWithoutMouseTellsOnceAndHoldsNothing()
    {
        build(1);
        shortTexts = QStringList{"m0", "m1", "m2", "m3", "Mouse", "m5"};
        files->setCurrentIndex(3);
        int holds = 0;
        AllSave::Parts parts;
        parts.link = [] { return nullptr; };
        parts.files = files.get();
        parts.strings = strings.get();
        parts.holdDeviceWrites = [&](bool) { ++holds; };
        parts.warn = [this](const QString &title, const QString &text) { told.append({title, text}); };
        AllSave saver(std::move(parts));
        QSignalSpy finished(&saver, &AllSave::finished);

        QVERIFY(!saver.begin());
        QCOMPARE(finished.count(), 1);
        QCOMPARE(finished.at(0), QVariantList({false, 3}));
        QCOMPARE(told.size(), 1);
        QCOMPARE(told.at(0).title, QString("Mouse"));
        QCOMPARE(told.at(0).text, MessageTexts::english(MessageTexts::AllSaveNoMouse));
        QCOMPARE(holds, 0);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    tst_bridge_wiring test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_bridge_wiring.moc"
