// SPDX-License-Identifier: MIT
// English message texts by number; a language file replaces them key by key.
#include "MessageTexts.h"
#include <QHash>

namespace MessageTexts {

QString english(int index)
{
    static const QHash<int, QString> texts = {
    };
    return texts.value(index);
}

} // namespace MessageTexts
