// SPDX-License-Identifier: MIT
// The key code tables: sizes, uniqueness, exact names, the native name map, the table QML
// reads (codes taken as a JavaScript map takes keys, step tags the coder reads), and that
// the QML component KeyCodeString holds exactly the same names as the native rows.
#include "KeyNameTable.h"
#include "KeyNames.h"
#include "MacroLibrary.h"
#include "MacroStepTags.h"
#include "KeyTables.h"
#include <QJSValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QSet>
#include <QtTest>

using namespace KeyTables;

class TestKeyTables : public QObject
{
    Q_OBJECT

    QQmlEngine engine;
    QObject *keyCodeString = nullptr;

    QJSValue callQml(const char *function, const QJSValue &arg)
    {
        QJSValue self = engine.newQObject(keyCodeString);
        QQmlEngine::setObjectOwnership(keyCodeString, QQmlEngine::CppOwnership);
        return self.property(function).callWithInstance(self, {arg});
    }

private slots:
    void initTestCase()
    {
        KeyNameTable::registerForQml();
        QQmlComponent component(&engine, QUrl("qrc:/modules/qml/basic/KeyCodeString.qml"));
        keyCodeString = component.create();
        QVERIFY2(keyCodeString, qPrintable(component.errorString()));
    }
    void cleanupTestCase() { delete keyCodeString; }

    void scanTableRows()
    {
        QCOMPARE(scanRowCount, 120);
        int extended = 0;
        QSet<int> keys;
        for (int i = 0; i < scanRowCount; ++i) {
            extended += scanRows[i].extended;
            QVERIFY(scanRows[i].vk != 0);
            keys.insert(scanRows[i].scan << 8 | scanRows[i].extended);
            // Every virtual key the scan table yields continues to a usage.
            QVERIFY2(usageForVirtualKey(scanRows[i].vk), QByteArray::number(scanRows[i].vk, 16));
        }
        QCOMPARE(extended, 20);
        QCOMPARE(keys.size(), 120);
    }

    void virtualKeyTableRows()
    {
        QCOMPARE(virtualKeyRowCount, 122);
        QSet<int> vks;
        for (int i = 0; i < virtualKeyRowCount; ++i) {
            vks.insert(virtualKeyRows[i].vk);
            // Every usage a key can produce has a name to show.
            QVERIFY2(!nameForCode(virtualKeyRows[i].usage).isEmpty(),
                     QByteArray::number(virtualKeyRows[i].usage, 16));
        }
        QCOMPARE(vks.size(), 122);
        QCOMPARE(usageForVirtualKey(0x0E), uchar(0x58));   // the private keypad Enter key
        QCOMPARE(usageForVirtualKey(0x5C), uchar(0xE7));
        QCOMPARE(usageForVirtualKey(0x0A), uchar(0));
    }

    void nameTableRows()
    {
        QCOMPARE(nameRowCount, 132);
        QSet<int> codes;
        QSet<QString> names;
        int mouse = 0;
        for (int i = 0; i < nameRowCount; ++i) {
            codes.insert(nameRows[i].code);
            names.insert(QString::fromUtf8(nameRows[i].name));
            mouse += isMouseCode(nameRows[i].code);
        }
        QCOMPARE(codes.size(), 132);
        QCOMPARE(names.size(), 132);
        QCOMPARE(mouse, 5);
    }

    void codesWithoutName()
    {
        auto unnamed = [](int c) {
            return c <= 0x03 || c == 0x32 || (c >= 0x74 && c <= 0x84) || c == 0x86 || (c >= 0x8C && c <= 0x8F)
                   || (c >= 0x92 && c <= 0xDF) || (c >= 0xE8 && c <= 0xEF) || c >= 0xF5;
        };
        for (int c = 0; c < 256; ++c)
            QVERIFY2(nameForCode(uchar(c)).isEmpty() == unnamed(c), QByteArray::number(c, 16));
    }

    void exactNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("backslash") << 0x31 << QStringLiteral("\\ |");
        QTest::newRow("apostrophe") << 0x34 << QStringLiteral("' \"");
        QTest::newRow("grave") << 0x35 << QStringLiteral("` ~");
        QTest::newRow("KP 7 with space") << 0x5F << QStringLiteral("KP 7 ");
        QTest::newRow("KP 8") << 0x60 << QStringLiteral("KP 8");
        QTest::newRow("right arrow") << 0x4F << QString(QChar(0x25BA));
        QTest::newRow("left arrow") << 0x50 << QString(QChar(0x25C4));
        QTest::newRow("down arrow") << 0x51 << QString(QChar(0x25BC));
        QTest::newRow("up arrow") << 0x52 << QString(QChar(0x25B2));
        QTest::newRow("Intl'2") << 0x88 << QStringLiteral("Intl'2");
        QTest::newRow("Int'l 2") << 0x89 << QStringLiteral("Int'l 2");
        QTest::newRow("Int'l 4") << 0x8A << QStringLiteral("Int'l 4");
        QTest::newRow("R Win") << 0xE7 << QStringLiteral("R Win");
        QTest::newRow("MS-B5") << 0xF4 << QStringLiteral("MS-B5");
    }
    void exactNames()
    {
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(nameForCode(uchar(code)), name);
        QCOMPARE(int(usageForKeyName(name)), code);
    }

    void nativeNameMap()
    {
        buildKeyNameMap();
        buildKeyNameMap();   // a second build changes nothing
        for (int i = 0; i < nameRowCount; ++i)
            QCOMPARE(usageForKeyName(QString::fromUtf8(nameRows[i].name)), nameRows[i].code);
        for (const char *unknown : {"KP 7", "kp 7 ", "a", "ENTER", "", " ", "MS-L ", "Int'l 3"})
            QVERIFY2(usageForKeyName(QString::fromUtf8(unknown)) == 0, unknown);
    }

    // The QML maps are checked code by code and name by name against the native rows.
    void qmlMatchesNativeRows()
    {
        for (int c = 0; c < 256; ++c) {
            const QString name = nameForCode(uchar(c));
            const QJSValue key = callQml("keycodeTostr", c);
            const QJSValue mouseName = callQml("mousecodeTostr", c);
            if (name.isEmpty() || isMouseCode(uchar(c)))
                QVERIFY2(key.isUndefined(), QByteArray::number(c, 16));
            else
                QCOMPARE(key.toString(), name);
            if (isMouseCode(uchar(c)))
                QCOMPARE(mouseName.toString(), name);
            else
                QVERIFY2(mouseName.isUndefined(), QByteArray::number(c, 16));
        }
        for (int i = 0; i < nameRowCount; ++i) {
            const QString name = QString::fromUtf8(nameRows[i].name);
            const bool mouse = isMouseCode(nameRows[i].code);
            const QJSValue key = callQml("strTokeycode", name);
            const QJSValue button = callQml("strTomousecode", name);
            if (mouse) {
                QVERIFY(key.isUndefined());
                QCOMPARE(button.toInt(), int(nameRows[i].code));
            } else {
                QVERIFY(button.isUndefined());
                QVERIFY(key.isNumber());
                QCOMPARE(key.toInt(), int(nameRows[i].code));
            }
        }
    }

    void qmlTableTakesCodesAsAMapTakesKeys()
    {
        const KeyNameTable table;
        for (const QVariant &four : {QVariant(4), QVariant(4.0), QVariant(QStringLiteral("4")), QVariant(4u)})
            QCOMPARE(table.keyName(four), QVariant(QStringLiteral("A")));
        for (const QVariant &odd : {QVariant(QStringLiteral("04")), QVariant(QStringLiteral("0x4")),
                                    QVariant(QStringLiteral(" 4")), QVariant(4.5), QVariant(true), QVariant(),
                                    QVariant(-252), QVariant(0x104), QVariant(0x32)})
            QVERIFY2(!table.keyName(odd).isValid(), qPrintable(odd.toString()));
        // Keyboard and mouse names stay apart both ways.
        QVERIFY(!table.keyName(0xF0).isValid());
        QCOMPARE(table.mouseName(0xF0), QVariant(QStringLiteral("MS-L")));
        QVERIFY(!table.mouseName(0x04).isValid());
        QVERIFY(!table.keyCode(QStringLiteral("MS-L")).isValid());
        QCOMPARE(table.mouseCode(QStringLiteral("MS-B5")), QVariant(0xF4));
        QVERIFY(!table.mouseCode(QStringLiteral("A")).isValid());
        // A number names the key whose name is its text, as in a map.
        QCOMPARE(table.keyCode(1), QVariant(0x1E));
        QVERIFY(!table.keyCode(true).isValid());
        QVERIFY(!table.keyCode(QVariant()).isValid());
    }

    // The tags the macro page writes are the ones the coder reads.
    void stepTagsAreReadByTheCoder()
    {
        for (const QString &tag : {KeyNameTable::stepDown(), KeyNameTable::stepUp(), KeyNameTable::stepDelay()})
            QCOMPARE(tag.size(), KeyNameTable::stepWidth());
        const QStringList steps{QStringLiteral("A") + KeyNameTable::stepDown(),
                                QStringLiteral("2000") + KeyNameTable::stepDelay(),
                                QStringLiteral("A") + KeyNameTable::stepUp()};
        const QList<uchar> coded = MacroLibrary::encode(steps, 1);
        QCOMPARE(coded, QList<uchar>({0x00, 0x01, 0x01, 0x04, 0x64, 0x01, 0x81, 0x04, 0x00, 0x00}));
    }

    void qmlIgnoresInheritedNames()
    {
        for (const char *name : {"constructor", "toString", "__proto__", "hasOwnProperty", "valueOf"}) {
            QVERIFY2(callQml("strTokeycode", QString(name)).isUndefined(), name);
            QVERIFY2(callQml("strTomousecode", QString(name)).isUndefined(), name);
        }
    }
};

QTEST_MAIN(TestKeyTables)
#include "tst_input_keytables.moc"
