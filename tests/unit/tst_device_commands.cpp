// SPDX-License-Identifier: MIT
// Every command of both families against the simulated devices: the exact reports on
// the wire (scrambling off so the hex reads as the command block), bulk padding and
// packet counts, and the results each get command hands back.
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "SimControl.h"
#include "TestSupport.h"
#include <QtTest>
#include <functional>

using TestSupport::DebugCapture;
using TestSupport::hexOf;
using sim::Family;

namespace {

QStringList wire(Family f)
{
    QStringList out;
    for (const sim::Received &r : sim::received(f))
        out << hexOf(r.wire);
    return out;
}

QByteArray pattern(int n, int seed)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + seed) & 0xFF);
    return b;
}

uchar *u(QByteArray &b) { return reinterpret_cast<uchar *>(b.data()); }

// Bulk OUT reports: report id, then the payload cut into reportLength pieces, zero-padded.
QStringList bulk(const QByteArray &payload, int reportLength)
{
    QStringList out;
    for (int off = 0; off < payload.size(); off += reportLength) {
        QByteArray report(1, '\0');
        report += payload.mid(off, reportLength);
        report.append(QByteArray(reportLength + 1 - report.size(), '\0'));
        out << QString::fromLatin1(report.toHex(' ').toUpper());
    }
    return out;
}

struct Case {
    const char *name;
    std::function<void(Hid_Thread &)> call;
    QStringList expected;
};

// Mouse set commands, each beside the reports the device must receive.
const QByteArray colours24 = pattern(24, 1), colours4 = pattern(24, 2), dpi8 = pattern(8, 3),
                 matrix64 = pattern(64, 4), macro128 = pattern(128, 5);

std::vector<Case> mouseSets()
{
    return {
        {"01H", [](Hid_Thread &l) { l.hid_01H_SetReportRate(4); }, {"00 01 04 00 00 00 00 00 FA"}},
        {"02H", [](Hid_Thread &l) { l.hid_02H_SetCurrentProfile(3); }, {"00 02 03 00 00 00 00 00 FA"}},
        {"03H function option", [](Hid_Thread &l) { l.hid_03H_SetFunctionOption(3, 1, 0x40, 0x08); },
         {"00 03 03 01 40 08 00 00 B0"}},
        {"03H keyboard option", [](Hid_Thread &l) { l.hid_03H_SetKeyboardoption(1, 2, 3, 4); },
         {"00 03 01 02 03 04 00 00 F2"}},
        {"04H", [](Hid_Thread &l) { l.hid_04H_SetButtonSensitivity(1, 2, 3, 0xFD, 2); },
         {"00 04 01 02 03 FD 02 00 F6"}},
        {"07H", [](Hid_Thread &l) { l.hid_07H_SetLEDInstructFunction(1, 2, 3, 4); },
         {"00 07 01 02 03 04 00 00 EE"}},
        {"0BH", [](Hid_Thread &l) { l.hid_0BH_SetCurrentDPIStage(5); }, {"00 0B 05 00 00 00 00 00 EF"}},
        {"0DH", [](Hid_Thread &l) { l.hid_0DH_SetRGBLedEffect(2, 200, 3); }, {"00 0D 02 C8 03 00 00 00 25"}},
        {"10H type 0", [](Hid_Thread &l) { QByteArray b = colours24; l.hid_10H_SetLED8StageColor(0, u(b)); },
         QStringList{"00 10 00 18 00 00 00 00 D7"} + bulk(colours24, 32)},
        {"10H type 1", [](Hid_Thread &l) { QByteArray b = colours24; l.hid_10H_SetLED8StageColor(1, u(b)); },
         QStringList{"00 10 01 18 00 00 00 00 D6"} + bulk(colours24, 32)},
        {"10H type 2", [](Hid_Thread &l) { QByteArray b = colours4; l.hid_10H_SetLED8StageColor(2, u(b)); },
         QStringList{"00 10 02 04 00 00 00 00 E9"} + bulk(colours4.left(4), 32)},
        {"11H", [](Hid_Thread &l) { QByteArray b = dpi8; l.hid_11H_SetDPISet(4, u(b)); },
         QStringList{"00 11 04 08 00 00 00 00 E2"} + bulk(dpi8, 32)},
        {"12H", [](Hid_Thread &l) { QByteArray b = matrix64; l.hid_12H_SetKeyMatrix(u(b), 2); },
         QStringList{"00 12 02 40 08 00 00 00 A3"} + bulk(matrix64, 32)},
        {"13H", [](Hid_Thread &l) { QByteArray b = macro128; l.hid_13H_SetMacroKey(5, u(b)); },
         QStringList{"00 13 05 80 00 00 00 00 67"} + bulk(macro128, 32)},
    };
}

const QByteArray kbMatrix = pattern(512, 6), kbOnOff = pattern(21, 7), kbMacro = pattern(192, 8),
                 kbPicture = pattern(512, 9);

std::vector<Case> keyboardSets()
{
    return {
        {"07H", [](Hid_Thread &l) { l.hid_07H_SetControlIndicatorLight(2, 3); }, {"00 07 02 03 00 00 00 00 F3"}},
        {"08H", [](Hid_Thread &l) { l.hid_08H_SetLEDType(1, 2, 3, 4, 5, 6); }, {"00 08 01 02 03 04 05 06 E2"}},
        {"09H", [](Hid_Thread &l) { l.hid_09H_SetKeyboardMode(2); }, {"00 09 02 00 00 00 00 00 F4"}},
        {"0DH", [](Hid_Thread &l) { QByteArray b = kbMatrix; l.hid_0DH_SetKeyMatrix(u(b)); },
         QStringList{"00 0D 00 00 08 00 00 00 EA"} + bulk(kbMatrix, 64)},
        {"0EH", [](Hid_Thread &l) { QByteArray b = kbOnOff; l.hid_0EH_SetKeyOnOff(u(b)); },
         QStringList{"00 0E 00 00 15 00 00 00 DC"} + bulk(kbOnOff, 64)},
        {"11H", [](Hid_Thread &l) { QByteArray b = kbMacro; l.hid_11H_SetMacroKey(3, u(b)); },
         QStringList{"00 11 00 03 03 00 00 00 E8"} + bulk(kbMacro, 64)},
        {"12H", [](Hid_Thread &l) { QByteArray b = kbPicture; l.hid_12H_SetUserPicture(2, 7, u(b)); },
         QStringList{"00 12 00 02 08 07 00 00 DC"} + bulk(kbPicture, 64)},
        {"13H", [](Hid_Thread &l) { l.hid_13H_SetRecoveryData(); }, {"00 13 FF 00 00 00 00 00 ED"}},
        {"14H", [](Hid_Thread &l) { l.hid_14H_SetColor(3, 0x10, 0x20, 0x30); }, {"00 14 00 03 10 20 30 00 88"}},
        // The general commands travel the same way to the keyboard.
        {"01H", [](Hid_Thread &l) { l.hid_01H_SetReportRate(4); }, {"00 01 04 00 00 00 00 00 FA"}},
        {"04H", [](Hid_Thread &l) { l.hid_04H_SetButtonSensitivity(1, 2, 3, 0xFD, 2); },
         {"00 04 01 02 03 FD 02 00 F6"}},
    };
}

// A catalogue whose looked-up entry is the keyboard.
QList<DeviceInfo> keyboardCatalogue()
{
    QList<DeviceInfo> cat = readCatalogue(nullptr);
    cat[1] = cat[0];
    return cat;
}

} // namespace

class tst_DeviceCommands : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir.reset(TestSupport::enterFreshSimulatedRun(false));
        sim::setScrambling(Family::Mouse, false);
        sim::setScrambling(Family::Keyboard, false);
    }

    void mouseSetCommands_data() { rows(mouseSets()); }
    void mouseSetCommands() { runSetCase(mouseSets(), readCatalogue(nullptr), Family::Mouse); }

    void keyboardSetCommands_data() { rows(keyboardSets()); }
    void keyboardSetCommands()
    {
        sim::setPresent(Family::Mouse, false);
        sim::setPresent(Family::Keyboard, true);
        runSetCase(keyboardSets(), keyboardCatalogue(), Family::Keyboard);
    }

    void mouseGetCommands()
    {
        Hid_Thread link;
        link.scanDevices(readCatalogue(nullptr));
        sim::MouseStore &m = sim::mouse();
        m.reportRate = 8;
        const uchar fo[4] = {3, 1, 0x40, 0x08};
        std::copy(fo, fo + 4, m.functionOption);
        const uchar led[4] = {1, 7, 8, 9};
        std::copy(led, led + 4, m.ledInstruct);
        m.dpiStage = 6;
        m.effect[0] = 4, m.effect[1] = 100, m.effect[2] = 2;
        const QByteArray c1 = pattern(24, 11), c2 = pattern(4, 12), set = pattern(8, 13), k1 = pattern(64, 14),
                         k2 = pattern(64, 15), mac = pattern(128, 16);
        std::copy(c1.begin(), c1.end(), m.stageColor[1]);
        std::copy(c2.begin(), c2.end(), m.stageColor[2]);
        m.dpiMaxStage = 5;
        std::copy(set.begin(), set.end(), m.dpiSet);
        std::copy(k1.begin(), k1.end(), m.keyMatrix[0]);
        std::copy(k2.begin(), k2.end(), m.keyMatrix[1]);
        std::copy(mac.begin(), mac.end(), m.macros[4]);

        uchar rate = 0;
        expectRequest([&] { link.hid_81H_GetReportRate(rate); }, "00 81 00 00 00 00 00 00 7E");
        QCOMPARE(rate, uchar(8));

        uchar b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        expectRequest([&] { link.hid_83H_GetKeyboardoption(b1, b2, b3, b4); }, "00 83 00 00 00 00 00 00 7C");
        QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({3, 1, 0x40, 0x08}));

        // option1 is A3: the rate in A2 is skipped.
        uchar type = 0, o1 = 0, o2 = 0, o3 = 0;
        expectRequest([&] { link.hid_83H_GetFunctionOption(type, o1, o2); }, "00 83 00 00 00 00 00 00 7C");
        QCOMPARE(QList<int>({type, o1, o2}), QList<int>({3, 0x40, 0x08}));

        bool ok = false;
        expectRequest([&] { ok = link.hid_87H_GetLEDInstructFunction(1, o1, o2, o3); }, "00 87 01 00 00 00 00 00 77");
        QVERIFY(ok);
        QCOMPARE(QList<int>({o1, o2, o3}), QList<int>({7, 8, 9}));

        uchar stage = 0;
        expectRequest([&] { link.hid_8BH_GetCurrentDPIStage(stage); }, "00 8B 00 00 00 00 00 00 74");
        QCOMPARE(stage, uchar(6));

        uchar effect = 0;
        expectRequest([&] { link.hid_8DH_GetRGBLedEffect(effect, o1, o2); }, "00 8D 00 00 00 00 00 00 72");
        QCOMPARE(QList<int>({effect, o1, o2}), QList<int>({4, 100, 2}));

        QByteArray colours(24, 'x');
        expectRequest([&] { link.hid_90H_GetLED8StageColor(1, u(colours)); }, "00 90 01 00 00 00 00 00 6E");
        QCOMPARE(colours, c1);
        // Type 2 moves four bytes; the rest of the caller's buffer stays.
        colours.fill('x');
        expectRequest([&] { link.hid_90H_GetLED8StageColor(2, u(colours)); }, "00 90 02 00 00 00 00 00 6D");
        QCOMPARE(colours, c2 + QByteArray(20, 'x'));

        uchar maxStage = 0;
        QByteArray codes(8, 'x');
        expectRequest([&] { ok = link.hid_91H_GetDPISet(maxStage, u(codes)); }, "00 91 00 00 00 00 00 00 6E");
        QVERIFY(ok);
        QCOMPARE(maxStage, uchar(5));
        QCOMPARE(codes, set);

        // Always matrix 1, whatever was written last.
        QByteArray matrix = pattern(64, 20);
        link.hid_12H_SetKeyMatrix(u(matrix), 2);
        QByteArray read(64, 'x');
        link.hid_92H_GetKeyMatrix(u(read));   // waits for the write to end
        QCOMPARE(hexOf(sim::received(Family::Mouse).back().wire), QString("00 92 01 00 00 00 00 00 6C"));
        QCOMPARE(read, k1);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::mouse().keyMatrix[1]), 64), matrix);

        QByteArray macro(128, 'x');
        expectRequest([&] { link.hid_93H_GetMacroKey(5, u(macro)); }, "00 93 05 00 00 00 00 00 67");
        QCOMPARE(macro, mac);
    }

    void keyboardGetCommands()
    {
        sim::setPresent(Family::Mouse, false);
        sim::setPresent(Family::Keyboard, true);
        Hid_Thread link;
        link.scanDevices(keyboardCatalogue());
        sim::KeyboardStore &k = sim::keyboard();
        k.profile = 4;
        const uchar sens[5] = {9, 8, 7, 6, 5};
        std::copy(sens, sens + 5, k.sensitivity);
        const uchar led[6] = {1, 2, 3, 4, 5, 6};
        std::copy(led, led + 6, k.ledType);
        k.mode = 3;
        const QByteArray matrix = pattern(512, 21), onOff = pattern(21, 22), macro = pattern(192, 23),
                         picture = pattern(512, 24);
        std::copy(matrix.begin(), matrix.end(), k.keyMatrix);
        std::copy(onOff.begin(), onOff.end(), k.keyOnOff);
        std::copy(macro.begin(), macro.end(), k.macros[3]);
        std::copy(picture.begin(), picture.end(), k.pictures[2]);
        k.colors[3][0] = 0x11, k.colors[3][1] = 0x22, k.colors[3][2] = 0x33;

        QString version;
        expectRequest([&] { link.hid_80H_GetFWVersion(version); }, "00 80 00 00 00 00 00 00 7F");
        QCOMPARE(version, QString("1.0A"));
        k.fwMajor = 0x1A, k.fwMinor = 0x05;
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("1a.05"));

        uchar profile = 0;
        expectRequest([&] { link.hid_82H_GetCurrentProfile(profile); }, "00 82 00 00 00 00 00 00 7D");
        QCOMPARE(profile, uchar(4));

        uchar s1 = 0, s2 = 0, s3 = 0, s4 = 0;
        expectRequest([&] { link.hid_84H_GetButtonSensitivity(s1, s2, s3, s4); }, "00 84 00 00 00 00 00 00 7B");
        QCOMPARE(QList<int>({s1, s2, s3, s4}), QList<int>({9, 8, 7, 6}));

        // Five values from A2 on; the option in A1 is not returned.
        uchar effect = 0, speed = 0, light = 0, color = 0, direction = 0;
        expectRequest([&] { link.hid_88H_GetLEDType(effect, speed, light, color, direction); },
                      "00 88 00 00 00 00 00 00 77");
        QCOMPARE(QList<int>({effect, speed, light, color, direction}), QList<int>({2, 3, 4, 5, 6}));

        uchar mode = 0;
        expectRequest([&] { link.hid_89H_GetKeyboardMode(mode); }, "00 89 00 00 00 00 00 00 76");
        QCOMPARE(mode, uchar(3));

        QByteArray buf(512, 'x');
        expectRequest([&] { link.hid_8DH_GetKeyMatrix(u(buf)); }, "00 8D 00 00 00 00 00 00 72");
        QCOMPARE(buf, matrix);
        QByteArray small(21, 'x');
        expectRequest([&] { link.hid_8EH_GetKeyOnOff(u(small)); }, "00 8E 00 00 00 00 00 00 71");
        QCOMPARE(small, onOff);
        QByteArray mac(192, 'x');
        expectRequest([&] { link.hid_91H_GetMacroKey(3, u(mac)); }, "00 91 00 03 00 00 00 00 6B");
        QCOMPARE(mac, macro);
        buf.fill('x');
        expectRequest([&] { link.hid_92H_GetUserPicture(2, u(buf)); }, "00 92 00 02 00 00 00 00 6B");
        QCOMPARE(buf, picture);

        uchar r = 0, g = 0, b = 0;
        expectRequest([&] { link.hid_94H_GetColor(3, r, g, b); }, "00 94 00 03 00 00 00 00 68");
        QCOMPARE(QList<int>({r, g, b}), QList<int>({0x11, 0x22, 0x33}));

        uchar b1 = 0, b2 = 0, b3 = 0, b4 = 0;
        const uchar opt[4] = {4, 3, 2, 1};
        std::copy(opt, opt + 4, k.option);
        k.reportRate = 2;
        uchar rate = 0;
        link.hid_81H_GetReportRate(rate);
        link.hid_83H_GetKeyboardoption(b1, b2, b3, b4);
        QCOMPARE(rate, uchar(2));
        QCOMPARE(QList<int>({b1, b2, b3, b4}), QList<int>({4, 3, 2, 1}));
    }

    void firmwareVersionOfAMissingDevice()
    {
        sim::setPresent(Family::Mouse, false);
        Hid_Thread link;
        link.scanDevices(keyboardCatalogue());   // keyboard not plugged in
        QString version = "1.0A";
        link.hid_80H_GetFWVersion(version);
        QCOMPARE(version, QString("unknown"));
    }

private:
    void rows(const std::vector<Case> &cases)
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < cases.size(); ++i)
            QTest::newRow(cases[i].name) << int(i);
    }

    void runSetCase(const std::vector<Case> &cases, const QList<DeviceInfo> &catalogue, Family family)
    {
        QFETCH(int, row);
        const Case &c = cases[size_t(row)];
        {
            Hid_Thread link;
            link.scanDevices(catalogue);
            DebugCapture capture;
            c.call(link);
            QCOMPARE(DebugCapture::count("cmd Failed"), 0);
        }   // the destructor waits for the write transfer
        QCOMPARE(wire(family), c.expected);
        for (const sim::Received &r : sim::received(family)) {
            if (r.kind == sim::Received::Write)
                QCOMPARE(int(r.wire.size()), (family == Family::Mouse ? 32 : 64) + 1);
        }
    }

    void expectRequest(const std::function<void()> &call, const char *request)
    {
        sim::clearReceived();
        call();
        QCOMPARE(wire(sim::Family::Mouse) + wire(sim::Family::Keyboard), QStringList{request});
    }

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_DeviceCommands)
#include "tst_device_commands.moc"
