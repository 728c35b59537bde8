// SPDX-License-Identifier: MIT
// "ALL SAVE" in the real window against the simulated mouse: after a profile switch the
// mouse ends up holding the profile on screen in every field, the bottom strip says what
// the mouse holds, and a save without the mouse is told once and changes no file.
#include "SceneRig.h"
#include "ProfileFiles.h"
#include <QDir>

using namespace SceneRig;

namespace {
QString status(const Scene &s) { return s.prop(QStringLiteral("mouseStatus"), "text").toString(); }

QByteArray store(const uint8_t *bytes, int n) { return QByteArray(reinterpret_cast<const char *>(bytes), n); }

// Every profile and macro file of the run folder, by name, as the disk holds them.
QMap<QString, QByteArray> filesOnDisk(const Scene &s)
{
    for (int i = 0; i < 10; ++i)
        s.view->files->profile(i)->sync();
    QMap<QString, QByteArray> out;
    for (const QString &dir : {QStringLiteral("modules/setting"), QStringLiteral("modules/macro")})
        for (const QFileInfo &f : QDir(dir).entryInfoList(QDir::Files)) {
            QFile file(f.filePath());
            if (file.open(QIODevice::ReadOnly))
                out.insert(f.filePath(), file.readAll());
        }
    return out;
}
} // namespace

class tst_pages_allsave : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    // Stage 2 of P01 set to 2000 goes to the mouse at once; P02 (stage 2 at 1600, its own
    // colours, effect, keys and a bound macro) is shown, and "ALL SAVE" makes the mouse
    // hold P02 in every field: before, it kept 2000 and P01's colours and macros.
    void switchThenSaveWritesTheWholeProfile()
    {
        run.prepare(2);
        {
            QSettings p2(run.folder + "/modules/setting/p2.bin", QSettings::IniFormat);
            p2.setValue("color_R5/type2", ints({7, 6, 5, 4, 3, 2, 1, 0}));
            p2.setValue("color_R5/type0", ints({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                                                21, 22, 23, 24}));
            p2.setValue("color_R5/ledEffect", ints({4, 3, 5}));
            p2.setValue("color_R5/ledPower", true);
            p2.setValue("keydefine_R5/9", ints({9, 0, 5, 0}));
            p2.setValue("keydefine_R5/10", ints({0, 0, 0x05, 0}));
        }
        writeMacro(run.folder, "Combo", {"B    [Down]", "B      [Up]"}, 4, 3, 1);
        QByteArray p2Matrix;
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(3));
            QQuickItem *dpi = s.item("dpiGroup");
            QQuickItem *menu = findItem(dpi, "menu");
            QVERIFY(s.click(findItem(findItem(dpi, "cell1"), "arrowArea")));
            QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000));
            QVERIFY(s.click(findItem(menu, "menuEntry7")));                        // 2000
            QVERIFY(QTest::qWaitFor([] { return sim::mouseSnapshot().dpiSet[1] == 20; }, 5000));
            QCOMPARE(status(s), QString());

            QVERIFY(s.click("profile1"));
            QCOMPARE(toInts(dpi->property("valueForIndex")).value(1), 1600);        // the screen shows P02
            QCOMPARE(status(s), QString("THE MOUSE STILL HOLDS P01 UNTIL ALL SAVE"));
            s.settle();
            QCOMPARE(int(sim::mouseSnapshot().dpiSet[1]), 20);                     // the mouse does not

            sim::clearReceived();
            QVERIFY(s.click("btnTotalSave"));
            QVERIFY(QTest::qWaitFor([&] { return status(s) == "THE MOUSE HOLDS P02"; }, 20000));
            QVERIFY(s.view->isEnabled() || QTest::qWaitFor([&] { return s.view->isEnabled(); }, 3000));
            for (int k = 0; k < 16; ++k)
                for (int v : s.record(k))
                    p2Matrix.append(char(v));
            // Back on P01 the strip tells that the mouse holds P02 now.
            QVERIFY(s.click("profile0"));
            QCOMPARE(status(s), QString("THE MOUSE STILL HOLDS P02 UNTIL ALL SAVE"));
        };
        run.start();
        QVERIFY(run.scenarioDone);
        if (QTest::currentTestFailed())
            return;
        const sim::MouseStore m = sim::mouseSnapshot();
        QCOMPARE(store(m.dpiSet, 8), bytes({8, 16, 20, 32, 64, 0x80, 0x80, 0x80}));
        QCOMPARE(int(m.dpiStage), 2);
        QCOMPARE(int(m.reportRate), 2);
        QCOMPARE(store(m.stageColor[2], 4), bytes({0x67, 0x45, 0x23, 0x01}));   // eight fixed colours
        QCOMPARE(store(m.stageColor[0], 24), bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18,
                                                     19, 20, 21, 22, 23, 24}));
        QCOMPARE(store(m.effect, 3), bytes({5, 115, 4}));                      // WAVE, step 3, step 5
        QCOMPARE(p2Matrix.mid(36, 8), bytes({9, 0, 5, 0, 0, 0, 5, 0}));
        QCOMPARE(store(m.keyMatrix[0], 64), p2Matrix);
        QCOMPARE(store(m.macros[4], 8), bytes({0x00, 0x03, 0x01, 0x05, 0x81, 0x05, 0x00, 0x00}));
        // The macro went before the matrix that binds it.
        const QList<int> codes = commandCodes();
        QVERIFY(codes.indexOf(0x13) >= 0 && codes.indexOf(0x13) < codes.indexOf(0x12));
    }

    // The mouse unplugged: one box says that nothing reached it, nothing is sent, no
    // profile or macro file changes, and the strip does not claim the profile is held.
    void withoutTheMouseNothingIsSavedAndNoFileChanges()
    {
        run.prepare(2);
        writeMacro(run.folder, "Combo", {"B    [Down]", "B      [Up]"}, 4, 3, 1);
        QList<DialogRequest> asked;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(0));
            const QMap<QString, QByteArray> before = filesOnDisk(s);
            QVERIFY(before.size() > 10);
            s.settle();
            sim::setPresent(sim::Family::Mouse, false);
            sim::clearReceived();
            QVERIFY(s.click("btnTotalSave"));
            QVERIFY(QTest::qWaitFor([&] { return asked.size() == 1; }, 10000));
            QVERIFY(asked.at(0).text.startsWith("The mouse did not answer"));
            QCOMPARE(status(s), QString("NOT ALL OF P01 REACHED THE MOUSE"));
            QTest::qWait(100);   // a pass of the event loop writes whatever settings changed
            QCOMPARE(filesOnDisk(s), before);
            QVERIFY(sim::received(sim::Family::Mouse).empty());
            QCOMPARE(asked.size(), 1);
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }
};

QTEST_MAIN(tst_pages_allsave)
#include "tst_pages_allsave.moc"
