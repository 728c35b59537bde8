// SPDX-License-Identifier: MIT
// Mouse macro slots and recoil (see MacroRecoilSettings.h).
#include "MacroRecoilSettings.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MouseCodec.h"
#include "MouseCommands.h"

using namespace DeviceBytes;

void MacroRecoilSettings::ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name)
{
    MouseCommands::sendMacro(writeLink(), uchar(macroId.toInt() & 0xFF), name.toString(), macroFamily(), context.warn);
}

QVariantList MacroRecoilSettings::ui_93H_GetMacroKey(uchar macroId)
{
    uchar buffer[MouseCodec::MacroBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_93H_GetMacroKey(macroId, buffer);
    return toList(buffer, MouseCodec::MacroBytes);
}

void MacroRecoilSettings::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (Hid_Thread *h = writeLink())
        h->hid_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}

void MacroRecoilSettings::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    if (Hid_Thread *h = writeLink())
        h->hid_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4, index);
}

QVariantList MacroRecoilSettings::ui_83H_GetKeyboardoption()
{
    uchar b[4] = {};
    if (Hid_Thread *h = link())
        h->hid_83H_GetKeyboardoption(b[0], b[1], b[2], b[3]);
    return toList(b, 4);
}

void MacroRecoilSettings::r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6)
{
    // Through the slots' own four-byte form, as QML sees it.
    const QVariantList option = ui_83H_GetKeyboardoption();
    const uchar option1 = byteAt(option, 2);
    ui_03H_SetKeyboardoption(byteAt(option, 0), byteAt(option, 1), option1,
                             MouseCodec::recoilOption(byteAt(option, 3), a4 != 0));
    const QByteArray s = MouseCodec::recoilSensitivity({a1, a2, a3, a5, a6}, option1);
    ui_04H_SetButtonSensitivity(uchar(s.at(0)), uchar(s.at(1)), uchar(s.at(2)), uchar(s.at(3)), uchar(s.at(4)));
}
