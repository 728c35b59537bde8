// SPDX-License-Identifier: MIT
// A command carried out by the running window: the window's own modules and link, the
// profile switched through its profile menu, and the pages told to read again.
#pragma once
#include "Context.h"
#include <QVariantList>

class SingleInstance;
class Widget;
class myQQuickView;

namespace Cli {

class WindowContext : public Context
{
public:
    explicit WindowContext(Widget *window);

    ProfileFiles &files() override;
    MouseModules mouse() override;
    MacroLibrary &macros() override;
    RecoilStore *recoil() override;
    HostPointerSettings *pointer() override;
    HandshakeOutcome outcome() override;
    Hid_Thread *link() override;
    void switchProfile(int index) override;
    void changed(Shown what) override;
    void profileWritten(int index, bool ok) override;

private:
    // Calls a function of a scene item by its object name; false when there is none.
    bool callScene(const char *item, const char *function, const QVariantList &arguments = {});

    Widget *window;
    myQQuickView *view;
};

// The window's side of the hand-off: carries out "cli" lines through its own modules and pages.
void installWindowCommands(SingleInstance &instance, Widget *window);

} // namespace Cli
