// SPDX-License-Identifier: MIT
// Device settings slots of the mouse and the keyboard: each forwards to its module.
#include "BindingSettings.h"
#include "KeyboardSettings.h"
#include "LightingSettings.h"
#include "MacroRecoilSettings.h"
#include "SensorSettings.h"
#include "myQQuickView.h"

void myQQuickView::syncFW() { keyboard->syncFW(); }
void myQQuickView::ui_01H_SetReportRate(uchar rate) { sensor->ui_01H_SetReportRate(rate); }
void myQQuickView::ui_02H_SetCurrentProfile(int profile) { sensor->ui_02H_SetCurrentProfile(profile); }
void myQQuickView::ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    mouseMacros->ui_03H_SetKeyboardoption(byte1, byte2, byte3, byte4);
}
void myQQuickView::ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index)
{
    mouseMacros->ui_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4, index);
}
void myQQuickView::ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty)
{
    keyboard->ui_07H_SetControlIndicatorLight(effect, frequenty);
}
void myQQuickView::ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction)
{
    keyboard->ui_08H_SetLEDType(option, effect, speed, light, color, direction);
}
void myQQuickView::ui_09H_SetKeyboardMode(uchar mode) { keyboard->ui_09H_SetKeyboardMode(mode); }
void myQQuickView::ui_0DH_SetKeyMatrix(QVariantList src512) { keyboard->ui_0DH_SetKeyMatrix(src512); }
void myQQuickView::ui_0EH_SetKeyOnOff(QVariantList src21) { keyboard->ui_0EH_SetKeyOnOff(src21); }
void myQQuickView::ui_11H_SetMacroKey(QVariant macroId, QVariant name)
{
    keyboard->ui_11H_SetMacroKey(macroId, name);
}
void myQQuickView::ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512)
{
    keyboard->ui_12H_SetUserPicture(index, option, src512);
}
void myQQuickView::ui_13H_SetRecoveryData() { keyboard->ui_13H_SetRecoveryData(); }
void myQQuickView::ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue)
{
    keyboard->ui_14H_SetColor(index, rValue, gValue, bValue);
}
QString myQQuickView::ui_80H_GetFWVersion() { return keyboard->ui_80H_GetFWVersion(); }
QVariant myQQuickView::ui_81H_GetReportRate() { return sensor->ui_81H_GetReportRate(); }
QVariant myQQuickView::ui_82H_GetCurrentProfile() { return keyboard->ui_82H_GetCurrentProfile(); }
QVariantList myQQuickView::ui_83H_GetKeyboardoption() { return mouseMacros->ui_83H_GetKeyboardoption(); }
QVariantList myQQuickView::ui_84H_GetButtonSensitivity() { return keyboard->ui_84H_GetButtonSensitivity(); }
QVariantList myQQuickView::ui_88H_GetLEDType() { return keyboard->ui_88H_GetLEDType(); }
QVariant myQQuickView::ui_89H_GetKeyboardMode() { return keyboard->ui_89H_GetKeyboardMode(); }
QVariantList myQQuickView::ui_8DH_GetKeyMatrix() { return keyboard->ui_8DH_GetKeyMatrix(); }
QVariantList myQQuickView::ui_8EH_GetKeyOnOff() { return keyboard->ui_8EH_GetKeyOnOff(); }
QVariantList myQQuickView::ui_91H_GetMacroKey(uchar macroId) { return keyboard->ui_91H_GetMacroKey(macroId); }
QVariantList myQQuickView::ui_92H_GetUserPicture(uchar index) { return keyboard->ui_92H_GetUserPicture(index); }
QVariantList myQQuickView::ui_94H_GetColor(uchar index) { return keyboard->ui_94H_GetColor(index); }
QVariant myQQuickView::getSensorType() { return sensor->getSensorType(); }
bool myQQuickView::chkIsLogoLedWork() { return lighting->chkIsLogoLedWork(); }
bool myQQuickView::getMsgAns_FoolProofing() { return bindings->getMsgAns_FoolProofing(); }
void myQQuickView::setScrollPinSwap(bool isSwap) { bindings->setScrollPinSwap(isSwap); }
void myQQuickView::ui_0BH_SetCurrentDPIStage(uchar dpiStage) { sensor->ui_0BH_SetCurrentDPIStage(dpiStage); }
void myQQuickView::ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs)
{
    lighting->ui_0DH_SetRGBLedEffect(effect, option1, option2, configs);
}
void myQQuickView::ui_10H_SetLED8StageColor(uchar type, QVariantList src24)
{
    lighting->ui_10H_SetLED8StageColor(type, src24);
}
void myQQuickView::ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex)
{
    sensor->ui_11H_SetDPISet(dpiStage, src8, valueForIndex);
}
void myQQuickView::ui_12H_SetKeyMatrix(QVariantList src64) { bindings->ui_12H_SetKeyMatrix(src64); }
void myQQuickView::ui_12H_SetDefaultKeyMatrix(QVariantList src64, uint index)
{
    bindings->ui_12H_SetDefaultKeyMatrix(src64, index);
}
void myQQuickView::ui_13H_SetMacroKey(QVariant macroId, QVariant name) { mouseMacros->ui_13H_SetMacroKey(macroId, name); }
bool myQQuickView::getScrollPinSwap() { return bindings->getScrollPinSwap(); }
void myQQuickView::r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6)
{
    mouseMacros->r5_0CH_SetPressGun(a1, a2, a3, a4, a5, a6);
}
QVariant myQQuickView::ui_8BH_GetCurrentDPIStage() { return sensor->ui_8BH_GetCurrentDPIStage(); }
QVariantList myQQuickView::ui_8DH_GetRGBLedEffect() { return lighting->ui_8DH_GetRGBLedEffect(); }
QVariantList myQQuickView::ui_90H_GetLED8StageColor(uchar type) { return lighting->ui_90H_GetLED8StageColor(type); }
uchar myQQuickView::ui_91H_SyncDPI() { return sensor->ui_91H_SyncDPI(); }
void myQQuickView::ui_02H_SetKeymatrix(uchar index) { bindings->ui_02H_SetKeymatrix(index); }
QVariantList myQQuickView::ui_91H_GetDPISet() { return sensor->ui_91H_GetDPISet(); }
QVariantList myQQuickView::ui_92H_GetKeyMatrix() { return bindings->ui_92H_GetKeyMatrix(); }
QVariantList myQQuickView::ui_93H_GetMacroKey(uchar macroId) { return mouseMacros->ui_93H_GetMacroKey(macroId); }
QVariant myQQuickView::getLedPowerOn() { return lighting->getLedPowerOn(); }
QVariant myQQuickView::getDefaultLedPowerOn() { return lighting->getDefaultLedPowerOn(); }
