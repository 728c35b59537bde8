// SPDX-License-Identifier: MIT
// Message texts after the six fixed ones (language-file keys msg/6 onward): their numbers
// and the English text used when a language file lacks one.
#pragma once
#include <QString>

namespace MessageTexts {
// Numbers are grouped by subject so that new texts never shift old ones:
//   6-9 device access, 10-14 what the mouse holds, 15-19 files, 20-24 input capture.
enum Index : int {
    FirstExtra = 6,

    // Device access: the line added under "Can not detect %1 !" for a mouse that is
    // plugged in but cannot be used.
    NoAccessInstallRule = 6,   // %1: the command that installs the udev rule
    NoAccessReplug = 7,        // the rule is installed, the rights have not reached the mouse yet
    DeviceBusy = 8,
    CodeRefused = 9,

    // What the mouse holds
    AllSaveFailed = 10,      // %1: one line per setting that did not reach the mouse
    MacroSlotsFull = 11,     // %1: the number of slots
    MacroSlotsShared = 12,   // %1: one line per shared slot (MacroSlotShared)
    MacroSlotShared = 13,    // %1: slot number, %2: the macro names
    AllSaveNoMouse = 14,     // nothing reached the mouse

    // Files (%1 the file, %2 the name of the copy kept beside it).
    FileDamaged = 15,
    FileRebuilt = 16,
    FileUnreadable = 17,
    FileUnwritable = 18,
    ImportRepaired = 19,

    // Input capture.
    CaptureInWindowOnly = 20,   // no global capture: keys are read only while the window has focus
};

// English text of message `index`, empty for a number that holds no text.
QString english(int index);
}
