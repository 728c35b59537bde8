// SPDX-License-Identifier: MIT
// Macro files under ./modules/macro/ and the coder that turns step lines into device bytes.
#include "MacroLibrary.h"
#include "myQQuickView.h"

MacroLibrary::MacroLibrary(myQQuickView *view) : QObject(view), view(view) {}
