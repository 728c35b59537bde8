// SPDX-License-Identifier: MIT
// The process-wide name-to-usage map, built from the key-name rows (keyboard and mouse
// names in one map), for turning macro text back into codes.
#include "KeyNames.h"
#include "KeyTables.h"

namespace {
// Built on first use; the static's initialisation is thread-safe, so a lookup from any
// thread sees a complete map even when buildKeyNameMap was never called.
const QHash<QString, uchar> &nameMap()
{
    static const QHash<QString, uchar> map = [] {
        QHash<QString, uchar> m;
        m.reserve(KeyTables::nameRowCount);
        for (int i = 0; i < KeyTables::nameRowCount; ++i)
            m.insert(QString::fromUtf8(KeyTables::nameRows[i].name), KeyTables::nameRows[i].code);
        return m;
    }();
    return map;
}
}

void buildKeyNameMap() { nameMap(); }

uchar usageForKeyName(const QString &name) { return nameMap().value(name, 0); }
