// SPDX-License-Identifier: MIT
// Mouse lighting settings (see LightingSettings.h).
#include "LightingSettings.h"
#include "DiskLayout.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MouseCommands.h"
#include "ProfileFiles.h"
#include <QSettings>

namespace Key = DiskLayout::Key;

using DeviceBytes::unsignedList;

namespace {

// A stored on/off flag, or an invalid value when the key is missing.
QVariant ledPowerIn(const QSettings &s)
{
    const QVariant v = s.value(Key::kLedPower);
    return v.isValid() ? QVariant(v.toBool()) : QVariant();
}
} // namespace

void LightingSettings::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, const QVariantList &configs)
{
    if (QSettings *p = profile()) {
        p->setValue(Key::kLedEffect, configs);
        // Effect 0 is light off whatever the triple names; kept beside it, triple unchanged.
        p->setValue(Key::kLedPower, effect != 0);
    }
    if (Hid_Thread *h = writeLink())
        h->hid_0DH_SetRGBLedEffect(effect, option1, option2);
}

QVariant LightingSettings::getLedPowerOn()
{
    QSettings *p = profile();
    return p ? ledPowerIn(*p) : QVariant();
}

QVariant LightingSettings::getDefaultLedPowerOn()
{
    return ledPowerIn(QSettings(ProfileFiles::factoryProfilePath(), QSettings::IniFormat));
}

QVariantList LightingSettings::ui_8DH_GetRGBLedEffect()
{
    QSettings *p = profile();
    return p ? unsignedList(p->value(Key::kLedEffect, 0)) : QVariantList();
}

void LightingSettings::ui_10H_SetLED8StageColor(uchar type, const QVariantList &src24)
{
    if (QSettings *p = profile())
        p->setValue(Key::stageColors(type), src24);
    MouseCommands::sendStageColors(writeLink(), type, src24);
}

QVariantList LightingSettings::ui_90H_GetLED8StageColor(uchar type)
{
    QSettings *p = profile();
    return p ? unsignedList(p->value(Key::stageColors(type), 0)) : QVariantList();
}

bool LightingSettings::chkIsLogoLedWork()
{
    bool works = false;
    return MouseCommands::readLogoLedWorks(link(), &works) && works;
}
