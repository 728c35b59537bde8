// SPDX-License-Identifier: MIT
// Mouse device settings: QML values to command bytes, mirrored in the current profile.
// Writes reach the profile before the device, so a missing device never loses a setting.
#include "MouseSettings.h"
#include "Hid_Thread.h"
#include "MacroLibrary.h"
#include "MouseCommands.h"
#include "ProfileFiles.h"
#include <QDebug>
#include <QSettings>

using namespace DeviceBytes;

namespace {
const char *const LedPowerKey = "color_R5/ledPower";

// A stored on/off flag, or an invalid value when the key is missing.
QVariant ledPowerIn(const QSettings &s)
{
    const QVariant v = s.value(LedPowerKey);
    return v.isValid() ? QVariant(v.toBool()) : QVariant();
}
}


MouseSettings::MouseSettings(const Parts &parts, QObject *parent) : QObject(parent), parts(parts) {}

QSettings *MouseSettings::profile() const { return parts.profile ? parts.profile() : nullptr; }

Hid_Thread *MouseSettings::link() const { return parts.linkSource ? parts.linkSource() : parts.link; }

Hid_Thread *MouseSettings::writeLink() const { return holding ? nullptr : link(); }

uint MouseSettings::currentEntry() const
{
    if (parts.entry)
        return parts.entry();
    return parts.link ? parts.link->currentDevice() : 1;
}

void MouseSettings::holdDeviceWrites(bool hold) { holding = hold; }

MouseCommands::Warn MouseSettings::warnBox() const
{
    if (parts.warn)
        return parts.warn;
    return [](const QString &, const QString &) {};
}

void MouseSettings::ui_01H_SetReportRate(uchar rate)
{
    if (currentEntry() == 1)
        if (QSettings *p = profile())
            p->setValue("sensor/reportRate_R5", int(rate));
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
        return QVariant(p ? int(p->value("sensor/reportRate_R5", 0).toUInt() & 0xFF) : 0);
    }
    default:
        return QVariant(0);
    }
}


void MouseSettings::ui_02H_SetKeymatrix(uchar index)
{
    if (Hid_Thread *h = writeLink())
        h->hid_02H_SetCurrentProfile(index);
}

void MouseSettings::ui_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    if (QSettings *p = profile())
        p->setValue("sensor/stage_R5", int(dpiStage));
    if (Hid_Thread *h = writeLink())
        h->hid_0BH_SetCurrentDPIStage(dpiStage);
}

QVariant MouseSettings::ui_8BH_GetCurrentDPIStage()
{
    QSettings *p = profile();
    return QVariant(p ? int(p->value("sensor/stage_R5", 0).toUInt() & 0xFF) : 0);
}

void MouseSettings::ui_11H_SetDPISet(uchar dpiStage, const QVariantList &src8, const QVariantList &valueForIndex)
{
    if (QSettings *p = profile())
        p->setValue("sensor/dpi_R5", valueForIndex);
    MouseCommands::sendDpiSet(writeLink(), dpiStage, src8);
}

QVariantList MouseSettings::ui_91H_GetDPISet()
{
    QSettings *p = profile();
    return p ? p->value("sensor/dpi_R5", QVariant()).toList() : QVariantList();
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
        p->setValue("color_R5/ledEffect", configs);
        // Effect 0 is light off whatever the triple names; kept beside it, triple unchanged.
        p->setValue(LedPowerKey, effect != 0);
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
    return p ? unsignedList(p->value("color_R5/ledEffect", 0)) : QVariantList();
}

void MouseSettings::ui_10H_SetLED8StageColor(uchar type, const QVariantList &src24)
{
    if (QSettings *p = profile())
        p->setValue("color_R5/type" + QString::number(type), src24);
    MouseCommands::sendStageColors(writeLink(), type, src24);
}

QVariantList MouseSettings::ui_90H_GetLED8StageColor(uchar type)
{
    QSettings *p = profile();
    return p ? unsignedList(p->value("color_R5/type" + QString::number(type), 0)) : QVariantList();
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


void MouseSettings::setScrollPinSwap(bool isSwap)
{
    if (QSettings *p = profile())
        p->setValue("keydefine_R5/scrollswap", isSwap);
    MouseCommands::sendScrollSwap(writeLink(), isSwap);
}

bool MouseSettings::getScrollPinSwap()
{
    QSettings *p = profile();
    return p ? p->value("keydefine_R5/scrollswap", false).toBool() : false;
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
    if (parts.family)
        return parts.family();
    return parts.link ? parts.link->currentFamily() : -1;
}

