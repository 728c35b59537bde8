// SPDX-License-Identifier: MIT
// The device link: discovery, transfers and both command sets. A QThread that is never
// started; writes run on the global pool, reads on the calling (GUI) thread.
#pragma once
#include "DeviceCatalogue.h"
#include "HandshakeOutcome.h"
#include "LinkState.h"
#include <QFuture>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QThread>
#include <array>
#include <atomic>
#include <initializer_list>
#include <mutex>

namespace Cmd { struct Command; }

struct hid_device_;
typedef struct hid_device_ hid_device;

class Hid_Thread : public QThread
{
    Q_OBJECT
public:
    explicit Hid_Thread(QObject *parent = nullptr);
    ~Hid_Thread() override;

    void scanDevices(const QList<DeviceInfo> &catalogue);
    QList<DeviceEntry> deviceList() const;   // snapshot for readers
    uint currentDevice() const { return curDevice.load(); }
    int currentFamily() const;                // type of the current entry, -1 when none

    hid_device *openCmdDevice(uint index);
    hid_device *openEventDevice(uint index);
    void closeCmdDevice();
    void closeEventDevice();

    bool waitLinkIdle();
    bool hidSend(int length, bool wait);
    bool hidRead(int length);
    void waitAck();
    void startWatch(uint index);
    void stopWatch();
    void watchLoop(uint index);

    // What became of the write commands issued on the GUI thread while a log is open.
    // A caller that must know what reached the device opens a log, sends through the
    // usual slots (same bytes, same pauses) and closes it: closing waits for the last
    // transfer, processing events meanwhile, and hands back one entry per command.
    struct WriteOutcome {
        uchar code;
        uchar p1;     // first parameter: macro id, matrix index, colour type ...
        bool sent;    // false: dropped because the link stayed busy
        bool ok;      // the transfer ran to its end
    };
    void openWriteLog();
    QList<WriteOutcome> closeWriteLog();
    // Whether the command interface of the current entry opens now (no report is sent);
    // false in demo mode or when the link stays busy.
    bool commandInterfaceOpens();

public slots:
    // Framing and handshake
    uchar hidCS(uchar *block);
    void USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[]);
    void USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[]);
    void hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);
    // The handshake takes the secrecy-code setting of the current entry (six characters,
    // or the demo word) and says what it found; it shows nothing and closes nothing.
    HandshakeOutcome swichCurDevice(uint index, const QString &codeText);
    HandshakeOutcome chkDeviceIsEnCode(const QString &codeText);

    // General commands shared by both families
    void hid_01H_SetReportRate(uchar rate);
    void hid_02H_SetCurrentProfile(uchar profile);
    void hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index);
    void hid_81H_GetReportRate(uchar &rate);
    void hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4);

    // Keyboard family
    void hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);
    void hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction);
    void hid_09H_SetKeyboardMode(uchar mode);
    void hid_0DH_SetKeyMatrix(uchar *src512);
    void hid_0EH_SetKeyOnOff(uchar *src21);
    void hid_11H_SetMacroKey(uchar macroId, uchar *src192);
    void hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512);
    void hid_13H_SetRecoveryData();
    void hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue);
    void hid_80H_GetFWVersion(QString &version);
    void hid_82H_GetCurrentProfile(uchar &profile);
    void hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4);
    void hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color, uchar &direction);
    void hid_89H_GetKeyboardMode(uchar &mode);
    void hid_8DH_GetKeyMatrix(uchar *src512);
    void hid_8EH_GetKeyOnOff(uchar *src21);
    void hid_91H_GetMacroKey(uchar macroId, uchar *src192);
    void hid_92H_GetUserPicture(uchar index, uchar *src512);
    void hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue);

    // Mouse family
    void hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2);
    void hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3);
    void hid_0BH_SetCurrentDPIStage(uchar dpiStage);
    void hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2);
    void hid_10H_SetLED8StageColor(uchar type, uchar *src24);
    void hid_11H_SetDPISet(uchar dpiStage, uchar *src8);
    void hid_12H_SetKeyMatrix(uchar *src64, uchar index);
    void hid_13H_SetMacroKey(uchar macroId, uchar *src128);
    void hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2);
    bool hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3);
    void hid_8BH_GetCurrentDPIStage(uchar &dpiStage);
    void hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2);
    void hid_90H_GetLED8StageColor(uchar type, uchar *src24);
    bool hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8);
    void hid_92H_GetKeyMatrix(uchar *src64);
    void hid_93H_GetMacroKey(uchar macroId, uchar *src128);

private:
    // P1..P6 of a command block, and one result of an answer: its A position and
    // the caller's variable.
    using Params = std::array<uchar, 6>;
    struct Answer { int pos; uchar *value; };
    enum class ReadOutcome { Busy, Failed, Ok };

    // The one place that runs the set and get sequences for a table line.
    void runSet(const Cmd::Command &cmd, const Params &params, const uchar *src = nullptr, int bulk = 0);
    ReadOutcome runGet(const Cmd::Command &cmd, const Params &params, std::initializer_list<Answer> answers,
                       uchar *io = nullptr, int bulk = 0);
    void fillCommand(uchar code, const Params &params);
    void logBusy(const Cmd::Command &cmd) const;

    // Device list access under devicesLock.
    QString pathOf(uint index, bool event) const;
    uint reportLengthOf(uint index) const;
    void clearPath(uint index, bool event, const QString &failedPath);
    hid_device *openInterface(uint index, bool event, hid_device *&handle);

    void armAck();      // ackReceived = false, before the report it acknowledges goes out
    void awaitAck();    // the 64 ms (or 128 ms) pause itself
    bool endTransfer(bool result);
    // Steps both transfers share: the (optionally scrambled) command report, and the
    // report size and chunk of a bulk phase (false when the entry has no report length).
    bool sendCommandReport(uint index, bool scrambled, const SecrecyCode &code);
    bool bulkGeometry(uint index, int &length, int &reportLength, int &chunk) const;
    // Explicit hand-over point between the GUI thread and a pool task (buffers before a
    // transfer, handles after it), independent of the pool's and the futures' internals.
    void handOver() { handOverCount.fetch_add(1, std::memory_order_acq_rel); }

    // Field layout follows the transport's data model; the device list is guarded
    // because a scan replaces it while pool transfers and the watch loop read it.
    mutable std::mutex devicesLock;
    QList<DeviceEntry> devices;
    std::atomic<uint> curDevice{1};
    hid_device *cmdHandle = nullptr;     // only the holder of the link touches it
    hid_device *eventHandle = nullptr;   // only the watch loop touches it
    std::atomic<bool> linkIdle{true};
    std::atomic<bool> watchRunning{false};
    std::atomic<bool> ackReceived{true};
    QFuture<void> watchFuture;
    QFuture<bool> sendFuture;   // last write transfer; the destructor waits for it
    uchar outReport[9] = {};
    uchar inReport[9] = {};
    uchar bulkBuf[512] = {};
    std::atomic<unsigned> handOverCount{0};
    // Why the last open of the command interface failed (None after a good one); written
    // by the holder of the link, read by the handshake after its echo.
    std::atomic<DeviceFault> cmdOpenFault{DeviceFault::None};
    // Write log (GUI thread only): the entries, and the transfers still to be awaited.
    bool writeLogOpen = false;
    QList<WriteOutcome> writeLog;
    QList<QPair<int, QFuture<bool>>> writeLogPending;
};
