// SPDX-License-Identifier: MIT
// The vendor command slots of both families. Each slot is one call into runSet or
// runGet with its table line from CommandTable.h and its parameters.
#include "CommandTable.h"
#include "Framing.h"
#include "Hid_Thread.h"
#include <QDebug>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstring>

void Hid_Thread::logBusy(const Cmd::Command &cmd) const
{
    if (cmd.codeInBusyText)
        qDebug().noquote() << QStringLiteral("cmd Failed ")
                                   + QString::number(cmd.code, 16).rightJustified(2, QLatin1Char('0')).toUpper();
    else
        qDebug().noquote() << QStringLiteral("cmd Failed");
}

void Hid_Thread::fillCommand(uchar code, const Params &params)
{
    outReport[0] = 0;
    outReport[1] = code;
    std::copy(params.begin(), params.end(), outReport + 2);
    outReport[8] = Framing::checksum(outReport + 1);
}

void Hid_Thread::runSet(const Cmd::Command &cmd, const Params &params, const uchar *src, int bulk)
{
    if (!waitLinkIdle()) {
        logBusy(cmd);
        if (writeLogOpen)
            writeLog.append({cmd.code, params[0], false, false});
        return;
    }
    const int length = cmd.bulk == Cmd::VariableBulk ? bulk : cmd.bulk;
    fillCommand(cmd.code, params);
    if (length > 0) {
        if (src)
            std::memcpy(bulkBuf, src, size_t(length));
        else
            std::memset(bulkBuf, 0, size_t(length));
    }
    // The previous transfer has freed the link; its task is at most returning.
    sendFuture.waitForFinished();
    handOver();
    sendFuture = QtConcurrent::run(QThreadPool::globalInstance(), this, &Hid_Thread::hidSend, length, cmd.ack);
    if (writeLogOpen) {
        writeLog.append({cmd.code, params[0], true, false});
        writeLogPending.append({writeLog.size() - 1, sendFuture});
    }
    if (cmd.pause)
        QThread::msleep(8);
}

Hid_Thread::ReadOutcome Hid_Thread::runGet(const Cmd::Command &cmd, const Params &params,
                                           std::initializer_list<Answer> answers, uchar *io, int bulk)
{
    if (!waitLinkIdle()) {
        logBusy(cmd);
        return ReadOutcome::Busy;
    }
    const int length = cmd.bulk == Cmd::VariableBulk ? bulk : cmd.bulk;
    fillCommand(cmd.code, params);
    std::memset(inReport, 0, sizeof inReport);
    if (cmd.prefill == Cmd::Prefill::Caller) {
        inReport[1] = cmd.code;
        for (const Answer &a : answers)
            inReport[1 + a.pos] = *a.value;
    }
    // The caller's buffer goes in first, so that a failed read hands it back unchanged.
    if (length > 0 && io)
        std::memcpy(bulkBuf, io, size_t(length));

    const bool ok = hidRead(length);
    if (ok || cmd.results == Cmd::Results::Always) {
        for (const Answer &a : answers)
            *a.value = inReport[1 + a.pos];
        if (length > 0 && io)
            std::memcpy(io, bulkBuf, size_t(length));
    }
    return ok ? ReadOutcome::Ok : ReadOutcome::Failed;
}

// General commands

void Hid_Thread::hid_01H_SetReportRate(uchar rate)
{
    runSet(Cmd::SetReportRate, {rate});
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    runSet(Cmd::SetCurrentProfile, {profile});
}

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    runSet(Cmd::SetKeyboardoption, {byte1, byte2, byte3, byte4});
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    runSet(Cmd::SetButtonSensitivity, {sens1, sens2, sens3, sens4, index});
}

void Hid_Thread::hid_81H_GetReportRate(uchar &rate)
{
    runGet(Cmd::GetReportRate, {}, {{1, &rate}});
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    runGet(Cmd::GetKeyboardoption, {}, {{1, &byte1}, {2, &byte2}, {3, &byte3}, {4, &byte4}});
}

// Keyboard family

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    runSet(Cmd::KbSetControlIndicatorLight, {effect, frequenty});
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction)
{
    runSet(Cmd::KbSetLEDType, {option, effect, speed, light, color, direction});
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode)
{
    runSet(Cmd::KbSetKeyboardMode, {mode});
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar *src512)
{
    runSet(Cmd::KbSetKeyMatrix, {0, 0, 0x08}, src512);
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar *src21)
{
    runSet(Cmd::KbSetKeyOnOff, {0, 0, 0x15}, src21);
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar *src192)
{
    runSet(Cmd::KbSetMacroKey, {0, macroId, 0x03}, src192);
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512)
{
    runSet(Cmd::KbSetUserPicture, {0, index, 0x08, option}, src512);
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    runSet(Cmd::KbSetRecoveryData, {0xFF});
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    runSet(Cmd::KbSetColor, {0, index, rValue, gValue, bValue});
}

void Hid_Thread::hid_80H_GetFWVersion(QString &version)
{
    uchar major = 0, minor = 0;
    const ReadOutcome r = runGet(Cmd::KbGetFWVersion, {}, {{1, &major}, {2, &minor}});
    if (r == ReadOutcome::Ok)
        version = Framing::firmwareVersionText(major, minor);
    else if (r == ReadOutcome::Failed)
        version = QStringLiteral("unknown");
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar &profile)
{
    runGet(Cmd::KbGetCurrentProfile, {}, {{1, &profile}});
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4)
{
    runGet(Cmd::KbGetButtonSensitivity, {}, {{1, &sens1}, {2, &sens2}, {3, &sens3}, {4, &sens4}});
}

void Hid_Thread::hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color, uchar &direction)
{
    runGet(Cmd::KbGetLEDType, {}, {{2, &effect}, {3, &speed}, {4, &light}, {5, &color}, {6, &direction}});
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar &mode)
{
    runGet(Cmd::KbGetKeyboardMode, {}, {{1, &mode}});
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar *src512)
{
    runGet(Cmd::KbGetKeyMatrix, {}, {}, src512);
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar *src21)
{
    runGet(Cmd::KbGetKeyOnOff, {}, {}, src21);
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar *src192)
{
    runGet(Cmd::KbGetMacroKey, {0, macroId}, {}, src192);
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar *src512)
{
    runGet(Cmd::KbGetUserPicture, {0, index}, {}, src512);
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue)
{
    uchar echoedIndex = index;
    runGet(Cmd::KbGetColor, {0, index}, {{2, &echoedIndex}, {3, &rValue}, {4, &gValue}, {5, &bValue}});
}

// Mouse family

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2)
{
    runSet(Cmd::SetFunctionOption, {type, rate, option1, option2});
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3)
{
    runSet(Cmd::SetLEDInstructFunction, {type, option1, option2, option3});
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    runSet(Cmd::SetCurrentDPIStage, {dpiStage});
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    runSet(Cmd::SetRGBLedEffect, {effect, option1, option2});
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    const int length = Cmd::stageColorLength(type);
    runSet(Cmd::SetLED8StageColor, {type, uchar(length)}, src24, length);
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    runSet(Cmd::SetDPISet, {dpiStage, 8}, src8);
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar *src64, uchar index)
{
    runSet(Cmd::SetKeyMatrix, {index, 0x40, 0x08}, src64);
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar *src128)
{
    runSet(Cmd::SetMacroKey, {macroId, 0x80}, src128);
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2)
{
    runGet(Cmd::GetFunctionOption, {}, {{1, &type}, {3, &option1}, {4, &option2}});
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3)
{
    return runGet(Cmd::GetLEDInstructFunction, {type}, {{2, &option1}, {3, &option2}, {4, &option3}})
           == ReadOutcome::Ok;
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    runGet(Cmd::GetCurrentDPIStage, {}, {{1, &dpiStage}});
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    runGet(Cmd::GetRGBLedEffect, {}, {{1, &effect}, {2, &option1}, {3, &option2}});
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    runGet(Cmd::GetLED8StageColor, {type}, {}, src24, Cmd::stageColorLength(type));
}

bool Hid_Thread::hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8)
{
    return runGet(Cmd::GetDPISet, {}, {{1, &dpiMAXStage}}, src8) == ReadOutcome::Ok;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar *src64)
{
    runGet(Cmd::GetKeyMatrix, {0x01}, {}, src64);
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar *src128)
{
    runGet(Cmd::GetMacroKey, {macroId}, {}, src128);
}
