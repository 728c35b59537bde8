// SPDX-License-Identifier: MIT
// Persistence slots: profiles, application settings, macros, recoil tables, languages, pointer settings.
// Each slot hands over to its module; the modules hold the rules.
#include "Localisation.h"
#include "MacroLibrary.h"
#include "PointerSettings.h"
#include "ProfileFiles.h"
#include "RecoilStore.h"
#include "myQQuickView.h"

void myQQuickView::saveApConfig(QVariantList apConfigs) { files->saveApConfig(apConfigs); }
QVariantList myQQuickView::loadApConfig() { return files->loadApConfig(); }
QVariantList myQQuickView::loadDeviceApConfig() { return files->loadDeviceApConfig(); }
void myQQuickView::resetApconfig() { files->resetApconfig(); }
bool myQQuickView::getIsSkinShow() { return files->getIsSkinShow(); }
QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId) { return files->loadDefaultProfile(uiPageId); }
QVariantList myQQuickView::loadDefaultKeyMatrix(uchar uiPageId) { return files->loadDefaultKeyMatrix(uiPageId); }
void myQQuickView::loadProfile(int profile) { files->loadProfile(profile); }
void myQQuickView::saveProfile(int profile) { files->saveProfile(profile); }
void myQQuickView::resetProfile(int profile) { files->resetProfile(profile); }
void myQQuickView::loadMacroIniFromFile(QVariant name) { macros->loadMacroIniFromFile(name.toString()); }
void myQQuickView::saveMacroIniToFile(QVariant name) { macros->saveMacroIniToFile(name.toString()); }
void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    macros->renameMacroIniFile(oldName.toString(), newName.toString());
}
QString myQQuickView::getCustomFilePath() { return files->getCustomFilePath(); }
QVariantMap myQQuickView::chkLanguages() { return lang->chkLanguages(); }
QStringList myQQuickView::getGlobalStrings(QString langCode) { return lang->getGlobalStrings(langCode); }
QStringList myQQuickView::getProductLayoutStrings_R5(QString langCode)
{
    return lang->getProductLayoutStrings_R5(langCode);
}
QVariant myQQuickView::createMacroIni() { return macros->createMacroIni(); }
QVariant myQQuickView::deleteMacroIni(QVariant name) { return macros->deleteMacroIni(name.toString()); }
QStringList myQQuickView::getMacroIniNames() { return macros->getMacroIniNames(); }
QVariant myQQuickView::saveMacroIni(QVariant name, QStringList lines)
{
    return macros->saveMacroIni(name.toString(), lines);
}
QStringList myQQuickView::loadMacroIni(QVariant name) { return macros->loadMacroIni(name.toString()); }
QVariantList myQQuickView::loadMacroIniConfig(QVariant name) { return macros->loadMacroIniConfig(name.toString()); }
void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    macros->setMacroIniConfig(name.toString(), config);
}
QVariantList myQQuickView::getKeydefine(QVariant matrixId) { return files->getKeydefine(matrixId); }
QList<uchar> myQQuickView::macroIncode(QStringList lines) { return macros->macroIncode(lines); }
void myQQuickView::saveGundata(QVariant gameNo, QVariantList gunData) { recoil->saveGundata(gameNo, gunData); }
void myQQuickView::saveSelGundata(QVariant selGun, QVariantList gunData) { recoil->saveSelGundata(selGun, gunData); }
QVariantList myQQuickView::getGundata(QVariant gameNo) { return recoil->getGundata(gameNo); }
QVariantList myQQuickView::getSelGundata(QVariant selGun) { return recoil->getSelGundata(selGun); }
void myQQuickView::setAcceleration(bool acceleration) { pointer->setAcceleration(acceleration); }
void myQQuickView::setCursorSpeed(uint cursorSpeed) { pointer->setCursorSpeed(cursorSpeed); }
void myQQuickView::setVerticalScrollLines(uint lines) { pointer->setVerticalScrollLines(lines); }
void myQQuickView::setDoubleClickSpeed(uint speed) { pointer->setDoubleClickSpeed(speed); }
bool myQQuickView::getAcceleration() { return pointer->getAcceleration(); }
uint myQQuickView::getCursorSpeed() { return pointer->getCursorSpeed(); }
uint myQQuickView::getVerticalScrollLines() { return pointer->getVerticalScrollLines(); }
uint myQQuickView::getDoubleClickSpeed() { return pointer->getDoubleClickSpeed(); }
