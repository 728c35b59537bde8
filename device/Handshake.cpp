// SPDX-License-Identifier: MIT
// Framing slots and the handshake: the secrecy-code echo that admits a device,
// demo mode, and the warning that ends the program when no device answers.
#include "CommandTable.h"
#include "Framing.h"
#include "Hid_Thread.h"
#include "UserDialogs.h"
#include <QDateTime>
#include <QDebug>
#include <QMetaObject>
#include <QPointer>
#include <QSettings>
#include <algorithm>

namespace {
const QString apConfigPath = QStringLiteral("./modules/setting/apConfig.bin");
const QString defaultCode = QStringLiteral("583120");
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

void Hid_Thread::swichCurDevice(uint index)
{
    if (index != curDevice.load()) {
        curDevice.store(index);
        startWatch(index);
    }
    chkDeviceIsEnCode();
}

void Hid_Thread::chkDeviceIsEnCode()
{
    const uint index = curDevice.load();
    QString codeText;
    if (index == 0 || index == 1) {
        QSettings apConfig(apConfigPath, QSettings::IniFormat);
        apConfig.setIniCodec("UTF-8");
        codeText = apConfig.value(QStringLiteral("common/sCode") + QString::number(index), defaultCode).toString();
    }
    if (codeText.size() == 6) {
        SecrecyCode code = secrecyCode();
        for (int i = 0; i < 6; ++i)
            code[size_t(i) + 1] = uchar(codeText.at(i).unicode());
        setSecrecyCode(code);
    }

    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    qsrand(uint(QDateTime::currentDateTime().toSecsSinceEpoch()));
    const uchar sent[4] = {uchar(qrand()), uchar(qrand()), uchar(qrand()), uchar(qrand())};
    QT_WARNING_POP

    uchar echo[4] = {sent[0], sent[1], sent[2], sent[3]};
    hid_00H_GetSecrecyCode(echo[0], echo[1], echo[2], echo[3]);
    if (std::equal(echo, echo + 4, sent)) {
        qDebug() << "Device Connect";
        deviceOk.store(true);
        return;
    }

    qDebug() << "Device Error";
    deviceOk.store(false);
    if (codeText == demoWord) {
        demoMode.store(true);
        deviceOk.store(true);
        encodeOn.store(false);
        return;
    }

    // The box runs a nested event loop in which the next device check may come;
    // one box is enough, and it closes the window when it goes.
    if (warningOpen)
        return;
    QString name;
    {
        const QList<DeviceEntry> list = deviceList();
        if (index < uint(list.size()))
            name = list.at(int(index)).name;
    }
    QPointer<QWidget> window = owner;
    QPointer<Hid_Thread> self = this;
    warningOpen = true;
    UserDialogs::warning(nullptr, window ? window->windowTitle() : QString(),
                         QStringLiteral("Can not detect %1 !").arg(name), QMessageBox::Ok);
    if (self)
        warningOpen = false;
    if (window)
        QMetaObject::invokeMethod(window, "close", Qt::QueuedConnection);
}
