// SPDX-License-Identifier: MIT
// The window's own posted event: QEvent::User carrying a request code. Code 2177 asks
// the main window to start the QML interface once the event loop runs.
#pragma once
#include <QEvent>

class UserEvent : public QEvent
{
public:
    static constexpr int StartUi = 2177;

    explicit UserEvent(int code) : QEvent(QEvent::User), code(code) {}
    int code;
};
