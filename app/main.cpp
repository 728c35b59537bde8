// SPDX-License-Identifier: MIT
// Entry point: a subcommand runs without a window (no display, no QML); otherwise the
// application object, then the start-up sequence from the program's own folder. The
// same file builds the real-device and the simulated-mouse program.
#include "BrokenPipes.h"
#include "CommandLine.h"
#include "SceneBackend.h"
#include "Startup.h"
#include "StartupMarks.h"
#include <QApplication>
#include <malloc.h>

int main(int argc, char *argv[])
{
    // Before any connection exists: a peer that goes away must not end the program.
    StartupMarks::mark("main");
    // Picture buffers of a megabyte and more are made and dropped while the scene loads.
    // A fixed mmap threshold keeps them out of the heap, where glibc's rising threshold
    // would put them and leave their holes resident; two arenas serve our few threads.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    mallopt(M_ARENA_MAX, 2);
    BrokenPipes::survive();
    if (Cli::wanted(argc, argv)) {
        QCoreApplication app(argc, argv);
        return Cli::run(programFolder(QCoreApplication::applicationFilePath()), app.arguments().mid(1));
    }
    chooseRasterRendering();
    QApplication app(argc, argv);
    StartupMarks::mark("application object");
    return runStartup(app, programFolder(QCoreApplication::applicationFilePath()));
}
