// SPDX-License-Identifier: MIT
// Process-wide device state (see LinkState.h).
#include "LinkState.h"
#include <QMutex>

std::atomic<bool> deviceOk{false};
std::atomic<bool> demoMode{false};
std::atomic<bool> encodeOn{false};

namespace {
QMutex codeLock;
SecrecyCode code{};
}

SecrecyCode secrecyCode()
{
    QMutexLocker lock(&codeLock);
    return code;
}

void setSecrecyCode(const SecrecyCode &c)
{
    QMutexLocker lock(&codeLock);
    code = c;
}

void resetLinkState()
{
    deviceOk = false;
    demoMode = false;
    encodeOn = false;
    setSecrecyCode(SecrecyCode{});
}
