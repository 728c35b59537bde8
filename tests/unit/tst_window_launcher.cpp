// SPDX-License-Identifier: MIT
// Where r5config finds its window program: beside itself in a build folder, in the
// private folder once installed; a file that cannot run is not taken. And the launcher's
// folder handed to the window is read once and not passed on.
#include "WindowLauncher.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void makeFile(const QString &path, bool executable)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    QFile::Permissions p = QFile::ReadOwner | QFile::WriteOwner;
    if (executable)
        p |= QFile::ExeOwner;
    QVERIFY(f.setPermissions(p));
}
}

class tst_window_launcher : public QObject
{
    Q_OBJECT

private slots:
    void findsTheWindowProgram()
    {
        QTemporaryDir root;
        const QString bin = root.path() + "/usr/bin";
        const QString self = bin + "/r5config";
        const QString installed = root.path() + "/usr/libexec/r5config/r5config-window";
        makeFile(self, true);

        // Nothing there yet.
        QCOMPARE(WindowLauncher::windowProgram(self, "../libexec/r5config"), QString());
        // Installed only.
        makeFile(installed, true);
        QCOMPARE(WindowLauncher::windowProgram(self, "../libexec/r5config"), QDir::cleanPath(installed));
        // A window program beside the launcher (the build folder) comes first, by the
        // launcher's own name, so r5config-sim starts r5config-sim-window.
        makeFile(bin + "/r5config-window", true);
        QCOMPARE(WindowLauncher::windowProgram(self, "../libexec/r5config"), bin + "/r5config-window");
        makeFile(bin + "/r5config-sim", true);
        QCOMPARE(WindowLauncher::windowProgram(bin + "/r5config-sim", "../nowhere"), QString());
        makeFile(bin + "/r5config-sim-window", true);
        QCOMPARE(WindowLauncher::windowProgram(bin + "/r5config-sim", "../nowhere"), bin + "/r5config-sim-window");
    }

    void skipsFilesThatCannotRun()
    {
        QTemporaryDir root;
        const QString self = root.path() + "/bin/r5config";
        makeFile(self, true);
        makeFile(root.path() + "/bin/r5config-window", false);
        makeFile(root.path() + "/lib/r5config/r5config-window", true);
        QCOMPARE(WindowLauncher::windowProgram(self, "../lib/r5config"), root.path() + "/lib/r5config/r5config-window");
        // A folder of that name is no program either.
        QVERIFY(QDir().mkpath(root.path() + "/other/r5config-window"));
        QCOMPARE(WindowLauncher::windowProgram(self, "../other"), QString());
    }

    void launcherFolderIsReadOnce()
    {
        qputenv(WindowLauncher::kFolderVariable, "/opt/r5/bin");
        QCOMPARE(WindowLauncher::takeLauncherFolder("/opt/r5/libexec"), QString("/opt/r5/bin"));
        QVERIFY(qEnvironmentVariableIsEmpty(WindowLauncher::kFolderVariable));
        // Started directly: its own folder.
        QCOMPARE(WindowLauncher::takeLauncherFolder("/build/bin"), QString("/build/bin"));
    }
};

QTEST_GUILESS_MAIN(tst_window_launcher)
#include "tst_window_launcher.moc"
