// SPDX-License-Identifier: MIT
// The running window as a command's context (see WindowContext.h).
#include "WindowContext.h"
#include "CommandLine.h"
#include "Handoff.h"
#include "SingleInstance.h"
#include "Hid_Thread.h"
#include "LinkState.h"
#include "PointerSettings.h"
#include "Ui_Controler.h"
#include "Widget.h"
#include "myQQuickView.h"
#include <QQuickItem>

namespace Cli {

WindowContext::WindowContext(Widget *window) : window(window), view(window->controler->view) {}

ProfileFiles &WindowContext::files() { return *view->files; }
MouseModules WindowContext::mouse() { return {view->sensor, view->lighting, view->bindings, view->mouseMacros}; }
MacroLibrary &WindowContext::macros() { return *view->macros; }
RecoilStore *WindowContext::recoil() { return view->recoil; }
HostPointerSettings *WindowContext::pointer() { return view->pointer; }

HandshakeOutcome WindowContext::outcome()
{
    // The window's last check: the link holds what it found.
    HandshakeOutcome o;
    const uint index = window->hid.currentDevice();
    for (const DeviceEntry &e : window->hid.deviceList())
        if (e.index == index)
            o.productName = e.name;
    if (demoMode)
        o.verdict = HandshakeOutcome::Demo;
    else if (deviceOk)
        o.verdict = HandshakeOutcome::Admitted;
    else
        o.reason = DeviceFault::Absent;
    return o;
}

Hid_Thread *WindowContext::link() { return deviceOk && !demoMode ? &window->hid : nullptr; }

bool WindowContext::callScene(const char *item, const char *function, const QVariantList &arguments)
{
    QQuickItem *root = view->rootObject();
    QObject *target = root ? root->findChild<QObject *>(QString::fromLatin1(item)) : nullptr;
    if (!target)
        return false;
    QGenericArgument args[3];
    for (int i = 0; i < arguments.size() && i < 3; ++i)
        args[i] = Q_ARG(QVariant, arguments.at(i));
    return QMetaObject::invokeMethod(target, function, Qt::DirectConnection, args[0], args[1], args[2]);
}

void WindowContext::switchProfile(int index)
{
    // As a click on the menu entry: the menu marks it, then announces the switch.
    QQuickItem *root = view->rootObject();
    QObject *menu = root ? root->findChild<QObject *>(QStringLiteral("_Menu_Prof")) : nullptr;
    if (!menu || !callScene("_Menu_Prof", "setCurIndex", {index})
        || !QMetaObject::invokeMethod(menu, "indexChanged_btn", Qt::DirectConnection, Q_ARG(int, index))) {
        // No scene (the window never started): the files at least follow.
        view->ui_02H_SetCurrentProfile(index);
        view->ui_02H_SetKeymatrix(0);
    }
}

void WindowContext::changed(Shown what)
{
    switch (what) {
    case Shown::Sensor: callScene("_Page_Sensor", "initUI"); break;
    case Shown::Colour: callScene("_Page_Color", "refreshUI"); break;
    case Shown::Macros: callScene("_Page_Macro", "initUI"); break;
    }
}

void WindowContext::profileWritten(int index, bool ok)
{
    // The bottom strip tells which profile the mouse holds, as after ALL SAVE.
    emit view->allSaveFinished(ok, index);
}

void installWindowCommands(SingleInstance &instance, Widget *window)
{
    instance.setHandler(kWord, [window](const QStringList &words) {
        QString base;
        QStringList arguments;
        if (!decodeCommand(words, &base, &arguments))
            return QStringLiteral("error malformed command");
        WindowContext context(window);
        return encodeReply(execute(arguments, base, [&context]() -> Context & { return context; }));
    });
}

} // namespace Cli
