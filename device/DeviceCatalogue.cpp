// SPDX-License-Identifier: MIT
// Reads the device catalogue (INI, hex ids); display names come from the caller, who
// reads them from the application settings.
#include "DeviceCatalogue.h"
#include <QSettings>

namespace {
// The shipped catalogue has two sections; a bound keeps a damaged "total" from
// building millions of empty entries.
constexpr int MaxSections = 256;

quint16 hex16(const QSettings &ini, const QString &key)
{
    return quint16(ini.value(key).toString().toUInt(nullptr, 16));
}
}

QList<DeviceInfo> readCatalogue(bool *isEncode, const QStringList &names, const QString &cataloguePath)
{
    QSettings ini(cataloguePath, QSettings::IniFormat);

    QList<DeviceInfo> list;
    for (int i = 0; i < MaxSections && i < ini.value(QStringLiteral("common/total"), 0).toInt(); ++i) {
        const QString s = QString::number(i);
        DeviceInfo info;
        bool ok = false;
        info.type = ini.value(s + "/type", QStringLiteral("-1")).toString().toInt(&ok, 16);
        if (!ok)
            info.type = 0;
        info.vid = hex16(ini, s + "/vid");
        info.pid = hex16(ini, s + "/pid");
        info.usagePage = hex16(ini, s + "/usagePage");
        info.usage = hex16(ini, s + "/usage");
        info.usagePage2 = hex16(ini, s + "/usagePage2");
        info.usage2 = hex16(ini, s + "/usage2");
        info.reportLength = ini.value(s + "/reportLength", 0).toUInt();
        info.name = i < names.size() ? names.at(i) : QString();
        list.append(info);
    }
    if (isEncode)
        *isEncode = ini.value(QStringLiteral("common/isEncode"), false).toBool();
    return list;
}
