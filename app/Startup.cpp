// SPDX-License-Identifier: MIT
// Start-up order and tear-down of the program.
#include "Startup.h"
#include "BrokenPipes.h"
#include "InputCallbacks.h"
#include "InputHook.h"
#include "LinkState.h"
#include "SceneBackend.h"
#include "Widget.h"
#include <QApplication>
#include <QDir>

QString programFolder(const QString &applicationFilePath)
{
    return applicationFilePath.left(applicationFilePath.lastIndexOf(QLatin1Char('/')));
}

int runStartup(QApplication &app, const QString &folder, const StartupObserver &observer)
{
    BrokenPipes::survive();
    QDir::setCurrent(folder);

    chooseSceneBackend();
    auto *window = new Widget;
    if (observer.windowBuilt)
        observer.windowBuilt(window);

    // Capture and the notice filter are in place before the first check can show a box.
    InputHook hook;
    InputHook::setKeyboardCallback(InputCallbacks::keyboard, window);
    InputHook::setMouseCallback(InputCallbacks::mouse, window);
    InputHook::setCopyDataFilter(InputCallbacks::copyData, &app, window);

    window->checkDevice();

    if (deviceOk) {
        window->showNormal();
        window->startUi();
        if (demoMode)
            InputCallbacks::sendDemoNotice(window);
    }

    if (observer.beforeLoop)
        observer.beforeLoop(window);
    const int result = app.exec();

    hook.uninstallHooks();
    // Nothing may call back into the window once it is gone.
    InputHook::setKeyboardCallback(nullptr, nullptr);
    InputHook::setMouseCallback(nullptr, nullptr);
    InputHook::setCopyDataFilter(nullptr, &app, nullptr);
    delete window;
    // The window-control object was handed to deleteLater after the loop had ended;
    // deliver that deletion now instead of leaking it.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
