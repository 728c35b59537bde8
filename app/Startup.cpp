// SPDX-License-Identifier: MIT
// Start-up order and tear-down of the program.
#include "Startup.h"
#include "DiskLayout.h"
#include "BrokenPipes.h"
#include "WindowContext.h"
#include "InputCallbacks.h"
#include "InputHook.h"
#include "LinkState.h"
#include "SceneBackend.h"
#include "SingleInstance.h"
#include "StartupMarks.h"
#include "Widget.h"
#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFontDatabase>
#include <QQuickWidget>
#include <QQuickWindow>
#include <memory>

// The CJK marks that the interface texts hold, cut from the face fontconfig falls back
// to and under its family name: Qt takes these few glyphs from here and leaves the
// multi-megabyte collections unmapped until a CJK language or a CJK name needs them.
static void addMarkFonts()
{
    const QDir fonts(DiskLayout::fontFolder());
    for (const QString &name : fonts.entryList({QStringLiteral("*.otf")}, QDir::Files))
        QFontDatabase::addApplicationFont(fonts.filePath(name));
}

int runStartup(QApplication &app, const QString &folder, const StartupObserver &observer)
{
    BrokenPipes::survive();
    // Where the files live is decided once, from the program's folder.
    const LayoutScope scope(folder);
    const DiskLayout::Folders &layout = scope.folders();
    if (layout.mode == DiskLayout::Mode::Installed)
        qDebug().noquote() << "Settings in" << layout.settings << "- macros in" << layout.macros;

    // A second copy would write the same files and talk to the same mouse: it brings
    // the first one's window to the front and ends before touching either.
    SingleInstance instance(settingsFolder());
    if (instance.claim() == SingleInstance::Claim::Forwarded)
        return 0;

    chooseSceneBackend();
    addMarkFonts();
    auto *window = new Widget;
    StartupMarks::mark("window and scene built");
    if (auto *scene = window->findChild<QQuickWidget *>()) {
        auto once = std::make_shared<QMetaObject::Connection>();
        *once = QObject::connect(scene->quickWindow(), &QQuickWindow::afterRendering, [once] {
            StartupMarks::mark("first frame rendered");
            QObject::disconnect(*once);
        });
    }
    if (observer.windowBuilt)
        observer.windowBuilt(window);
    instance.setHandler(QStringLiteral("raise"), [window](const QStringList &) {
        qDebug().noquote() << "Raised by another copy";
        // Before the device check has admitted it the window stays hidden; it comes up
        // on its own when admitted.
        if (window->isVisible()) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
        return QStringLiteral("ok");
    });
    // Subcommands started while the window runs are carried out here, on its pages.
    Cli::installWindowCommands(instance, window);

    // Capture and the notice filter are in place before the first check can show a box.
    InputHook hook;
    InputHook::setKeyboardCallback(InputCallbacks::keyboard, window);
    InputHook::setMouseCallback(InputCallbacks::mouse, window);
    InputHook::setCopyDataFilter(InputCallbacks::copyData, &app, window);

    window->checkDevice();
    StartupMarks::mark("device checked");

    if (deviceOk) {
        window->showNormal();
        window->startUi();
        StartupMarks::mark("window shown");
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
