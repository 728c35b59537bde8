// SPDX-License-Identifier: MIT
// The program's folders (see ProgramFolders.h).
#include "ProgramFolders.h"

QString programFolder(const QString &applicationFilePath)
{
    return applicationFilePath.left(applicationFilePath.lastIndexOf(QLatin1Char('/')));
}

QString settingsFolder() { return QStringLiteral("./modules/setting"); }
