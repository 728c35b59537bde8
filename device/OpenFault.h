// SPDX-License-Identifier: MIT
// Why opening a listed HID interface failed: missing rights, held by another program,
// or gone. Judged from the node itself and the error of the failed open.
#pragma once
#include "HandshakeOutcome.h"
#include <QByteArray>

// path: the hidapi path that failed to open (a hidraw node on Linux); openError: errno
// right after the failed open. A node that exists but is not readable and writable by
// this user lacks rights whatever the error says; otherwise the error decides.
DeviceFault classifyOpenFailure(const QByteArray &path, int openError);
