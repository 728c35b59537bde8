// SPDX-License-Identifier: MIT
// English message texts by number; a language file replaces them key by key.
#include "MessageTexts.h"
#include <QHash>

namespace MessageTexts {

QString english(int index)
{
    static const QHash<int, QString> texts = {
        {NoAccessInstallRule,
         QStringLiteral("The mouse is plugged in, but you have no rights to use it. "
                        "Install the udev rule shipped with the program once: %1")},
        {NoAccessReplug,
         QStringLiteral("The mouse is plugged in, but you have no rights to use it yet. "
                        "The udev rule is installed: unplug and replug the mouse, or log out and in again.")},
        {DeviceBusy,
         QStringLiteral("The mouse is plugged in, but another program holds it. "
                        "Close the other configuration tool and start again.")},
        {CodeRefused,
         QStringLiteral("The mouse answered but did not accept the secrecy code in the settings "
                        "(apConfig.bin): the settings are at fault, not the cable.")},
        {AllSaveFailed, QStringLiteral("These settings did not reach the mouse:\n%1\n"
                                       "The mouse keeps what it held before for them. Press ALL SAVE again "
                                       "once the mouse is ready.")},
        {MacroSlotsFull, QStringLiteral("The mouse holds at most %1 macros, and buttons of your profiles "
                                        "already use all %1 of its macro slots. Give one of those buttons "
                                        "another function to free a slot, then choose the macro again.")},
        {MacroSlotsShared, QStringLiteral("Some macros claim the same macro slot of the mouse, so a button "
                                          "bound to that slot plays only one of them:\n%1\n"
                                          "Choose each of these macros again on the KEY page to give it a "
                                          "slot of its own.")},
        {MacroSlotShared, QStringLiteral("Slot %1: %2")},
        {AllSaveNoMouse, QStringLiteral("The mouse did not answer, so nothing was written to it. Check that "
                                        "it is connected and press ALL SAVE again.")},
        {FileDamaged, QStringLiteral("The file %1 was damaged. A copy of it was kept as %2; what could not be read "
                                     "was taken from the factory settings.")},
        {FileRebuilt, QStringLiteral("The file %1 was empty or unreadable and was rebuilt from the factory settings.")},
        {FileUnreadable, QStringLiteral("The file %1 cannot be read or repaired; check that it and its folder can be "
                                        "written. The program goes on without it.")},
        {FileUnwritable, QStringLiteral("The file %1 cannot be saved: the file or its folder is read-only, or the disk "
                                        "is full. Changes to it are not kept.")},
        {ImportRepaired, QStringLiteral("The file %1 is damaged. What could be read was taken; the rest comes from the "
                                        "factory settings.")},
        {CaptureInWindowOnly,
         QStringLiteral("Global key capture is not available on this desktop (Wayland, or an X server "
                        "without the RECORD extension). Key capture and macro recording see only the keys "
                        "typed while this window has focus.")},
    };
    return texts.value(index);
}

} // namespace MessageTexts
