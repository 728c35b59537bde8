// SPDX-License-Identifier: MIT
// Catalogue reading (placeholder until the link is built).
#include "DeviceCatalogue.h"

QList<DeviceInfo> readCatalogue(bool *isEncode, const QString &, const QString &)
{
    if (isEncode)
        *isEncode = false;
    return {};
}
