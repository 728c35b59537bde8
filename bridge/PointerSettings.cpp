// SPDX-License-Identifier: MIT
// Host pointer settings (cursor speed, wheel lines, double-click, acceleration) mirrored in the profile.
#include "PointerSettings.h"
#include "myQQuickView.h"

PointerSettings::PointerSettings(myQQuickView *view) : QObject(view), view(view) {}
