// SPDX-License-Identifier: MIT
// The program's folders, shared by the command line and the window.
#pragma once
#include <QString>

// The folder of the program file: the path cut at its last '/', without that slash.
QString programFolder(const QString &applicationFilePath);

// The settings folder below the program folder, where the single-instance lock lives.
QString settingsFolder();
