// SPDX-License-Identifier: MIT
// Reads the device check's settings from apConfig.bin (see DeviceCheckSettings.h).
#include "DeviceCheckSettings.h"
#include "Localisation.h"
#include <QSettings>
#include <QVariantMap>

namespace {
constexpr int kLanguageEntry = 4;   // position of the language in the interface settings
}

DeviceCheckSettings DeviceCheckSettings::read(const QString &apConfigPath)
{
    QSettings ap(apConfigPath, QSettings::IniFormat);
    ap.setIniCodec("UTF-8");
    DeviceCheckSettings s;
    s.productNames = ap.value(QStringLiteral("common/product_name")).toStringList();
    for (int i = 0; i < 2; ++i)
        s.codes[i] = ap.value(QStringLiteral("common/sCode") + QString::number(i), QStringLiteral("583120")).toString();

    bool ok = false;
    const int total = ap.value(QStringLiteral("common/total"), 0).toInt();
    const int position = ap.value(QStringLiteral("common/%1").arg(kLanguageEntry)).toInt(&ok);
    if (total > kLanguageEntry && ok && position >= 0) {
        const QVariantList codes = Localisation::languages().values();
        if (position < codes.size())
            s.languageCode = codes.at(position).toString();
    }
    return s;
}
