// SPDX-License-Identifier: MIT
// Finding and starting the window program (see WindowLauncher.h).
#include "WindowLauncher.h"
#include "ProgramFolders.h"
#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace WindowLauncher {

namespace {
bool runnable(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// The launcher's own file, whatever name or link it was started by.
QString selfPath()
{
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? QString::fromLocal8Bit(buffer, int(n)) : QString();
}
} // namespace

QString windowProgram(const QString &self, const QString &installedRelative)
{
    const QString beside = self + QStringLiteral("-window");
    if (runnable(beside))
        return beside;
    const QString installed = QDir::cleanPath(programFolder(self) + QLatin1Char('/') + installedRelative
                                              + QStringLiteral("/r5config-window"));
    return runnable(installed) ? installed : QString();
}

int exec(int argc, char *argv[])
{
    (void)argc;
    const QString self = selfPath();
    const QString window = windowProgram(self, QStringLiteral(R5_WINDOW_RELATIVE));
    if (window.isEmpty()) {
        std::fprintf(stderr, "r5config: the window program was not found beside %s\n", qPrintable(self));
        return 127;
    }
    ::setenv(kFolderVariable, QFile::encodeName(programFolder(self)).constData(), 1);
    const QByteArray file = QFile::encodeName(window);
    ::execv(file.constData(), argv);
    std::fprintf(stderr, "r5config: could not start %s: %s\n", file.constData(), std::strerror(errno));
    return 126;
}

QString takeLauncherFolder(const QString &ownFolder)
{
    const QString handed = qEnvironmentVariable(kFolderVariable);
    qunsetenv(kFolderVariable);
    return handed.isEmpty() ? ownFolder : handed;
}

} // namespace WindowLauncher
