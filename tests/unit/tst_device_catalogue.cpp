// SPDX-License-Identifier: MIT
// The compiled-in catalogue and its reading: exact shipped bytes, hex and decimal
// parsing, defaults, names handed in by the caller, and the device list built from it.
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "TestSupport.h"
#include <QFile>
#include <QtTest>

class tst_DeviceCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir.reset(TestSupport::enterFreshSimulatedRun(false));
    }

    void shippedResourceIsExact()
    {
        QFile f(":/DevInfo.ini");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("; type 0: Keyboard, type 1: Mouse\r\n"));
        // Every line ends in CR LF.
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
    }

    void shippedCatalogue()
    {
        bool encode = false;
        const QList<DeviceInfo> list = readCatalogue(&encode, {"R4 Keyboard", "R5 Mouse"});
        QVERIFY(encode);
        QCOMPARE(list.size(), 2);
        // Keyboard, then mouse: type, ids, both interfaces, report length, name.
        const DeviceInfo expected[2] = {
            {0, 0x04d9, 0x8b31, 0xff01, 0x0001, 0xff02, 0x0001, "R4 Keyboard", 64},
            {1, 0x04d9, 0xa6c2, 0xff00, 0xff00, 0xff01, 0xff01, "R5 Mouse", 32},
        };
        for (int i = 0; i < 2; ++i) {
            const DeviceInfo &d = list.at(i), &e = expected[i];
            QCOMPARE(d.type, e.type);
            QCOMPARE(d.vid, e.vid);
            QCOMPARE(d.pid, e.pid);
            QCOMPARE(d.usagePage, e.usagePage);
            QCOMPARE(d.usage, e.usage);
            QCOMPARE(d.usagePage2, e.usagePage2);
            QCOMPARE(d.usage2, e.usage2);
            QCOMPARE(d.reportLength, e.reportLength);
            QCOMPARE(d.name, e.name);
        }
    }

    void parsingAndDefaults()
    {
        writeCatalogue("[common]\r\ntotal=3\r\n"
                       "[0]\r\ntype=1\r\nvid=zz\r\nusage=ff00\r\nreportLength=64\r\n"
                       "[1]\r\n"
                       "[2]\r\ntype=a\r\npid=12345\r\n");
        bool encode = true;
        const QList<DeviceInfo> list = readCatalogue(&encode, {"only one"}, "cat.ini");
        QVERIFY(!encode);   // isEncode missing
        QCOMPARE(list.size(), 3);
        QCOMPARE(list[0].type, 1);
        QCOMPARE(list[0].vid, quint16(0));         // not hexadecimal
        QCOMPARE(list[0].usage, quint16(0xff00));  // hexadecimal
        QCOMPARE(list[0].reportLength, 64u);       // decimal
        QCOMPARE(list[0].name, QString("only one"));
        QCOMPARE(list[1].type, -1);                // missing type
        QCOMPARE(list[1].vid, quint16(0));
        QCOMPARE(list[1].reportLength, 0u);
        QCOMPARE(list[1].name, QString());         // no element for it
        QCOMPARE(list[2].type, 10);
        QCOMPARE(list[2].pid, quint16(0x2345));    // kept to 16 bits
    }

    void emptyAndDamagedTotals()
    {
        writeCatalogue("[common]\r\ntotal=0\r\nisEncode=true\r\n[0]\r\ntype=1\r\n");
        bool encode = false;
        QVERIFY(readCatalogue(&encode, {}, "cat.ini").isEmpty());
        QVERIFY(encode);

        Hid_Thread link;
        link.scanDevices({});
        QVERIFY(link.deviceList().isEmpty());
        QCOMPARE(link.currentFamily(), -1);

        // A damaged total must not build an endless list.
        writeCatalogue("[common]\r\ntotal=2000000000\r\n");
        const QList<DeviceInfo> list = readCatalogue(nullptr, {}, "cat.ini");
        QVERIFY(list.size() <= 256);
    }

    void noNamesGiveEmptyNames()
    {
        const QList<DeviceInfo> list = readCatalogue(nullptr);
        QCOMPARE(list.size(), 2);
        QCOMPARE(list[1].name, QString());
    }

    void deviceListFromCatalogue()
    {
        QList<DeviceInfo> cat = readCatalogue(nullptr, {"R4 Keyboard", "R5 Mouse"});
        // An id no device has: both entries stay without paths but keep name and type.
        cat[1].vid = 0x1234;
        cat[1].pid = 0x5678;
        Hid_Thread link;
        link.scanDevices(cat);
        const QList<DeviceEntry> list = link.deviceList();
        QCOMPARE(list.size(), 2);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(list[i].index, uint(i));
            QCOMPARE(list[i].type, i);
            QVERIFY(list[i].path.isEmpty());
            QVERIFY(list[i].path2.isEmpty());
        }
        QCOMPARE(list[1].name, QString("R5 Mouse"));
        QCOMPARE(link.currentDevice(), 1u);
        QCOMPARE(link.currentFamily(), 1);
    }

private:
    static void writeCatalogue(const QByteArray &text)
    {
        QFile f("cat.ini");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_DeviceCatalogue)
#include "tst_device_catalogue.moc"
