// SPDX-License-Identifier: MIT
// Mouse macro slots and recoil: a macro into a device slot (its file read once, coded,
// cut to fit), the recoil switch and preset, and the four-byte option and
// sensitivity commands they use, shared with the keyboard family.
#pragma once
#include "DeviceSettings.h"
#include <QVariant>
#include <QVariantList>

class MacroRecoilSettings : public DeviceSettings
{
    Q_OBJECT
public:
    using DeviceSettings::DeviceSettings;

    void ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name);
    QVariantList ui_93H_GetMacroKey(uchar macroId);
    void r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6);

    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index);
    QVariantList ui_83H_GetKeyboardoption();
};
