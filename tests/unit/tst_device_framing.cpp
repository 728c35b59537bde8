// SPDX-License-Identifier: MIT
// Command-block framing without a device: checksum, the four scrambling steps against
// their worked examples, round trips over random blocks and codes, firmware version text.
#include "Framing.h"
#include "Hid_Thread.h"
#include "TestSupport.h"
#include <QRandomGenerator>
#include <QtTest>

namespace {
using Block = std::array<uchar, 8>;

Block hex(const char *text)
{
    const QByteArray b = QByteArray::fromHex(text);
    Block out{};
    std::copy(b.begin(), b.begin() + 8, out.begin());
    return out;
}

QByteArray toHex(const uchar *b) { return QByteArray(reinterpret_cast<const char *>(b), 8).toHex(' ').toUpper(); }

Block randomBlock(QRandomGenerator &rng)
{
    Block b;
    for (auto &x : b)
        x = uchar(rng.bounded(256));
    return b;
}

Block codeOf(const char *six)
{
    Block c{};
    for (int i = 0; i < 6; ++i)
        c[size_t(i) + 1] = uchar(six[i]);
    return c;
}
}

class tst_DeviceFraming : public QObject
{
    Q_OBJECT
private slots:
    void init() { dir.reset(TestSupport::enterFreshRunFolder(false)); }

    void checksum()
    {
        Block b = hex("0301020000000000");
        QCOMPARE(Framing::checksum(b.data()), uchar(0xF9));
        b = hex("0000000000000000");
        QCOMPARE(Framing::checksum(b.data()), uchar(0xFF));
        // Byte 7 never takes part; a sum that wraps is taken modulo 256.
        b = hex("03010200000000AA");
        QCOMPARE(Framing::checksum(b.data()), uchar(0xF9));
        b = hex("FFFF020000000000");   // 0x200 -> 0x00 -> FF
        QCOMPARE(Framing::checksum(b.data()), uchar(0xFF));
        b = hex("8080808080808000");   // 7 * 0x80 = 0x380 -> 0x80 -> 7F
        QCOMPARE(Framing::checksum(b.data()), uchar(0x7F));

        Hid_Thread link;
        b = hex("03010200000000F9");
        QCOMPARE(link.hidCS(b.data()), uchar(0xF9));
    }

    void scramblingSteps()
    {
        Block b = hex("0102030405060708");
        Framing::swapPairs(b.data());
        QCOMPARE(toHex(b.data()), QByteArray("06 05 08 07 02 01 04 03"));
        Framing::swapPairs(b.data());
        QCOMPARE(toHex(b.data()), QByteArray("01 02 03 04 05 06 07 08"));

        b = hex("E000000000000001");
        Framing::rotateLeft3(b.data());
        QCOMPARE(toHex(b.data()), QByteArray("00 00 00 00 00 00 00 0F"));
        Framing::rotateRight3(b.data());
        QCOMPARE(toHex(b.data()), QByteArray("E0 00 00 00 00 00 00 01"));

        // Carries cross every byte boundary.
        b = hex("8142241881422418");
        Framing::rotateLeft3(b.data());
        QCOMPARE(toHex(b.data()), QByteArray("0A 11 20 C4 0A 11 20 C4"));

        // With a zero block and a zero code only the nibble-swapped key remains.
        b = hex("0000000000000000");
        const Block zero{};
        Framing::scramble(b.data(), zero.data());
        QCOMPARE(toHex(b.data()), QByteArray("B4 96 75 D6 46 A5 57 07"));
    }

    void knownAnswers()
    {
        const Block code = codeOf("583120");
        Block b = hex("03010200000000F9");
        Framing::scramble(b.data(), code.data());
        QCOMPARE(toHex(b.data()), QByteArray("B5 44 7E 6F C7 2E D7 17"));
        Framing::descramble(b.data(), code.data());
        QCOMPARE(toHex(b.data()), QByteArray("03 01 02 00 00 00 00 F9"));

        b = hex("0011223344000055");
        Framing::scramble(b.data(), code.data());
        QCOMPARE(toHex(b.data()), QByteArray("B7 21 DE 6F 47 35 70 17"));

        // The slots are the same operations.
        Hid_Thread link;
        Block c = code;
        b = hex("03010200000000F9");
        link.USBDataEncryption(b.data(), c.data());
        QCOMPARE(toHex(b.data()), QByteArray("B5 44 7E 6F C7 2E D7 17"));
        link.USBDataDecipher(b.data(), c.data());
        QCOMPARE(toHex(b.data()), QByteArray("03 01 02 00 00 00 00 F9"));
    }

    void roundTripRandom()
    {
        QRandomGenerator rng(0x5eed);
        for (int n = 0; n < 2000; ++n) {
            const Block block = randomBlock(rng), code = randomBlock(rng);
            Block b = block;
            Framing::scramble(b.data(), code.data());
            Framing::descramble(b.data(), code.data());
            QCOMPARE(b, block);
            Framing::descramble(b.data(), code.data());
            Framing::scramble(b.data(), code.data());
            QCOMPARE(b, block);
        }
    }

    void codeBytesZeroAndSevenIgnored()
    {
        QRandomGenerator rng(7);
        for (int n = 0; n < 200; ++n) {
            const Block block = randomBlock(rng), code = randomBlock(rng);
            Block other = code;
            other[0] = uchar(~code[0]);
            other[7] = uchar(code[7] + 1 + rng.bounded(255));
            Block a = block, b = block;
            Framing::scramble(a.data(), code.data());
            Framing::scramble(b.data(), other.data());
            QCOMPARE(a, b);
            Framing::descramble(a.data(), code.data());
            Framing::descramble(b.data(), other.data());
            QCOMPARE(a, b);
        }
    }

    void everyCodeByteMatters()
    {
        const Block block = hex("123456789ABCDEF0");
        const Block code = codeOf("583120");
        Block ref = block;
        Framing::scramble(ref.data(), code.data());
        for (int i = 1; i <= 6; ++i) {
            Block changed = code;
            changed[size_t(i)] ^= 0x01;
            Block b = block;
            Framing::scramble(b.data(), changed.data());
            QVERIFY2(b != ref, qPrintable(QString("code byte %1 has no effect").arg(i)));
        }
    }

    void firmwareVersionText()
    {
        QCOMPARE(Framing::firmwareVersionText(0x01, 0x0A), QString("1.0A"));
        QCOMPARE(Framing::firmwareVersionText(0x1A, 0x05), QString("1a.05"));
        QCOMPARE(Framing::firmwareVersionText(0x00, 0x00), QString("0.00"));
        QCOMPARE(Framing::firmwareVersionText(0xFF, 0xAB), QString("ff.AB"));
    }

private:
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_DeviceFraming)
#include "tst_device_framing.moc"
