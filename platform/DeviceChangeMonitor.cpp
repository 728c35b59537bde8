// SPDX-License-Identifier: MIT
// libudev monitor on subsystem hidraw, its socket watched on the GUI thread's event loop.
#include "DeviceChangeMonitor.h"
#include <QDebug>
#include <QSocketNotifier>

#ifdef R5_HAVE_UDEV
#include <QFileInfo>
#include <libudev.h>
#endif

DeviceChangeMonitor::DeviceChangeMonitor(QObject *parent) : QObject(parent)
{
#ifdef R5_HAVE_UDEV
    udevContext = udev_new();
    // Events come from the udev daemon once it has set up the node (and its access
    // rights). Where no daemon runs, as in many containers, only the kernel reports.
    const bool daemonRuns = QFileInfo::exists(QStringLiteral("/run/udev/control"));
    if (udevContext)
        monitor = udev_monitor_new_from_netlink(udevContext, daemonRuns ? "udev" : "kernel");
    if (monitor && udev_monitor_filter_add_match_subsystem_devtype(monitor, "hidraw", nullptr) >= 0
        && udev_monitor_enable_receiving(monitor) >= 0) {
        // The monitor socket is non-blocking, so readPending can drain it in a loop.
        notifier = new QSocketNotifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, &DeviceChangeMonitor::readPending);
        return;
    }
    if (monitor)
        monitor = udev_monitor_unref(monitor);
    if (udevContext)
        udevContext = udev_unref(udevContext);
    qDebug() << "Device-change monitor: udev is not available, device changes are not watched";
#else
    qDebug() << "Device-change monitor: built without udev, device changes are not watched";
#endif
}

DeviceChangeMonitor::~DeviceChangeMonitor()
{
    delete notifier;
    notifier = nullptr;
#ifdef R5_HAVE_UDEV
    if (monitor)
        udev_monitor_unref(monitor);
    if (udevContext)
        udev_unref(udevContext);
#endif
}

void DeviceChangeMonitor::injectEvent(const QString &action)
{
    if (action == QLatin1String("add") || action == QLatin1String("remove"))
        emit deviceChanged(action);
}

void DeviceChangeMonitor::readPending()
{
#ifdef R5_HAVE_UDEV
    while (struct udev_device *device = udev_monitor_receive_device(monitor)) {
        const char *action = udev_device_get_action(device);
        const QString name = action ? QString::fromLatin1(action) : QString();
        udev_device_unref(device);
        injectEvent(name);
    }
#endif
}
