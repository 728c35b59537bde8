// SPDX-License-Identifier: MIT
// Mouse sensor settings: report rate, DPI stages, the current stage and profile, and the
// sensor type; stored in the current profile, then sent.
#pragma once
#include "DeviceSettings.h"
#include <QVariant>
#include <QVariantList>

class SensorSettings : public DeviceSettings
{
    Q_OBJECT
public:
    using DeviceSettings::DeviceSettings;

    void ui_01H_SetReportRate(uchar rate);
    QVariant ui_81H_GetReportRate();
    void ui_02H_SetCurrentProfile(int profile);
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    QVariant ui_8BH_GetCurrentDPIStage();
    void ui_11H_SetDPISet(uchar dpiStage, const QVariantList &src8, const QVariantList &valueForIndex);
    QVariantList ui_91H_GetDPISet();
    uchar ui_91H_SyncDPI();
    QVariant getSensorType();
};
