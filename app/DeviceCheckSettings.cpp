// SPDX-License-Identifier: MIT
// Reads the device check's settings from apConfig.bin (see DeviceCheckSettings.h).
#include "DeviceCheckSettings.h"
#include "DiskLayout.h"
#include "Localisation.h"
#include <QSettings>
#include <QVariantMap>

namespace {
constexpr int kLanguageEntry = 4;   // position of the language in the interface settings
namespace Key = DiskLayout::Key;
}

DeviceCheckSettings DeviceCheckSettings::read(const QString &apConfigPath)
{
    QSettings ap(apConfigPath.isEmpty() ? DiskLayout::appSettingsPath() : apConfigPath, QSettings::IniFormat);
    ap.setIniCodec("UTF-8");
    DeviceCheckSettings s;
    s.productNames = ap.value(Key::kProductNames).toStringList();
    for (int i = 0; i < 2; ++i)
        s.codes[i] = ap.value(Key::secrecyCode(i), QStringLiteral("583120")).toString();

    bool ok = false;
    const int total = ap.value(Key::kAppTotal, 0).toInt();
    const int position = ap.value(Key::appEntry(kLanguageEntry)).toInt(&ok);
    if (total > kLanguageEntry && ok && position >= 0) {
        const QVariantList codes = Localisation::languages().values();
        if (position < codes.size())
            s.languageCode = codes.at(position).toString();
    }
    return s;
}
