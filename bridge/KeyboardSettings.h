// SPDX-License-Identifier: MIT
// Keyboard device settings: the keyboard family's slots (lights, key matrix, macros,
// pictures, firmware version) and the picture synchronisation of the device check.
#pragma once
#include "DeviceSettings.h"
#include <QString>
#include <QVariant>
#include <QVariantList>

class KeyboardSettings : public DeviceSettings
{
    Q_OBJECT
public:
    using DeviceSettings::DeviceSettings;

    static constexpr int SyncedPictures = 5;

    void syncFW();
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction);
    void ui_09H_SetKeyboardMode(uchar mode);
    void ui_0DH_SetKeyMatrix(const QVariantList &src512);
    void ui_0EH_SetKeyOnOff(const QVariantList &src21);
    void ui_11H_SetMacroKey(const QVariant &macroId, const QVariant &name);
    void ui_12H_SetUserPicture(uchar index, uchar option, const QVariantList &src512);
    void ui_13H_SetRecoveryData();
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    QString ui_80H_GetFWVersion();
    QVariant ui_82H_GetCurrentProfile();
    QVariantList ui_84H_GetButtonSensitivity();
    QVariantList ui_88H_GetLEDType();
    QVariant ui_89H_GetKeyboardMode();
    QVariantList ui_8DH_GetKeyMatrix();
    QVariantList ui_8EH_GetKeyOnOff();
    QVariantList ui_91H_GetMacroKey(uchar macroId);
    QVariantList ui_92H_GetUserPicture(uchar index);
    QVariantList ui_94H_GetColor(uchar index);
};
