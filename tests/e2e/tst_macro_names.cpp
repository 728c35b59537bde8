// SPDX-License-Identifier: MIT
// Macro names as the user sees them: a name with dots inside ("Burst..v2") is listed on
// both pages, opens with its steps on the macro page and binds to a key on the key page.
#include "SceneRig.h"

using namespace SceneRig;

namespace {
const int fnMacro = 4;
const QStringList steps{QStringLiteral("A    [Down]"), QStringLiteral("A      [Up]")};
} // namespace

class tst_macro_names : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    void nameWithDotsIsListedLoadedAndBound()
    {
        run.prepare(2);
        writeMacro(run.folder, "Burst..v2", steps);
        // Names that could leave the folder are not offered at all.
        writeMacro(run.folder, ".hidden", steps);
        run.scenario = [&](Scene &s) {
            QCOMPARE(s.view->getMacroIniNames(), QStringList({"Burst..v2.bin"}));
            QCOMPARE(s.view->loadMacroIni("Burst..v2"), steps);

            QVERIFY(s.openPage(0));
            QVERIFY(s.choose(QStringLiteral("_menu_matrix"), keyListIndex(9)));
            QVERIFY(s.choose("_menu_function", fnMacro));
            QVERIFY(s.choose("_menu_macro", 0));
            QCOMPARE(s.record(9), (QList<int>{9, 0, 1, 0}));
            QCOMPARE(macroConfig("Burst..v2"), (QList<int>{0, 1}));
            // The mouse plays it: A down, A up.
            QVERIFY(QTest::qWaitFor([] { return deviceMacro(0).left(6) == bytes({0, 1, 0x01, 0x04, 0x81, 0x04}); }, 5000));

            // Saved again from the macro page's slot, the bound copy follows.
            QVERIFY(s.view->saveMacroIni("Burst..v2", {"B    [Down]", "B      [Up]"}).toBool());
            QVERIFY(QTest::qWaitFor([] { return deviceMacro(0).left(6) == bytes({0, 1, 0x01, 0x05, 0x81, 0x05}); }, 5000));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }
};

QTEST_MAIN(tst_macro_names)
#include "tst_macro_names.moc"
