// SPDX-License-Identifier: MIT
// Mouse button bindings: the key matrix (with the macros it binds and the gun-loop
// expansion), the factory matrices, the scroll direction and the left-button guard.
#pragma once
#include "DeviceSettings.h"
#include <QVariantList>

class BindingSettings : public DeviceSettings
{
    Q_OBJECT
public:
    using DeviceSettings::DeviceSettings;

    void ui_12H_SetKeyMatrix(const QVariantList &src64);
    void ui_12H_SetDefaultKeyMatrix(const QVariantList &src64, uint index);
    QVariantList ui_92H_GetKeyMatrix();
    void ui_02H_SetKeymatrix(uchar index);
    void setScrollPinSwap(bool isSwap);
    bool getScrollPinSwap();
    // Asks before the last key acting as the left button gets another function.
    bool getMsgAns_FoolProofing();
};
