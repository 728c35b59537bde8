// SPDX-License-Identifier: MIT
// Main-window callbacks of input capture: hand keys and buttons to the view, which queues
// them into QML, and show text notices that arrive over the copy-data channel.
#include "InputCallbacks.h"
#include "CopyData.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QWidget>

namespace {
myQQuickView *viewOf(void *context)
{
    return context ? static_cast<QWidget *>(context)->findChild<myQQuickView *>() : nullptr;
}
}

void InputCallbacks::keyboard(uchar usage, bool isDown, void *context)
{
    if (myQQuickView *view = viewOf(context))
        view->invokeDetectKeyboard(isDown, usage);
}

void InputCallbacks::mouse(uchar code, bool isDown, int x, int y, void *context)
{
    if (myQQuickView *view = viewOf(context))
        view->invokeDetectMouse(isDown, code, uint(x), uint(y));
}

void InputCallbacks::copyData(const COPYDATASTRUCT *data, void *context)
{
    if (!context)
        return;
    QString text;
    if (!CopyData::decodeNotice(data, &text))
        return;
    auto *window = static_cast<QWidget *>(context);
    UserDialogs::warning(nullptr, window->windowTitle(), text, QMessageBox::Ok);
}

void InputCallbacks::sendDemoNotice(QWidget *mainWindow)
{
    const QByteArray text("===== Demo Mode =====");   // a literal keeps its NUL after the text
    COPYDATASTRUCT cds;
    cds.dwData = CopyData::NoticeId;
    cds.cbData = quint32(text.size());
    cds.lpData = text.constData();
    InputHook::sendCopyData(mainWindow->windowTitle(), cds, nullptr);
}
