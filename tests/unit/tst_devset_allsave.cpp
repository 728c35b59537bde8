// SPDX-License-Identifier: MIT
// "ALL SAVE" and the profile writer against the simulated mouse: the whole sequence byte
// for byte, outcomes learnt per command, and what the user is told when the mouse is gone.
#include "DiskLayout.h"
#include "MouseCodec.h"
#include "PointerBackendFake.h"
#include "PointerSettings.h"
#include "ProfileWriter.h"
#include "tst_devset_rig.h"
#include <QSignalSpy>
#include <QtTest>

using Link = DevsetRig::Link;

namespace {
// A command block as the mouse must see it: code, six parameters, checksum.
QString block(std::initializer_list<int> codeAndParams)
{
    QByteArray b;
    for (int v : codeAndParams)
        b.append(char(v));
    b.append(QByteArray(7 - b.size(), '\0'));
    uchar sum = 0;
    for (char c : b)
        sum = uchar(sum + uchar(c));
    b.append(char(uchar(~sum)));
    return QString::fromLatin1(b.toHex(' ').toUpper());
}

// A command and its bulk data, zero-padded to the `wire` bytes of its 32-byte reports.
QString withBulk(const QString &blockHex, const QByteArray &payload, int wire = 32)
{
    QByteArray padded = payload;
    padded.append(QByteArray(wire - payload.size(), '\0'));
    return blockHex + " | " + QString::fromLatin1(padded.toHex(' ').toUpper());
}

QStringList seen(const QList<SeenCommand> &cmds)
{
    QStringList out;
    for (const SeenCommand &c : cmds) {
        const QString b = QString::fromLatin1(c.block.toHex(' ').toUpper());
        out << (c.bulk.isEmpty() ? b : withBulk(b, c.bulk, c.bulk.size()));
    }
    return out;
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
} // namespace

class tst_devset_allsave : public QObject
{
    Q_OBJECT
    DevsetRig rig;
    std::shared_ptr<PointerBackendFake::State> host;

    // Profile 1 with something in every field, two macros bound, a gun-loop key.
    void startWithFullProfile(Link link = Link::Mouse)
    {
        rig.start(link);
        host = std::make_shared<PointerBackendFake::State>();
        rig.view->pointer->setBackend(std::make_unique<PointerBackendFake>(host));
        QSettings *p = rig.view->files->profile(0);
        p->setValue(DiskLayout::Key::kReportRate, 4);
        p->setValue(DiskLayout::Key::kDpi, ints({800, 1600, 0, 0, 0, 0, 0, 0}));
        p->setValue(DiskLayout::Key::kDpiStage, 3);
        p->setValue(DiskLayout::Key::kCursorSpeed, 7);
        p->setValue(DiskLayout::Key::kScrollLines, 3);
        p->setValue(DiskLayout::Key::kDoubleClickSpeed, 1);
        p->setValue("color_R5/ledEffect", ints({4, 5, 2}));
        p->setValue("color_R5/ledPower", true);
        p->setValue("keydefine_R5/3", ints({9, 0, 3, 0}));   // Beta, slot index 2
        p->setValue("keydefine_R5/4", ints({9, 1, 1, 0}));   // Alpha, slot index 0
        p->setValue("keydefine_R5/5", ints({8, 0, 1, 5}));   // two-gun loop
        p->setValue(DiskLayout::Key::kScrollSwap, true);
        p->sync();
        TestSupport::writeMacroFile("./modules/macro/Alpha.bin", {"A    [Down]", "A      [Up]"}, 0, 2, 1);
        TestSupport::writeMacroFile("./modules/macro/Beta.bin", {"B    [Down]", "B      [Up]"}, 2, 1, 1);
        TestSupport::writeMacroFile("./modules/macro/Gamma.bin", {"C    [Down]"}, -1, 1, -1);
        QSettings sel("./modules/gun/selGunData.bin", QSettings::IniFormat);
        sel.setValue("gunData/0", ints({0, 1, 30, 40}));
        sel.setValue("gunData/1", ints({1, 2, 31, 41}));
        sel.setValue("gunData/2", ints({2, 3, 32, 42}));
    }

    // Runs "ALL SAVE" as the bottom strip does (the pages' store step has nothing to do
    // here) and waits for its outcome.
    bool allSave(QList<QVariantList> *progress = nullptr)
    {
        QSignalSpy finished(rig.view.get(), &myQQuickView::allSaveFinished);
        QSignalSpy steps(rig.view.get(), &myQQuickView::allSaveProgress);
        // Without a mouse "ALL SAVE" stops before the pages store anything.
        if (!rig.view->beginAllSave())
            return finished.size() == 1 && finished.at(0).at(0).toBool();
        if (!rig.view->allSave())
            return false;
        if (!finished.wait(20000))
            return false;
        if (progress)
            for (const QList<QVariant> &s : steps)
                progress->append(s);
        return finished.at(0).at(0).toBool();
    }

private slots:
    void cleanup() { rig.stop(); }

    // The slots of this work come after the table and the two light slots, in this order.
    void slotsAppendedAfterTheTable()
    {
        const QMetaObject &mo = myQQuickView::staticMetaObject;
        const int last = mo.indexOfSlot("getDefaultLedPowerOn()");
        QVERIFY(last >= 0);
        const char *appended[] = {"dpiMenuValues()", "dpiCodes(QVariantList)", "ledEffectBytes(int,int,int,bool)",
                                  "bindMacroSlot(QVariant,int,QVariantList)", "releaseMacroSlots(QVariantList)",
                                  "macroBytesUsed(QStringList)", "beginAllSave()", "allSave()"};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(mo.indexOfSlot(appended[i]), last + 1 + i);
    }

    // The one order of the whole sequence, each command as its page sends it: report
    // rate, DPI set (after reading the stage count), current stage, indicator colours in
    // the form the mouse asks for, lighting colours and effect, the bound macros in slot
    // order, the key matrices, the scroll direction; then the host's pointer settings.
    void wholeSequenceByteForByte()
    {
        startWithFullProfile();
        QList<QVariantList> progress;
        QVERIFY(allSave(&progress));

        QByteArray type0;
        for (int v : TestSupport::toInts(rig.view->files->profile(0)->value("color_R5/type0")))
            type0.append(char(v));
        QByteArray m1 = SceneRigFactoryMatrix();
        m1.replace(12, 12, bytes({9, 0, 3, 0, 9, 1, 1, 0, 8, 0, 1, 0}));
        QByteArray m2 = m1, m3 = m1, m4 = m1;
        m2.replace(0, 4, bytes({0x0B, 0, 40, 30}));
        m2[23] = 2;
        m3.replace(0, 4, bytes({0x0B, 1, 41, 31}));
        m3[23] = 1;
        m4.replace(0, 4, bytes({0x0B, 2, 42, 32}));
        m4[23] = 0;

        const QStringList expected{
            block({0x01, 0x04}),
            block({0x91}),
            withBulk(block({0x11, 8, 8}), bytes({8, 16, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80})),
            block({0x0B, 3}),
            block({0x87, 0}),
            // Eight fixed colours: the factory ids 0 2 1 3 5 4 6 7, two to a byte.
            withBulk(block({0x10, 2, 4}), bytes({0x20, 0x31, 0x45, 0x76})),
            withBulk(block({0x10, 0, 24}), type0),
            // WAVE, brightness step 5, speed step 2.
            block({0x0D, 5, 185, 7}),
            withBulk(block({0x13, 1, 0x80}), bytes({0x00, 0x02, 0x01, 0x04, 0x81, 0x04}), 128),
            withBulk(block({0x13, 3, 0x80}), bytes({0x00, 0x01, 0x01, 0x05, 0x81, 0x05}), 128),
            withBulk(block({0x12, 1, 0x40, 0x08}), m1, 64),
            withBulk(block({0x12, 2, 0x40, 0x08}), m2, 64),
            withBulk(block({0x12, 3, 0x40, 0x08}), m3, 64),
            withBulk(block({0x12, 4, 0x40, 0x08}), m4, 64),
            block({0x83}),
            block({0x81}),
            block({0x03, 3, 4, 0x40, 0}),
        };
        const QStringList got = seen(rig.commands());
        if (got != expected)
            qWarning().noquote() << "received:\n" + got.join('\n');
        QCOMPARE(got, expected);

        // The host got the profile's steps, as the sensor page applies them.
        QStringList hostCalls;
        for (const auto &c : host->calls)
            hostCalls << c.op + QString::number(c.args.value(0));
        QCOMPARE(hostCalls, QStringList({"setMouseSpeed14", "setWheelScrollLines4", "setDoubleClickTime830"}));
        // Progress counted every step, up to all of them.
        QVERIFY(progress.size() >= 2);
        QCOMPARE(progress.first().at(0).toInt(), 0);
        QCOMPARE(progress.last().at(0).toInt(), progress.last().at(1).toInt());
        QCOMPARE(progress.last().at(1).toInt(), 11);
        QVERIFY(rig.dialogs->requests.isEmpty());
        // Nothing of the profile or the macros was touched on the way.
        QCOMPARE(QSettings("./modules/macro/Alpha.bin", QSettings::IniFormat).value(DiskLayout::Key::kMacroSlot).toInt(), 0);
    }

    // With the mouse unplugged nothing reaches it: one box says so, nothing is sent and
    // no file changes.
    void mouseGoneIsToldOnceAndNoFileChanges()
    {
        startWithFullProfile();
        rig.view->files->profile(0)->sync();
        const QStringList files{"./modules/setting/p1.bin", "./modules/setting/p2.bin",
                                "./modules/macro/Alpha.bin", "./modules/macro/Beta.bin"};
        QList<QByteArray> before;
        for (const QString &f : files)
            before << fileBytes(f);
        sim::setPresent(sim::Family::Mouse, false);

        QVERIFY(!allSave());
        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].kind, DialogRequest::Warning);
        QVERIFY(rig.dialogs->requests[0].text.startsWith("The mouse did not answer"));
        QVERIFY(sim::received(sim::Family::Mouse).empty());
        rig.view->files->profile(0)->sync();
        for (int i = 0; i < files.size(); ++i)
            QCOMPARE(fileBytes(files.at(i)), before.at(i));
    }

    // The mouse vanishes half way: what went out is not reported, the rest is named.
    void mouseLostHalfWayNamesWhatDidNotArrive()
    {
        startWithFullProfile();
        // Report rate, the stage-count read, the DPI set (block and bulk), the current
        // stage: then the mouse is gone.
        sim::unplugAfterReports(sim::Family::Mouse, 5);
        QVERIFY(!allSave());
        QCOMPARE(rig.dialogs->requests.size(), 1);
        const QString text = rig.dialogs->requests[0].text;
        QVERIFY2(text.startsWith("These settings did not reach the mouse:"), qPrintable(text));
        for (const char *missing : {"- DPI indicator colours", "- lighting colours", "- lighting effect",
                                    "- MACRO \"Alpha\" (SLOT 1)", "- MACRO \"Beta\" (SLOT 3)", "- key matrix",
                                    "- scroll direction"})
            QVERIFY2(text.contains(missing), missing);
        for (const char *arrived : {"report rate", "DPI stages", "current DPI stage", "pointer"})
            QVERIFY2(!text.contains(arrived), arrived);
    }

    // The writer needs no view: a link, a profile file and its collaborators.
    void writerRunsWithoutAView()
    {
        startWithFullProfile();
        QSettings profile("./modules/setting/p1.bin", QSettings::IniFormat);
        rig.view->files->profile(0)->sync();
        ProfileWriter writer({rig.hid.get(), &profile, nullptr, nullptr});
        QSignalSpy done(&writer, &ProfileWriter::finished);
        QVERIFY(writer.run());
        QCOMPARE(done.size(), 1);
        QVERIFY(writer.failed().isEmpty());
        rig.settle();
        const sim::MouseStore m = sim::mouseSnapshot();
        QCOMPARE(int(m.reportRate), 4);
        QCOMPARE(int(m.dpiStage), 3);
        QCOMPARE(int(m.macros[2][2]), 0x01);
        QCOMPARE(int(m.macros[2][3]), 0x05);
        // No recoil store: the fire-key entries of the gun loop read as zeros.
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(m.keyMatrix[1]), 4), bytes({0x0B, 0, 0, 0}));

        // Without a link every step is reported, none as sent.
        ProfileWriter detached({nullptr, &profile, nullptr, nullptr});
        QVERIFY(!detached.run());
        QVERIFY(detached.nothingReached());
        QCOMPARE(detached.failed().first().text(), QString("report rate"));
    }

    // Two files claiming one slot: the slot is not written (nobody can tell which one the
    // profile meant) and the outcome names both.
    void sharedSlotIsNotGuessed()
    {
        startWithFullProfile();
        TestSupport::writeMacroFile("./modules/macro/Delta.bin", {"D    [Down]", "D      [Up]"}, 2, 1, 1);
        QVERIFY(!allSave());
        QVERIFY(rig.commandsWithCode(0x13).size() == 1);   // Alpha only
        QCOMPARE(rig.commandsWithCode(0x12).size(), 4);
        QCOMPARE(rig.dialogs->requests.size(), 1);
        QVERIFY(rig.dialogs->requests[0].text.contains("- MACRO \"Beta\", \"Delta\" (SLOT 3)"));
    }

    // Page values whose coders moved into the bridge.
    void dpiCodes()
    {
        const QList<int> menu{0, 600, 800, 1000, 1200, 1600, 1800, 2000, 2500, 3000, 3200, 3500, 4000, 4500,
                              5000, 6000, 6400, 12000};
        QVariantList values;
        for (int v : menu.mid(0, 8))
            values << v;
        QCOMPARE(TestSupport::toInts(MouseCodec::dpiCodes(values)), QList<int>({0x80, 6, 8, 10, 12, 16, 18, 20}));
        values.clear();
        for (int v : menu.mid(8))
            values << v;
        QCOMPARE(TestSupport::toInts(MouseCodec::dpiCodes(values)), QList<int>({25, 30, 32, 35, 40, 45, 50, 60}));
        // Outside the menu (the built-in 8000, junk, text from a profile) and missing values.
        QCOMPARE(TestSupport::toInts(MouseCodec::dpiCodes({6400, 12000, 8000, 650, -600, "x", "1600", " 800"})),
                 QList<int>({64, 120, 0x80, 0x80, 0x80, 0x80, 16, 8}));
        QCOMPARE(TestSupport::toInts(MouseCodec::dpiCodes({1600.5, 2000})),
                 QList<int>({0x80, 20, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80}));
    }

    void ledEffectBytes_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QList<int>>("sent");
        QTest::newRow("STATIC") << 0 << 7 << 7 << QList<int>{1, 255, 0};
        QTest::newRow("TWINKLING") << 1 << 1 << 0 << QList<int>{2, 45, 0};
        QTest::newRow("BREATHING has no brightness") << 2 << 7 << 0 << QList<int>{3, 0, 10};
        QTest::newRow("NEON fastest") << 3 << 3 << 7 << QList<int>{4, 0, 1};
        QTest::newRow("WAVE middle") << 4 << 0 << 3 << QList<int>{5, 0, 6};
        QTest::newRow("GLIDING") << 5 << 4 << 7 << QList<int>{6, 0, 0};
        QTest::newRow("FINGER MOVING") << 6 << 2 << 2 << QList<int>{7, 80, 0};
        QTest::newRow("VERTICAL FLIPPING slowest") << 7 << 7 << 0 << QList<int>{8, 255, 20};
        QTest::newRow("VERTICAL FLIPPING middle") << 7 << 7 << 3 << QList<int>{8, 255, 16};
        QTest::newRow("YO-YO") << 8 << 5 << 0 << QList<int>{9, 185, 15};
        QTest::newRow("YO-YO fastest") << 8 << 5 << 7 << QList<int>{9, 185, 5};
        QTest::newRow("SPOTLIGHT slowest") << 9 << 6 << 0 << QList<int>{10, 220, 30};
        QTest::newRow("SPOTLIGHT fastest") << 9 << 6 << 7 << QList<int>{10, 220, 20};
        QTest::newRow("no effect chosen") << -1 << 3 << 3 << QList<int>{0, 0, 0};
    }

    void ledEffectBytes()
    {
        QFETCH(int, effect);
        QFETCH(int, brightness);
        QFETCH(int, speed);
        QFETCH(QList<int>, sent);
        QCOMPARE(TestSupport::toInts(MouseCodec::ledEffectBytes(effect, brightness, speed, true)), sent);
        QCOMPARE(TestSupport::toInts(MouseCodec::ledEffectBytes(effect, brightness, speed, false)),
                 QList<int>({0, 0, 0}));
    }

private:
    static QByteArray SceneRigFactoryMatrix()
    {
        QSettings pd("./modules/setting/pD.bin", QSettings::IniFormat);
        QByteArray out;
        for (int k = 0; k < 16; ++k)
            for (int v : TestSupport::toInts(pd.value(QString("keydefine_R5/%1").arg(k))))
                out.append(char(v));
        return out;
    }
};

QTEST_MAIN(tst_devset_allsave)
#include "tst_devset_allsave.moc"
