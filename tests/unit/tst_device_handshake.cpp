// SPDX-License-Identifier: MIT
// The echo handshake against the simulated mouse: admitted, rejected for another code,
// no scrambling on either side, the demo word, and the time-seeded echo bytes.
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "SimControl.h"
#include "TestSupport.h"
#include <QDateTime>
#include <QtTest>

using namespace TestSupport;
using sim::Family;

namespace {
std::vector<sim::Received> echoes()
{
    std::vector<sim::Received> out;
    for (const sim::Received &r : sim::received(Family::Mouse))
        if (r.kind == sim::Received::Feature && r.block[0] == 0x00)
            out.push_back(r);
    return out;
}
}

class tst_DeviceHandshake : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir.reset(enterFreshSimulatedRun(false));
        writeApConfig({{"common/product_name", QStringList{"R4 Keyboard", "R5 Mouse"}}});
        window.reset(new OwnerWindow);
        window->setWindowTitle("R5");
        link.reset(new Hid_Thread);
        link->owner = window.get();
        bool encode = false;
        link->scanDevices(readCatalogue(&encode));
        encodeOn = encode;
    }
    void cleanup()
    {
        link.reset();
        window.reset();
    }

    void presentDeviceConnects()
    {
        DialogRecorder dialogs;
        DebugCapture capture;
        link->chkDeviceIsEnCode();
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Connect"});
        QVERIFY(deviceOk.load());
        QVERIFY(dialogs.requests.isEmpty());
        const std::vector<sim::Received> e = echoes();
        QCOMPARE(int(e.size()), 1);
        // Four drawn bytes, P5 and P6 zero, a valid checksum.
        QCOMPARE(e[0].block[5], uint8_t(0));
        QCOMPARE(e[0].block[6], uint8_t(0));
        QVERIFY(e[0].checksumOk);
        QTest::qWait(20);
        QCOMPARE(window->closes, 0);
    }

    void anotherCodeIsRejected()
    {
        sim::setSecrecyCode(Family::Mouse, "111111");
        DialogRecorder dialogs;
        DebugCapture capture;
        link->chkDeviceIsEnCode();
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QVERIFY(!deviceOk.load());
        QCOMPARE(dialogs.requests.size(), 1);
        QCOMPARE(dialogs.requests[0].caption, QString("R5"));
        QCOMPARE(dialogs.requests[0].text, QString("Can not detect R5 Mouse !"));
        QTRY_COMPARE(window->closes, 1);

        // The same code in the settings admits it.
        writeApConfig({{"common/sCode1", "111111"}});
        link->chkDeviceIsEnCode();
        QVERIFY(deviceOk.load());
        QCOMPARE(dialogs.requests.size(), 1);
    }

    void unscrambledOnBothSides()
    {
        encodeOn = false;
        sim::setScrambling(Family::Mouse, false);
        DebugCapture capture;
        link->chkDeviceIsEnCode();
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Connect"});
        const std::vector<sim::Received> e = echoes();
        QCOMPARE(int(e.size()), 1);
        QCOMPARE(e[0].wire.size(), size_t(9));
        QVERIFY(std::equal(e[0].block.begin(), e[0].block.end(), e[0].wire.begin() + 1));
    }

    void demoWordAfterAFailedEcho()
    {
        // The demo word is no code, so the all-zero code of a first start stays and fails.
        writeApConfig({{"common/sCode1", "m-corbel"}});
        DialogRecorder dialogs;
        DebugCapture capture;
        link->chkDeviceIsEnCode();
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QVERIFY(demoMode.load());
        QVERIFY(deviceOk.load());
        QVERIFY(!encodeOn.load());
        QVERIFY(dialogs.requests.isEmpty());

        // From now on nothing reaches the device, and every check lands in demo mode again.
        sim::clearReceived();
        link->hid_01H_SetReportRate(2);
        uchar rate = 0x31;
        link->hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x31));
        link->chkDeviceIsEnCode();
        QVERIFY(sim::received(Family::Mouse).empty());
        QVERIFY(demoMode.load());
        QVERIFY(deviceOk.load());
        QCOMPARE(DebugCapture::count("Device Error"), 2);
    }

    void passingEchoNeverEntersDemoMode()
    {
        setSecrecyCode(simulatedSecrecyCode());
        writeApConfig({{"common/sCode1", "m-corbel"}});
        DebugCapture capture;
        link->chkDeviceIsEnCode();
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Connect"});
        QVERIFY(!demoMode.load());
        QVERIFY(encodeOn.load());
    }

    void echoBytesFollowTheClockSecond()
    {
        // Two checks in the same second draw the same bytes; retried if a second boundary fell between.
        for (int attempt = 0; attempt < 5; ++attempt) {
            sim::clearReceived();
            const qint64 before = QDateTime::currentSecsSinceEpoch();
            link->chkDeviceIsEnCode();
            link->chkDeviceIsEnCode();
            if (QDateTime::currentSecsSinceEpoch() != before)
                continue;
            const std::vector<sim::Received> e = echoes();
            QCOMPARE(int(e.size()), 2);
            QCOMPARE(hexOf(e[0]), hexOf(e[1]));
            return;
        }
        QSKIP("the clock second changed during every attempt");
    }

private:
    static QByteArray hexOf(const sim::Received &r)
    {
        return QByteArray(reinterpret_cast<const char *>(r.block.data()) + 1, 4).toHex();
    }
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<OwnerWindow> window;
    std::unique_ptr<Hid_Thread> link;
};

QTEST_MAIN(tst_DeviceHandshake)
#include "tst_device_handshake.moc"
