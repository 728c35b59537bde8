// SPDX-License-Identifier: MIT
// The family codecs, byte for byte: each case a name, a call and the bytes it must give.
// Key records are also read back, so what the key page writes it shows again.
#include "KeyboardCodec.h"
#include "MouseCodec.h"
#include <QtTest>
#include <functional>

namespace {

QString hex(const QByteArray &b) { return QString::fromLatin1(b.toHex(' ').toUpper()); }

QString hexList(const QVariantList &values)
{
    QByteArray b;
    for (const QVariant &v : values)
        b.append(char(v.toInt() & 0xFF));
    return hex(b);
}

struct Case {
    const char *name;
    std::function<QString()> call;
    QString expected;
};

using MacroBlock::Step;
Step down(uchar usage) { return {Step::Down, usage, 0}; }
Step up(uchar usage) { return {Step::Up, usage, 0}; }
Step pause(qint64 ms) { return {Step::Delay, 0, ms}; }

using F = MouseCodec::KeyFunction;
int functionOf(const QVariantMap &view) { return view.value("function", -2).toInt(); }

} // namespace

class DeviceCodecs : public QObject
{
    Q_OBJECT

private slots:
    void mouseValues_data()
    {
        QTest::addColumn<int>("i");
        for (int i = 0; i < int(cases().size()); ++i)
            QTest::newRow(cases()[i].name) << i;
    }

    void mouseValues()
    {
        QFETCH(int, i);
        QCOMPARE(cases()[i].call(), cases()[i].expected);
    }

    // Every record the key page can write reads back as the function and choice it came from.
    void keyRecordsReadBack()
    {
        using namespace MouseCodec;
        QCOMPARE(keyRecordView(keyRecord(0x2C)), (QVariantMap{{"function", int(F::Keyboard)}, {"key", 0x2C}}));
        for (int m = 0; m < mouseFunctionCount(); ++m) {
            const QVariantMap v = keyRecordView(mouseRecord(m));
            QCOMPARE(functionOf(v), int(F::Mouse));
            QCOMPARE(v.value("mouse").toInt(), m);
        }
        for (int m = 0; m < mediaUsages().size(); ++m)
            QCOMPARE(keyRecordView(mediaRecord(m)), (QVariantMap{{"function", int(F::Media)}, {"media", m}}));
        for (int k = 0; k <= 8; ++k)
            QCOMPARE(keyRecordView(comboRecord(k, 0x04, 0x05)),
                     (QVariantMap{{"function", int(F::Combo)}, {"modifier", k}, {"key1", 4}, {"key2", 5}}));
        for (int slot = 0; slot < MacroSlots; ++slot)
            QCOMPARE(keyRecordView(macroRecord(2, slot)),
                     (QVariantMap{{"function", int(F::Macro)}, {"macroSlot", slot}, {"macroMode", 2}}));
        for (int step = 0; step < 8; ++step) {
            QCOMPARE(keyRecordView(fireRecord(false, 4, step, 30)),
                     (QVariantMap{{"function", int(F::Fire)}, {"fireFromKey", false}, {"fireButton", 4},
                                  {"fireStep", step}, {"fireCount", 30}}));
            QCOMPARE(keyRecordView(fireRecord(true, 0x2C, step, 1)),
                     (QVariantMap{{"function", int(F::Fire)}, {"fireFromKey", true}, {"fireKey", 0x2C},
                                  {"fireStep", step}, {"fireCount", 1}}));
        }
        for (int g = 0; g < 3; ++g)
            QCOMPARE(keyRecordView(gunLoopRecord(g)), (QVariantMap{{"function", int(F::Light)}, {"gunLoop", g}}));
        QCOMPARE(keyRecordView(lightControlRecord()), (QVariantMap{{"function", int(F::Light)}, {"gunLoop", -1}}));
    }

    // Records the page did not write: shown as near as they can be, or left alone.
    void oddKeyRecords()
    {
        using MouseCodec::keyRecordView;
        const auto view = [](std::initializer_list<int> r) {
            QByteArray b;
            for (int v : r)
                b.append(char(v));
            return keyRecordView(b);
        };
        QCOMPARE(view({0x01, 0, 0x05, 0}), (QVariantMap{{"function", int(F::Mouse)}, {"mouse", -1}}));
        QCOMPARE(view({0x07, 0, 0, 0}), (QVariantMap{{"function", int(F::Mouse)}, {"mouse", -1}}));
        QCOMPARE(view({0x03, 0, 0x01, 0x09}), (QVariantMap{{"function", int(F::Media)}, {"media", -1}}));
        QCOMPARE(view({0x08, 0, 1, 9}), (QVariantMap{{"function", int(F::Light)}, {"gunLoop", -1}}));
        QCOMPARE(view({0x08, 0, 1, 2}), (QVariantMap{{"function", int(F::Light)}, {"gunLoop", -1}}));
        // Lowest modifier bit decides; nothing at all is an empty combination.
        QCOMPARE(view({0x00, 0x06, 4, 5}).value("modifier").toInt(), 2);
        QCOMPARE(view({0x00, 0, 0, 0}),
                 (QVariantMap{{"function", int(F::Combo)}, {"modifier", 0}, {"key1", 0}, {"key2", 0}}));
        // Fire intervals between steps read as the nearer step.
        QCOMPARE(view({0x0A, 0xF0, 27, 1}).value("fireStep").toInt(), 7);
        QCOMPARE(view({0x0A, 0xF0, 28, 1}).value("fireStep").toInt(), 6);
        QCOMPARE(view({0x0A, 0xF0, 0, 1}).value("fireStep").toInt(), 7);
        QCOMPARE(view({0x0A, 0xF5, 255, 1}),
                 (QVariantMap{{"function", int(F::Fire)}, {"fireFromKey", true}, {"fireKey", 0xF5},
                              {"fireStep", 0}, {"fireCount", 1}}));
        // Left as they are: half a mouse, media or light record.
        QCOMPARE(view({0x01, 1, 0xF0, 0}), QVariantMap());
        QCOMPARE(view({0x03, 0, 0, 1}), QVariantMap());
        QCOMPARE(view({0x04, 0, 3, 0}), QVariantMap());
        QCOMPARE(view({0x0B, 0, 1, 0}), QVariantMap());
        // Shown as no function: a type the page does not know; a short record reads as zeros.
        QCOMPARE(view({0x0C, 0, 0, 0}), (QVariantMap{{"function", int(F::None)}}));
        QCOMPARE(keyRecordView(QByteArray(1, 0x09)),
                 (QVariantMap{{"function", int(F::Macro)}, {"macroSlot", -1}, {"macroMode", 0}}));
    }

    // A macro longer than its slot ends on whole events, the keys it holds released.
    void macroBlocksCut()
    {
        QVector<Step> steps{down(0x04)};
        for (int i = 0; i < 70; ++i)
            steps << down(0x05) << up(0x05);
        bool cut = false;
        const QByteArray block = MouseCodec::macroBlock(steps, 3, &cut);
        QVERIFY(cut);
        QCOMPARE(block.size(), MouseCodec::MacroBytes);
        QCOMPARE(hex(block.left(6)), QString("00 03 01 04 01 05"));
        QCOMPARE(hex(block.right(6)), QString("81 05 81 04 00 00"));

        const QByteArray fits = KeyboardCodec::macroBlock(steps.mid(0, 3), &cut);
        QVERIFY(!cut);
        QCOMPARE(fits.size(), KeyboardCodec::MacroBytes);
    }

private:
    static const std::vector<Case> &cases()
    {
        using namespace MouseCodec;
        const auto b = [](const QByteArray &x) { return hex(x); };
        static const std::vector<Case> all{
            {"DPI codes", [] { return hexList(dpiCodes({600, 0, 12000, 700, "1600", 3200.5, -800, 6400})); },
             "06 80 78 80 10 80 80 40"},
            {"DPI codes short list", [] { return hexList(dpiCodes({800})); }, "08 80 80 80 80 80 80 80"},
            {"report rate bytes",
             [] { return hexList({reportRateByte(0), reportRateByte(1), reportRateByte(2), reportRateByte(3),
                                  reportRateByte(-1), reportRateByte(9)}); },
             "08 04 02 01 08 01"},
            {"report rate choices",
             [] { return QString("%1 %2 %3 %4 %5 %6 %7")
                      .arg(reportRateIndex(8)).arg(reportRateIndex(4)).arg(reportRateIndex(2))
                      .arg(reportRateIndex(1)).arg(reportRateIndex(0)).arg(reportRateIndex(0x10))
                      .arg(reportRateIndex(0x0C)); },
             "0 1 2 3 3 0 1"},
            {"DPI values of codes",
             [] { return QString("%1 %2 %3 %4").arg(dpiValue(0x10)).arg(dpiValue(0x78)).arg(dpiValue(0x80))
                      .arg(dpiValue(7)); },
             "1600 12000 0 0"},
            {"report rates per second",
             [] { return hexList({reportRateCode(125), reportRateCode(1000), reportRateCode(300)})
                      + QString(" %1 %2").arg(reportRatePerSecond(2)).arg(reportRatePerSecond(3)); },
             "08 01 00 500 0"},
            {"lighting colours", [] { return hex(stageColors(0, {1, 2, 300, 4}).left(5)); }, "01 02 2C 04 00"},
            {"indicator colours", [] { return hex(stageColors(1, {0xFF, 0x10}).left(3)); }, "FF 10 00"},
            {"indicator numbers packed",
             [] { return hex(stageColors(2, {1, 2, 3, 4, 5, 6, 7, 0x1F}).left(8)); }, "21 43 65 F7 05 06 07 1F"},
            {"effect off", [] { return hexList(ledEffectBytes(3, 7, 7, false)); }, "00 00 00"},
            {"effect breathing", [] { return hexList(ledEffectBytes(4, 7, 0, true)); }, "05 FF 0A"},
            {"effect past the list", [] { return hexList(ledEffectBytes(10, 3, 3, true)); }, "00 00 00"},
            {"key", [b] { return b(keyRecord(0x2C)); }, "00 00 2C 00"},
            {"mouse left", [b] { return b(mouseRecord(0)); }, "01 00 F0 00"},
            {"mouse triple click", [b] { return b(mouseRecord(5)); }, "0A F0 21 03"},
            {"mouse DPI cycle", [b] { return b(mouseRecord(8)); }, "07 00 03 00"},
            {"mouse scroll down", [b] { return b(mouseRecord(10)); }, "04 00 02 00"},
            {"mouse past the menu", [b] { return b(mouseRecord(11)) + b(mouseRecord(-1)); }, ""},
            {"media first", [b] { return b(mediaRecord(0)); }, "03 00 B5 00"},
            {"media last", [b] { return b(mediaRecord(17)); }, "03 00 2A 02"},
            {"media past the menu", [b] { return b(mediaRecord(18)); }, ""},
            {"combo L Ctrl", [b] { return b(comboRecord(1, 0x04, 0x05)); }, "00 01 04 05"},
            {"combo R Win", [b] { return b(comboRecord(8, 0x04, 0)); }, "00 80 04 00"},
            {"combo without modifier", [b] { return b(comboRecord(-1, 0x104, 5)); }, "00 00 04 05"},
            {"macro", [b] { return b(macroRecord(1, 11)); }, "09 01 0C 00"},
            {"macro slots named",
             [] { return QString("%1 %2 %3 %4 %5").arg(macroSlotOf(0x09, 1, 0)).arg(macroSlotOf(0x09, 12, 0))
                      .arg(macroSlotOf(0x09, 13, 0)).arg(macroSlotOf(0x09, 3, 1)).arg(macroSlotOf(0x0A, 3, 0)); },
             "0 11 -1 -1 -1"},
            {"fire button fastest", [b] { return b(fireRecord(false, 1, 7, 10)); }, "0A F1 0A 0A"},
            {"fire key slowest", [b] { return b(fireRecord(true, 0x2C, 0, 255)); }, "0A 2C FF FF"},
            {"gun loop three guns", [b] { return b(gunLoopRecord(2)); }, "08 00 01 06"},
            {"light control", [b] { return b(lightControlRecord()); }, "0B 00 00 00"},
            {"scroll swap on", [] { return hex(QByteArray(1, char(scrollSwapOption(0x01, true)))); }, "41"},
            {"scroll swap off", [] { return hex(QByteArray(1, char(scrollSwapOption(0xFF, false)))); }, "BF"},
            {"recoil on", [] { return hex(QByteArray(1, char(recoilOption(0x01, true)))); }, "09"},
            {"recoil off", [] { return hex(QByteArray(1, char(recoilOption(0xFF, false)))); }, "F7"},
            {"recoil preset", [b] { return b(recoilSensitivity({3, 5, 2, 1, 2}, 0)); }, "01 02 03 05 02"},
            {"recoil preset upside down", [b] { return b(recoilSensitivity({3, 5, 2, 1, 2}, 1)); }, "01 02 03 FB 02"},
            {"mouse macro", [b] { return b(macroBlock({down(0x04), pause(50), up(0x04)}, 0x0102).left(10)); },
             "01 02 05 04 81 04 00 00 00 00"},
            {"mouse macro long pause", [b] { return b(macroBlock({pause(6000)}, 1).left(8)); },
             "00 01 00 01 01 2C 00 00"},
            {"keyboard macro", [b] { return b(KeyboardCodec::macroBlock({down(0x04), pause(1000), up(0x04)}).left(14)); },
             "00 01 01 04 7F 00 00 64 81 04 00 00 00 00"},
        };
        return all;
    }
};

QTEST_GUILESS_MAIN(DeviceCodecs)
#include "tst_device_codecs.moc"
