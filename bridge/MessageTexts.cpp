// SPDX-License-Identifier: MIT
// English message texts by number; a language file replaces them key by key.
#include "MessageTexts.h"
#include <QHash>

namespace MessageTexts {

QString english(int index)
{
    static const QHash<int, QString> texts = {
        {NoAccessInstallRule,
         QStringLiteral("The mouse is plugged in, but you have no rights to use it. "
                        "Install the udev rule shipped with the program once: %1")},
        {NoAccessReplug,
         QStringLiteral("The mouse is plugged in, but you have no rights to use it yet. "
                        "The udev rule is installed: unplug and replug the mouse, or log out and in again.")},
        {DeviceBusy,
         QStringLiteral("The mouse is plugged in, but another program holds it. "
                        "Close the other configuration tool and start again.")},
        {CodeRefused,
         QStringLiteral("The mouse answered but did not accept the secrecy code in the settings "
                        "(apConfig.bin): the settings are at fault, not the cable.")},
    };
    return texts.value(index);
}

} // namespace MessageTexts
