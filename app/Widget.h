// SPDX-License-Identifier: MIT
// The main window: owns the device link, the device-check timer and the window-control
// object, and runs the device check at start-up and after every device change.
#pragma once
#include "DeviceChangeMonitor.h"
#include "Hid_Thread.h"
#include <QTimer>
#include <QWidget>

class Ui_Controler;

class Widget : public QWidget
{
    Q_OBJECT
public:
    explicit Widget(QWidget *parent = nullptr);
    ~Widget() override;

    // Queues the QML initUI, then posts the start event that leads to runUI.
    void startUi();

    // Declaration order matters: the link is destroyed before the timer.
    QTimer deviceTimer;                 // single shot, 2048 ms, restarted by device changes
    Ui_Controler *controler = nullptr;  // no Qt parent; scheduled for deletion by the destructor
    Hid_Thread hid;                     // the device link
    DeviceChangeMonitor deviceMonitor;  // stands in for the system's device-change message

public slots:
    void checkDevice();

protected:
    void customEvent(QEvent *event) override;

private:
    void onDeviceChanged();
    // The box that ends the program for a rejected device, then the queued close.
    void warnAndClose(const HandshakeOutcome &outcome, const QString &langCode);

    // A check can be re-entered from inside itself: its warning box and the link wait
    // both run nested event loops in which the timer may fire again.
    bool checking = false;
    bool recheckPending = false;
};
