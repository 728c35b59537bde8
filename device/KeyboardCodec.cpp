// SPDX-License-Identifier: MIT
// The keyboard family's value codes (see KeyboardCodec.h).
#include "KeyboardCodec.h"

namespace KeyboardCodec {

QByteArray macroBlock(const QVector<MacroBlock::Step> &steps, bool *cut, MacroBlock::Pauses pauses)
{
    return MacroBlock::block(steps, pauses, MacroBytes, cut);
}

} // namespace KeyboardCodec
