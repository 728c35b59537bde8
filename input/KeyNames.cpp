// SPDX-License-Identifier: MIT
// Key-name map (placeholder until the key code tables are built).
#include "KeyNames.h"

void buildKeyNameMap() {}
uchar usageForKeyName(const QString &) { return 0; }
