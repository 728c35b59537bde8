// SPDX-License-Identifier: MIT
// The program's start-up and tear-down as one callable sequence, shared by main() and
// the end-to-end tests so both run exactly the same steps.
#pragma once
#include "ProgramFolders.h"
#include <QString>
#include <functional>

class QApplication;
class Widget;

struct StartupObserver {
    std::function<void(Widget *)> windowBuilt;   // right after the main window exists
    std::function<void(Widget *)> beforeLoop;    // right before the event loop runs
};

// Decides the on-disk layout from folder (the program's), makes the folder holding the
// shipped data the current directory, builds the window, installs the input capture,
// checks the device, shows the window when admitted, runs the event loop and tears
// down in order. Returns the event loop's result.
int runStartup(QApplication &app, const QString &folder, const StartupObserver &observer = {});
