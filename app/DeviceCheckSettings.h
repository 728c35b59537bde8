// SPDX-License-Identifier: MIT
// What the device check takes from the application settings (apConfig.bin): product
// names, the secrecy-code settings, and the language its warning is written in.
#pragma once
#include <QString>
#include <QStringList>

struct DeviceCheckSettings {
    QStringList productNames;   // common/product_name, element i names catalogue entry i
    QString codes[2];           // common/sCode0 and common/sCode1, "583120" when missing
    QString languageCode;       // language chosen on the settings page; empty: none (English)

    // The code setting of catalogue entry `index`; entries other than 0 and 1 have none.
    QString codeText(uint index) const { return index < 2 ? codes[index] : QString(); }

    // Read afresh on every check, so a changed file counts at the next one. The language
    // is the settings page's choice (entry 4 of the interface settings) looked up in the
    // language list, since no language file may have been loaded yet.
    // An empty path reads the application settings of the layout in use.
    static DeviceCheckSettings read(const QString &apConfigPath = QString());
};
