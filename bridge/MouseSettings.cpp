// SPDX-License-Identifier: MIT
// Mouse device settings: QML values to command bytes, mirrored in the current profile.
#include "MouseSettings.h"
#include "myQQuickView.h"

MouseSettings::MouseSettings(myQQuickView *view) : QObject(view), view(view) {}
