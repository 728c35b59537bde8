// SPDX-License-Identifier: MIT
// One device check: read its settings, list the devices, hand the current entry its
// secrecy code. The window and the command line both check the device this way.
#pragma once
#include "DeviceCheckSettings.h"
#include "HandshakeOutcome.h"

class Hid_Thread;

HandshakeOutcome checkDevice(Hid_Thread &link, const DeviceCheckSettings &settings);
