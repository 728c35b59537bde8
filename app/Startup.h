// SPDX-License-Identifier: MIT
// The program's start-up and tear-down as one callable sequence, shared by main() and
// the end-to-end tests so both run exactly the same steps.
#pragma once
#include "DiskLayout.h"
#include <QString>
#include <functional>

class QApplication;
class Widget;

struct StartupObserver {
    std::function<void(Widget *)> windowBuilt;   // right after the main window exists
    std::function<void(Widget *)> beforeLoop;    // right before the event loop runs
};

// The folder of the program file: the path cut at its last '/', without that slash.
QString programFolder(const QString &applicationFilePath);

// The settings folder of the layout in use, where the single-instance lock lives.
QString settingsFolder();

// Decides the on-disk layout from the program's folder and uses it while alive (the one
// before comes back after: test programs run the program many times), and makes the
// folder holding the shipped data current (the scene's pictures resolve there).
class LayoutScope
{
public:
    explicit LayoutScope(const QString &programFolder);
    ~LayoutScope();
    LayoutScope(const LayoutScope &) = delete;
    LayoutScope &operator=(const LayoutScope &) = delete;
    const DiskLayout::Folders &folders() const { return now; }

private:
    DiskLayout::Folders before, now;
};

// Decides the on-disk layout from folder (the program's), makes the folder holding the
// shipped data the current directory, builds the window, installs the input capture,
// checks the device, shows the window when admitted, runs the event loop and tears
// down in order. Returns the event loop's result.
int runStartup(QApplication &app, const QString &folder, const StartupObserver &observer = {});
