// SPDX-License-Identifier: MIT
// The keyboard family's values as device bytes: buffer sizes from the command table and
// its macro blocks (pauses of their own, play count as the coder writes it). Pure functions.
#pragma once
#include "CommandTable.h"
#include "MacroBlock.h"
#include <QByteArray>

namespace KeyboardCodec {

constexpr int MatrixBytes = Cmd::KbSetKeyMatrix.bulk;
constexpr int KeyRecordBytes = 4;
constexpr int MatrixKeys = 126;     // keys kept in the profile
constexpr int OnOffBytes = Cmd::KbSetKeyOnOff.bulk;
constexpr int MacroBytes = Cmd::KbSetMacroKey.bulk;
constexpr int PictureBytes = Cmd::KbSetUserPicture.bulk;
constexpr int MacroSlots = 35;

// 11H block: the steps coded with the keyboard's pauses (or the family given), cut to the slot.
QByteArray macroBlock(const QVector<MacroBlock::Step> &steps, bool *cut = nullptr,
                      MacroBlock::Pauses pauses = MacroBlock::Pauses::Keyboard);

} // namespace KeyboardCodec
