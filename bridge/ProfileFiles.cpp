// SPDX-License-Identifier: MIT
// Application settings and the ten profile files: keys, defaults, import, export, reset.
#include "ProfileFiles.h"
#include "myQQuickView.h"

ProfileFiles::ProfileFiles(myQQuickView *view) : QObject(view), view(view) {}
