// SPDX-License-Identifier: MIT
// Mouse sensor settings (see SensorSettings.h). Writes reach the profile before the
// device, so a missing device never loses a setting.
#include "SensorSettings.h"
#include "DiskLayout.h"
#include "Hid_Thread.h"
#include "MouseCodec.h"
#include "MouseCommands.h"
#include "ProfileFiles.h"
#include <QDebug>
#include <QSettings>

namespace Key = DiskLayout::Key;

void SensorSettings::ui_01H_SetReportRate(uchar rate)
{
    if (currentEntry() == 1)
        if (QSettings *p = profile())
            p->setValue(Key::kReportRate, int(rate));
    if (Hid_Thread *h = writeLink())
        h->hid_01H_SetReportRate(rate);
}

QVariant SensorSettings::ui_81H_GetReportRate()
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

void SensorSettings::ui_02H_SetCurrentProfile(int index)
{
    ProfileFiles *files = context.files;
    if (!files || files->currentIndex() == index)
        return;
    // Only ten profile files exist; another index would leave every later read and
    // write without a profile.
    if (index < 0 || index > 9) {
        qDebug() << "ui_02H_SetCurrentProfile: no profile" << index;
        return;
    }
    files->setCurrentIndex(index);
    if (currentEntry() == 0)
        if (Hid_Thread *h = link())
            h->hid_02H_SetCurrentProfile(uchar(index));
}

void SensorSettings::ui_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    if (QSettings *p = profile())
        p->setValue(Key::kDpiStage, int(dpiStage));
    if (Hid_Thread *h = writeLink())
        h->hid_0BH_SetCurrentDPIStage(dpiStage);
}

QVariant SensorSettings::ui_8BH_GetCurrentDPIStage()
{
    QSettings *p = profile();
    return QVariant(p ? int(p->value(Key::kDpiStage, 0).toUInt() & 0xFF) : 0);
}

void SensorSettings::ui_11H_SetDPISet(uchar dpiStage, const QVariantList &src8, const QVariantList &valueForIndex)
{
    if (QSettings *p = profile())
        p->setValue(Key::kDpi, valueForIndex);
    MouseCommands::sendDpiSet(writeLink(), dpiStage, src8);
}

QVariantList SensorSettings::ui_91H_GetDPISet()
{
    QSettings *p = profile();
    return p ? p->value(Key::kDpi, QVariant()).toList() : QVariantList();
}

uchar SensorSettings::ui_91H_SyncDPI()
{
    uchar maxStage = MouseCodec::Stages;
    MouseCommands::readDpiStageCount(link(), &maxStage);
    return maxStage;
}

QVariant SensorSettings::getSensorType()
{
    uchar type = 0, option1 = 0, option2 = 0;
    if (Hid_Thread *h = link())
        h->hid_83H_GetFunctionOption(type, option1, option2);
    return QVariant(int(type));
}
