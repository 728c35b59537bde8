// SPDX-License-Identifier: MIT
// The real program against the simulated mouse: the settings drawer switches the
// interface to Simplified Chinese, "save" stores the choice, and apConfig.bin holds it.
#include "DiskLayout.h"
#include "SceneRig.h"

using namespace SceneRig;

class tst_settings_language : public QObject
{
    Q_OBJECT
private slots:
    void chooseChineseAndSave();
};

void tst_settings_language::chooseChineseAndSave()
{
    Run run;
    run.prepare();
    QVERIFY2(QFile::exists(run.folder + QStringLiteral("/modules/img/skin1/common/slider_BASE.png")),
             "skin pictures missing from the run folder");
    const QString apConfig = DiskLayout::portable(run.folder).appSettingsPath();
    {
        QSettings s(apConfig, QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("common/total")).toInt(), 32);
        QCOMPARE(s.value(QStringLiteral("common/4")).toInt(), 2);   // ENGLISH
    }

    run.scenario = [&](Scene &s) {
        QQuickItem *up = s.item(QStringLiteral("upItem"));
        QQuickItem *drawer = s.item(QStringLiteral("_fkGlobalsetting"));
        // Looked up inside the settings page: the mouse pages reuse some names.
        QQuickItem *page = s.item(QStringLiteral("_Page_Globalsetting"));
        QQuickItem *langList = findItem(page, QStringLiteral("langList"));
        QQuickItem *save = findItem(page, QStringLiteral("btnSave"));
        QVERIFY2(up && drawer && langList && save, "shell items not found");
        QVERIFY2(QTest::qWaitFor([&] { return s.root->isVisible() && up->y() == 0; }, 15000),
                 "start-up animation did not finish");
        // Animations off keeps the start-up short; the page reads this back as text.
        QVERIFY2(s.root->property("animation_speed").toInt() == 10, "stored animation switch not applied");

        QVERIFY(s.click(QStringLiteral("btnGlobalSetting")));
        QVERIFY2(QTest::qWaitFor([&] { return drawer->isVisible() && drawer->property("contentX").toReal() == 0; }, 5000),
                 "settings drawer did not open");

        QVERIFY(s.click(findItem(langList, QStringLiteral("headArea"))));
        QVERIFY2(QTest::qWaitFor([&] { return langList->property("isSelect").toBool(); }, 5000),
                 "language list did not open");
        QQuickItem *chinese = findText(findItem(langList, QStringLiteral("listArea")), QStringLiteral("CHINESE (Simp)"));
        QVERIFY2(chinese, "CHINESE (Simp) not listed");
        QVERIFY(s.click(chinese));
        QVERIFY2(QTest::qWaitFor([&] { return !langList->property("isSelect").toBool(); }, 5000),
                 "language list did not close");
        const QStringList strings = s.root->property("globalSetting_stringList").toStringList();
        QVERIFY2(strings.size() == 163, "string table size changed");
        QVERIFY2(strings.value(142) == QStringLiteral("按键"), "added captions not translated");
        QVERIFY2(strings.value(113) == QStringLiteral("全部重置"), "captions not translated");
        QVERIFY2(strings.value(29) == QStringLiteral("语言"), "captions not translated");
        QVERIFY2(strings.value(150) == QStringLiteral("仅在本窗口获得焦点时捕获按键"), "capture note not translated");
        QVERIFY2(s.root->property("globalSetting_fontFamily").toString() == QStringLiteral("Noto Sans CJK SC"),
                 "language font not applied");

        QVERIFY(s.click(save));
        QVERIFY2(QTest::qWaitFor([&] { return !drawer->isVisible(); }, 5000), "save did not close the drawer");
        QVERIFY2(!up->property("isGlobalSettingSelect").toBool(), "settings button still selected");
    };
    run.start();
    QVERIFY(run.scenarioDone);
    if (QTest::currentTestFailed())
        return;

    // The file holds the whole vector with the new language position (0 in the sorted
    // list "CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH") and everything else unchanged.
    QSettings stored(apConfig, QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("common/total")).toInt(), 32);
    QCOMPARE(stored.value(QStringLiteral("common/4")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/0")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/1")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/2")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/3")).toInt(), 1);
    QCOMPARE(stored.value(QStringLiteral("common/5")).toString(), QStringLiteral("false"));
    QCOMPARE(stored.value(QStringLiteral("common/6")).toString(), QString());
    QCOMPARE(stored.value(QStringLiteral("common/7")).toInt(), 0);
    const int presets[21] = {0, 255, 255, 255, 200, 150, 255, 180, 0, 200, 200, 100,
                             200, 170, 255, 255, 180, 180, 160, 190, 160};
    for (int i = 0; i < 21; ++i)
        QCOMPARE(stored.value(QStringLiteral("common/%1").arg(8 + i)).toInt(), presets[i]);
    QCOMPARE(stored.value(QStringLiteral("common/29")).toInt(), 0);
    QCOMPARE(stored.value(QStringLiteral("common/30")).toInt(), 7);
    QCOMPARE(stored.value(QStringLiteral("common/31")).toString(), QStringLiteral("https://example.com/r5"));
    // Keys the page does not own are left alone.
    QCOMPARE(stored.value(QStringLiteral("common/name")).toString(), QStringLiteral("R5 Mouse Configurator"));
}

QTEST_MAIN(tst_settings_language)
#include "tst_settings_language.moc"
