// SPDX-License-Identifier: MIT
// Mouse settings slots against the simulated mouse: what the device receives and what
// the current profile file holds.
#include "DiskLayout.h"
#include "tst_devset_rig.h"
#include "MouseCodec.h"
#include <QSettings>
#include <QtTest>

using Link = DevsetRig::Link;

class tst_devset_mouse : public QObject
{
    Q_OBJECT
    DevsetRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void stageColorsType2PackTwoPerByte()
    {
        rig.start();
        const QVariantList colours = ints({1, 2, 3, 4, 5, 6, 7, 8});
        rig.view->ui_10H_SetLED8StageColor(2, colours);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x10);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(2));
        QCOMPARE(cmds[0].p(2), uchar(4));
        QCOMPARE(cmds[0].bulk.left(4), bytes({0x21, 0x43, 0x65, 0x87}));
        QCOMPARE(cmds[0].bulk.mid(4), QByteArray(28, '\0'));
        QCOMPARE(rig.storedProfileValue("color_R5/type2").toList().size(), 8);
        QCOMPARE(rig.view->ui_90H_GetLED8StageColor(2), QVariantList({1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}));
    }

    void stageColorsType0SendLowBytesOfTwentyFour()
    {
        rig.start();
        QVariantList colours;
        for (int i = 0; i < 30; ++i)   // six too many; 256 + i keeps only its low byte
            colours.append(256 + i);
        rig.view->ui_10H_SetLED8StageColor(0, colours);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x10);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(2), uchar(24));
        QByteArray expected;
        for (int i = 0; i < 24; ++i)
            expected.append(char(i));
        QCOMPARE(cmds[0].bulk.left(24), expected);
        QCOMPARE(cmds[0].bulk.mid(24), QByteArray(8, '\0'));
    }

    void keyMatrixWithoutGunLoopSendsOneMatrix()
    {
        rig.start();
        QVariantList src;
        for (int i = 0; i < 64; ++i)
            src.append(i % 4 == 0 ? 0x01 : i);
        rig.view->ui_12H_SetKeyMatrix(src);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x12);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(1));
        QCOMPARE(cmds[0].bulk, DeviceBytesOf(src));
        QCOMPARE(rig.storedProfileValue("keydefine_R5/5").toList().size(), 4);
        QCOMPARE(rig.storedProfileValue("keydefine_R5/5").toList().at(1).toInt(), 21);
    }

    void keyMatrixGunLoopExpandsIntoFourMatrices()
    {
        rig.start();
        {
            QSettings sel("./modules/gun/selGunData.bin", QSettings::IniFormat);
            sel.setValue("gunData/0", ints({0, 1, 30, 40}));
            sel.setValue("gunData/1", ints({1, 2, 31, 41}));
            sel.setValue("gunData/2", ints({2, 3, 32, 42}));
        }
        QVariantList src;
        for (int i = 0; i < 64; ++i)
            src.append(i % 4 == 0 ? 0x01 : 0x10 + i);
        // Key slot 2: three-gun loop; key slot 5: loop switch.
        for (int i = 0; i < 4; ++i) {
            src[8 + i] = QVariantList{0x08, 0, 1, 6}.at(i);
            src[20 + i] = QVariantList{0x08, 0, 0, 4}.at(i);
        }
        rig.view->ui_12H_SetKeyMatrix(src);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x12);
        QCOMPARE(cmds.size(), 4);
        const int threeGun[4] = {0, 2, 3, 1};
        const int loopSwitch[4] = {1, 0, 0, 0};
        for (int m = 0; m < 4; ++m) {
            QCOMPARE(cmds[m].p(1), uchar(m + 1));
            QCOMPARE(cmds[m].bulk.size(), 64);
            QCOMPARE(int(uchar(cmds[m].bulk.at(11))), threeGun[m]);
            QCOMPARE(int(uchar(cmds[m].bulk.at(23))), loopSwitch[m]);
            // Other keys are the same in every matrix.
            QCOMPARE(cmds[m].bulk.mid(24), DeviceBytesOf(src).mid(24));
        }
        QCOMPARE(cmds[0].bulk.left(4), DeviceBytesOf(src).left(4));
        QCOMPARE(cmds[1].bulk.left(4), bytes({0x0B, 0, 40, 30}));
        QCOMPARE(cmds[2].bulk.left(4), bytes({0x0B, 1, 41, 31}));
        QCOMPARE(cmds[3].bulk.left(4), bytes({0x0B, 2, 42, 32}));
        // The profile keeps the key as the page gave it.
        QCOMPARE(rig.storedProfileValue("keydefine_R5/2").toList().at(3).toInt(), 6);
    }

    // Short fire-key lists read as zeros; a damaged fire-key file on disk is rebuilt from
    // the shipped one before its lists are used.
    void keyMatrixShortFireKeyListsReadAsZero()
    {
        QByteArray m1(64, 0);
        m1[0] = 0x08;
        m1[3] = 5;
        const QList<QByteArray> expanded = MouseCodec::expandKeyMatrix(m1, {ints({0, 1, 30}), ints({1})});
        QCOMPARE(expanded.size(), 4);
        QCOMPARE(expanded[0].left(4), bytes({0x08, 0, 0, 0}));
        QCOMPARE(expanded[1].left(4), bytes({0x0B, 0, 0, 30}));
        QCOMPARE(expanded[2].left(4), bytes({0x0B, 1, 0, 0}));
        QCOMPARE(expanded[3].left(4), bytes({0x0B, 2, 0, 0}));

        rig.start();
        {
            QSettings sel("./modules/gun/selGunData.bin", QSettings::IniFormat);
            sel.clear();
            sel.setValue("gunData/0", ints({0, 1, 30}));   // no fire period
            sel.setValue("gunData/1", ints({1}));
            // gunData/2 missing
        }
        QVariantList src;
        for (int i = 0; i < 64; ++i)
            src.append(0);
        src[0] = 0x08;
        src[3] = 5;
        rig.view->ui_12H_SetKeyMatrix(src);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x12);
        QCOMPARE(cmds.size(), 4);
        QCOMPARE(cmds[0].bulk.left(4), bytes({0x08, 0, 0, 0}));
        QCOMPARE(cmds[1].bulk.left(4), bytes({0x0B, 0, 20, 60}));   // shipped: time 60, period 20
        QCOMPARE(cmds[2].bulk.left(4), bytes({0x0B, 1, 20, 60}));
        QCOMPARE(cmds[3].bulk.left(4), bytes({0x0B, 2, 20, 60}));
    }

    void shortKeyListFillsMissingBytesWithZero()
    {
        rig.start();
        rig.view->ui_12H_SetKeyMatrix(ints({1, 0xF0, 0, 0, 2, 0x04}));
        rig.settle();
        QCOMPARE(rig.storedProfileValue("keydefine_R5/1").toList(), QVariantList({"2", "4", "0", "0"}));
        QCOMPARE(rig.storedProfileValue("keydefine_R5/15").toList(), QVariantList({"0", "0", "0", "0"}));
        const auto cmds = rig.commandsWithCode(0x12);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].bulk, bytes({1, 0xF0, 0, 0, 2, 0x04}) + QByteArray(58, '\0'));
    }

    void defaultKeyMatrixGoesToIndexPlusOne()
    {
        rig.start();
        const QVariant before = rig.storedProfileValue("keydefine_R5/0");
        rig.view->ui_12H_SetDefaultKeyMatrix(ints({1, 2, 3}), 2);
        rig.settle();
        const auto cmds = rig.commandsWithCode(0x12);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(3));
        QCOMPARE(cmds[0].bulk, bytes({1, 2, 3}) + QByteArray(61, '\0'));
        QCOMPARE(rig.storedProfileValue("keydefine_R5/0"), before);
    }

    void longMouseMacroIsCutAfterWarning()
    {
        rig.start();
        rig.writeMacroFile("Long", keyStepLines(98), 0x0203);   // 2 + 196 + 2 = 200 bytes
        rig.view->ui_13H_SetMacroKey(QVariant(5), QVariant("Long"));
        rig.settle();

        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].kind, DialogRequest::Warning);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("MACRO"));
        QCOMPARE(rig.dialogs->requests[0].text, QString("Out of memory,\nsome command line has been cut."));
        QCOMPARE(rig.dialogs->requests[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        const auto cmds = rig.commandsWithCode(0x13);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(5));
        QCOMPARE(cmds[0].p(2), uchar(0x80));
        // 62 whole steps and the end mark: the last kept step is a release, where the cut
        // at byte 128 used to end on a press of A.
        QCOMPARE(cmds[0].bulk, bytes({0x02, 0x03}) + keyStepBytes(62) + bytes({0x00, 0x00}));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::mouseSnapshot().macros[4]), 128), cmds[0].bulk);
    }

    void shortMouseMacroIsPaddedWithoutWarning()
    {
        rig.start();
        rig.writeMacroFile("Short", keyStepLines(2), 7);
        rig.view->ui_13H_SetMacroKey(QVariant("12"), QVariant("Short"));
        rig.settle();

        QVERIFY(rig.dialogs->requests.isEmpty());
        const auto cmds = rig.commandsWithCode(0x13);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(12));
        QCOMPARE(cmds[0].bulk, bytes({0x00, 0x07, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00}) + QByteArray(120, '\0'));
    }

    void missingMacroFileSendsEmptyMacroWithCountOne()
    {
        rig.start();
        rig.view->ui_13H_SetMacroKey(QVariant(1), QVariant("Nowhere"));
        rig.settle();
        const auto cmds = rig.commandsWithCode(0x13);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].bulk, bytes({0x00, 0x01, 0x00, 0x00}) + QByteArray(124, '\0'));
        QVERIFY(!QFile::exists("./modules/macro/Nowhere.bin"));
    }

    void macroNameOutsideTheMacroFolderIsRefused()
    {
        rig.start();
        {
            // A file a crafted name would reach: its play count must not be sent.
            QSettings outside("./modules/setting/evil.bin", QSettings::IniFormat);
            outside.setValue(DiskLayout::Key::kMacroRepeat, 9);
        }
        rig.view->ui_13H_SetMacroKey(QVariant(1), QVariant("../setting/evil"));
        rig.view->ui_13H_SetMacroKey(QVariant(2), QVariant(""));
        rig.settle();
        QVERIFY(rig.commandsWithCode(0x13).isEmpty());
        QVERIFY(rig.dialogs->requests.isEmpty());
    }

    void recoilKeepsOffsetWhenOption1IsZero()
    {
        rig.start();
        setFunctionOption({3, 1, 0x00, 0x01});
        rig.view->r5_0CH_SetPressGun(5, 10, 3, 1, 1, 2);
        rig.settle();

        const auto cmds = rig.commands();
        QCOMPARE(cmds.size(), 3);
        QCOMPARE(cmds[0].code(), uchar(0x83));
        QCOMPARE(cmds[1].block.left(5), bytes({0x03, 3, 1, 0x00, 0x09}));
        QCOMPARE(cmds[2].block.left(6), bytes({0x04, 1, 3, 5, 10, 2}));
    }

    void recoilNegatesOffsetWhenOption1IsSet()
    {
        rig.start();
        setFunctionOption({3, 2, 0x40, 0x0F});
        rig.view->r5_0CH_SetPressGun(7, 10, 4, 0, 0, 1);
        rig.settle();

        const auto cmds = rig.commands();
        QCOMPARE(cmds.size(), 3);
        // Recoil off clears only bit 3 of option2.
        QCOMPARE(cmds[1].block.left(5), bytes({0x03, 3, 2, 0x40, 0x07}));
        QCOMPARE(cmds[2].block.left(6), bytes({0x04, 0, 4, 7, 246, 1}));
    }

    void scrollSwapOffClearsOnlyBit6()
    {
        rig.start();
        setFunctionOption({3, 1, 0xFF, 0x08});
        sim::mouse().reportRate = 2;
        rig.view->setScrollPinSwap(false);
        rig.settle();

        const auto cmds = rig.commands();
        QCOMPARE(cmds.size(), 3);
        QCOMPARE(cmds[0].code(), uchar(0x83));
        QCOMPARE(cmds[1].code(), uchar(0x81));
        // The rate comes from 81H, not from the option read.
        QCOMPARE(cmds[2].block.left(5), bytes({0x03, 3, 2, 0xBF, 0x08}));
        QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kScrollSwap).toBool(), false);
        QVERIFY(rig.storedProfileValue(DiskLayout::Key::kScrollSwap).isValid());
    }

    void scrollSwapOnSetsBit6()
    {
        rig.start();
        setFunctionOption({3, 1, 0x01, 0x00});
        sim::mouse().reportRate = 1;
        rig.view->setScrollPinSwap(true);
        rig.settle();

        const auto cmds = rig.commandsWithCode(0x03);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].block.left(5), bytes({0x03, 3, 1, 0x41, 0x00}));
        QVERIFY(rig.view->getScrollPinSwap());
    }

    void syncDpiAnswersEightWithoutDevice()
    {
        rig.start(Link::Absent);
        QCOMPARE(int(rig.view->ui_91H_SyncDPI()), 8);
        rig.start(Link::None);
        QCOMPARE(int(rig.view->ui_91H_SyncDPI()), 8);
        rig.start();
        sim::mouse().dpiMaxStage = 5;
        QCOMPARE(int(rig.view->ui_91H_SyncDPI()), 5);
    }

    void reportRateOnMouseEntryComesFromProfile()
    {
        rig.start();
        sim::mouse().reportRate = 1;
        rig.view->files->currentProfile()->setValue(DiskLayout::Key::kReportRate, 4);
        QCOMPARE(rig.view->ui_81H_GetReportRate(), QVariant(4));
        rig.settle();
        QVERIFY(rig.commandsWithCode(0x81).isEmpty());

        rig.view->ui_01H_SetReportRate(8);
        rig.settle();
        QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kReportRate).toInt(), 8);
        const auto cmds = rig.commandsWithCode(0x01);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(8));
    }

    void switchingToTheCurrentProfileDoesNothing()
    {
        rig.start();
        rig.view->ui_02H_SetCurrentProfile(0);
        rig.settle();
        QCOMPARE(rig.view->files->currentIndex(), 0);
        QVERIFY(rig.commands().isEmpty());

        // Another index on the mouse entry only changes where profile values go.
        const QVariant firstBefore = rig.storedProfileValue(DiskLayout::Key::kDpiStage, 0);
        rig.view->ui_02H_SetCurrentProfile(3);
        rig.view->ui_0BH_SetCurrentDPIStage(6);
        rig.settle();
        QCOMPARE(rig.view->files->currentIndex(), 3);
        QVERIFY(rig.commandsWithCode(0x02).isEmpty());
        QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kDpiStage, 3).toInt(), 6);
        QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kDpiStage, 0), firstBefore);

        // Indexes without a profile file are refused.
        rig.view->ui_02H_SetCurrentProfile(10);
        rig.view->ui_02H_SetCurrentProfile(-1);
        QCOMPARE(rig.view->files->currentIndex(), 3);
    }

    void keymatrixSwitchSendsProfileCommand()
    {
        rig.start();
        rig.view->ui_02H_SetKeymatrix(0);
        rig.settle();
        const auto cmds = rig.commandsWithCode(0x02);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(1), uchar(0));
    }

    void profileWritesHappenWithoutDevice()
    {
        for (Link link : {Link::Absent, Link::None}) {
            rig.start(link);
            rig.view->ui_0BH_SetCurrentDPIStage(3);
            rig.view->ui_11H_SetDPISet(4, ints({1, 2, 3, 4}), ints({400, 800, 1600, 3200}));
            rig.view->ui_0DH_SetRGBLedEffect(2, 100, 3, ints({2, 7, 1}));
            rig.view->ui_10H_SetLED8StageColor(1, ints({255, 0, 0}));
            rig.view->setScrollPinSwap(true);
            rig.settle();
            QVERIFY(rig.commands().isEmpty());
            QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kDpiStage).toInt(), 3);
            QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kDpi).toList().size(), 4);
            QCOMPARE(rig.storedProfileValue("color_R5/ledEffect").toList().size(), 3);
            QCOMPARE(rig.storedProfileValue("color_R5/type1").toList().size(), 3);
            QCOMPARE(rig.storedProfileValue(DiskLayout::Key::kScrollSwap).toBool(), true);

            QCOMPARE(rig.view->ui_8BH_GetCurrentDPIStage(), QVariant(3));
            QCOMPARE(rig.view->ui_91H_GetDPISet().size(), 4);
            QCOMPARE(rig.view->ui_8DH_GetRGBLedEffect(), QVariantList({2u, 7u, 1u}));
            QCOMPARE(rig.view->ui_92H_GetKeyMatrix().size(), 64);
            QCOMPARE(rig.view->ui_93H_GetMacroKey(1).size(), 128);
            QCOMPARE(rig.view->getSensorType(), QVariant(0));
            QVERIFY(!rig.view->chkIsLogoLedWork());
        }
    }

    void dpiAndEffectCommandsCarryTheirBytes()
    {
        rig.start();
        rig.view->ui_11H_SetDPISet(4, ints({0x104, 8, 16, 32, 0x80}), ints({400, 800, 1600, 3200}));
        rig.view->ui_0DH_SetRGBLedEffect(2, 100, 3, ints({2, 7, 1}));
        rig.view->ui_0BH_SetCurrentDPIStage(3);
        rig.settle();
        const auto cmds = rig.commands();
        QCOMPARE(cmds.size(), 3);
        QCOMPARE(cmds[0].block.left(3), bytes({0x11, 4, 8}));
        QCOMPARE(cmds[0].bulk.left(8), bytes({4, 8, 16, 32, 0x80, 0, 0, 0}));
        QCOMPARE(cmds[1].block.left(4), bytes({0x0D, 2, 100, 3}));
        QCOMPARE(cmds[2].block.left(2), bytes({0x0B, 3}));
    }

    void deviceReadsReturnWhatTheMouseHolds()
    {
        rig.start();
        auto &store = sim::mouse();
        store.keyMatrix[0][0] = 0x09;
        store.keyMatrix[0][63] = 0x77;
        store.macros[2][0] = 0x00;
        store.macros[2][1] = 0x02;
        store.macros[2][127] = 0x55;
        setFunctionOption({7, 1, 0, 0});

        const QVariantList matrix = rig.view->ui_92H_GetKeyMatrix();
        QCOMPARE(matrix.size(), 64);
        QCOMPARE(matrix.at(0), QVariant(0x09));
        QCOMPARE(matrix.at(63), QVariant(0x77));
        const QVariantList macro = rig.view->ui_93H_GetMacroKey(3);
        QCOMPARE(macro.size(), 128);
        QCOMPARE(macro.at(1), QVariant(2));
        QCOMPARE(macro.at(127), QVariant(0x55));
        QCOMPARE(rig.view->getSensorType(), QVariant(7));
        QCOMPARE(rig.view->ui_83H_GetKeyboardoption(), QVariantList({7, 1, 0, 0}));
    }

    void logoLedWorksOnlyWhenOption1IsZero()
    {
        rig.start();
        sim::mouse().ledInstruct[1] = 0;
        QVERIFY(rig.view->chkIsLogoLedWork());
        sim::mouse().ledInstruct[1] = 1;
        QVERIFY(!rig.view->chkIsLogoLedWork());
    }

    void foolProofingAsksOkCancelWithCancelDefault()
    {
        rig.start();
        rig.view->messageTexts = QStringList{"m0", "m1", "m2", "m3", "Left button", "Really reassign?"};
        rig.dialogs->button = QMessageBox::Ok;
        QVERIFY(rig.view->getMsgAns_FoolProofing());
        rig.dialogs->button = QMessageBox::Cancel;
        QVERIFY(!rig.view->getMsgAns_FoolProofing());
        QCOMPARE(rig.dialogs->requests.size(), 2);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Left button"));
        QCOMPARE(rig.dialogs->requests[0].text, QString("Really reassign?"));
        QCOMPARE(rig.dialogs->requests[0].buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(rig.dialogs->requests[0].defaultButton, QMessageBox::Cancel);

        // Texts not loaded yet: still asks, and does not read past the list.
        rig.view->messageTexts.clear();
        rig.dialogs->button = QMessageBox::Ok;
        QVERIFY(rig.view->getMsgAns_FoolProofing());
        QCOMPARE(rig.dialogs->requests.size(), 3);
    }

private:
    // The four option bytes the mouse answers 83H with.
    static void setFunctionOption(std::initializer_list<uchar> option)
    {
        std::copy(option.begin(), option.end(), sim::mouse().functionOption);
    }

    static QByteArray DeviceBytesOf(const QVariantList &list)
    {
        QByteArray b;
        for (const QVariant &v : list)
            b.append(char(v.toInt() & 0xFF));
        return b;
    }
};

QTEST_MAIN(tst_devset_mouse)
#include "tst_devset_mouse.moc"
