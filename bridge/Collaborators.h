// SPDX-License-Identifier: MIT
// What the bridge modules are handed when they are built, in place of a pointer back to
// the view: data flows down from the view into the modules, never back up through it.
#pragma once
#include <QString>
#include <functional>

class Hid_Thread;

// The device link of the moment, or none. A function rather than a pointer: the window
// hands its link to the view after the modules are built, and tests swap it.
using LinkSource = std::function<Hid_Thread *()>;

// Shows the user a notice (title, text) and waits until it is read; a null one is silent.
using Warn = std::function<void(const QString &title, const QString &text)>;
