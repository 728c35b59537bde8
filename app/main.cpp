// SPDX-License-Identifier: MIT
// Entry point of r5config: a subcommand runs here, without a display and without the
// window's libraries; otherwise the window program takes this process's place. The same
// file builds the real-device and the simulated-mouse program.
#include "BrokenPipes.h"
#include "CommandLine.h"
#include "ProgramFolders.h"
#include "WindowLauncher.h"
#include <QCoreApplication>

int main(int argc, char *argv[])
{
    if (!Cli::wanted(argc, argv))
        return WindowLauncher::exec(argc, argv);
    // Before any connection exists: a peer that goes away must not end the program.
    BrokenPipes::survive();
    QCoreApplication app(argc, argv);
    return Cli::run(programFolder(QCoreApplication::applicationFilePath()), app.arguments().mid(1));
}
