// SPDX-License-Identifier: MIT
// Mouse device settings: QML values to command bytes, mirrored in the current profile.
// Writes reach the profile before the device, so a missing device never loses a setting.
#include "MouseSettings.h"
#include "DiskLayout.h"
#include "Hid_Thread.h"
#include "MacroLibrary.h"
#include "MouseCommands.h"
#include "ProfileFiles.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QDebug>
#include <QSettings>

using namespace DeviceBytes;

namespace {
constexpr uchar RecoilOnBit = 0x08;
namespace Key = DiskLayout::Key;

// A stored on/off flag, or an invalid value when the key is missing.
QVariant ledPowerIn(const QSettings &s)
{
    const QVariant v = s.value(Key::kLedPower);
    return v.isValid() ? QVariant(v.toBool()) : QVariant();
}
}

MouseSettings::MouseSettings(myQQuickView *view) : QObject(view), view(view)
{
    parts.profile = [view] { return view->files ? view->files->currentProfile() : nullptr; };
}

MouseSettings::MouseSettings(const Parts &parts, QObject *parent) : QObject(parent), parts(parts) {}

QSettings *MouseSettings::profile() const { return parts.profile ? parts.profile() : nullptr; }

Hid_Thread *MouseSettings::link() const { return view ? view->hid : parts.link; }

Hid_Thread *MouseSettings::writeLink() const { return holding ? nullptr : link(); }

uint MouseSettings::currentEntry() const
{
    if (view)
        return view->currentEntry();
    return parts.link ? parts.link->currentDevice() : 1;
}

void MouseSettings::holdDeviceWrites(bool hold) { holding = hold; }

MouseCommands::Warn MouseSettings::warnBox()
{
    return [](const QString &title, const QString &text) {
        UserDialogs::warning(nullptr, title, text, QMessageBox::Ok);
    };
}

void MouseSettings::ui_01H_SetReportRate(uchar rate)
{
    if (currentEntry() == 1)
        if (QSettings *p = profile())
            p->setValue(Key::kReportRate, int(rate));
    if (Hid_Thread *h = writeLink())
        h->hid_01H_SetReportRate(rate);
}

QVariant MouseSettings::ui_81H_GetReportRate()
{
    switch (currentEntry()) {
    case 0: {
        uchar rate = 0;
        if (Hid_Thread *h = link())
            h->hid_81H_GetReportRate(rate);
        return QVariant(int(rate));
    }
    case 1: {
        QSettings *p = profile();
        return QVariant(p ? int(p->value(Key::kReportRate, 0).toUInt() & 0xFF) : 0);
    }
    default:
        return QVariant(0);
    }
}

void MouseSettings::ui_02H_SetCurrentProfile(int profile)
{
    if (!view || !view->files || view->files->currentIndex() == profile)
        return;
    // Only ten profile files exist; another index would leave every later read and
    // write without a profile.
    if (profile < 0 || profile > 9) {
        qDebug() << "ui_02H_SetCurrentProfile: no profile" << profile;
        return;
    }
    view->files->setCurrentIndex(profile);
    if (currentEntry() == 0)
        if (Hid_Thread *h = link())
            h->hid_02H_SetCurrentProfile(uchar(profile));
}

void MouseSettings::ui_02H_SetKeymatrix(uchar index)
{
    if (Hid_Thread *h = writeLink())
        h->hid_02H_SetCurrentProfile(index);
}

void MouseSettings::ui_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    if (QSettings *p = profile())
        p->setValue(Key::kDpiStage, int(dpiStage));
    if (Hid_Thread *h = writeLink())
        h->hid_0BH_SetCurrentDPIStage(dpiStage);
}

QVariant MouseSettings::ui_8BH_GetCurrentDPIStage()
{
    QSettings *p = profile();
    return QVariant(p ? int(p->value(Key::kDpiStage, 0).toUInt() & 0xFF) : 0);
}

void MouseSettings::ui_11H_SetDPISet(uchar dpiStage, const QVariantList &src8, const QVariantList &valueForIndex)
{
    if (QSettings *p = profile())
        p->setValue(Key::kDpi, valueForIndex);
    MouseCommands::sendDpiSet(writeLink(), dpiStage, src8);
}

QVariantList MouseSettings::ui_91H_GetDPISet()
{
    QSettings *p = profile();
    return p ? p->value(Key::kDpi, QVariant()).toList() : QVariantList();
}

uchar MouseSettings::ui_91H_SyncDPI()
{
    uchar maxStage = 8;
    MouseCommands::readDpiStageCount(link(), &maxStage);
    return maxStage;
}

void MouseSettings::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, const QVariantList &configs)
{
    if (QSettings *p = profile()) {
        p->setValue(Key::kLedEffect, configs);
        // Effect 0 is light off whatever the triple names; kept beside it, triple unchanged.
        p->setValue(Key::kLedPower, effect != 0);
    }
    if (Hid_Thread *h = writeLink())
        h->hid_0DH_SetRGBLedEffect(effect, option1, option2);
}

QVariant MouseSettings::getLedPowerOn()
{
    QSettings *p = profile();
    return p ? ledPowerIn(*p) : QVariant();
}

QVariant MouseSettings::getDefaultLedPowerOn()
{
    return ledPowerIn(QSettings(ProfileFiles::factoryProfilePath(), QSettings::IniFormat));
}

QVariantList MouseSettings::ui_8DH_GetRGBLedEffect()
{
    QSettings *p = profile();
    return p ? unsignedList(p->value(Key::kLedEffect, 0)) : QVariantList();
}

void MouseSettings::ui_10H_SetLED8StageColor(uchar type, const QVariantList &src24)
{
    if (QSettings *p = profile())
        p->setValue(Key::stageColors(type), src24);
    MouseCommands::sendStageColors(writeLink(), type, src24);
}

QVariantList MouseSettings::ui_90H_GetLED8StageColor(uchar type)
{
    QSettings *p = profile();
    return p ? unsignedList(p->value(Key::stageColors(type), 0)) : QVariantList();
}

void MouseSettings::ui_12H_SetKeyMatrix(const QVariantList &src64)
{
    QList<QVariantList> fireKeys;
    for (int s = 0; s < 3; ++s)
        fireKeys.append(view->getSelGundata(s));

    if (QSettings *p = profile()) {
        for (int k = 0; k < 16; ++k) {
            QVariantList key;
            for (int i = 0; i < 4; ++i)
                key.append(element(src64, 4 * k + i));
            p->setValue(Key::mouseKey(k), key);
        }
    }

    // The buttons play what the mouse holds in the slots they name, so the macros this
    // matrix binds go first, from their files.
    Hid_Thread *h = writeLink();
    if (!h)
        return;
    MouseCommands::sendBoundMacros(h, src64, macroFamily(), warnBox());
    MouseCommands::sendKeyMatrices(h, src64, fireKeys);
}

void MouseSettings::ui_12H_SetDefaultKeyMatrix(const QVariantList &src64, uint index)
{
    QByteArray m = fromList(src64, MatrixBytes);
    if (Hid_Thread *h = writeLink())
        h->hid_12H_SetKeyMatrix(reinterpret_cast<uchar *>(m.data()), uchar((index + 1) & 0xFF));
}

QVariantList MouseSettings::ui_92H_GetKeyMatrix()
{
    uchar m[MatrixBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_92H_GetKeyMatrix(m);
    return toList(m, MatrixBytes);
}

void MouseSettings::ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name)
{
    MouseCommands::sendMacro(writeLink(), uchar(macroId.toInt() & 0xFF), name.toString(), macroFamily(), warnBox());
}

QVariantList MouseSettings::ui_93H_GetMacroKey(uchar macroId)
{
    uchar buffer[MacroBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_93H_GetMacroKey(macroId, buffer);
    return toList(buffer, MacroBytes);
}

void MouseSettings::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (Hid_Thread *h = writeLink())
        h->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void MouseSettings::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    if (Hid_Thread *h = writeLink())
        h->hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4, index);
}

QVariantList MouseSettings::ui_83H_GetKeyboardoption()
{
    uchar b[4] = {};
    if (Hid_Thread *h = link())
        h->hid_83H_GetKeyboardoption(b[0], b[1], b[2], b[3]);
    return toList(b, 4);
}

void MouseSettings::r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6)
{
    // Through the view's slots, so the same four-byte form as QML sees is used.
    const QVariantList option = view->ui_83H_GetKeyboardoption();
    const uchar type = byteAt(option, 0);
    const uchar rate = byteAt(option, 1);
    const uchar option1 = byteAt(option, 2);
    uchar option2 = byteAt(option, 3);
    option2 = a4 ? uchar(option2 | RecoilOnBit) : uchar(option2 & ~RecoilOnBit);
    view->ui_03H_SetKeyboardoption(type, rate, option1, option2);

    // option1 set means the device counts the vertical offset the other way round.
    const uchar vertical = option1 ? uchar(-a2) : a2;
    view->ui_04H_SetButtonSensitivity(a5, a3, a1, vertical, a6);
}

void MouseSettings::setScrollPinSwap(bool isSwap)
{
    if (QSettings *p = profile())
        p->setValue(Key::kScrollSwap, isSwap);
    MouseCommands::sendScrollSwap(writeLink(), isSwap);
}

bool MouseSettings::getScrollPinSwap()
{
    QSettings *p = profile();
    return p ? p->value(Key::kScrollSwap, false).toBool() : false;
}

QVariant MouseSettings::getSensorType()
{
    uchar type = 0, option1 = 0, option2 = 0;
    if (Hid_Thread *h = link())
        h->hid_83H_GetFunctionOption(type, option1, option2);
    return QVariant(int(type));
}

bool MouseSettings::chkIsLogoLedWork()
{
    bool works = false;
    return MouseCommands::readLogoLedWorks(link(), &works) && works;
}

int MouseSettings::macroFamily() const
{
    if (!view)
        return parts.link ? parts.link->currentFamily() : -1;
    return view->macros ? view->macros->family() : view->deviceFamily();
}

bool MouseSettings::getMsgAns_FoolProofing()
{
    // The texts may not be loaded yet; value() keeps a short list from being read past its end.
    const QString title = tr("%1").arg(view->messageTexts.value(4));
    const QString text = QString("%1").arg(view->messageTexts.value(5));
    return UserDialogs::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}
