// SPDX-License-Identifier: MIT
// The colour page in the real program against the simulated mouse: which controls each
// effect enables, the brightness and speed bytes of apply, light off, colour edits,
// reset, and the light on/off state surviving a restart beside the effect triple.
#include "SceneRig.h"

using namespace SceneRig;

namespace {

QQuickItem *openColorPage(const Scene &scene)
{
    return scene.openPage(QStringLiteral("COLOR"), QStringLiteral("_Page_Color"));
}

// Releases on the far left (step 0) or far right (last step) of a slider.
bool setSliderEnd(const Scene &scene, QQuickItem *slider, bool right)
{
    QQuickItem *strip = findItem(slider, QStringLiteral("strip"));
    return strip && scene.clickAt(strip, right ? strip->width() - 1 : 0, strip->height() / 2);
}

bool applyAndWait(const Scene &scene, QQuickItem *page, int expected0D)
{
    return scene.click(findItem(page, QStringLiteral("btnApply"))) && waitForCommands(0x0D, expected0D);
}

QByteArray effectBytes(const Command &c)
{
    return bytes({c.p(1), c.p(2), c.p(3)});
}

const QByteArray factoryColors = bytes({255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 0, 255,
                                        255, 255, 0, 0, 255, 255, 255, 255, 255, 0, 0, 0});

} // namespace

class tst_pages_color : public QObject
{
    Q_OBJECT
private slots:
    void ledSlotsFollowTheTable();
    void effectOptionsLightOffColoursAndReset();
    void staticLightSurvivesRestart();
};

// The two light slots were added after the fixed table of 91; the table keeps its order.
void tst_pages_color::ledSlotsFollowTheTable()
{
    const QMetaObject &mo = myQQuickView::staticMetaObject;
    const int first = mo.indexOfSlot("syncFW()");
    const int last = mo.indexOfSlot("ui_93H_GetMacroKey(uchar)");
    QVERIFY(first >= 0);
    QCOMPARE(last - first, 90);
    QCOMPARE(mo.indexOfSlot("getLedPowerOn()"), last + 1);
    QCOMPARE(mo.indexOfSlot("getDefaultLedPowerOn()"), last + 2);
}

void tst_pages_color::effectOptionsLightOffColoursAndReset()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    run.scenario = [&](Scene &scene) {
        QQuickItem *page = openColorPage(scene);
        QVERIFY(page);
        QQuickItem *power = findItem(page, QStringLiteral("ledPowerCheck"));
        QQuickItem *effects = findItem(page, QStringLiteral("effectList"));
        QQuickItem *speed = findItem(page, QStringLiteral("speedSlider"));
        QQuickItem *brightness = findItem(page, QStringLiteral("brightnessSlider"));
        QQuickItem *group = findItem(page, QStringLiteral("colorGroup"));
        QVERIFY(power && effects && speed && brightness && group);

        // Factory triple [2, 7, 4]: BREATHING uses speed and colours, not brightness.
        QVERIFY(power->property("isSelect").toBool());
        QCOMPARE(effects->property("defaultIndex").toInt(), 2);
        QCOMPARE(speed->property("currentIndex").toInt(), 4);
        QCOMPARE(brightness->property("currentIndex").toInt(), 7);
        QVERIFY(speed->isEnabled() && group->isEnabled() && !brightness->isEnabled());
        QCOMPARE(brightness->opacity(), 0.2);

        // WAVE (byte 5): speed and brightness, no stage colours.
        QVERIFY(scene.choose(effects, 4));
        QVERIFY(speed->isEnabled() && brightness->isEnabled() && !group->isEnabled());
        sim::clearReceived();
        QVERIFY(setSliderEnd(scene, speed, true));
        QVERIFY(setSliderEnd(scene, brightness, true));
        QVERIFY(commandsWithCode(0x0D).isEmpty());   // effects wait for apply
        QVERIFY(applyAndWait(scene, page, 1));
        QCOMPARE(effectBytes(commandsWithCode(0x0D).last()), bytes({5, 255, 1}));

        QVERIFY(setSliderEnd(scene, speed, false));
        QVERIFY(setSliderEnd(scene, brightness, false));
        QVERIFY(applyAndWait(scene, page, 2));
        QCOMPARE(effectBytes(commandsWithCode(0x0D).last()), bytes({5, 0, 10}));
        QCOMPARE(toInts(scene.view->ui_8DH_GetRGBLedEffect()), (QList<int>{4, 0, 0}));

        // Light off: effect 0 with both options 0, the triple of the current choices kept.
        QVERIFY(scene.click(power));
        QVERIFY(!power->property("isSelect").toBool());
        QVERIFY(!effects->isEnabled() && !speed->isEnabled() && !brightness->isEnabled() && !group->isEnabled());
        QVERIFY(applyAndWait(scene, page, 3));
        QCOMPARE(effectBytes(commandsWithCode(0x0D).last()), bytes({0, 0, 0}));
        QCOMPARE(toInts(scene.view->ui_8DH_GetRGBLedEffect()), (QList<int>{4, 0, 0}));
        QCOMPARE(scene.view->getLedPowerOn(), QVariant(false));
        const auto store = sim::mouseSnapshot();
        QCOMPARE(int(store.effect[0]), 0);

        // STATIC (byte 1) uses colours: picking a stage sends nothing, the bar sends all 24.
        QVERIFY(scene.click(power));
        QVERIFY(scene.choose(effects, 0));
        QVERIFY(group->isEnabled() && brightness->isEnabled() && !speed->isEnabled());
        sim::clearReceived();
        QVERIFY(scene.click(findItem(group, QStringLiteral("stage2"))));
        QCOMPARE(group->property("currentIndex").toInt(), 2);
        QCOMPARE(findItem(group, QStringLiteral("gField"))->property("text").toString(), QStringLiteral("255"));
        scene.settle();
        QVERIFY(commandsWithCode(0x10).isEmpty());
        // Row 6 of the 48-row bar: 6 / 47 / 0.125 = 1.02 is the red-to-yellow ramp, (255, 5, 0).
        QVERIFY(scene.clickAt(findItem(group, QStringLiteral("colorBar")), 100, 6));
        QVERIFY(waitForCommands(0x10, 1));
        Command c = commandsWithCode(0x10).last();
        QCOMPARE(int(c.p(1)), 0);
        QCOMPARE(int(c.p(2)), 24);
        QByteArray expected = factoryColors;
        expected.replace(6, 3, bytes({255, 5, 0}));
        QCOMPARE(c.bulk.left(24), expected);
        QCOMPARE(findItem(group, QStringLiteral("gField"))->property("text").toString(), QStringLiteral("5"));
        // Typing into a field and dropping the focus by a press on the background (the bottom
        // strip beside its buttons; "ALL SAVE" sits at x 476) commits it.
        QQuickItem *bField = findItem(group, QStringLiteral("bField"));
        QVERIFY(scene.click(bField));
        QTest::keyClick(scene.view, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(scene.view, QStringLiteral("99"));
        QVERIFY(scene.clickAt(scene.item(QStringLiteral("dragArea")), 200, 575));
        QVERIFY(waitForCommands(0x10, 2));
        expected.replace(6, 3, bytes({255, 5, 99}));
        QCOMPARE(commandsWithCode(0x10).last().bulk.left(24), expected);

        // Reset: factory colours go out at once, the effect only on screen.
        sim::clearReceived();
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnDefault"))));
        QVERIFY(waitForCommands(0x10, 1));
        QCOMPARE(commandsWithCode(0x10).last().bulk.left(24), factoryColors);
        QVERIFY(power->property("isSelect").toBool());
        QCOMPARE(effects->property("defaultIndex").toInt(), 2);
        QCOMPARE(speed->property("currentIndex").toInt(), 4);
        QCOMPARE(brightness->property("currentIndex").toInt(), 7);
        QCOMPARE(findItem(group, QStringLiteral("bField"))->property("text").toString(), QStringLiteral("0"));
        scene.settle();
        QVERIFY(commandsWithCode(0x0D).isEmpty());
    };
    run.start();
    QVERIFY(run.scenarioDone);
}

// The triple alone cannot tell "STATIC" from off; the flag stored beside it can.
void tst_pages_color::staticLightSurvivesRestart()
{
    Run first;
    first.prepare();
    first.cutInterfaceLocks = true;
    const QString setting = first.folder + QStringLiteral("/modules/setting/");
    {
        // Profile 2 as written before the flag existed: index 0 reads as off.
        QSettings p2(setting + QStringLiteral("p2.bin"), QSettings::IniFormat);
        p2.setValue(QStringLiteral("color_R5/ledEffect"), ints({0, 7, 4}));
        p2.remove(QStringLiteral("color_R5/ledPower"));
    }
    first.scenario = [&](Scene &scene) {
        QVERIFY(!scene.view->getLedPowerOn().isValid());   // the shipped profile has no flag
        QQuickItem *page = openColorPage(scene);
        QVERIFY(page);
        QVERIFY(scene.choose(findItem(page, QStringLiteral("effectList")), 0));
        QVERIFY(findItem(page, QStringLiteral("ledPowerCheck"))->property("isSelect").toBool());
        QVERIFY(applyAndWait(scene, page, 1));
        QCOMPARE(effectBytes(commandsWithCode(0x0D).last()), bytes({1, 255, 0}));
    };
    first.start();
    QVERIFY(first.scenarioDone);
    if (QTest::currentTestFailed())
        return;
    {
        // The triple is stored exactly as before; the flag is a key of its own.
        QSettings p1(setting + QStringLiteral("p1.bin"), QSettings::IniFormat);
        QCOMPARE(p1.value(QStringLiteral("color_R5/ledEffect")).toStringList(),
                 QStringList({QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("4")}));
        QCOMPARE(p1.value(QStringLiteral("color_R5/ledPower")).toString(), QStringLiteral("true"));
    }

    sim::reset();
    Run second;
    second.folder = first.folder;
    second.cutInterfaceLocks = true;
    second.scenario = [&](Scene &scene) {
        QQuickItem *page = openColorPage(scene);
        QVERIFY(page);
        QQuickItem *power = findItem(page, QStringLiteral("ledPowerCheck"));
        QQuickItem *effects = findItem(page, QStringLiteral("effectList"));
        QVERIFY(power->property("isSelect").toBool());
        QCOMPARE(effects->property("defaultIndex").toInt(), 0);
        QVERIFY(effects->isEnabled());

        // An older profile without the flag falls back to the triple's rule.
        QVERIFY(scene.click(findText(scene.item(QStringLiteral("_Menu_Prof")), QStringLiteral("P02"))));
        QVERIFY(QTest::qWaitFor([&] { return !power->property("isSelect").toBool(); }, 3000));
        QCOMPARE(effects->property("defaultIndex").toInt(), 0);

        // Reset reads the factory profile's flag when it has one: here it says off although
        // the factory triple names BREATHING.
        QVERIFY(!scene.view->getDefaultLedPowerOn().isValid());
        {
            QSettings pd(setting + QStringLiteral("pD.bin"), QSettings::IniFormat);
            pd.setValue(QStringLiteral("color_R5/ledPower"), false);
        }
        QCOMPARE(scene.view->getDefaultLedPowerOn(), QVariant(false));
        power->setProperty("isSelect", true);
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnDefault"))));
        QVERIFY(!power->property("isSelect").toBool());
        QCOMPARE(effects->property("defaultIndex").toInt(), 2);
    };
    second.start();
    QVERIFY(second.scenarioDone);
}

QTEST_MAIN(tst_pages_color)
#include "tst_pages_color.moc"
