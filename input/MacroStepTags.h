// SPDX-License-Identifier: MIT
// The step lines of a macro file: a value (a key name or a pause in ms) followed by a tag
// of ten characters that says what the step does. The macro page writes them, the coder
// reads them; both take the tags from here.
#pragma once
#include <QString>

namespace MacroStepTags {
constexpr int Width = 10;
inline QString down() { return QStringLiteral("    [Down]"); }
inline QString up() { return QStringLiteral("      [Up]"); }
inline QString delay() { return QStringLiteral("   [Delay]"); }
}
