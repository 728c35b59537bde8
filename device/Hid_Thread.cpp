// SPDX-License-Identifier: MIT
// Device link (placeholder bodies until the link is built).
#include "Hid_Thread.h"
#include <QDebug>

Hid_Thread::Hid_Thread(QObject *parent) : QThread(parent) {}
Hid_Thread::~Hid_Thread() = default;

void Hid_Thread::scanDevices(const QList<DeviceInfo> &catalogue)
{
    qDebug() << "scanDevices: not built yet";
}

QList<DeviceEntry> Hid_Thread::deviceList() const
{
    qDebug() << "deviceList: not built yet";
    return {};
}

int Hid_Thread::currentFamily() const
{
    qDebug() << "currentFamily: not built yet";
    return -1;
}

hid_device * Hid_Thread::openCmdDevice(uint index)
{
    qDebug() << "openCmdDevice: not built yet";
    return nullptr;
}

hid_device * Hid_Thread::openEventDevice(uint index)
{
    qDebug() << "openEventDevice: not built yet";
    return nullptr;
}

void Hid_Thread::closeCmdDevice()
{
    qDebug() << "closeCmdDevice: not built yet";
}

void Hid_Thread::closeEventDevice()
{
    qDebug() << "closeEventDevice: not built yet";
}

bool Hid_Thread::waitLinkIdle()
{
    qDebug() << "waitLinkIdle: not built yet";
    return false;
}

bool Hid_Thread::hidSend(int length, bool wait)
{
    qDebug() << "hidSend: not built yet";
    return false;
}

bool Hid_Thread::hidRead(int length)
{
    qDebug() << "hidRead: not built yet";
    return false;
}

void Hid_Thread::waitAck()
{
    qDebug() << "waitAck: not built yet";
}

void Hid_Thread::startWatch(uint index)
{
    qDebug() << "startWatch: not built yet";
}

void Hid_Thread::stopWatch()
{
    qDebug() << "stopWatch: not built yet";
}

void Hid_Thread::watchLoop(uint index)
{
    qDebug() << "watchLoop: not built yet";
}

uchar Hid_Thread::hidCS(uchar *block)
{
    qDebug() << "hidCS: not built yet";
    return 0;
}

void Hid_Thread::USBDataEncryption(uchar FIFOBuf[], uchar SecrecyCode[])
{
    qDebug() << "USBDataEncryption: not built yet";
}

void Hid_Thread::USBDataDecipher(uchar FIFOBuf[], uchar SecrecyCode[])
{
    qDebug() << "USBDataDecipher: not built yet";
}

void Hid_Thread::hid_00H_GetSecrecyCode(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    qDebug() << "hid_00H_GetSecrecyCode: not built yet";
}

void Hid_Thread::swichCurDevice(uint index)
{
    qDebug() << "swichCurDevice: not built yet";
}

void Hid_Thread::chkDeviceIsEnCode()
{
    qDebug() << "chkDeviceIsEnCode: not built yet";
}

void Hid_Thread::hid_01H_SetReportRate(uchar rate)
{
    qDebug() << "hid_01H_SetReportRate: not built yet";
}

void Hid_Thread::hid_02H_SetCurrentProfile(uchar profile)
{
    qDebug() << "hid_02H_SetCurrentProfile: not built yet";
}

void Hid_Thread::hid_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    qDebug() << "hid_03H_SetKeyboardoption: not built yet";
}

void Hid_Thread::hid_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    qDebug() << "hid_04H_SetButtonSensitivity: not built yet";
}

void Hid_Thread::hid_81H_GetReportRate(uchar &rate)
{
    qDebug() << "hid_81H_GetReportRate: not built yet";
}

void Hid_Thread::hid_83H_GetKeyboardoption(uchar &byte1, uchar &byte2, uchar &byte3, uchar &byte4)
{
    qDebug() << "hid_83H_GetKeyboardoption: not built yet";
}

void Hid_Thread::hid_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    qDebug() << "hid_07H_SetControlIndicatorLight: not built yet";
}

void Hid_Thread::hid_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction)
{
    qDebug() << "hid_08H_SetLEDType: not built yet";
}

void Hid_Thread::hid_09H_SetKeyboardMode(uchar mode)
{
    qDebug() << "hid_09H_SetKeyboardMode: not built yet";
}

void Hid_Thread::hid_0DH_SetKeyMatrix(uchar *src512)
{
    qDebug() << "hid_0DH_SetKeyMatrix: not built yet";
}

void Hid_Thread::hid_0EH_SetKeyOnOff(uchar *src21)
{
    qDebug() << "hid_0EH_SetKeyOnOff: not built yet";
}

void Hid_Thread::hid_11H_SetMacroKey(uchar macroId, uchar *src192)
{
    qDebug() << "hid_11H_SetMacroKey: not built yet";
}

void Hid_Thread::hid_12H_SetUserPicture(uchar index, uchar option, uchar *src512)
{
    qDebug() << "hid_12H_SetUserPicture: not built yet";
}

void Hid_Thread::hid_13H_SetRecoveryData()
{
    qDebug() << "hid_13H_SetRecoveryData: not built yet";
}

void Hid_Thread::hid_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    qDebug() << "hid_14H_SetColor: not built yet";
}

void Hid_Thread::hid_80H_GetFWVersion(QString &version)
{
    qDebug() << "hid_80H_GetFWVersion: not built yet";
}

void Hid_Thread::hid_82H_GetCurrentProfile(uchar &profile)
{
    qDebug() << "hid_82H_GetCurrentProfile: not built yet";
}

void Hid_Thread::hid_84H_GetButtonSensitivity(uchar &sens1, uchar &sens2, uchar &sens3, uchar &sens4)
{
    qDebug() << "hid_84H_GetButtonSensitivity: not built yet";
}

void Hid_Thread::hid_88H_GetLEDType(uchar &effect, uchar &speed, uchar &light, uchar &color, uchar &direction)
{
    qDebug() << "hid_88H_GetLEDType: not built yet";
}

void Hid_Thread::hid_89H_GetKeyboardMode(uchar &mode)
{
    qDebug() << "hid_89H_GetKeyboardMode: not built yet";
}

void Hid_Thread::hid_8DH_GetKeyMatrix(uchar *src512)
{
    qDebug() << "hid_8DH_GetKeyMatrix: not built yet";
}

void Hid_Thread::hid_8EH_GetKeyOnOff(uchar *src21)
{
    qDebug() << "hid_8EH_GetKeyOnOff: not built yet";
}

void Hid_Thread::hid_91H_GetMacroKey(uchar macroId, uchar *src192)
{
    qDebug() << "hid_91H_GetMacroKey: not built yet";
}

void Hid_Thread::hid_92H_GetUserPicture(uchar index, uchar *src512)
{
    qDebug() << "hid_92H_GetUserPicture: not built yet";
}

void Hid_Thread::hid_94H_GetColor(uchar index, uchar &rValue, uchar &gValue, uchar &bValue)
{
    qDebug() << "hid_94H_GetColor: not built yet";
}

void Hid_Thread::hid_03H_SetFunctionOption(uchar type, uchar rate, uchar option1, uchar option2)
{
    qDebug() << "hid_03H_SetFunctionOption: not built yet";
}

void Hid_Thread::hid_07H_SetLEDInstructFunction(uchar type, uchar option1, uchar option2, uchar option3)
{
    qDebug() << "hid_07H_SetLEDInstructFunction: not built yet";
}

void Hid_Thread::hid_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    qDebug() << "hid_0BH_SetCurrentDPIStage: not built yet";
}

void Hid_Thread::hid_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2)
{
    qDebug() << "hid_0DH_SetRGBLedEffect: not built yet";
}

void Hid_Thread::hid_10H_SetLED8StageColor(uchar type, uchar *src24)
{
    qDebug() << "hid_10H_SetLED8StageColor: not built yet";
}

void Hid_Thread::hid_11H_SetDPISet(uchar dpiStage, uchar *src8)
{
    qDebug() << "hid_11H_SetDPISet: not built yet";
}

void Hid_Thread::hid_12H_SetKeyMatrix(uchar *src64, uchar index)
{
    qDebug() << "hid_12H_SetKeyMatrix: not built yet";
}

void Hid_Thread::hid_13H_SetMacroKey(uchar macroId, uchar *src128)
{
    qDebug() << "hid_13H_SetMacroKey: not built yet";
}

void Hid_Thread::hid_83H_GetFunctionOption(uchar &type, uchar &option1, uchar &option2)
{
    qDebug() << "hid_83H_GetFunctionOption: not built yet";
}

bool Hid_Thread::hid_87H_GetLEDInstructFunction(uchar type, uchar &option1, uchar &option2, uchar &option3)
{
    qDebug() << "hid_87H_GetLEDInstructFunction: not built yet";
    return false;
}

void Hid_Thread::hid_8BH_GetCurrentDPIStage(uchar &dpiStage)
{
    qDebug() << "hid_8BH_GetCurrentDPIStage: not built yet";
}

void Hid_Thread::hid_8DH_GetRGBLedEffect(uchar &effect, uchar &option1, uchar &option2)
{
    qDebug() << "hid_8DH_GetRGBLedEffect: not built yet";
}

void Hid_Thread::hid_90H_GetLED8StageColor(uchar type, uchar *src24)
{
    qDebug() << "hid_90H_GetLED8StageColor: not built yet";
}

bool Hid_Thread::hid_91H_GetDPISet(uchar &dpiMAXStage, uchar *src8)
{
    qDebug() << "hid_91H_GetDPISet: not built yet";
    return false;
}

void Hid_Thread::hid_92H_GetKeyMatrix(uchar *src64)
{
    qDebug() << "hid_92H_GetKeyMatrix: not built yet";
}

void Hid_Thread::hid_93H_GetMacroKey(uchar macroId, uchar *src128)
{
    qDebug() << "hid_93H_GetMacroKey: not built yet";
}
