// SPDX-License-Identifier: MIT
// Host pointer settings: step-to-host mapping, profile keys, failure lines, acceleration,
// the application's own values, and the GNOME back end on an in-memory settings store.
#include "DiskLayout.h"
#include "PointerBackendFake.h"
#include "PointerBackendGnome.h"
#include "PointerBackendX11.h"
#include "PointerSettings.h"
#include "tst_files_support.h"
#include <QApplication>
#include <QtTest>
#ifdef R5_HAVE_GIO
#undef signals
#include <gio/gio.h>
#define signals Q_SIGNALS
#endif

class tst_files_pointer : public QObject
{
    Q_OBJECT
    FilesRig rig;
    std::shared_ptr<PointerBackendFake::State> host;

    void startWithFake()
    {
        rig.start();
        auto fake = std::make_unique<PointerBackendFake>();
        host = fake->state();
        rig.view->pointer->setBackend(std::move(fake));
    }
    QList<int> argsOf(const QString &op) const
    {
        QList<int> out;
        for (const auto &c : host->calls)
            if (c.op == op)
                out += c.args;
        return out;
    }

private slots:
    void initTestCase()
    {
        // Keep the GNOME back end away from the user's real settings.
        qputenv("GSETTINGS_BACKEND", "memory");
    }
    void cleanup() { rig.stop(); }

    void stepsMapToHostValues()
    {
        startWithFake();
        for (uint s : {0u, 1u, 5u, 10u})
            rig.view->setCursorSpeed(s);
        QCOMPARE(argsOf("setMouseSpeed"), QList<int>({1, 2, 10, 20}));
        for (uint s : {0u, 2u, 10u})
            rig.view->setVerticalScrollLines(s);
        QCOMPARE(argsOf("setWheelScrollLines"), QList<int>({1, 3, 11}));
        for (uint s : {0u, 5u, 10u})
            rig.view->setDoubleClickSpeed(s);
        QCOMPARE(argsOf("setDoubleClickTime"), QList<int>({900, 550, 200}));
    }

    void stepsBeyondTheSliderAreClampedForTheHostOnly()
    {
        startWithFake();
        rig.view->setDoubleClickSpeed(13);   // unclamped: 900 - 910 = -10 ms
        rig.view->setCursorSpeed(4000000000u);
        rig.view->setVerticalScrollLines(99);
        QCOMPARE(argsOf("setDoubleClickTime"), QList<int>({200}));
        QCOMPARE(argsOf("setMouseSpeed"), QList<int>({20}));
        QCOMPARE(argsOf("setWheelScrollLines"), QList<int>({11}));
        QCOMPARE(rig.view->getDoubleClickSpeed(), 13u);
        QCOMPARE(rig.view->getCursorSpeed(), 4000000000u);
    }

    void stepsLiveInTheCurrentProfile()
    {
        startWithFake();
        rig.view->files->currentProfile()->remove(DiskLayout::Key::kCursorSpeed);
        QCOMPARE(rig.view->getCursorSpeed(), 0u);
        QCOMPARE(rig.view->getVerticalScrollLines(), 2u);   // factory profile
        rig.view->setCursorSpeed(7);
        rig.view->setVerticalScrollLines(4);
        rig.view->setDoubleClickSpeed(9);
        rig.view->files->currentProfile()->sync();
        QSettings p1("./modules/setting/p1.bin", QSettings::IniFormat);
        QCOMPARE(p1.value(DiskLayout::Key::kCursorSpeed).toUInt(), 7u);
        QCOMPARE(p1.value(DiskLayout::Key::kScrollLines).toUInt(), 4u);
        QCOMPARE(p1.value(DiskLayout::Key::kDoubleClickSpeed).toUInt(), 9u);

        rig.view->ui_02H_SetCurrentProfile(3);
        QCOMPARE(rig.view->getCursorSpeed(), 5u);
        QCOMPARE(rig.view->getDoubleClickSpeed(), 5u);
    }

    void applicationTakesScrollLinesAndDoubleClickTime()
    {
        startWithFake();
        rig.view->setVerticalScrollLines(6);
        rig.view->setDoubleClickSpeed(2);
        QCOMPARE(QApplication::wheelScrollLines(), 7);
        QCOMPARE(QApplication::doubleClickInterval(), 760);
    }

    void refusedHostCallsLeaveDebugLinesAndTheStoredStep()
    {
        startWithFake();
        host->failing = QStringList({"setMouseSpeed", "setWheelScrollLines", "setDoubleClickTime"});
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        rig.view->setCursorSpeed(3);
        QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
        rig.view->setVerticalScrollLines(3);
        QTest::ignoreMessage(QtDebugMsg, "setDoubleClickSpeed Failed");
        rig.view->setDoubleClickSpeed(3);
        QCOMPARE(rig.view->getCursorSpeed(), 3u);
        QCOMPARE(rig.view->getVerticalScrollLines(), 3u);
        QCOMPARE(rig.view->getDoubleClickSpeed(), 3u);
    }

    void noBackEndAtAll()
    {
        rig.start();
        rig.view->pointer->setBackend(nullptr);
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        rig.view->setCursorSpeed(1);
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!rig.view->getAcceleration());
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        rig.view->setAcceleration(true);
        QCOMPARE(rig.view->getCursorSpeed(), 1u);
    }

    void accelerationKeepsThresholds()
    {
        startWithFake();
        host->mouse[0] = 3;
        host->mouse[1] = 17;
        host->mouse[2] = 0;
        QVERIFY(!rig.view->getAcceleration());
        rig.view->setAcceleration(true);
        QCOMPARE(argsOf("setMouse"), QList<int>({3, 17, 1}));
        QVERIFY(rig.view->getAcceleration());
        rig.view->setAcceleration(false);
        QCOMPARE(argsOf("setMouse"), QList<int>({3, 17, 1, 3, 17, 0}));
        QVERIFY(!rig.view->files->currentProfile()->allKeys().filter("ccel").size());

        host->failing = QStringList({"getMouse"});
        host->calls.clear();
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        rig.view->setAcceleration(true);
        QVERIFY(argsOf("setMouse").isEmpty());   // host unchanged when the read failed
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!rig.view->getAcceleration());

        host->failing = QStringList({"setMouse"});
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        rig.view->setAcceleration(true);
    }

    void gnomeSpeedScale()
    {
        QCOMPARE(gnomeSpeedForHostSpeed(1), -1.0);
        QCOMPARE(gnomeSpeedForHostSpeed(10), 0.0);
        QCOMPARE(gnomeSpeedForHostSpeed(20), 1.0);
        QCOMPARE(gnomeSpeedForHostSpeed(0), -1.0);
        QCOMPARE(gnomeSpeedForHostSpeed(40), 1.0);
        QVERIFY(gnomeSpeedForHostSpeed(4) < gnomeSpeedForHostSpeed(5));
    }

    void gnomeBackEndWritesTheDesktopKeys()
    {
#ifndef R5_HAVE_GIO
        QSKIP("built without gio");
#else
        std::unique_ptr<PointerBackend> gnome = createGnomePointerBackend();
        if (!gnome)
            QSKIP("org.gnome.desktop.peripherals.mouse is not installed");
        rig.start();
        rig.view->pointer->setBackend(std::move(gnome));
        rig.view->setCursorSpeed(0);
        rig.view->setDoubleClickSpeed(10);
        rig.view->setAcceleration(false);

        GSettings *s = g_settings_new("org.gnome.desktop.peripherals.mouse");
        QCOMPARE(g_settings_get_double(s, "speed"), -1.0);
        QCOMPARE(g_settings_get_int(s, "double-click"), 200);
        gchar *profile = g_settings_get_string(s, "accel-profile");
        QCOMPARE(QByteArray(profile), QByteArray("flat"));
        g_free(profile);
        QVERIFY(!rig.view->getAcceleration());
        rig.view->setAcceleration(true);
        QVERIFY(rig.view->getAcceleration());
        g_object_unref(s);
#endif
    }

    // Runs where an X display is reachable (for example under xvfb-run).
    void x11BackEndRoundTrip()
    {
        std::unique_ptr<PointerBackend> x11 = createX11PointerBackend();
        if (!x11)
            QSKIP("no X display");
        int saved[3] = {0, 0, 0};
        QVERIFY(x11->getMouse(saved));
        QVERIFY(x11->setMouseSpeed(20));
        const int on[3] = {5, 5, 1};
        QVERIFY(x11->setMouse(on));
        int now[3] = {0, 0, 0};
        QVERIFY(x11->getMouse(now));
        QCOMPARE(QList<int>({now[0], now[2]}), QList<int>({5, 1}));
        const int off[3] = {5, 5, 0};
        QVERIFY(x11->setMouse(off));
        QVERIFY(x11->getMouse(now));
        QCOMPARE(now[2], 0);
        QVERIFY(!x11->setDoubleClickTime(500));
        QVERIFY(x11->setMouse(saved));
    }
};

QTEST_MAIN(tst_files_pointer)
#include "tst_files_pointer.moc"
