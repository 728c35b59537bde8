// SPDX-License-Identifier: MIT
// The program's folders (see ProgramFolders.h).
#include "ProgramFolders.h"
#include <QDebug>
#include <QDir>

QString programFolder(const QString &applicationFilePath)
{
    return applicationFilePath.left(applicationFilePath.lastIndexOf(QLatin1Char('/')));
}

QString settingsFolder() { return DiskLayout::settingsFolder(); }

LayoutScope::LayoutScope(const QString &programFolder)
    : before(DiskLayout::folders()), now(DiskLayout::decide(programFolder))
{
    DiskLayout::use(now);
    if (!QDir::setCurrent(now.dataRoot))
        qDebug().noquote() << "No shipped data in" << now.dataRoot;
}

LayoutScope::~LayoutScope() { DiskLayout::use(before); }
