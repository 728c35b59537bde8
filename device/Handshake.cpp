// SPDX-License-Identifier: MIT
// Framing slots and the handshake: the secrecy-code echo that admits a device, demo
// mode, and the reason a device is rejected, handed back for the caller to show.
#include "CommandTable.h"
#include "Framing.h"
#include "Hid_Thread.h"
#include <QDateTime>
#include <QDebug>
#include <algorithm>

namespace {
const QString demoWord = QStringLiteral("m-corbel");
}

uchar Hid_Thread::hidCS(uchar *block)
{
    return Framing::checksum(block);
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[])
{
    Framing::scramble(FIFOBuf, SecrecyCode);
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[])
{
    Framing::descramble(FIFOBuf, SecrecyCode);
}

void Hid_Thread::hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    runGet(Cmd::GetSecrecyCode, {byte1, byte2, byte3, byte4},
           {{1, &byte1}, {2, &byte2}, {3, &byte3}, {4, &byte4}});
}

HandshakeOutcome Hid_Thread::swichCurDevice(uint index, const QString &codeText)
{
    if (index != curDevice.load()) {
        curDevice.store(index);
        startWatch(index);
    }
    return chkDeviceIsEnCode(codeText);
}

HandshakeOutcome Hid_Thread::chkDeviceIsEnCode(const QString &codeText)
{
    const uint index = curDevice.load();
    // Only the keyboard and mouse entries have a code; others keep the one loaded before.
    const QString code = index == 0 || index == 1 ? codeText : QString();
    if (code.size() == 6) {
        SecrecyCode bytes = secrecyCode();
        for (int i = 0; i < 6; ++i)
            bytes[size_t(i) + 1] = uchar(code.at(i).unicode());
        setSecrecyCode(bytes);
    }

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(uint(QDateTime::currentDateTime().toSecsSinceEpoch()));
    const uchar sent[4] = {uchar(qrand()), uchar(qrand()), uchar(qrand()), uchar(qrand())};
    QT_WARNING_POP

    HandshakeOutcome outcome;
    {
        const QList<DeviceEntry> list = deviceList();
        if (index < uint(list.size()))
            outcome.productName = list.at(int(index)).name;
    }
    // Whether the system listed the device is known only before the echo: a failed open
    // forgets the path.
    const bool listed = !pathOf(index, false).isEmpty();

    uchar echo[4] = {sent[0], sent[1], sent[2], sent[3]};
    const ReadOutcome read = runGet(Cmd::GetSecrecyCode, {echo[0], echo[1], echo[2], echo[3]},
                                    {{1, &echo[0]}, {2, &echo[1]}, {3, &echo[2]}, {4, &echo[3]}});
    if (std::equal(echo, echo + 4, sent)) {
        qDebug() << "Device Connect";
        deviceOk.store(true);
        outcome.verdict = HandshakeOutcome::Admitted;
        return outcome;
    }

    qDebug() << "Device Error";
    deviceOk.store(false);
    if (code == demoWord) {
        demoMode.store(true);
        deviceOk.store(true);
        encodeOn.store(false);
        outcome.verdict = HandshakeOutcome::Demo;
        return outcome;
    }

    outcome.verdict = HandshakeOutcome::Rejected;
    if (!listed)
        outcome.reason = DeviceFault::Absent;
    else if (read == ReadOutcome::Ok)
        outcome.reason = DeviceFault::Refused;   // it answered, with other bytes
    else
        outcome.reason = cmdOpenFault.load();
    // A transfer that failed after a good open: the device went away under it.
    if (outcome.reason == DeviceFault::None)
        outcome.reason = DeviceFault::Absent;
    return outcome;
}
