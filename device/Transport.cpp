// SPDX-License-Identifier: MIT
// Transfers of the device link: the link-idle wait, the write transfer (pool), the read
// transfer (calling thread), acknowledgement waits and the event-interface watch loop.
#include "Framing.h"
#include "Hid_Thread.h"
#include <QCoreApplication>
#include <QDebug>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <utility>
#include <cstring>
#include <hidapi.h>
#include <vector>

namespace {
constexpr int LinkPolls = 255;
constexpr unsigned long LinkPollMs = 8;
constexpr unsigned long BulkPacingMs = 8;
constexpr unsigned long AckWaitMs = 64;
constexpr int WatchReadTimeoutMs = 500;
// A device that sends fewer bulk reports than announced must not hold the GUI thread.
constexpr int BulkReadTimeoutMs = 1000;
constexpr int BulkCapacity = 512;
}

bool Hid_Thread::waitLinkIdle()
{
    for (int poll = 0; poll < LinkPolls; ++poll) {
        bool idle = true;
        if (linkIdle.compare_exchange_strong(idle, false))
            return true;
        QThread::msleep(LinkPollMs);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return false;
}

bool Hid_Thread::endTransfer(bool result)
{
    closeCmdDevice();
    // Once the link is free the next holder owns buffers and handle; the hand-over
    // after it is the transfer's last touch of the object.
    linkIdle.store(true);
    handOver();
    return result;
}

void Hid_Thread::armAck()
{
    ackReceived.store(false);
}

void Hid_Thread::awaitAck()
{
    QThread::msleep(AckWaitMs);
    if (ackReceived.load())
        return;
    ackReceived.store(true);
    QThread::msleep(AckWaitMs);
}

void Hid_Thread::waitAck()
{
    armAck();
    awaitAck();
}

bool Hid_Thread::sendCommandReport(uint index, bool scrambled, const SecrecyCode &code)
{
    if (scrambled)
        Framing::scramble(outReport + 1, code.data());
    return openCmdDevice(index) && hid_send_feature_report(cmdHandle, outReport, Framing::ReportSize) >= 0;
}

bool Hid_Thread::bulkGeometry(uint index, int &length, int &reportLength, int &chunk) const
{
    reportLength = int(reportLengthOf(index));
    if (reportLength <= 0)
        return false;
    length = std::min(length, BulkCapacity);
    chunk = length >= reportLength ? reportLength : length;
    return true;
}

bool Hid_Thread::hidSend(int length, bool wait)
{
    handOver();
    // The entry is fixed for the whole transfer even if the current device changes meanwhile.
    const uint index = curDevice.load();
    if (demoMode.load() || !openCmdDevice(index))
        return endTransfer(false);

    // The flag is cleared before the report leaves, so that an acknowledgement
    // arriving at once is not wiped out by the wait that follows.
    if (wait)
        armAck();
    if (!sendCommandReport(index, encodeOn.load(), secrecyCode()))
        return endTransfer(false);
    if (wait)
        awaitAck();

    if (length > 0) {
        int reportLength = 0, chunk = 0;
        if (!bulkGeometry(index, length, reportLength, chunk))
            return endTransfer(false);
        std::vector<uchar> report(size_t(reportLength) + 1);
        for (int offset = 0; offset < length; offset += chunk) {
            std::fill(report.begin(), report.end(), 0);
            std::memcpy(report.data() + 1, bulkBuf + offset, size_t(std::min(chunk, length - offset)));
            if (wait && offset + chunk >= length)
                armAck();
            if (!openCmdDevice(index) || hid_write(cmdHandle, report.data(), report.size()) < 0)
                return endTransfer(false);
            QThread::msleep(BulkPacingMs);
        }
        if (wait)
            awaitAck();
    }
    return endTransfer(true);
}

bool Hid_Thread::hidRead(int length)
{
    const uint index = curDevice.load();
    if (demoMode.load() || !openCmdDevice(index))
        return endTransfer(false);

    const bool scrambled = encodeOn.load();
    const SecrecyCode code = secrecyCode();
    if (!sendCommandReport(index, scrambled, code))
        return endTransfer(false);
    if (!openCmdDevice(index) || hid_get_feature_report(cmdHandle, inReport, Framing::ReportSize) < 0)
        return endTransfer(false);

    if (length > 0) {
        // The answer block of a bulk exchange stays as received.
        int reportLength = 0, chunk = 0;
        if (!bulkGeometry(index, length, reportLength, chunk))
            return endTransfer(false);
        std::vector<uchar> buffer(size_t(reportLength) + 1);
        for (int offset = 0; offset < length; offset += chunk) {
            std::fill(buffer.begin(), buffer.end(), 0);
            // 0 means the time ran out: the device sent fewer reports than announced.
            if (!openCmdDevice(index)
                || hid_read_timeout(cmdHandle, buffer.data(), buffer.size(), BulkReadTimeoutMs) <= 0)
                return endTransfer(false);
            std::memcpy(bulkBuf + offset, buffer.data(), size_t(std::min(chunk, length - offset)));
        }
        return endTransfer(true);
    }

    if (scrambled)
        Framing::descramble(inReport + 1, code.data());
    return endTransfer(true);
}

void Hid_Thread::openWriteLog()
{
    writeLog.clear();
    writeLogPending.clear();
    writeLogOpen = true;
}

QList<Hid_Thread::WriteOutcome> Hid_Thread::closeWriteLog()
{
    writeLogOpen = false;
    for (const auto &pending : qAsConst(writeLogPending)) {
        const QFuture<bool> &transfer = pending.second;
        // Every transfer ends by itself (its waits are bounded); the bound here only keeps
        // a device that stalls a write from holding the caller for good.
        for (int poll = 0; poll < 2 * LinkPolls && !transfer.isFinished(); ++poll) {
            QThread::msleep(LinkPollMs);
            QCoreApplication::processEvents(QEventLoop::AllEvents);
        }
        writeLog[pending.first].ok = transfer.isFinished() && transfer.result();
    }
    writeLogPending.clear();
    return std::exchange(writeLog, {});
}

bool Hid_Thread::commandInterfaceOpens()
{
    if (demoMode.load() || !waitLinkIdle())
        return false;
    const bool opens = openCmdDevice(curDevice.load()) != nullptr;
    endTransfer(opens);
    return opens;
}

void Hid_Thread::startWatch(uint index)
{
    watchRunning.store(false);
    watchFuture.waitForFinished();
    handOver();
    watchRunning.store(true);
    watchFuture = QtConcurrent::run(QThreadPool::globalInstance(), this, &Hid_Thread::watchLoop, index);
}

void Hid_Thread::stopWatch()
{
    // Waited for even when the loop already ended by itself: its last steps may
    // still be closing the event interface.
    watchRunning.store(false);
    watchFuture.waitForFinished();
    handOver();
}

void Hid_Thread::watchLoop(uint index)
{
    handOver();
    if (pathOf(index, true).isEmpty()) {
        handOver();
        return;
    }

    // The loop lives as long as the link; giving its pool slot back keeps write
    // transfers from queuing behind it on a pool with few threads.
    QThreadPool *pool = QThreadPool::globalInstance();
    pool->releaseThread();
    while (watchRunning.load()) {
        const QString path = pathOf(index, true);
        if (!openEventDevice(index)) {
            qDebug() << "Device removed";
            clearPath(index, true, path);
            watchRunning.store(false);
            break;
        }
        uchar report[4] = {};
        const int n = hid_read_timeout(eventHandle, report, sizeof report, WatchReadTimeoutMs);
        if (n == 4 && report[0] == 0x04 && report[1] == 0x04 && report[2] == 0x00 && report[3] == 0x00)
            ackReceived.store(true);
        closeEventDevice();
    }
    handOver();
    pool->reserveThread();
}
