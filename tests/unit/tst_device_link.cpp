// SPDX-License-Identifier: MIT
// Device link without a device: busy-link texts, what failed exchanges hand back,
// the handshake's outcome for an absent device, demo word and secrecy-code loading.
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "TestSupport.h"
#include <QTimer>
#include <QtTest>

using namespace TestSupport;

namespace {
// The shipped catalogue with ids that no device has.
QList<DeviceInfo> absentCatalogue()
{
    QList<DeviceInfo> cat = readCatalogue(nullptr, {"R4 Keyboard", "R5 Mouse"});
    for (DeviceInfo &d : cat) {
        d.vid = 0x1234;
        d.pid = 0x5678;
    }
    return cat;
}
}

class tst_DeviceLink : public QObject
{
    Q_OBJECT
private slots:
    void init() { dir.reset(enterFreshSimulatedRun(false)); }

    void busyLinkDropsCommands()
    {
        Hid_Thread link;
        QVERIFY(link.waitLinkIdle());   // held for good by the test
        DebugCapture capture;

        // The wait keeps the event loop running.
        int fired = 0;
        QTimer::singleShot(20, [&] { ++fired; });
        uchar dpi[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        link.hid_11H_SetDPISet(4, dpi);
        QCOMPARE(fired, 1);
        QCOMPARE(DebugCapture::captured(), QStringList{"cmd Failed 11"});

        QString version = "before";
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("before"));

        uchar stages = 0x33;
        uchar codes[8] = {9, 9, 9, 9, 9, 9, 9, 9};
        QVERIFY(!link.hid_91H_GetDPISet(stages, codes));
        QCOMPARE(stages, uchar(0x33));
        QCOMPARE(QByteArray((const char *)codes, 8), QByteArray(8, 9));

        // The echo cannot run: its bytes stay as drawn and the check passes.
        QCOMPARE(link.chkDeviceIsEnCode("583120").verdict, HandshakeOutcome::Admitted);
        QCOMPARE(DebugCapture::captured(),
                 (QStringList{"cmd Failed 11", "cmd Failed", "cmd Failed", "cmd Failed 00", "Device Connect"}));
        QVERIFY(deviceOk.load());
    }

    void failedReadsHandBackPrefills()
    {
        Hid_Thread link;   // no scan: no paths
        DebugCapture capture;

        uchar rate = 7;
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(7));
        uchar b1 = 1, b2 = 2, b3 = 3, b4 = 4;
        link.hid_83H_GetKeyboardoption(b1, b2, b3, b4);
        QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({1, 2, 3, 4}));
        uchar type = 5, o1 = 6, o2 = 7, o3 = 8;
        link.hid_83H_GetFunctionOption(type, o1, o2);
        QCOMPARE(QList<int>({type, o1, o2}), QList<int>({0, 0, 0}));
        uchar stage = 3;
        link.hid_8BH_GetCurrentDPIStage(stage);
        QCOMPARE(stage, uchar(0));
        uchar effect = 1;
        o1 = 2, o2 = 3;
        link.hid_8DH_GetRGBLedEffect(effect, o1, o2);
        QCOMPARE(QList<int>({effect, o1, o2}), QList<int>({0, 0, 0}));
        o1 = 4, o2 = 5, o3 = 6;
        QVERIFY(!link.hid_87H_GetLEDInstructFunction(1, o1, o2, o3));
        QCOMPARE(QList<int>({o1, o2, o3}), QList<int>({4, 5, 6}));
        uchar max = 9;
        uchar dpi[8] = {1, 2, 3, 4, 5, 6, 7, 8};
        QVERIFY(!link.hid_91H_GetDPISet(max, dpi));
        QCOMPARE(max, uchar(9));
        QCOMPARE(QByteArray((const char *)dpi, 8), QByteArray("\1\2\3\4\5\6\7\x08"));
        QByteArray matrix(64, 'm');
        link.hid_92H_GetKeyMatrix((uchar *)matrix.data());
        QCOMPARE(matrix, QByteArray(64, 'm'));
        QByteArray colours(24, 'c');
        link.hid_90H_GetLED8StageColor(1, (uchar *)colours.data());
        QCOMPARE(colours, QByteArray(24, 'c'));

        QString version = "before";
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("unknown"));
        uchar profile = 3;
        link.hid_82H_GetCurrentProfile(profile);
        QCOMPARE(profile, uchar(3));
        uchar e = 1, s = 2, l = 3, c = 4, d = 5;
        link.hid_88H_GetLEDType(e, s, l, c, d);
        QCOMPARE(QList<int>({e, s, l, c, d}), QList<int>({1, 2, 3, 4, 5}));
        uchar r = 10, g = 11, b = 12;
        link.hid_94H_GetColor(2, r, g, b);
        QCOMPARE(QList<int>({r, g, b}), QList<int>({10, 11, 12}));
        QByteArray picture(512, 'p');
        link.hid_92H_GetUserPicture(1, (uchar *)picture.data());
        QCOMPARE(picture, QByteArray(512, 'p'));

        uchar e1 = 0xAA, e2 = 0xBB, e3 = 0xCC, e4 = 0xDD;
        link.hid_00H_GetSecrecyCode(e1, e2, e3, e4);
        QCOMPARE(QList<int>({e1, e2, e3, e4}), QList<int>({0, 0, 0, 0}));

        // Every failed exchange gave the link back: nothing was dropped as busy.
        QCOMPARE(DebugCapture::captured(), QStringList());
    }

    void failedWritesFreeTheLink()
    {
        Hid_Thread link;
        DebugCapture capture;
        QByteArray matrix(64, 1);
        link.hid_12H_SetKeyMatrix((uchar *)matrix.data(), 1);
        link.hid_02H_SetCurrentProfile(2);
        link.hid_0DH_SetKeyMatrix(nullptr);   // no buffer: zeros, not a crash
        uchar rate = 4;
        link.hid_81H_GetReportRate(rate);
        QCOMPARE(rate, uchar(4));
        QCOMPARE(DebugCapture::captured(), QStringList());
    }

    void absentDeviceIsRejected()
    {
        Hid_Thread link;
        link.scanDevices(absentCatalogue());
        encodeOn = true;

        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link.chkDeviceIsEnCode("583120");

        QCOMPARE(outcome.verdict, HandshakeOutcome::Rejected);
        QCOMPARE(outcome.reason, DeviceFault::Absent);
        QCOMPARE(outcome.productName, QString("R5 Mouse"));
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        // The link asks nothing of the user: the window shows the warning.
        QVERIFY(dialogs.requests.isEmpty());
        QVERIFY(!deviceOk.load());
        QVERIFY(!demoMode.load());
        QVERIFY(encodeOn.load());

        // The code was loaded into bytes 1..6.
        const SecrecyCode code = secrecyCode();
        QCOMPARE(QByteArray((const char *)code.data() + 1, 6), QByteArray("583120"));
        QCOMPARE(code[0], uchar(0));
        QCOMPARE(code[7], uchar(0));
    }

    void demoWordStartsDemoMode()
    {
        setSecrecyCode({0, 'a', 'b', 'c', 'd', 'e', 'f', 0});
        Hid_Thread link;
        link.scanDevices(absentCatalogue());
        encodeOn = true;
        DialogRecorder dialogs;
        DebugCapture capture;
        const HandshakeOutcome outcome = link.chkDeviceIsEnCode("m-corbel");
        QCOMPARE(outcome.verdict, HandshakeOutcome::Demo);
        QCOMPARE(DebugCapture::captured(), QStringList{"Device Error"});
        QVERIFY(dialogs.requests.isEmpty());
        QVERIFY(demoMode.load());
        QVERIFY(deviceOk.load());
        QVERIFY(!encodeOn.load());
        // Eight characters never serve as a code.
        const SecrecyCode code = secrecyCode();
        QCOMPARE(QByteArray((const char *)code.data() + 1, 6), QByteArray("abcdef"));

        // The demo word is case-sensitive.
        resetLinkState();
        const HandshakeOutcome other = link.chkDeviceIsEnCode("M-corbel");
        QCOMPARE(other.verdict, HandshakeOutcome::Rejected);
        QCOMPARE(other.reason, DeviceFault::Absent);
        QVERIFY(!demoMode.load());
    }

    void secrecyCodeSettings()
    {
        Hid_Thread link;
        auto codeText = [] {
            const SecrecyCode c = secrecyCode();
            return QByteArray((const char *)c.data() + 1, 6);
        };
        link.chkDeviceIsEnCode("ABCDEF");
        QCOMPARE(codeText(), QByteArray("ABCDEF"));

        // A length other than six keeps the code loaded before.
        link.chkDeviceIsEnCode("12345");
        QCOMPARE(codeText(), QByteArray("ABCDEF"));
        link.chkDeviceIsEnCode("1234567");
        QCOMPARE(codeText(), QByteArray("ABCDEF"));

        // Entry 0 takes its code; entries past the mouse take none.
        link.swichCurDevice(0, "kbkbkb");
        QCOMPARE(link.currentDevice(), 0u);
        QCOMPARE(codeText(), QByteArray("kbkbkb"));
        link.swichCurDevice(2, "zzzzzz");
        QCOMPARE(codeText(), QByteArray("kbkbkb"));
        link.stopWatch();
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_DeviceLink)
#include "tst_device_link.moc"
