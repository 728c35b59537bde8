// SPDX-License-Identifier: MIT
// Entry point of the window program (r5config-window), which r5config starts in its own
// place when no subcommand is given: the application object, then the start-up sequence
// from the launcher's folder. The same file builds the real-device and the
// simulated-mouse window.
#include "BrokenPipes.h"
#include "SceneBackend.h"
#include "Startup.h"
#include "StartupMarks.h"
#include "WindowLauncher.h"
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
    chooseRasterRendering();
    QApplication app(argc, argv);
    StartupMarks::mark("application object");
    return runStartup(app, WindowLauncher::takeLauncherFolder(programFolder(QCoreApplication::applicationFilePath())));
}
