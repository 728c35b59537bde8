// SPDX-License-Identifier: MIT
// The press-gun page in the real program against the simulated mouse: the gun grid, the
// built-in Y of "Default Value 1", the times cut under cursor return, fire-key tabs, the
// stored tables, and the key matrix re-sent before the press-gun commands.
#include "SceneRig.h"

using namespace SceneRig;

namespace {

QString fieldText(QQuickItem *valueInput)
{
    return findItem(valueInput, QStringLiteral("input"))->property("text").toString();
}

int lastIndexOfCode(const QList<Command> &list, uchar code)
{
    for (int i = list.size() - 1; i >= 0; --i)
        if (list[i].code() == code)
            return i;
    return -1;
}

} // namespace

class tst_pages_gun : public QObject
{
    Q_OBJECT
private slots:
    void systemValueUserValueAndApplyOrder();
};

void tst_pages_gun::systemValueUserValueAndApplyOrder()
{
    Run run;
    run.prepare();
    run.cutInterfaceLocks = true;
    run.scenario = [&](Scene &scene) {
        QQuickItem *page = scene.openPage(QStringLiteral("PRESS GUN"), QStringLiteral("_Page_pressGun"));
        QVERIFY(page);
        QQuickItem *grid = findItem(page, QStringLiteral("gunGrid"));
        QQuickItem *yInput = findItem(page, QStringLiteral("yInput"));
        QQuickItem *timesInput = findItem(page, QStringLiteral("timesInput"));
        QQuickItem *name = findItem(page, QStringLiteral("nameInput"));
        QVERIFY(grid && yInput && timesInput && name);
        // Fire key 1 of the shipped file: game 0, gun 0.
        QCOMPARE(page->property("gunNo").toInt(), 0);
        QCOMPARE(name->property("text").toString(), QStringLiteral("VECTOR"));
        QCOMPARE(fieldText(yInput), QStringLiteral("5"));

        // The grid button shows while the pointer is over the picture; a cell picks gun 10.
        QQuickItem *gunView = findItem(page, QStringLiteral("gunView"));
        QQuickItem *gridButton = findItem(page, QStringLiteral("btnGunList"));
        QVERIFY(!gridButton->isVisible());
        QTest::mouseMove(scene.view, gunView->mapToScene(QPointF(40, 40)).toPoint());
        QVERIFY(QTest::qWaitFor([&] { return gridButton->isVisible(); }, 3000));
        QVERIFY(scene.click(gridButton));
        QVERIFY(grid->isVisible());
        QVERIFY(scene.click(findItem(grid, QStringLiteral("gunCell9"))));
        QVERIFY(!grid->isVisible());
        QCOMPARE(page->property("gunNo").toInt(), 9);
        QVERIFY(findItem(page, QStringLiteral("gunPicture"))->property("source").toString().endsWith(
            QStringLiteral("/gun/0/9.png")));
        QCOMPARE(name->property("text").toString(), QString());
        QVERIFY(findItem(page, QStringLiteral("namePlaceholder"))->isVisible());

        // "Default Value 1": the Y field is masked and its content is not what is sent.
        QCOMPARE(findItem(yInput, QStringLiteral("input"))->property("echoMode").toInt(), 2);   // password
        QVERIFY(!timesInput->isEnabled());
        QVERIFY(scene.enter(yInput, QStringLiteral("3")));
        sim::clearReceived();
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnApply"))));
        QVERIFY(waitForCommands(0x04, 1));
        QList<Command> log = mouseCommands();
        Command c = log[lastIndexOfCode(log, 0x04)];
        QCOMPARE(int(c.p(1)), 1);    // cursor return
        QCOMPARE(int(c.p(2)), 1);    // times
        QCOMPARE(int(c.p(3)), 0);    // x
        QCOMPARE(int(c.p(4)), 40);   // the built-in Y of game 0, gun 9
        QCOMPARE(int(c.p(5)), 0);    // fire key 1
        // The key matrix goes out first; the press gun ends the apply with a read-modify-write
        // of the options and then 04H.
        const int n = log.size();
        QVERIFY(n >= 4);
        QCOMPARE(int(log[n - 3].code()), 0x83);
        QCOMPARE(int(log[n - 2].code()), 0x03);
        QCOMPARE(int(log[n - 1].code()), 0x04);
        const int lastMatrix = lastIndexOfCode(log, 0x12);
        QVERIFY(lastMatrix >= 0);
        QVERIFY(lastMatrix < n - 3);
        QCOMPARE(sim::mouseSnapshot().functionOption[3] & 0x08, 0x08);   // recoil on

        // "User Value": Y is shown and sent as entered; with cursor return times * Y <= 127.
        QVERIFY(scene.choose(findItem(page, QStringLiteral("sourceList")), 1));
        QCOMPARE(findItem(yInput, QStringLiteral("input"))->property("echoMode").toInt(), 0);
        QVERIFY(timesInput->isEnabled());
        QVERIFY(scene.enter(yInput, QStringLiteral("10")));
        QCOMPARE(findItem(page, QStringLiteral("rangeText"))->property("text").toString(), QStringLiteral("(0 - 12 )"));
        QVERIFY(scene.enter(timesInput, QStringLiteral("20")));
        QCOMPARE(fieldText(timesInput), QStringLiteral("12"));
        // A larger Y cuts the times already entered.
        QVERIFY(scene.enter(yInput, QStringLiteral("20")));
        QCOMPARE(fieldText(timesInput), QStringLiteral("6"));
        QVERIFY(scene.enter(yInput, QStringLiteral("10")));
        QVERIFY(scene.enter(timesInput, QStringLiteral("20")));
        sim::clearReceived();
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnApply"))));
        QVERIFY(waitForCommands(0x04, 1));
        c = commandsWithCode(0x04).last();
        QCOMPARE(int(c.p(2)), 12);
        QCOMPARE(int(c.p(4)), 10);

        // Fire key 2 loads its own gun; a new name is kept on Enter.
        QVERIFY(scene.click(findItem(page, QStringLiteral("fireKeyTab1"))));
        QCOMPARE(page->property("selectIndex").toInt(), 1);
        QCOMPARE(page->property("gunNo").toInt(), 1);
        QCOMPARE(name->property("text").toString(), QStringLiteral("MICRO"));
        QVERIFY(scene.enter(name, QStringLiteral("Scout")));
        sim::clearReceived();
        QVERIFY(scene.click(findItem(page, QStringLiteral("btnApply"))));
        QVERIFY(waitForCommands(0x04, 1));
        QCOMPARE(int(commandsWithCode(0x04).last().p(5)), 1);
        QCOMPARE(int(commandsWithCode(0x04).last().p(4)), 6);   // the record's own Y

        // Another game shows its own pictures.
        QVERIFY(scene.choose(findItem(page, QStringLiteral("gameList")), 2));
        QVERIFY(findItem(page, QStringLiteral("gunPicture"))->property("source").toString().endsWith(
            QStringLiteral("/gun/2/1.png")));
        QCOMPARE(name->property("text").toString(), QString());
    };
    run.start();
    QVERIFY(run.scenarioDone);
    if (QTest::currentTestFailed())
        return;

    const QString gun = run.folder + QStringLiteral("/modules/gun/");
    QSettings sel(gun + QStringLiteral("selGunData.bin"), QSettings::IniFormat);
    QCOMPARE(toInts(sel.value(QStringLiteral("gunData/0"))), (QList<int>{0, 9, 60, 20}));
    QCOMPARE(toInts(sel.value(QStringLiteral("gunData/1"))), (QList<int>{0, 1, 60, 20}));
    QSettings game0(gun + QStringLiteral("gunData0.bin"), QSettings::IniFormat);
    QCOMPARE(game0.value(QStringLiteral("gunData/9")).toStringList(),
             QStringList({"", "3", "0", "10", "12", "1", "1"}));
    QCOMPARE(game0.value(QStringLiteral("gunData/1")).toStringList().value(0), QStringLiteral("Scout"));
    QCOMPARE(game0.value(QStringLiteral("gunData/0")).toStringList().value(0), QStringLiteral("VECTOR"));
}

QTEST_MAIN(tst_pages_gun)
#include "tst_pages_gun.moc"
