// SPDX-License-Identifier: MIT
// Mouse lighting settings: the lighting effect with its on/off flag, and the colours of
// the lighting and of the DPI indicator; stored in the current profile, then sent.
#pragma once
#include "DeviceSettings.h"
#include <QVariant>
#include <QVariantList>

class LightingSettings : public DeviceSettings
{
    Q_OBJECT
public:
    using DeviceSettings::DeviceSettings;

    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, const QVariantList &configs);
    QVariantList ui_8DH_GetRGBLedEffect();
    void ui_10H_SetLED8StageColor(uchar type, const QVariantList &src24);
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    bool chkIsLogoLedWork();
    // Light on/off as last sent with the effect: the stored effect triple cannot tell
    // "STATIC" (index 0) from light off. Invalid when the profile (or the factory
    // profile) predates the key, so the page falls back to the triple's own rule.
    QVariant getLedPowerOn();
    QVariant getDefaultLedPowerOn();
};
