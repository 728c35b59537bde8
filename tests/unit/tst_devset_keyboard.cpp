// SPDX-License-Identifier: MIT
// Keyboard settings slots against the simulated keyboard: bytes on the wire, the
// keyboard's store, and the keyboard keys of the current profile.
#include "tst_devset_rig.h"
#include <QSettings>
#include <QtTest>

using Link = DevsetRig::Link;
using sim::Family;

class tst_devset_keyboard : public QObject
{
    Q_OBJECT
    DevsetRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void longKeyboardMacroIsCutTo192()
    {
        rig.start(Link::KeyboardAsEntry1);
        rig.view->messageTexts = QStringList{"Macro too long", "Cut to fit", "m2", "m3", "m4", "m5"};
        rig.writeMacroFile("Long", keyStepLines(98), 9);   // 200 bytes; the count is not sent
        rig.view->ui_11H_SetMacroKey(QVariant(4), QVariant("Long"));
        rig.settle();

        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Macro too long"));
        QCOMPARE(rig.dialogs->requests[0].text, QString("Cut to fit"));
        QCOMPARE(rig.dialogs->requests[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

        const auto cmds = rig.commandsWithCode(0x11, Family::Keyboard);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].block.left(4), bytes({0x11, 0, 4, 0x03}));
        // Cut after the last whole step that fits with the end mark: 94 steps end with a
        // release, so nothing is held (the cut at byte 192 used to end on a press).
        const QByteArray expected = bytes({0x00, 0x01}) + keyStepBytes(94) + bytes({0x00, 0x00});
        QCOMPARE(cmds[0].bulk, expected);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(sim::keyboardSnapshot().macros[4]), 192), expected);
    }

    void shortKeyboardMacroNeedsNoWarning()
    {
        rig.start(Link::KeyboardAsEntry1);
        rig.writeMacroFile("Short", keyStepLines(2), 9);
        rig.view->ui_11H_SetMacroKey(QVariant("0"), QVariant("Short"));
        rig.view->ui_11H_SetMacroKey(QVariant(1), QVariant("../../escape"));
        rig.settle();
        QVERIFY(rig.dialogs->requests.isEmpty());
        const auto cmds = rig.commandsWithCode(0x11, Family::Keyboard);
        QCOMPARE(cmds.size(), 1);   // the unsafe name sends nothing
        QCOMPARE(cmds[0].bulk, bytes({0x00, 0x01, 0x01, 0x04, 0x81, 0x04, 0x00, 0x00}) + QByteArray(184, '\0'));
    }

    void keyMatrixStores126KeysAndSends512Bytes()
    {
        rig.start(Link::KeyboardAsEntry1);
        QVariantList src;
        for (int i = 0; i < 512; ++i)
            src.append(i);   // low bytes on the wire
        rig.view->ui_0DH_SetKeyMatrix(src);
        rig.settle();

        QCOMPARE(rig.storedProfileValue("keydefine/0").toList().size(), 4);
        const QVariantList last = rig.storedProfileValue("keydefine/125").toList();
        QCOMPARE(last.size(), 4);
        QCOMPARE(last.at(3).toInt(), 503);
        QVERIFY(!rig.storedProfileValue("keydefine/126").isValid());
        QVERIFY(!rig.storedProfileValue("keydefine/127").isValid());

        const auto cmds = rig.commandsWithCode(0x0D, Family::Keyboard);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].p(3), uchar(0x08));
        QCOMPARE(cmds[0].bulk.size(), 512);
        for (int i = 0; i < 512; ++i)
            QCOMPARE(uchar(cmds[0].bulk.at(i)), uchar(i & 0xFF));
    }

    void shortKeyMatrixFillsMissingKeysWithZero()
    {
        rig.start(Link::KeyboardAsEntry1);
        rig.view->ui_0DH_SetKeyMatrix(ints({1, 2, 3, 4, 5}));
        rig.settle();
        QCOMPARE(rig.storedProfileValue("keydefine/1").toList(), QVariantList({"5", "0", "0", "0"}));
        QCOMPARE(rig.storedProfileValue("keydefine/125").toList(), QVariantList({"0", "0", "0", "0"}));
        const auto cmds = rig.commandsWithCode(0x0D, Family::Keyboard);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].bulk, bytes({1, 2, 3, 4, 5}) + QByteArray(507, '\0'));
    }

    void userPictureOption255OnlyStores()
    {
        rig.start(Link::KeyboardAsEntry1);
        QVariantList picture;
        for (int i = 0; i < 512; ++i)
            picture.append(i % 7);
        rig.view->ui_12H_SetUserPicture(2, 255, picture);
        rig.settle();
        QVERIFY(rig.commandsWithCode(0x12, Family::Keyboard).isEmpty());
        QCOMPARE(rig.storedProfileValue("userPicture/2").toList().size(), 512);
        QCOMPARE(rig.view->ui_92H_GetUserPicture(2).size(), 512);

        rig.view->ui_12H_SetUserPicture(3, 1, picture);
        rig.settle();
        const auto cmds = rig.commandsWithCode(0x12, Family::Keyboard);
        QCOMPARE(cmds.size(), 1);
        QCOMPARE(cmds[0].block.left(5), bytes({0x12, 0, 3, 0x08, 1}));
        QCOMPARE(cmds[0].bulk.size(), 512);
        QCOMPARE(int(cmds[0].bulk.at(13)), 13 % 7);
        QCOMPARE(rig.storedProfileValue("userPicture/3").toList().size(), 512);
    }

    void lightsAndColoursGoToProfileAndDevice()
    {
        rig.start(Link::KeyboardAsEntry1);
        rig.view->ui_08H_SetLEDType(1, 2, 3, 4, 5, 6);
        rig.view->ui_14H_SetColor(3, 255, 128, 0);
        rig.view->ui_07H_SetControlIndicatorLight(2, 9);
        rig.view->ui_09H_SetKeyboardMode(1);
        rig.view->ui_0EH_SetKeyOnOff(ints({0xFF, 0x01}));
        rig.view->ui_13H_SetRecoveryData();
        rig.settle();

        QCOMPARE(rig.view->ui_88H_GetLEDType(), QVariantList({"2", "3", "4", "5", "6"}));
        QCOMPARE(rig.view->ui_94H_GetColor(3), QVariantList({"255", "128", "0"}));
        const auto cmds = rig.commands(Family::Keyboard);
        QCOMPARE(cmds.size(), 6);
        QCOMPARE(cmds[0].block.left(7), bytes({0x08, 1, 2, 3, 4, 5, 6}));
        QCOMPARE(cmds[1].block.left(6), bytes({0x14, 0, 3, 255, 128, 0}));
        QCOMPARE(cmds[2].block.left(3), bytes({0x07, 2, 9}));
        QCOMPARE(cmds[3].block.left(2), bytes({0x09, 1}));
        QCOMPARE(cmds[4].block.left(4), bytes({0x0E, 0, 0, 0x15}));
        QCOMPARE(cmds[4].bulk.left(21), bytes({0xFF, 0x01}) + QByteArray(19, '\0'));
        QCOMPARE(cmds[5].block.left(2), bytes({0x13, 0xFF}));
    }

    void readsReturnWhatTheKeyboardHolds()
    {
        rig.start(Link::KeyboardAsEntry1);
        auto &store = sim::keyboard();
        store.keyMatrix[0] = 0x29;
        store.keyMatrix[511] = 0x3A;
        store.keyOnOff[20] = 0x80;
        store.macros[7][191] = 0x44;
        store.mode = 2;
        store.profile = 3;
        const uchar sens[4] = {9, 8, 7, 6};
        std::copy(sens, sens + 4, store.sensitivity);
        store.fwMajor = 0x1A;
        store.fwMinor = 5;

        const QVariantList matrix = rig.view->ui_8DH_GetKeyMatrix();
        QCOMPARE(matrix.size(), 512);
        QCOMPARE(matrix.first(), QVariant(0x29));
        QCOMPARE(matrix.last(), QVariant(0x3A));
        const QVariantList onOff = rig.view->ui_8EH_GetKeyOnOff();
        QCOMPARE(onOff.size(), 21);
        QCOMPARE(onOff.last(), QVariant(0x80));
        const QVariantList macro = rig.view->ui_91H_GetMacroKey(7);
        QCOMPARE(macro.size(), 192);
        QCOMPARE(macro.last(), QVariant(0x44));
        QCOMPARE(rig.view->ui_89H_GetKeyboardMode(), QVariant(2));
        QCOMPARE(rig.view->ui_82H_GetCurrentProfile(), QVariant(3));
        QCOMPARE(rig.view->ui_84H_GetButtonSensitivity(), QVariantList({9, 8, 7, 6}));
        QCOMPARE(rig.view->ui_80H_GetFWVersion(), QString("1a.05"));
    }

    void readsWithoutDeviceAnswerZeros()
    {
        rig.start(Link::None);
        const QVariantList matrix = rig.view->ui_8DH_GetKeyMatrix();
        QCOMPARE(matrix.size(), 512);
        QCOMPARE(matrix.count(QVariant(0)), 512);
        QCOMPARE(rig.view->ui_91H_GetMacroKey(0).size(), 192);
        QCOMPARE(rig.view->ui_89H_GetKeyboardMode(), QVariant(0));
        QCOMPARE(rig.view->ui_80H_GetFWVersion(), QString());
        QVERIFY(rig.view->ui_88H_GetLEDType().isEmpty());
    }

    void syncFwOnMouseEntryDoesNothing()
    {
        rig.start(Link::Mouse);
        sim::setPresent(Family::Keyboard, true);
        rig.view->syncFW();
        rig.settle();
        QVERIFY(rig.commands(Family::Mouse).isEmpty());
        QVERIFY(rig.commands(Family::Keyboard).isEmpty());
        for (int i = 0; i < 5; ++i)
            QVERIFY(!rig.storedProfileValue("userPicture/" + QString::number(i)).isValid());
    }

    void syncFwKeepsStoredPicturesWhenTheReadFails()
    {
        rig.start(Link::Mouse);
        QVariantList stored;
        for (int i = 0; i < 512; ++i)
            stored.append(i % 5 + 1);
        rig.view->files->currentProfile()->setValue("userPicture/1", stored);
        // The keyboard entry has no interface on this link, so every picture read fails.
        rig.hid->swichCurDevice(0, "583120");
        QCOMPARE(rig.view->currentEntry(), 0u);
        rig.view->syncFW();

        const QVariantList one = rig.storedProfileValue("userPicture/1").toList();
        QCOMPARE(one.size(), 512);
        for (int i = 0; i < 512; ++i)
            QCOMPARE(one.at(i).toInt(), i % 5 + 1);
        // Pictures that were never stored come out empty, not as a copy of picture 1.
        const QVariantList two = rig.storedProfileValue("userPicture/2").toList();
        QCOMPARE(two.size(), 512);
        for (const QVariant &v : two)
            QCOMPARE(v.toInt(), 0);
    }
};

QTEST_MAIN(tst_devset_keyboard)
#include "tst_devset_keyboard.moc"
