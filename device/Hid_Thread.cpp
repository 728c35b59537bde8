// SPDX-License-Identifier: MIT
// Device link life cycle, discovery of the two HID interfaces and their opening.
// The device list is only read or changed under devicesLock.
#include "Hid_Thread.h"
#include "OpenFault.h"
#include <cerrno>
#include <hidapi.h>

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent) {}

Hid_Thread::~Hid_Thread()
{
    // A write transfer or the watch loop may still run on the pool; neither may
    // outlive the object whose buffers and handles it uses.
    stopWatch();
    sendFuture.waitForFinished();
    handOver();
    closeCmdDevice();
    closeEventDevice();
}

void Hid_Thread::scanDevices(const QList<DeviceInfo> &catalogue)
{
    QList<DeviceEntry> list;
    for (int i = 0; i < catalogue.size(); ++i) {
        DeviceEntry e;
        e.index = uint(i);
        e.name = catalogue.at(i).name;
        e.type = catalogue.at(i).type;
        list.append(e);
    }

    // Only the mouse section is looked up; the keyboard entry keeps empty paths.
    if (catalogue.size() > 1) {
        const DeviceInfo &rec = catalogue.at(1);
        QString cmdPath, eventPath;
        hid_device_info *chain = hid_enumerate(rec.vid, rec.pid);
        for (hid_device_info *it = chain; it; it = it->next) {
            const QString path = QString::fromLocal8Bit(it->path ? it->path : "");
            if (it->usage_page == rec.usagePage && it->usage == rec.usage)
                cmdPath = path;
            if (it->usage_page == rec.usagePage2 && it->usage == rec.usage2)
                eventPath = path;
            if (!cmdPath.isEmpty() && !eventPath.isEmpty()) {
                DeviceEntry &e = list[1];
                e.index = 1;
                e.name = rec.name;
                e.type = rec.type;
                e.path = cmdPath;
                e.path2 = eventPath;
                e.reportLength = rec.reportLength;
            }
        }
        hid_free_enumeration(chain);
    }

    std::lock_guard<std::mutex> lock(devicesLock);
    devices = list;
}

QList<DeviceEntry> Hid_Thread::deviceList() const
{
    std::lock_guard<std::mutex> lock(devicesLock);
    return devices;
}

int Hid_Thread::currentFamily() const
{
    std::lock_guard<std::mutex> lock(devicesLock);
    const uint index = curDevice.load();
    return index < uint(devices.size()) ? devices.at(int(index)).type : -1;
}

QString Hid_Thread::pathOf(uint index, bool event) const
{
    std::lock_guard<std::mutex> lock(devicesLock);
    if (index >= uint(devices.size()))
        return QString();
    const DeviceEntry &e = devices.at(int(index));
    return event ? e.path2 : e.path;
}

uint Hid_Thread::reportLengthOf(uint index) const
{
    std::lock_guard<std::mutex> lock(devicesLock);
    return index < uint(devices.size()) ? devices.at(int(index)).reportLength : 0;
}

void Hid_Thread::clearPath(uint index, bool event, const QString &failedPath)
{
    // Only the path that failed is forgotten: a scan that ran in between has
    // already put a fresh one there.
    std::lock_guard<std::mutex> lock(devicesLock);
    if (index >= uint(devices.size()))
        return;
    QString &path = event ? devices[int(index)].path2 : devices[int(index)].path;
    if (path == failedPath)
        path.clear();
}

hid_device *Hid_Thread::openInterface(uint index, bool event, hid_device *&handle)
{
    const QString path = pathOf(index, event);
    if (path.isEmpty())
        return nullptr;
    if (handle) {
        hid_close(handle);
        handle = nullptr;
    }
    const QByteArray nativePath = path.toLocal8Bit();
    errno = 0;
    handle = hid_open_path(nativePath.constData());
    if (!handle) {
        const int openError = errno;
        if (!event)
            cmdOpenFault.store(classifyOpenFailure(nativePath, openError));
        clearPath(index, event, path);
        return nullptr;
    }
    if (!event)
        cmdOpenFault.store(DeviceFault::None);
    hid_set_nonblocking(handle, 0);
    return handle;
}

hid_device *Hid_Thread::openCmdDevice(uint index)
{
    return openInterface(index, false, cmdHandle);
}

hid_device *Hid_Thread::openEventDevice(uint index)
{
    return openInterface(index, true, eventHandle);
}

void Hid_Thread::closeCmdDevice()
{
    if (cmdHandle) {
        hid_close(cmdHandle);
        cmdHandle = nullptr;
    }
}

void Hid_Thread::closeEventDevice()
{
    if (eventHandle) {
        hid_close(eventHandle);
        eventHandle = nullptr;
    }
}
