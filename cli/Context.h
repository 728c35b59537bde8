// SPDX-License-Identifier: MIT
// What a command works on: the files, the mouse settings module and the device link of
// either a process of its own (Session) or the running window (WindowContext), so one
// implementation of each command serves both.
#pragma once
#include "HandshakeOutcome.h"
#include "MouseModules.h"
#include <QString>

class Hid_Thread;
class MacroLibrary;
class HostPointerSettings;
class ProfileFiles;
class RecoilStore;

namespace Cli {

class Context
{
public:
    virtual ~Context() = default;

    virtual ProfileFiles &files() = 0;
    virtual MouseModules mouse() = 0;
    // The macro library; a bound macro it changes goes to the mouse again.
    virtual MacroLibrary &macros() = 0;
    virtual RecoilStore *recoil() = 0;
    virtual HostPointerSettings *pointer() = 0;   // host pointer settings; none: left alone
    // The device check's outcome (checked once, on first use).
    virtual HandshakeOutcome outcome() = 0;
    // The admitted mouse; null in demo mode, without a device or with a rejected one.
    virtual Hid_Thread *link() = 0;

    // Makes profile `index` (0-9) current, as a click on the profile menu does.
    virtual void switchProfile(int index) = 0;
    // The pages that show what a command changed read it again (window only).
    enum class Shown { Sensor, Colour, Macros };
    virtual void changed(Shown) {}
    // A whole profile went to the mouse (ok) or not all of it (window: the bottom strip).
    virtual void profileWritten(int /*index*/, bool /*ok*/) {}
};

} // namespace Cli
