// SPDX-License-Identifier: MIT
// The sensor page in the real program against the simulated mouse: DPI choices and their
// codes, the device's stage count, indicator colours in both modes, stored stage and
// report-rate edge values, reset versus apply of the host settings, profile switch.
#include "DiskLayout.h"
#include "SceneRig.h"

using namespace SceneRig;

class tst_pages_sensor : public QObject
{
    Q_OBJECT
private slots:
    void dpiChoiceSendsCodesAndFixedColourPacksIds();
    void fiveStagesAndFreeRgbIndicator();
    void storedEdgesResetAndApply();
};

// Eight stages, eight-colour indicator (the simulated mouse's default answers).
void tst_pages_sensor::dpiChoiceSendsCodesAndFixedColourPacksIds()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    QVariant heldInProfile;
    run.scenario = [&](Scene &scene) {
        QQuickItem *page = scene.openPage(QStringLiteral("SENSOR"), QStringLiteral("_Page_Sensor"));
        QVERIFY(page);
        QCOMPARE(page->property("dpiMAXStage").toInt(), 8);
        QVERIFY(page->property("isLogoLedWork").toBool());
        QQuickItem *dpi = findItem(page, QStringLiteral("dpiGroup"));
        QQuickItem *menu = findItem(dpi, QStringLiteral("menu"));
        QVERIFY(dpi && menu);
        // Stored values and stage 2 of the factory profile.
        QCOMPARE(toInts(dpi->property("valueForIndex")), (QList<int>{800, 1600, 2000, 3200, 6400, 0, 0, 0}));
        QCOMPARE(dpi->property("currentIndex").toInt(), 1);
        sim::clearReceived();

        // Stage 2, the current one, switched off ("×"): code 0x80, the others are hundreds
        // of DPI; the current stage moves to the nearest stage that is on (the lower one of
        // two as near) and the mouse and the profile follow at once.
        QQuickItem *cell1 = findItem(dpi, QStringLiteral("cell1"));
        QVERIFY(scene.click(findItem(cell1, QStringLiteral("arrowArea"))));
        QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000));
        QVERIFY(page->z() > 0);   // the open menu lifts the page above its siblings
        QVERIFY(scene.click(findItem(menu, QStringLiteral("menuEntry0"))));
        QVERIFY(waitForCommands(0x11, 1));
        Command c = commandsWithCode(0x11).last();
        QCOMPARE(int(c.p(1)), 8);
        QCOMPARE(int(c.p(2)), 8);
        QCOMPARE(c.bulk.left(8), bytes({8, 0x80, 20, 32, 64, 0x80, 0x80, 0x80}));
        QCOMPARE(findItem(cell1, QStringLiteral("valueText"))->property("text").toString(), QStringLiteral("×"));
        // MouseArea's own switch, not the item's inherited one.
        QVERIFY(!findItem(cell1, QStringLiteral("cellArea"))->property("enabled").toBool());
        QVERIFY(waitForCommands(0x0B, 1));
        QCOMPARE(int(commandsWithCode(0x0B).last().p(1)), 1);
        QCOMPARE(dpi->property("currentIndex").toInt(), 0);
        QCOMPARE(scene.view->ui_8BH_GetCurrentDPIStage().toInt(), 1);
        QVERIFY(commandCodes().lastIndexOf(0x11) < commandCodes().lastIndexOf(0x0B));   // stages first

        // The largest menu value on stage 6.
        QVERIFY(QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000));
        QVERIFY(scene.click(findItem(findItem(dpi, QStringLiteral("cell5")), QStringLiteral("arrowArea"))));
        QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000));
        QVERIFY(scene.click(findItem(menu, QStringLiteral("menuEntry17"))));
        QVERIFY(waitForCommands(0x11, 2));
        QCOMPARE(commandsWithCode(0x11).last().bulk.left(8), bytes({8, 0x80, 20, 32, 64, 120, 0x80, 0x80}));
        QCOMPARE(sim::mouseSnapshot().dpiSet[5], uint8_t(120));
        heldInProfile = scene.view->ui_91H_GetDPISet();

        // An open value menu goes away on a press elsewhere in the window; the control
        // pressed still takes the click.
        QVERIFY(QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000));
        QVERIFY(scene.click(findItem(findItem(dpi, QStringLiteral("cell6")), QStringLiteral("arrowArea"))));
        QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000));
        QQuickItem *cursorStrip = findItem(findItem(page, QStringLiteral("cursorSlider")), QStringLiteral("strip"));
        QVERIFY(scene.clickAt(cursorStrip, 1, cursorStrip->height() / 2));
        QVERIFY(QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000));
        QCOMPARE(dpi->property("currentMenuIndex").toInt(), -1);
        QCOMPARE(findItem(page, QStringLiteral("cursorSlider"))->property("currentIndex").toInt(), 0);

        // Eight-colour mode: the fixed strip instead of bar and fields; stage 2 takes colour 7.
        QQuickItem *indicator = findItem(page, QStringLiteral("indicatorGroup"));
        QVERIFY(findItem(page, QStringLiteral("fixedColors"))->isVisible());
        QVERIFY(!findItem(indicator, QStringLiteral("colorBar"))->isVisible());
        QVERIFY(!findItem(indicator, QStringLiteral("rgbFields"))->isVisible());
        QCOMPARE(indicator->property("currentIndex").toInt(), 0);   // follows the moved stage
        QVERIFY(scene.click(findItem(page, QStringLiteral("fixedColor7"))));
        QVERIFY(waitForCommands(0x10, 1));
        c = commandsWithCode(0x10).last();
        QCOMPARE(int(c.p(1)), 2);
        QCOMPARE(int(c.p(2)), 4);
        // Factory ids 0,2,1,3,5,4,6,7 with stage 1 now 7, two per byte, low nibble first.
        QCOMPARE(c.bulk.left(4), bytes({0x27, 0x31, 0x45, 0x76}));
        QCOMPARE(commandsWithCode(0x0B).size(), 1);   // a chosen stage waits for apply
    };
    run.start();
    QVERIFY(run.scenarioDone);
    if (QTest::currentTestFailed())
        return;

    const QList<int> expected{800, 0, 2000, 3200, 6400, 12000, 0, 0};
    QCOMPARE(toInts(heldInProfile), expected);
    QSettings p1(run.folder + QStringLiteral("/modules/setting/p1.bin"), QSettings::IniFormat);
    QCOMPARE(toInts(p1.value(DiskLayout::Key::kDpi)), expected);
    QCOMPARE(toInts(p1.value(QStringLiteral("color_R5/type2"))), (QList<int>{7, 2, 1, 3, 5, 4, 6, 7}));
    QCOMPARE(p1.value(DiskLayout::Key::kDpiStage).toInt(), 1);
}

// A device with five stages and a free-RGB indicator light.
void tst_pages_sensor::fiveStagesAndFreeRgbIndicator()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    sim::mouse().dpiMaxStage = 5;
    sim::mouse().ledInstruct[1] = 1;   // the logo light instruction says: no fixed colours
    run.scenario = [&](Scene &scene) {
        QQuickItem *page = scene.openPage(QStringLiteral("SENSOR"), QStringLiteral("_Page_Sensor"));
        QVERIFY(page);
        QCOMPARE(page->property("dpiMAXStage").toInt(), 5);
        QVERIFY(!page->property("isLogoLedWork").toBool());
        QQuickItem *dpi = findItem(page, QStringLiteral("dpiGroup"));
        QQuickItem *indicator = findItem(page, QStringLiteral("indicatorGroup"));
        QVERIFY(dpi && indicator);

        for (int i = 0; i < 8; ++i) {
            QCOMPARE(findItem(dpi, QStringLiteral("cell%1").arg(i))->isVisible(), i < 5);
            QCOMPARE(findItem(indicator, QStringLiteral("stage%1").arg(i))->isVisible(), i < 5);
        }
        // Clicks where stages 6 and 8 would be change nothing in either group.
        const int dpiBefore = dpi->property("currentIndex").toInt();
        const int indicatorBefore = indicator->property("currentIndex").toInt();
        QVERIFY(scene.clickAt(dpi, 80 + 38, 27 + 9));
        QVERIFY(scene.clickAt(dpi, 234 + 38, 27 + 9));
        QVERIFY(scene.clickAt(indicator, 3 + 77 + 38, 8 + 19 + 9));
        QVERIFY(scene.clickAt(indicator, 3 + 3 * 77 + 38, 8 + 19 + 9));
        QCOMPARE(dpi->property("currentIndex").toInt(), dpiBefore);
        QCOMPARE(indicator->property("currentIndex").toInt(), indicatorBefore);
        // ... while a visible stage still answers.
        QVERIFY(scene.clickAt(dpi, 3 + 38, 27 + 9));
        QCOMPARE(dpi->property("currentIndex").toInt(), 4);
        QCOMPARE(indicator->property("currentIndex").toInt(), 4);

        // Free RGB: selecting a stage sends nothing; a committed R entry sends all 24 bytes.
        QVERIFY(findItem(indicator, QStringLiteral("colorBar"))->isVisible());
        QVERIFY(!findItem(page, QStringLiteral("fixedColors"))->isVisible());
        sim::clearReceived();
        QVERIFY(scene.click(findItem(indicator, QStringLiteral("stage1"))));
        QCOMPARE(indicator->property("currentIndex").toInt(), 1);
        QQuickItem *rField = findItem(indicator, QStringLiteral("rField"));
        QCOMPARE(rField->property("text").toString(), QStringLiteral("0"));
        QVERIFY(scene.click(rField));
        QVERIFY(rField->hasActiveFocus());
        scene.typeKeys(QStringLiteral("17"));
        QVERIFY(waitForCommands(0x10, 1));
        const QList<Command> sent = commandsWithCode(0x10);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(int(sent[0].p(1)), 1);
        QCOMPARE(int(sent[0].p(2)), 24);
        // Factory stage colours of the indicator with stage 2 now (17, 0, 255).
        QCOMPARE(sent[0].bulk.left(24), bytes({255, 0, 0, 17, 0, 255, 0, 255, 0, 255, 0, 255, 255, 255, 0, 0,
                                               255, 255, 255, 255, 255, 255, 127, 0}));

        // A DPI edit carries the device's stage count.
        QQuickItem *menu = findItem(dpi, QStringLiteral("menu"));
        QVERIFY(scene.click(findItem(findItem(dpi, QStringLiteral("cell0")), QStringLiteral("arrowArea"))));
        QVERIFY(QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1.0; }, 3000));
        QVERIFY(scene.click(findItem(menu, QStringLiteral("menuEntry1"))));
        QVERIFY(waitForCommands(0x11, 1));
        const Command c = commandsWithCode(0x11).last();
        QCOMPARE(int(c.p(1)), 5);
        QCOMPARE(c.bulk.left(8), bytes({6, 16, 20, 32, 64, 0x80, 0x80, 0x80}));
    };
    run.start();
    QVERIFY(run.scenarioDone);
}

// Stage 0 and report rate 0 in profile 1, stage 9 in profile 2; reset and apply.
void tst_pages_sensor::storedEdgesResetAndApply()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    {
        QSettings p1(run.folder + QStringLiteral("/modules/setting/p1.bin"), QSettings::IniFormat);
        p1.setValue(DiskLayout::Key::kDpiStage, 0);
        p1.setValue(DiskLayout::Key::kReportRate, 0);
        p1.setValue(DiskLayout::Key::kCursorSpeed, 3);
        QSettings p2(run.folder + QStringLiteral("/modules/setting/p2.bin"), QSettings::IniFormat);
        p2.setValue(DiskLayout::Key::kDpiStage, 9);
    }
    run.scenario = [&](Scene &scene) {
        QQuickItem *page = scene.openPage(QStringLiteral("SENSOR"), QStringLiteral("_Page_Sensor"));
        QVERIFY(page);
        QQuickItem *dpi = findItem(page, QStringLiteral("dpiGroup"));
        QQuickItem *indicator = findItem(page, QStringLiteral("indicatorGroup"));
        QQuickItem *rate = findItem(page, QStringLiteral("rateGroup"));
        QQuickItem *cursor = findItem(page, QStringLiteral("cursorSlider"));
        QVERIFY(dpi && indicator && rate && cursor);
        QCOMPARE(dpi->property("currentIndex").toInt(), 0);
        QCOMPARE(indicator->property("currentIndex").toInt(), 0);
        // Rate byte 0 is "1000 Hz"; the control itself stays hidden.
        QCOMPARE(rate->property("currentIndex").toInt(), 3);
        QCOMPARE(rate->property("valueForIndex").toList().value(3).toString(), QStringLiteral("1000 Hz"));
        QVERIFY(!rate->isVisible());
        QCOMPARE(cursor->property("currentIndex").toInt(), 3);

        // Moving a slider alone and then reset: the screen changes, the host does not.
        QQuickItem *strip = findItem(cursor, QStringLiteral("strip"));
        QVERIFY(scene.clickAt(strip, strip->width() - 1, strip->height() / 2));
        QCOMPARE(cursor->property("currentIndex").toInt(), 10);
        sim::clearReceived();
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnDefault"))));
        QCOMPARE(cursor->property("currentIndex").toInt(), 5);
        QCOMPARE(rate->property("currentIndex").toInt(), 2);
        QCOMPARE(dpi->property("currentIndex").toInt(), 1);
        QCOMPARE(indicator->property("currentIndex").toInt(), 0);   // keeps its own stage
        QVERIFY(waitForCommands(0x10, 1));
        QVERIFY(waitForCommands(0x11, 1));
        QCOMPARE(commandsWithCode(0x11).last().bulk.left(8), bytes({8, 16, 20, 32, 64, 0x80, 0x80, 0x80}));
        QCOMPARE(int(commandsWithCode(0x10).last().p(1)), 2);
        QVERIFY(commandsWithCode(0x01).isEmpty());
        QVERIFY(commandsWithCode(0x0B).isEmpty());
        QVERIFY(run.pointer->calls.isEmpty());

        // Apply: report rate, the three host settings, the current stage (counted from 1).
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnApply"))));
        QVERIFY(waitForCommands(0x0B, 1));
        QCOMPARE(int(commandsWithCode(0x01).last().p(1)), 0x02);
        QCOMPARE(int(commandsWithCode(0x0B).last().p(1)), 2);
        QCOMPARE(run.pointer->calls.size(), 3);
        QCOMPARE(run.pointer->calls[0].op, QStringLiteral("setMouseSpeed"));
        QCOMPARE(run.pointer->calls[0].args, QList<int>{10});
        QCOMPARE(run.pointer->calls[1].op, QStringLiteral("setWheelScrollLines"));
        QCOMPARE(run.pointer->calls[1].args, QList<int>{3});
        QCOMPARE(run.pointer->calls[2].op, QStringLiteral("setDoubleClickTime"));
        QCOMPARE(run.pointer->calls[2].args, QList<int>{550});
        QCOMPARE(scene.view->getCursorSpeed(), 5u);

        // Profile 2 holds stage 9, read as the last cell; that stage is off, so the nearest
        // stage that is on (stage 5) is shown as current.
        QVERIFY(scene.click(findText(scene.item(QStringLiteral("_Menu_Prof")), QStringLiteral("P02"))));
        QVERIFY(QTest::qWaitFor([&] { return dpi->property("currentIndex").toInt() == 4; }, 3000));
        QCOMPARE(indicator->property("currentIndex").toInt(), 4);
        QCOMPARE(cursor->property("currentIndex").toInt(), 5);
    };
    run.start();
    QVERIFY(run.scenarioDone);
}

QTEST_MAIN(tst_pages_sensor)
#include "tst_pages_sensor.moc"
