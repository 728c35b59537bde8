// SPDX-License-Identifier: MIT
// The echo handshake against the simulated mouse: admitted, rejected with its reason
// (absent, no rights, busy, code refused), no scrambling on either side, the demo word,
// and the time-seeded echo bytes. The link only reports; it shows nothing.
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "OpenFault.h"
#include "SimControl.h"
#include "TestSupport.h"
#include <QDateTime>
#include <QtTest>
#include <cerrno>
#include <unistd.h>

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
        link.reset(new Hid_Thread);
        rescan();
    }
    void cleanup() { link.reset(); }

    void presentDeviceConnects()
    {
        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link->chkDeviceIsEnCode(factoryCode);
        QCOMPARE(outcome.verdict, HandshakeOutcome::Admitted);
        QCOMPARE(outcome.reason, DeviceFault::None);
        QCOMPARE(outcome.productName, QString("R5 Mouse"));
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Connect"});
        QVERIFY(deviceOk.load());
        QVERIFY(dialogs.requests.isEmpty());
        const std::vector<sim::Received> e = echoes();
        QCOMPARE(int(e.size()), 1);
        // Four drawn bytes, P5 and P6 zero, a valid checksum.
        QCOMPARE(e[0].block[5], uint8_t(0));
        QCOMPARE(e[0].block[6], uint8_t(0));
        QVERIFY(e[0].checksumOk);
    }

    void anotherCodeIsRejected()
    {
        sim::setSecrecyCode(Family::Mouse, "111111");
        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link->chkDeviceIsEnCode(factoryCode);
        QCOMPARE(outcome.verdict, HandshakeOutcome::Rejected);
        QCOMPARE(outcome.reason, DeviceFault::Refused);
        QCOMPARE(outcome.productName, QString("R5 Mouse"));
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QVERIFY(!deviceOk.load());

        // The same code handed in admits it.
        QCOMPARE(link->chkDeviceIsEnCode("111111").verdict, HandshakeOutcome::Admitted);
        QVERIFY(deviceOk.load());
        QVERIFY(dialogs.requests.isEmpty());
    }

    // Every way a check can fail names its own reason; the link asks nothing of the user.
    void rejectionsSayWhy_data()
    {
        QTest::addColumn<int>("trouble");
        QTest::addColumn<int>("reason");
        QTest::newRow("unplugged") << int(Unplugged) << int(DeviceFault::Absent);
        QTest::newRow("gone between scan and echo") << int(GoneAfterScan) << int(DeviceFault::Absent);
        QTest::newRow("no rights") << int(NoRights) << int(DeviceFault::NoAccess);
        QTest::newRow("held by another program") << int(Busy) << int(DeviceFault::Busy);
        QTest::newRow("another code") << int(OtherCode) << int(DeviceFault::Refused);
        QTest::newRow("device does not scramble") << int(NoScrambling) << int(DeviceFault::Refused);
    }
    void rejectionsSayWhy()
    {
        QFETCH(int, trouble);
        QFETCH(int, reason);
        cause(Trouble(trouble));
        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link->chkDeviceIsEnCode(factoryCode);
        QCOMPARE(outcome.verdict, HandshakeOutcome::Rejected);
        QCOMPARE(int(outcome.reason), reason);
        QCOMPARE(outcome.productName, QString("R5 Mouse"));
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QVERIFY(!deviceOk.load());
        QVERIFY(!demoMode.load());
        QVERIFY(dialogs.requests.isEmpty());

        // Nothing of it sticks: once the trouble is gone, the next check admits the mouse.
        sim::reset();
        rescan();
        QCOMPARE(link->chkDeviceIsEnCode(factoryCode).verdict, HandshakeOutcome::Admitted);
    }

    // A failed open is judged by the node first, then by the error of the open.
    void openFailureReasons()
    {
        const QByteArray noNode = "sim:04d9:a6c2:command";
        QCOMPARE(classifyOpenFailure(noNode, EACCES), DeviceFault::NoAccess);
        QCOMPARE(classifyOpenFailure(noNode, EPERM), DeviceFault::NoAccess);
        QCOMPARE(classifyOpenFailure(noNode, EBUSY), DeviceFault::Busy);
        QCOMPARE(classifyOpenFailure(noNode, ENOENT), DeviceFault::Absent);
        QCOMPARE(classifyOpenFailure(noNode, ENODEV), DeviceFault::Absent);
        QCOMPARE(classifyOpenFailure(QByteArray(), 0), DeviceFault::Absent);

        // A node this user may read and write: only the error can say more.
        QFile node("node");
        QVERIFY(node.open(QIODevice::WriteOnly));
        node.close();
        QCOMPARE(classifyOpenFailure("node", EBUSY), DeviceFault::Busy);
        QCOMPARE(classifyOpenFailure("node", ENXIO), DeviceFault::Absent);
        // One this user may not write lacks rights, whatever error came back (the
        // superuser may write anything).
        QVERIFY(node.setPermissions(QFileDevice::ReadOwner));
        if (::geteuid() != 0)
            QCOMPARE(classifyOpenFailure("node", 0), DeviceFault::NoAccess);
        else
            QCOMPARE(classifyOpenFailure("node", 0), DeviceFault::Absent);
    }

    // A reason is never left over from an earlier check: refused rights, then unplugged.
    void reasonComesFromThisCheck()
    {
        cause(NoRights);
        QCOMPARE(link->chkDeviceIsEnCode(factoryCode).reason, DeviceFault::NoAccess);
        sim::setOpenRefusal(Family::Mouse, sim::OpenRefusal::None);
        sim::setPresent(Family::Mouse, false);
        rescan();
        QCOMPARE(link->chkDeviceIsEnCode(factoryCode).reason, DeviceFault::Absent);
        sim::setPresent(Family::Mouse, true);
        rescan();
        sim::setSecrecyCode(Family::Mouse, "222222");
        QCOMPARE(link->chkDeviceIsEnCode(factoryCode).reason, DeviceFault::Refused);
    }

    // The keyboard entry is never looked up: absent, named after its own element.
    void keyboardEntryIsAbsent()
    {
        const HandshakeOutcome outcome = link->swichCurDevice(0, factoryCode);
        QCOMPARE(outcome.reason, DeviceFault::Absent);
        QCOMPARE(outcome.productName, QString("R4 Keyboard"));
        link->stopWatch();
    }

    void unscrambledOnBothSides()
    {
        encodeOn = false;
        sim::setScrambling(Family::Mouse, false);
        DebugCapture capture;
        QCOMPARE(link->chkDeviceIsEnCode(factoryCode).verdict, HandshakeOutcome::Admitted);
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Connect"});
        const std::vector<sim::Received> e = echoes();
        QCOMPARE(int(e.size()), 1);
        QCOMPARE(e[0].wire.size(), size_t(9));
        QVERIFY(std::equal(e[0].block.begin(), e[0].block.end(), e[0].wire.begin() + 1));
    }

    void demoWordAfterAFailedEcho()
    {
        // The demo word is no code, so the all-zero code of a first start stays and fails.
        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link->chkDeviceIsEnCode(demoWord);
        QCOMPARE(outcome.verdict, HandshakeOutcome::Demo);
        QCOMPARE(outcome.reason, DeviceFault::None);
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
        QCOMPARE(link->chkDeviceIsEnCode(demoWord).verdict, HandshakeOutcome::Demo);
        QVERIFY(sim::received(Family::Mouse).empty());
        QVERIFY(demoMode.load());
        QVERIFY(deviceOk.load());
        QCOMPARE(DebugCapture::count("Device Error"), 2);
    }

    // A mouse that is there but cannot be used does not keep the demo word from working.
    void demoWordWithAnUnusableMouse()
    {
        cause(NoRights);
        DialogRecorder dialogs;
        const HandshakeOutcome outcome = link->chkDeviceIsEnCode(demoWord);
        QCOMPARE(outcome.verdict, HandshakeOutcome::Demo);
        QVERIFY(demoMode.load());
        QVERIFY(deviceOk.load());
        QVERIFY(dialogs.requests.isEmpty());
    }

    void passingEchoNeverEntersDemoMode()
    {
        setSecrecyCode(simulatedSecrecyCode());
        DebugCapture capture;
        QCOMPARE(link->chkDeviceIsEnCode(demoWord).verdict, HandshakeOutcome::Admitted);
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
            link->chkDeviceIsEnCode(factoryCode);
            link->chkDeviceIsEnCode(factoryCode);
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
    enum Trouble { Unplugged, GoneAfterScan, NoRights, Busy, OtherCode, NoScrambling };
    const QString factoryCode = QStringLiteral("583120");
    const QString demoWord = QStringLiteral("m-corbel");

    void rescan()
    {
        bool encode = false;
        link->scanDevices(readCatalogue(&encode, {"R4 Keyboard", "R5 Mouse"}));
        encodeOn = encode;
    }
    void cause(Trouble trouble)
    {
        switch (trouble) {
        case Unplugged:
            sim::setPresent(Family::Mouse, false);
            rescan();
            break;
        case GoneAfterScan:
            sim::setPresent(Family::Mouse, false);
            break;
        case NoRights:
            sim::setOpenRefusal(Family::Mouse, sim::OpenRefusal::NoRights);
            break;
        case Busy:
            sim::setOpenRefusal(Family::Mouse, sim::OpenRefusal::Busy);
            break;
        case OtherCode:
            sim::setSecrecyCode(Family::Mouse, "111111");
            break;
        case NoScrambling:
            sim::setScrambling(Family::Mouse, false);
            break;
        }
    }
    static QByteArray hexOf(const sim::Received &r)
    {
        return QByteArray(reinterpret_cast<const char *>(r.block.data()) + 1, 4).toHex();
    }
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<Hid_Thread> link;
};

QTEST_MAIN(tst_DeviceHandshake)
#include "tst_device_handshake.moc"
