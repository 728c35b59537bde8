// SPDX-License-Identifier: MIT
// Watches the system's hidraw device set through a libudev monitor and reports every
// add or remove, so the main window can re-check its device after the burst settles.
#pragma once
#include <QObject>
#include <QString>

class QSocketNotifier;
struct udev;
struct udev_monitor;

class DeviceChangeMonitor : public QObject
{
    Q_OBJECT
public:
    explicit DeviceChangeMonitor(QObject *parent = nullptr);
    ~DeviceChangeMonitor() override;

    // True when udev events are being received; false means device changes go unseen.
    bool isActive() const { return notifier != nullptr; }

    // Handles an action as if udev had reported it ("add", "remove", ...); for tests.
    void injectEvent(const QString &action);

signals:
    void deviceChanged(const QString &action);   // "add" or "remove" on subsystem hidraw

private:
    void readPending();

    struct udev *udevContext = nullptr;
    struct udev_monitor *monitor = nullptr;
    QSocketNotifier *notifier = nullptr;
};
