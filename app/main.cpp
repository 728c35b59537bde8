// SPDX-License-Identifier: MIT
// Entry point: a subcommand runs without a window (no display, no QML); otherwise the
// application object, then the start-up sequence from the program's own folder. The
// same file builds the real-device and the simulated-mouse program.
#include "BrokenPipes.h"
#include "CommandLine.h"
#include "SceneBackend.h"
#include "Startup.h"
#include <QApplication>

int main(int argc, char *argv[])
{
    // Before any connection exists: a peer that goes away must not end the program.
    BrokenPipes::survive();
    if (Cli::wanted(argc, argv)) {
        QCoreApplication app(argc, argv);
        return Cli::run(programFolder(QCoreApplication::applicationFilePath()), app.arguments().mid(1));
    }
    chooseRasterRendering();
    QApplication app(argc, argv);
    return runStartup(app, programFolder(QCoreApplication::applicationFilePath()));
}
