// SPDX-License-Identifier: MIT
// The program's folders and its on-disk layout, shared by the command line and the window.
#pragma once
#include "DiskLayout.h"
#include <QString>

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
