// SPDX-License-Identifier: MIT
// Shared test fixtures (see TestSupport.h).
#include "TestSupport.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>

QString TestSupport::sourceDir() { return QString::fromLocal8Bit(qgetenv("R5_SOURCE_DIR")); }
QString TestSupport::runDir() { return QString::fromLocal8Bit(qgetenv("R5_RUN_DIR")); }

static void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + src.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(dst);
        else
            QFile::copy(src, dst);
    }
}

QTemporaryDir *TestSupport::enterFreshRunFolder(bool withData)
{
    auto *dir = new QTemporaryDir;
    const QString modules = dir->path() + "/modules";
    for (const char *sub : {"setting", "i18n", "gun", "macro", "media", "img"})
        QDir().mkpath(modules + "/" + sub);
    if (withData) {
        const QString src = sourceDir() + "/modules";
        for (const char *sub : {"setting", "i18n", "gun"})
            copyTree(src + "/" + sub, modules + "/" + sub);
        if (QFile::exists(modules + "/setting/apConfigD.bin"))
            QFile::copy(modules + "/setting/apConfigD.bin", modules + "/setting/apConfig.bin");
        for (int i = 1; i <= 10; ++i)
            if (QFile::exists(modules + "/setting/pD.bin"))
                QFile::copy(modules + "/setting/pD.bin", modules + QString("/setting/p%1.bin").arg(i));
    }
    QDir::setCurrent(dir->path());
    return dir;
}
