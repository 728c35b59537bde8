// SPDX-License-Identifier: MIT
// Builds the device warning from a handshake outcome (see DeviceWarning.h).
#include "DeviceWarning.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include "UdevAccessRule.h"

QString deviceWarningText(const HandshakeOutcome &outcome, const QString &langCode)
{
    const QString first = QStringLiteral("Can not detect %1 !").arg(outcome.productName);
    QString why;
    switch (outcome.reason) {
    case DeviceFault::NoAccess:
        // With the rule in place the rights come with the next plug-in or login.
        if (UdevAccessRule::isInstalled()) {
            why = Localisation::message(langCode, MessageTexts::NoAccessReplug);
        } else {
            // A translation that lost its place holder still shows the command.
            const QString text = Localisation::message(langCode, MessageTexts::NoAccessInstallRule);
            const QString command = UdevAccessRule::installCommand();
            why = text.contains(QLatin1String("%1")) ? text.arg(command) : text + QLatin1Char(' ') + command;
        }
        break;
    case DeviceFault::Busy:
        why = Localisation::message(langCode, MessageTexts::DeviceBusy);
        break;
    case DeviceFault::Refused:
        why = Localisation::message(langCode, MessageTexts::CodeRefused);
        break;
    case DeviceFault::None:
    case DeviceFault::Absent:
        break;
    }
    return why.isEmpty() ? first : first + QLatin1Char('\n') + why;
}
