// SPDX-License-Identifier: MIT
// The text of the warning that ends the program when the device is rejected, made from
// the handshake's outcome: the reason becomes a line saying why and what to do.
#pragma once
#include "HandshakeOutcome.h"
#include <QString>

// "Can not detect <product> !" on its own for a device that is absent. For a device that
// is plugged in but cannot be used (no rights, held by another program, code refused) one
// more line names the cause and the fix, in the language langCode (English where the
// language file has no text for it).
QString deviceWarningText(const HandshakeOutcome &outcome, const QString &langCode);
