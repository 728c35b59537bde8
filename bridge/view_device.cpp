// SPDX-License-Identifier: MIT
// Device settings slots of the mouse and the keyboard.
#include "myQQuickView.h"
#include <QDebug>

void myQQuickView::syncFW()
{
    qDebug() << "syncFW: not built yet";
}

void myQQuickView::ui_01H_SetReportRate(uchar rate)
{
    qDebug() << "ui_01H_SetReportRate: not built yet";
}

void myQQuickView::ui_02H_SetCurrentProfile(int profile)
{
    qDebug() << "ui_02H_SetCurrentProfile: not built yet";
}

void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    qDebug() << "ui_03H_SetKeyboardoption: not built yet";
}

void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    qDebug() << "ui_04H_SetButtonSensitivity: not built yet";
}

void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    qDebug() << "ui_07H_SetControlIndicatorLight: not built yet";
}

void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction)
{
    qDebug() << "ui_08H_SetLEDType: not built yet";
}

void myQQuickView::ui_09H_SetKeyboardMode(uchar mode)
{
    qDebug() << "ui_09H_SetKeyboardMode: not built yet";
}

void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512)
{
    qDebug() << "ui_0DH_SetKeyMatrix: not built yet";
}

void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21)
{
    qDebug() << "ui_0EH_SetKeyOnOff: not built yet";
}

void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name)
{
    qDebug() << "ui_11H_SetMacroKey: not built yet";
}

void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512)
{
    qDebug() << "ui_12H_SetUserPicture: not built yet";
}

void myQQuickView::ui_13H_SetRecoveryData()
{
    qDebug() << "ui_13H_SetRecoveryData: not built yet";
}

void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    qDebug() << "ui_14H_SetColor: not built yet";
}

QString myQQuickView::ui_80H_GetFWVersion()
{
    qDebug() << "ui_80H_GetFWVersion: not built yet";
    return {};
}

QVariant myQQuickView::ui_81H_GetReportRate()
{
    qDebug() << "ui_81H_GetReportRate: not built yet";
    return {};
}

QVariant myQQuickView::ui_82H_GetCurrentProfile()
{
    qDebug() << "ui_82H_GetCurrentProfile: not built yet";
    return {};
}

QVariantList myQQuickView::ui_83H_GetKeyboardoption()
{
    qDebug() << "ui_83H_GetKeyboardoption: not built yet";
    return {};
}

QVariantList myQQuickView::ui_84H_GetButtonSensitivity()
{
    qDebug() << "ui_84H_GetButtonSensitivity: not built yet";
    return {};
}

QVariantList myQQuickView::ui_88H_GetLEDType()
{
    qDebug() << "ui_88H_GetLEDType: not built yet";
    return {};
}

QVariant myQQuickView::ui_89H_GetKeyboardMode()
{
    qDebug() << "ui_89H_GetKeyboardMode: not built yet";
    return {};
}

QVariantList myQQuickView::ui_8DH_GetKeyMatrix()
{
    qDebug() << "ui_8DH_GetKeyMatrix: not built yet";
    return {};
}

QVariantList myQQuickView::ui_8EH_GetKeyOnOff()
{
    qDebug() << "ui_8EH_GetKeyOnOff: not built yet";
    return {};
}

QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId)
{
    qDebug() << "ui_91H_GetMacroKey: not built yet";
    return {};
}

QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index)
{
    qDebug() << "ui_92H_GetUserPicture: not built yet";
    return {};
}

QVariantList myQQuickView::ui_94H_GetColor(uchar index)
{
    qDebug() << "ui_94H_GetColor: not built yet";
    return {};
}

QVariant myQQuickView::getSensorType()
{
    qDebug() << "getSensorType: not built yet";
    return {};
}

bool myQQuickView::chkIsLogoLedWork()
{
    qDebug() << "chkIsLogoLedWork: not built yet";
    return false;
}

bool myQQuickView::getMsgAns_FoolProofing()
{
    qDebug() << "getMsgAns_FoolProofing: not built yet";
    return false;
}

void myQQuickView::setScrollPinSwap(bool isSwap)
{
    qDebug() << "setScrollPinSwap: not built yet";
}

void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage)
{
    qDebug() << "ui_0BH_SetCurrentDPIStage: not built yet";
}

void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs)
{
    qDebug() << "ui_0DH_SetRGBLedEffect: not built yet";
}

void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24)
{
    qDebug() << "ui_10H_SetLED8StageColor: not built yet";
}

void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex)
{
    qDebug() << "ui_11H_SetDPISet: not built yet";
}

void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64)
{
    qDebug() << "ui_12H_SetKeyMatrix: not built yet";
}

void myQQuickView::ui_12H_SetDefaultKeyMatrix(QVariantList src64, uint index)
{
    qDebug() << "ui_12H_SetDefaultKeyMatrix: not built yet";
}

void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name)
{
    qDebug() << "ui_13H_SetMacroKey: not built yet";
}

bool myQQuickView::getScrollPinSwap()
{
    qDebug() << "getScrollPinSwap: not built yet";
    return false;
}

void myQQuickView::r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6)
{
    qDebug() << "r5_0CH_SetPressGun: not built yet";
}

QVariant myQQuickView::ui_8BH_GetCurrentDPIStage()
{
    qDebug() << "ui_8BH_GetCurrentDPIStage: not built yet";
    return {};
}

QVariantList myQQuickView::ui_8DH_GetRGBLedEffect()
{
    qDebug() << "ui_8DH_GetRGBLedEffect: not built yet";
    return {};
}

QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type)
{
    qDebug() << "ui_90H_GetLED8StageColor: not built yet";
    return {};
}

uchar myQQuickView::ui_91H_SyncDPI()
{
    qDebug() << "ui_91H_SyncDPI: not built yet";
    return 0;
}

void myQQuickView::ui_02H_SetKeymatrix(uchar index)
{
    qDebug() << "ui_02H_SetKeymatrix: not built yet";
}

QVariantList myQQuickView::ui_91H_GetDPISet()
{
    qDebug() << "ui_91H_GetDPISet: not built yet";
    return {};
}

QVariantList myQQuickView::ui_92H_GetKeyMatrix()
{
    qDebug() << "ui_92H_GetKeyMatrix: not built yet";
    return {};
}

QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId)
{
    qDebug() << "ui_93H_GetMacroKey: not built yet";
    return {};
}
