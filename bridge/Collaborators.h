// SPDX-License-Identifier: MIT
// What the bridge modules are handed when they are built, in place of a pointer back to
// the view: data flows down from the view into the modules, never back up through it.
#pragma once
#include <QStandardPaths>
#include <QString>
#include <functional>

class Hid_Thread;

// The device link of the moment, or none. A function rather than a pointer: the window
// hands its link to the view after the modules are built, and tests swap it.
using LinkSource = std::function<Hid_Thread *()>;

// Shows the user a notice (title, text) and waits until it is read; a null one is silent.
using Warn = std::function<void(const QString &title, const QString &text)>;

// Asks the user for a file: a caption, the standard folder to start in, a default file
// name (save only) and a filter. The answer is the chosen path; empty when cancelled.
// A null one asks no one (no window) and is taken as cancelled.
using AskFile = std::function<QString(const QString &caption, QStandardPaths::StandardLocation where,
                                      const QString &defaultName, const QString &filter)>;
struct FileDialogs {
    AskFile open;
    AskFile save;
};

// The desktop's pointer settings a profile carries. The window applies them; the command
// line has none to hand over and leaves them alone.
class HostPointerSettings
{
public:
    virtual ~HostPointerSettings() = default;
    virtual void applyCursorSpeed(unsigned step) = 0;
    virtual void applyVerticalScrollLines(unsigned step) = 0;
    virtual void applyDoubleClickSpeed(unsigned step) = 0;
};
