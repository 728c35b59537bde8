// SPDX-License-Identifier: MIT
// The five interface sound players and their sequencing.
#include "InterfaceSounds.h"
#include "myQQuickView.h"

InterfaceSounds::InterfaceSounds(myQQuickView *view) : QObject(view), view(view) {}
