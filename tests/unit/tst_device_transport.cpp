// SPDX-License-Identifier: MIT
// Transfers against the simulated mouse: scrambling on the wire, where the two
// acknowledgement waits sit, serialised writes, demo mode, removal, bounded bulk reads,
// the watch loop, and a write still running when the link is destroyed.
#include "DeviceCatalogue.h"
#include "Framing.h"
#include "Hid_Thread.h"
#include "SimControl.h"
#include "TestSupport.h"
#include <QLoggingCategory>
#include <QtTest>

using namespace TestSupport;
using sim::Family;

namespace {

uchar *u(QByteArray &b) { return reinterpret_cast<uchar *>(b.data()); }

// Times at which the simulated firmware took each report, stamped inside the hidapi
// call on the sending thread (the firmware's per-report trace lines).
class ReportClock : MessageCapture
{
public:
    struct Stamp {
        qint64 ms;
        QString what;   // "feature" or "bulk out"
    };
    ReportClock() : MessageCapture(isReportLine) { QLoggingCategory::setFilterRules("r5.sim.debug=true"); }
    ~ReportClock() { QLoggingCategory::setFilterRules(QString()); }
    static QList<Stamp> taken()
    {
        QList<Stamp> out;
        for (const Line &l : lines())
            out.append({l.ms, l.text.contains("feature") ? QString("feature") : QString("bulk out")});
        return out;
    }

private:
    static bool isReportLine(QtMsgType, const char *category, const QString &text)
    {
        return qstrcmp(category, "r5.sim") == 0 && (text.contains("feature") || text.contains("bulk out"));
    }
};

} // namespace

class tst_DeviceTransport : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir.reset(enterFreshSimulatedRun(false));
        setSecrecyCode(simulatedSecrecyCode());
        encodeOn = true;
    }

    void scrambledCommandBlocks()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        link.hid_03H_SetKeyboardoption(1, 2, 0, 0);
        uchar rate = 0;
        link.hid_81H_GetReportRate(rate);   // a plain answer is descrambled
        QCOMPARE(rate, sim::mouse().reportRate);

        const std::vector<sim::Received> log = sim::received(Family::Mouse);
        QCOMPARE(int(log.size()), 2);
        QCOMPARE(hexOf(log[0].wire), QString("00 B5 44 7E 6F C7 2E D7 17"));
        QCOMPARE(hexOf(log[0].block), QString("03 01 02 00 00 00 00 F9"));
        QCOMPARE(hexOf(log[1].block), QString("81 00 00 00 00 00 00 7E"));

        // The answer of a bulk exchange is taken as received: A1 is the plain stage count.
        sim::mouse().dpiMaxStage = 6;
        uchar stages = 0;
        QByteArray codes(8, 'x');
        QVERIFY(link.hid_91H_GetDPISet(stages, u(codes)));
        QCOMPARE(stages, uchar(6));

        // A device with another code misreads the block and ignores it.
        sim::clearReceived();
        sim::setSecrecyCode(Family::Mouse, "000000");
        link.hid_0BH_SetCurrentDPIStage(7);
        link.hid_81H_GetReportRate(rate);
        QVERIFY(sim::mouse().dpiStage != 7);
    }

    void acknowledgementWaitsSurroundTheBulkData()
    {
        ReportClock clock;
        {
            Hid_Thread link;
            link.scanDevices(readCatalogue(nullptr));
            sim::setWithholdAck(Family::Mouse, true);
            QByteArray matrix(64, 1);
            link.hid_12H_SetKeyMatrix(u(matrix), 1);
            uchar rate = 0;
            link.hid_81H_GetReportRate(rate);   // waits for the link
        }
        QList<ReportClock::Stamp> s = ReportClock::taken();
        QCOMPARE(s.size(), 4);
        QCOMPARE(s[0].what, QString("feature"));
        QCOMPARE(s[1].what, QString("bulk out"));
        QCOMPARE(s[2].what, QString("bulk out"));
        QCOMPARE(s[3].what, QString("feature"));
        // No acknowledgement: 64 + 64 ms after the command report, 8 ms pacing,
        // then 8 ms and another 64 + 64 ms before the link is free.
        QVERIFY2(s[1].ms - s[0].ms >= 127, qPrintable(QString::number(s[1].ms - s[0].ms)));
        QVERIFY(s[2].ms - s[1].ms >= 7);
        QVERIFY2(s[3].ms - s[2].ms >= 135, qPrintable(QString::number(s[3].ms - s[2].ms)));

        // With the watch loop passing acknowledgements on, each wait is at least 64 ms.
        sim::reset();
        ReportClock again;
        {
            Hid_Thread link;
            link.scanDevices(readCatalogue(nullptr));
            link.startWatch(1);
            QByteArray matrix(64, 1);
            link.hid_12H_SetKeyMatrix(u(matrix), 1);
            uchar rate = 0;
            link.hid_81H_GetReportRate(rate);
            link.stopWatch();
        }
        s = ReportClock::taken();
        QCOMPARE(s.size(), 4);
        QVERIFY(s[1].ms - s[0].ms >= 63);
        QVERIFY(s[3].ms - s[2].ms >= 71);
    }

    void writesQueueBehindEachOther()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        sim::setWithholdAck(Family::Mouse, true);
        DebugCapture capture;
        QByteArray matrix(64, 2), dpi(8, 3);
        link.hid_12H_SetKeyMatrix(u(matrix), 1);
        link.hid_11H_SetDPISet(4, u(dpi));
        link.hid_02H_SetCurrentProfile(1);
        uchar stage = 0;
        link.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(DebugCapture::count("cmd Failed 11"), 0);
        QStringList codes;
        for (const sim::Received &r : sim::received(Family::Mouse))
            codes << (r.kind == sim::Received::Feature ? QString::number(r.block[0], 16) : "w");
        QCOMPARE(codes, (QStringList{"12", "w", "w", "11", "w", "2", "8b"}));
    }

    void demoModeSendsNothing()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        demoMode = true;
        DebugCapture capture;
        QByteArray matrix(64, 2);
        link.hid_12H_SetKeyMatrix(u(matrix), 1);
        link.hid_01H_SetReportRate(2);
        link.hid_03H_SetFunctionOption(3, 1, 0, 0);
        uchar rate = 0x55, stage = 9;
        link.hid_81H_GetReportRate(rate);
        link.hid_8BH_GetCurrentDPIStage(stage);
        QByteArray read(64, 'x');
        link.hid_92H_GetKeyMatrix(u(read));
        uchar b1 = 1, b2 = 2, b3 = 3, b4 = 4;
        link.hid_00H_GetSecrecyCode(b1, b2, b3, b4);
        QCOMPARE(rate, uchar(0x55));
        QCOMPARE(stage, uchar(0));
        QCOMPARE(read, QByteArray(64, 'x'));
        QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({0, 0, 0, 0}));
        QVERIFY(sim::received(Family::Mouse).empty());
        QCOMPARE(DebugCapture::captured(), QStringList());
    }

    void removedDeviceFailsAtFirstOpen()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        QCOMPARE(QString::fromStdString(sim::commandPath(Family::Mouse)), link.deviceList()[1].path);
        QCOMPARE(QString::fromStdString(sim::eventPath(Family::Mouse)), link.deviceList()[1].path2);

        sim::setPresent(Family::Mouse, false);
        const int opens = sim::openCount(Family::Mouse);
        link.hid_01H_SetReportRate(2);
        uchar rate = 0x44;
        link.hid_81H_GetReportRate(rate);   // also waits for the write to end
        QCOMPARE(rate, uchar(0x44));
        QVERIFY(link.deviceList()[1].path.isEmpty());
        QVERIFY(!link.deviceList()[1].path2.isEmpty());
        QCOMPARE(sim::openCount(Family::Mouse), opens);

        // Plugged in again, it stays lost until the next scan.
        sim::setPresent(Family::Mouse, true);
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x44));
        QVERIFY(sim::received(Family::Mouse).empty());
        link.scanDevices(readCatalogue(nullptr));
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, sim::mouse().reportRate);
    }

    void removalInTheMiddleOfABulkWrite()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        sim::unplugAfterReports(Family::Mouse, 2);   // the command report and one bulk report
        DebugCapture capture;
        QByteArray macro(128, 5);
        link.hid_13H_SetMacroKey(1, u(macro));
        uchar rate = 0x44;
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(0x44));
        QCOMPARE(int(sim::received(Family::Mouse).size()), 2);
        QVERIFY(link.deviceList()[1].path.isEmpty());
        QCOMPARE(DebugCapture::captured(), QStringList());
    }

    void bulkReadIsBounded()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        QByteArray stored(64, '\0');
        for (int i = 0; i < 64; ++i)
            stored[i] = char(i + 1);
        std::copy(stored.begin(), stored.end(), sim::mouse().keyMatrix[0]);
        sim::setBulkReadShortfall(Family::Mouse, 1);

        // One of two reports arrives: the first half is updated, the second is the caller's.
        QByteArray read(64, 'x');
        link.hid_92H_GetKeyMatrix(u(read));
        QCOMPARE(read, stored.left(32) + QByteArray(32, 'x'));

        // No report at all: the read fails and leaves every result alone.
        uchar stages = 0x77;
        QByteArray codes(8, 'x');
        QVERIFY(!link.hid_91H_GetDPISet(stages, u(codes)));
        QCOMPARE(stages, uchar(0x77));
        QCOMPARE(codes, QByteArray(8, 'x'));

        // The link is free again.
        sim::setBulkReadShortfall(Family::Mouse, 0);
        QVERIFY(link.hid_91H_GetDPISet(stages, u(codes)));
        QCOMPARE(stages, sim::mouse().dpiMaxStage);
    }

    void watchLoopSeesRemoval()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        DebugCapture capture;
        link.startWatch(1);
        // Acknowledgements reach the transfer through the loop.
        link.hid_01H_SetReportRate(2);
        uchar rate = 0;
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(2));

        sim::setPresent(Family::Mouse, false);
        QTRY_COMPARE(DebugCapture::count("Device removed"), 1);
        QTRY_VERIFY(link.deviceList()[1].path2.isEmpty());
        link.stopWatch();

        // Without an event path a new loop ends at once and says nothing.
        link.startWatch(1);
        link.stopWatch();
        QCOMPARE(DebugCapture::count("Device removed"), 1);
    }

    void switchingDeviceRestartsTheLoop()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        DebugCapture capture;
        // Keyboard entry: never looked up, so no device.
        QCOMPARE(link.swichCurDevice(0, "583120").verdict, HandshakeOutcome::Rejected);
        QCOMPARE(link.currentDevice(), 0u);
        QCOMPARE(link.currentFamily(), 0);
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QCOMPARE(link.swichCurDevice(1, "583120").verdict, HandshakeOutcome::Admitted);
        QCOMPARE(DebugCapture::captured(), (QStringList{"Device Error", "Device Connect"}));
    }

    void destructionWaitsForARunningWrite()
    {
        sim::setWithholdAck(Family::Mouse, true);
        auto *link = new Hid_Thread;
        link->scanDevices(readCatalogue(nullptr));
        QByteArray macro(128, 9);
        link->hid_13H_SetMacroKey(2, u(macro));
        delete link;
        QCOMPARE(int(sim::received(Family::Mouse).size()), 5);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::mouse().macros[1]), 128), macro);
    }

    void scanWhileTransfersRun()
    {
        Hid_Thread link;
        const QList<DeviceInfo> cat = readCatalogue(nullptr);
        link.scanDevices(cat);
        link.startWatch(1);
        DebugCapture capture;
        for (int i = 0; i < 20; ++i) {
            link.hid_0BH_SetCurrentDPIStage(uchar(1 + i % 8));
            link.scanDevices(cat);
            QCOMPARE(link.deviceList().size(), 2);
            QCOMPARE(link.currentFamily(), 1);
        }
        uchar stage = 0;
        link.hid_8BH_GetCurrentDPIStage(stage);
        link.stopWatch();
        QCOMPARE(stage, uchar(1 + 19 % 8));
        QCOMPARE(DebugCapture::captured(), QStringList());
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_DeviceTransport)
#include "tst_device_transport.moc"
