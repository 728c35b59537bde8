// SPDX-License-Identifier: MIT
// Keyboard device settings: the keyboard family's slots. Same conventions as the mouse
// settings: fixed zero-filled buffers, profile written before the device is asked.
#include "KeyboardSettings.h"
#include "DiskLayout.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "KeyboardCodec.h"
#include <QDebug>
#include <QSettings>

using namespace DeviceBytes;
using namespace KeyboardCodec;

void KeyboardSettings::syncFW()
{
    if (currentEntry() != 0)
        return;
    QSettings *p = profile();
    Hid_Thread *h = link();
    if (!h)
        return;
    for (int i = 0; i < SyncedPictures; ++i) {
        const QString key = DiskLayout::Key::userPicture(i);
        // Start from the stored picture: a read that fails hands the buffer back as
        // given, so the profile keeps its picture instead of zeros or the previous one.
        QByteArray buffer = fromList(p ? p->value(key, 0).toList() : QVariantList(), PictureBytes);
        h->hid_92H_GetUserPicture(uchar(i), reinterpret_cast<uchar *>(buffer.data()));
        if (p)
            p->setValue(key, toList(reinterpret_cast<const uchar *>(buffer.constData()), PictureBytes));
    }
}

void KeyboardSettings::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    if (Hid_Thread *h = link())
        h->hid_07H_SetControlIndicatorLight(effect, frequenty);
}

void KeyboardSettings::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color,
                                         uchar direction)
{
    if (QSettings *p = profile())
        p->setValue(DiskLayout::Key::kKeyboardLedType, QVariantList{int(effect), int(speed), int(light), int(color), int(direction)});
    if (Hid_Thread *h = link())
        h->hid_08H_SetLEDType(option, effect, speed, light, color, direction);
}

void KeyboardSettings::ui_09H_SetKeyboardMode(uchar mode)
{
    if (Hid_Thread *h = link())
        h->hid_09H_SetKeyboardMode(mode);
}

void KeyboardSettings::ui_0DH_SetKeyMatrix(const QVariantList &src512)
{
    if (QSettings *p = profile()) {
        for (int k = 0; k < MatrixKeys; ++k) {
            QVariantList key;
            for (int i = 0; i < 4; ++i)
                key.append(element(src512, 4 * k + i));
            p->setValue(DiskLayout::Key::keyboardKey(k), key);
        }
    }
    QByteArray matrix = fromList(src512, MatrixBytes);
    if (Hid_Thread *h = link())
        h->hid_0DH_SetKeyMatrix(reinterpret_cast<uchar *>(matrix.data()));
}

void KeyboardSettings::ui_0EH_SetKeyOnOff(const QVariantList &src21)
{
    QByteArray map = fromList(src21, OnOffBytes);
    if (Hid_Thread *h = link())
        h->hid_0EH_SetKeyOnOff(reinterpret_cast<uchar *>(map.data()));
}

void KeyboardSettings::ui_11H_SetMacroKey(const QVariant &macroId, const QVariant &name)
{
    const QString macroName = name.toString();
    if (MacroLibrary::pathFor(macroName).isEmpty()) {
        qDebug() << "ui_11H_SetMacroKey: refused macro name" << macroName;
        return;
    }
    // Cut at an event, never inside one, and never leaving a key held; the file stays.
    // The play count stays as the coder wrote it (00 01).
    bool cut = false;
    QByteArray block = macroBlock(MacroLibrary::parseSteps(MacroLibrary::stepsOf(macroName)), &cut,
                                  MacroLibrary::pausesOf(macroFamily()));
    if (cut)
        warn(tr("%1").arg(messageText(0)), tr("%1").arg(messageText(1)));
    if (Hid_Thread *h = link())
        h->hid_11H_SetMacroKey(uchar(macroId.toInt() & 0xFF), reinterpret_cast<uchar *>(block.data()));
}

void KeyboardSettings::ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList &src512)
{
    if (QSettings *p = profile())
        p->setValue(DiskLayout::Key::userPicture(index), src512);
    if (option == 255)   // store only
        return;
    QByteArray picture = fromList(src512, PictureBytes);
    if (Hid_Thread *h = link())
        h->hid_12H_SetUserPicture(index, option, reinterpret_cast<uchar *>(picture.data()));
}

void KeyboardSettings::ui_13H_SetRecoveryData()
{
    if (Hid_Thread *h = link())
        h->hid_13H_SetRecoveryData();
}

void KeyboardSettings::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    if (QSettings *p = profile())
        p->setValue(DiskLayout::Key::keyboardColor(index), QVariantList{int(rValue), int(gValue), int(bValue)});
    if (Hid_Thread *h = link())
        h->hid_14H_SetColor(index, rValue, gValue, bValue);
}

QString KeyboardSettings::ui_80H_GetFWVersion()
{
    QString version;
    if (Hid_Thread *h = link())
        h->hid_80H_GetFWVersion(version);
    return version;
}

QVariant KeyboardSettings::ui_82H_GetCurrentProfile()
{
    uchar profileNo = 0;
    if (Hid_Thread *h = link())
        h->hid_82H_GetCurrentProfile(profileNo);
    return QVariant(int(profileNo));
}

QVariantList KeyboardSettings::ui_84H_GetButtonSensitivity()
{
    uchar s[4] = {};
    if (Hid_Thread *h = link())
        h->hid_84H_GetButtonSensitivity(s[0], s[1], s[2], s[3]);
    return toList(s, 4);
}

QVariantList KeyboardSettings::ui_88H_GetLEDType()
{
    QSettings *p = profile();
    return p ? p->value(DiskLayout::Key::kKeyboardLedType, 0).toList() : QVariantList();
}

QVariant KeyboardSettings::ui_89H_GetKeyboardMode()
{
    uchar mode = 0;
    if (Hid_Thread *h = link())
        h->hid_89H_GetKeyboardMode(mode);
    return QVariant(int(mode));
}

QVariantList KeyboardSettings::ui_8DH_GetKeyMatrix()
{
    uchar m[MatrixBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_8DH_GetKeyMatrix(m);
    return toList(m, MatrixBytes);
}

QVariantList KeyboardSettings::ui_8EH_GetKeyOnOff()
{
    uchar m[OnOffBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_8EH_GetKeyOnOff(m);
    return toList(m, OnOffBytes);
}

QVariantList KeyboardSettings::ui_91H_GetMacroKey(uchar macroId)
{
    uchar m[MacroBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_91H_GetMacroKey(macroId, m);
    return toList(m, MacroBytes);
}

QVariantList KeyboardSettings::ui_92H_GetUserPicture(uchar index)
{
    QSettings *p = profile();
    return p ? p->value(DiskLayout::Key::userPicture(index), 0).toList() : QVariantList();
}

QVariantList KeyboardSettings::ui_94H_GetColor(uchar index)
{
    QSettings *p = profile();
    return p ? p->value(DiskLayout::Key::keyboardColor(index), 0).toList() : QVariantList();
}
