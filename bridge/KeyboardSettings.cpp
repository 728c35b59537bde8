// SPDX-License-Identifier: MIT
// Keyboard device settings: the keyboard family's slots.
#include "KeyboardSettings.h"
#include "myQQuickView.h"

KeyboardSettings::KeyboardSettings(myQQuickView *view) : QObject(view), view(view) {}
