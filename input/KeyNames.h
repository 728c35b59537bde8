// SPDX-License-Identifier: MIT
// The process-wide key-name map (display name to USB usage) used by the macro coder.
#pragma once
#include <QHash>
#include <QString>

// Fills the map once; later calls do nothing.
void buildKeyNameMap();
// Usage for a key name, compared exactly; 0 when the name is unknown.
uchar usageForKeyName(const QString &name);
