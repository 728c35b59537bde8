// SPDX-License-Identifier: MIT
// The device check shared by the window and the command line (see DeviceCheck.h).
#include "DeviceCheck.h"
#include "DeviceCatalogue.h"
#include "Hid_Thread.h"
#include "LinkState.h"

HandshakeOutcome checkDevice(Hid_Thread &link, const DeviceCheckSettings &settings)
{
    bool isEncode = false;
    link.scanDevices(readCatalogue(&isEncode, settings.productNames));
    encodeOn = isEncode;
    const uint index = link.currentDevice();
    return link.swichCurDevice(index, settings.codeText(index));
}
