// SPDX-License-Identifier: MIT
// Entry point: the application object, then the start-up sequence from the program's
// own folder; the same file builds the real-device and the simulated-mouse program.
#include "BrokenPipes.h"
#include "SceneBackend.h"
#include "Startup.h"
#include <QApplication>

int main(int argc, char *argv[])
{
    // Before any connection exists: a peer that goes away must not end the program.
    BrokenPipes::survive();
    chooseRasterRendering();
    QApplication app(argc, argv);
    return runStartup(app, programFolder(QCoreApplication::applicationFilePath()));
}
