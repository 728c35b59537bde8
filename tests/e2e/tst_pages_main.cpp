// SPDX-License-Identifier: MIT
// Mouse view against the simulated mouse: page switching through the function menu,
// profile switches and the profile context menu, the menus' enabled states, language
// and skin.
#include "SceneRig.h"

using namespace SceneRig;

namespace {
int curID(const Scene &s) { return s.prop(QStringLiteral("_fkPage"), "curID").toInt(); }
int currentProfile(const Scene &s) { return s.prop(QStringLiteral("_Menu_Prof"), "currentIndex").toInt(); }

// Right click on profile entry i, then the context menu entry `action`.
bool profileMenu(const Scene &s, int i, const char *action)
{
    QQuickItem *menu = s.item(QStringLiteral("profileMenu"));
    if (!s.click(s.item(QStringLiteral("profile%1").arg(i)), Qt::RightButton))
        return false;
    if (!QTest::qWaitFor([&] { return menu->isVisible() && menu->opacity() == 1; }, 3000))
        return false;
    return s.click(s.item(QStringLiteral("profileMenu_") + QLatin1String(action)))
        && QTest::qWaitFor([&] { return !menu->isVisible(); }, 3000);
}

bool showsKey(const Scene &s, int usage)
{
    return s.current(QStringLiteral("_menu_function")) == 0
        && s.prop(QStringLiteral("_input_keyboard"), "tmpKeycodeUSB").toInt() == usage;
}
} // namespace

class tst_pages_main : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    // No page at start; a click opens a page, a second click on it closes it; a click
    // during a slide-out finishes it and opens the page clicked last; a click during a
    // slide-in shows the new page at once.
    void pageSwitching()
    {
        run.prepare(2);
        run.scenario = [&](Scene &s) {
            QCOMPARE(s.prop("_Menu_Func", "currentIndex").toInt(), -1);
            QCOMPARE(curID(s), -1);
            for (const char *page : {"_Page_Keydefine", "_Page_Macro", "_Page_Color", "_Page_Sensor", "_Page_pressGun"})
                QVERIFY2(!s.item(page)->isVisible(), page);
            QCOMPARE(s.prop("fnCaption4", "text").toString(), QString("PRESS GUN"));

            QVERIFY(s.openPage(0));
            QVERIFY(s.item("_Page_Keydefine")->isVisible());
            QVERIFY(s.click("fnButton0"));                                  // the open page's entry closes it
            QCOMPARE(s.prop("_Menu_Func", "currentIndex").toInt(), -1);
            QVERIFY(QTest::qWaitFor([&] { return curID(s) == -1; }, 3000));
            QVERIFY(!s.item("_Page_Keydefine")->isVisible());

            // Slow animations, so that clicks land in the middle of a slide.
            s.item("_Page_Globalsetting")->setProperty("_AnimationSpeed", 4000);
            QVERIFY(s.click("fnButton2"));
            QCOMPARE(curID(s), 2);
            QVERIFY(QTest::qWaitFor([&] { return s.pageShown(2); }, 5000));
            QVERIFY(s.click("fnButton3"));                                  // slide-out of page 2 starts
            QTest::qWait(200);
            QVERIFY(s.prop("_fkPage", "contentX").toReal() < 0);
            QCOMPARE(curID(s), 2);
            QVERIFY(s.click("fnButton4"));                                  // ... finished at once
            QCOMPARE(curID(s), 4);
            QCOMPARE(s.prop("_Menu_Func", "currentIndex").toInt(), 4);
            QVERIFY(s.item("_Page_pressGun")->isVisible());
            QTest::qWait(200);
            QVERIFY(s.prop("_fkPage", "contentX").toReal() < 0);           // sliding in
            QVERIFY(s.click("fnButton1"));                                  // during the slide-in
            QCOMPARE(curID(s), 1);
            QCOMPARE(s.prop("_fkPage", "contentX").toReal(), 0.0);
            QVERIFY(s.item("_Page_Macro")->isVisible());
            s.item("_Page_Globalsetting")->setProperty("_AnimationSpeed", 10);
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // A profile switch re-reads the key page from the new profile and restarts the mouse
    // on matrix 0; the context menu reloads the page only for the current profile.
    void profileSwitchAndContextMenu()
    {
        run.prepare(2);
        writeKeydefine(run.folder, 2, 9, {0, 0, 0x05, 0});   // P02: key 9 types B
        writeKeydefine(run.folder, 3, 9, {0, 0, 0x07, 0});   // P03: key 9 types D
        const QString imported = run.folder + "/imported.pf";
        QVERIFY(QFile::copy(run.folder + "/modules/setting/pD.bin", imported));
        {
            QSettings pf(imported, QSettings::IniFormat);
            pf.setValue("keydefine_R5/9", QVariantList{0, 0, 0x06, 0});   // C
        }
        const QString exported = run.folder + "/exported.pf";
        run.dialogs = [&](const DialogRequest &r) {
            DialogAnswer a;
            if (r.kind == DialogRequest::OpenFile)
                a.fileName = imported;
            else if (r.kind == DialogRequest::SaveFile)
                a.fileName = exported;
            return a;
        };
        run.scenario = [&](Scene &s) {
            QVERIFY(s.openPage(0));
            QVERIFY(s.choose("_menu_matrix", keyListIndex(9)));
            QCOMPARE(s.current("_menu_function"), 2);
            sim::clearReceived();

            QVERIFY(s.click("profile1"));
            QCOMPARE(currentProfile(s), 1);
            QVERIFY(showsKey(s, 0x05));
            QVERIFY(QTest::qWaitFor([] { return commandCodes().contains(0x02); }, 3000));
            QCOMPARE(sim::mouseSnapshot().profile, uchar(0));
            const int switches = commandCodes().count(0x02);
            QVERIFY(s.click("profile1"));                           // the current one: nothing
            QTest::qWait(100);
            QCOMPARE(commandCodes().count(0x02), switches);

            // Apply writes the new profile only.
            QVERIFY(s.click("btnKeyApply"));
            QVERIFY(QTest::qWaitFor([] { return deviceMatrix(0).mid(36, 4) == bytes({0, 0, 5, 0}); }, 3000));
            QCOMPARE(storedKeydefine(1, 9), (QList<int>{3, 0, 0x8A, 1}));

            // RESET of another profile changes its file but not the page.
            QVERIFY(profileMenu(s, 2, "reset"));
            QVERIFY(showsKey(s, 0x05));
            QCOMPARE(storedKeydefine(3, 9), (QList<int>{3, 0, 0x8A, 1}));
            // LOAD into the current profile reloads the page.
            QVERIFY(profileMenu(s, 1, "load"));
            QVERIFY(showsKey(s, 0x06));
            QCOMPARE(storedKeydefine(2, 9), (QList<int>{0, 0, 6, 0}));
            // SAVE exports the profile file as it is.
            QVERIFY(profileMenu(s, 0, "save"));
            QVERIFY(QFile::exists(exported));
            // RESET of the current profile brings the factory record back on the page.
            QVERIFY(profileMenu(s, 1, "reset"));
            QCOMPARE(s.current("_menu_function"), 2);
            QCOMPARE(s.record(9), (QList<int>{3, 0, 0x8A, 1}));
            QVERIFY(profileMenu(s, 1, "cancel"));
            QCOMPARE(currentProfile(s), 1);
        };
        run.start();
        QVERIFY(run.scenarioDone);
        if (QTest::currentTestFailed())
            return;
        QSettings exportedFile(exported, QSettings::IniFormat);
        QCOMPARE(toInts(exportedFile.value("keydefine_R5/9")), (QList<int>{3, 0, 0x8A, 1}));
    }

    // The profile menu is off while the macro page is shown, and every menu while the
    // settings drawer is open.
    void menusDisabledWhereTheyMustNotAct()
    {
        run.prepare(2);
        run.scenario = [&](Scene &s) {
            QQuickItem *prof = s.item("_Menu_Prof");
            QVERIFY(prof->isEnabled());
            QVERIFY(s.openPage(1));
            QVERIFY(!prof->isEnabled());
            QCOMPARE(prof->opacity(), 0.2);
            QVERIFY(s.click("profile3"));
            QCOMPARE(currentProfile(s), 0);
            QVERIFY(s.openPage(0));
            QVERIFY(prof->isEnabled());
            QCOMPARE(prof->opacity(), 1.0);

            s.item("upItem")->setProperty("isGlobalSettingSelect", true);
            QVERIFY(!prof->isEnabled());
            QVERIFY(!s.item("_Menu_Func")->isEnabled());
            QVERIFY(!s.item("_fkPage")->isEnabled());
            s.item("upItem")->setProperty("isGlobalSettingSelect", false);
            QVERIFY(QTest::qWaitFor([&] { return !s.item("_fkGlobalsetting")->isVisible(); }, 3000));
            QVERIFY(s.item("_Menu_Func")->isEnabled());
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }

    // In Chinese the key chooser lists the translated key names and selects entry 3;
    // a skin change re-points the function menu's icons, the open page's icon lit.
    void languageAndSkin()
    {
        run.prepare(0);
        run.scenario = [&](Scene &s) {
            QCOMPARE(s.prop("fnCaption0", "text").toString(), QString::fromUtf8("按键"));
            QVERIFY(s.openPage(0));
            QQuickItem *chooser = s.item("_menu_matrix");
            QCOMPARE(s.current("_menu_matrix"), 3);
            QCOMPARE(findItem(chooser, "headText")->property("text").toString(), QString::fromUtf8("前进键"));
            QCOMPARE(toInts(s.prop("_Page_Keydefine", "mapping_for_keyId")),
                     (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 14, 15}));
            QCOMPARE(s.prop("fnIcon0", "source").toUrl().toString(), QString("file:modules/img/skin1/list_fn/fnKeydefine_1.png"));
            QCOMPARE(s.prop("fnIcon4", "source").toUrl().toString(), QString("file:modules/img/skin1/list_fn/fnPressGun_0.png"));
            s.item("_Page_Globalsetting")->setProperty("skin_No", 2);
            QMetaObject::invokeMethod(s.root, "setSkin");
            QCOMPARE(s.prop("fnIcon0", "source").toUrl().toString(), QString("file:modules/img/skin2/list_fn/fnKeydefine_1.png"));
            QCOMPARE(s.prop("fnIcon1", "source").toUrl().toString(), QString("file:modules/img/skin2/list_fn/fnMacro_0.png"));
        };
        run.start();
        QVERIFY(run.scenarioDone);
    }
};

QTEST_MAIN(tst_pages_main)
#include "tst_pages_main.moc"
