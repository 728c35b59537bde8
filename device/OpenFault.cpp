// SPDX-License-Identifier: MIT
// Classifies a failed open of a device interface (see OpenFault.h).
#include "OpenFault.h"
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

DeviceFault classifyOpenFailure(const QByteArray &path, int openError)
{
    // The node is asked directly: the error of the open may have been overwritten on the
    // way back through the HID library, the node's rights cannot be.
    struct stat st;
    if (!path.isEmpty() && ::stat(path.constData(), &st) == 0 && ::access(path.constData(), R_OK | W_OK) != 0)
        return DeviceFault::NoAccess;
    switch (openError) {
    case EACCES:
    case EPERM:
        return DeviceFault::NoAccess;
    case EBUSY:
        return DeviceFault::Busy;
    default:
        return DeviceFault::Absent;
    }
}
