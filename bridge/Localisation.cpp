// SPDX-License-Identifier: MIT
// Language files under ./modules/i18n/: language list, interface strings, key labels.
#include "Localisation.h"
#include "myQQuickView.h"

Localisation::Localisation(myQQuickView *view) : QObject(view), view(view) {}
