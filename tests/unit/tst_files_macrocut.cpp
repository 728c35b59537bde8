// SPDX-License-Identifier: MIT
// The cut that fits a coded macro into a device slot (128 bytes on the mouse, 192 on the
// keyboard): at an event, never inside one, with every key it leaves pressed released.
#include "KeyNames.h"
#include "MacroBlock.h"
#include "MacroLibrary.h"
#include <QtTest>

namespace {
QString down(const QString &key) { return key + QStringLiteral("    [Down]"); }
QString up(const QString &key) { return key + QStringLiteral("      [Up]"); }
QString pause(int ms) { return QString::number(ms) + QStringLiteral("   [Delay]"); }

// `pairs` times A pressed and released.
QStringList taps(int pairs)
{
    QStringList lines;
    for (int i = 0; i < pairs; ++i)
        lines << down("A") << up("A");
    return lines;
}

QByteArray hex(const char *text) { return QByteArray::fromHex(text); }
QByteArray tapBytes(int pairs) { return hex("01048104").repeated(pairs); }

QByteArray toBytes(const QList<uchar> &list)
{
    QByteArray b;
    for (uchar c : list)
        b.append(char(c));
    return b;
}

// The block a slot of `limit` bytes receives for the lines, and whether it was cut.
QByteArray fitted(const QStringList &lines, int family, int limit, bool *cut = nullptr)
{
    QVector<MacroBlock::Event> events;
    const QList<uchar> coded = MacroLibrary::encode(lines, family, &events);
    return toBytes(MacroBlock::fit(coded, events, limit, cut));
}
} // namespace

class tst_files_macrocut : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { buildKeyNameMap(); }

    // Byte-exact blocks for both families. The old cut at the limit left a press without
    // its release (or half a pause) at the end of several of these.
    void cutAtEventsWithReleases_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("limit");
        QTest::addColumn<QByteArray>("block");

        // Mouse. A 2 s pause (two bytes) first puts the limit right after a press of A;
        // its release does not fit, so that press goes too.
        QTest::newRow("mouse: cut after a press")
            << (QStringList{pause(2000)} + taps(100)) << 1 << 128
            << (hex("0001") + hex("6401") + tapBytes(30) + hex("0000"));
        // 62 events end at byte 126; the four-byte pause after them would reach past 128.
        QTest::newRow("mouse: a long pause straddling the limit")
            << (taps(31) + QStringList{pause(6000)} + taps(10)) << 1 << 128
            << (hex("0001") + tapBytes(31) + hex("0000"));
        // Shift and Ctrl held while A is tapped: both released, latest press first.
        QTest::newRow("mouse: several keys held")
            << (QStringList{down("L Shift"), down("L Ctrl")} + taps(100)) << 1 << 128
            << (hex("0001") + hex("01E101E0") + tapBytes(29) + hex("81E081E1") + hex("0000"));
        // A pause after the last press goes before the press does.
        QTest::newRow("mouse: a trailing pause goes first")
            << (taps(30) + QStringList{down("A"), pause(2000)} + taps(10)) << 1 << 128
            << (hex("0001") + tapBytes(30) + hex("0104") + hex("8104") + hex("0000"));
        // A press carrying a folded pause is one event: kept whole, then released.
        QTest::newRow("mouse: press with a folded pause")
            << (taps(30) + QStringList{down("B"), pause(50)} + taps(10)) << 1 << 128
            << (hex("0001") + tapBytes(30) + hex("0505") + hex("8105") + hex("0000"));

        // Keyboard (pauses are four bytes, 7F 00 and tenths of seconds).
        QTest::newRow("keyboard: cut after a press")
            << (QStringList{up("A")} + taps(100)) << 0 << 192
            << (hex("0001") + hex("8104") + tapBytes(46) + hex("0000"));
        QTest::newRow("keyboard: a pause straddling the limit")
            << (taps(47) + QStringList{pause(1000)} + taps(5)) << 0 << 192
            << (hex("0001") + tapBytes(47) + hex("0000"));
        QTest::newRow("keyboard: several keys held")
            << (QStringList{down("L Shift"), down("L Ctrl")} + taps(100)) << 0 << 192
            << (hex("0001") + hex("01E101E0") + tapBytes(45) + hex("81E081E1") + hex("0000"));
    }

    void cutAtEventsWithReleases()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, family);
        QFETCH(int, limit);
        QFETCH(QByteArray, block);
        bool cut = false;
        const QByteArray got = fitted(lines, family, limit, &cut);
        QVERIFY(cut);
        QVERIFY(got.size() <= limit);
        QCOMPARE(got.toHex(' '), block.toHex(' '));
    }

    // A macro that fits exactly, or with room to spare, goes as coded, even one that
    // holds a key at its end (that is what its author wrote).
    void fittingMacrosUnchanged_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("family");
        QTest::addColumn<int>("limit");
        QTest::newRow("mouse, exactly 128") << taps(31) << 1 << 128;
        QTest::newRow("mouse, press left held") << (taps(3) + QStringList{down("B")}) << 1 << 128;
        QTest::newRow("keyboard, exactly 192") << taps(47) << 0 << 192;
        QTest::newRow("empty") << QStringList() << 1 << 128;
    }

    void fittingMacrosUnchanged()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, family);
        QFETCH(int, limit);
        bool cut = true;
        const QByteArray got = fitted(lines, family, limit, &cut);
        QVERIFY(!cut);
        QCOMPARE(got, toBytes(MacroLibrary::encode(lines, family)));
    }

    // Whatever the mix of steps, a cut block fits, ends with the end mark, and leaves no
    // key pressed that it does not release.
    void noCutLeavesAKeyHeld()
    {
        const QStringList keys{"A", "B", "L Shift", "MS-L", "Space"};
        const QList<int> pauses{30, 1500, 6000};
        for (int seed = 1; seed <= 200; ++seed) {
            QStringList lines;
            quint32 x = quint32(seed) * 2654435761u;
            for (int i = 0; i < 120; ++i) {
                x = x * 1664525u + 1013904223u;
                const QString key = keys.at(int(x >> 8) % keys.size());
                switch ((x >> 20) % 3) {
                case 0: lines << down(key); break;
                case 1: lines << up(key); break;
                default: lines << pause(pauses.at(int(x >> 12) % pauses.size())); break;
                }
            }
            for (int family : {0, 1}) {
                const int limit = family == 0 ? 192 : 128;
                bool cut = false;
                const QByteArray got = fitted(lines, family, limit, &cut);
                if (!cut)
                    continue;
                QVERIFY(got.size() <= limit);
                QVERIFY(got.endsWith(hex("0000")));
                // Walk the kept events with their own boundaries.
                QVector<MacroBlock::Event> events;
                MacroLibrary::encode(lines, family, &events);
                QSet<uchar> held;
                int at = 2;
                for (const MacroBlock::Event &e : events) {
                    if (at + e.length > got.size() - 2)
                        break;
                    if (got.mid(at, e.length) != toBytes(MacroLibrary::encode(lines, family)).mid(e.offset, e.length))
                        break;
                    if (e.kind == MacroBlock::Event::Press)
                        held.insert(e.usage);
                    else if (e.kind == MacroBlock::Event::Release)
                        held.remove(e.usage);
                    at += e.length;
                }
                // What follows the kept events: releases of exactly the held keys.
                QSet<uchar> released;
                for (; at + 2 <= got.size() - 2; at += 2) {
                    QCOMPARE(uchar(got.at(at)), uchar(0x81));
                    released.insert(uchar(got.at(at + 1)));
                }
                QCOMPARE(released, held);
            }
        }
    }
};

QTEST_MAIN(tst_files_macrocut)
#include "tst_files_macrocut.moc"
