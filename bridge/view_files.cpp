// SPDX-License-Identifier: MIT
// Persistence slots: profiles, application settings, macros, recoil tables, languages, pointer settings.
#include "myQQuickView.h"
#include <QDebug>

void myQQuickView::saveApConfig(QVariantList apConfigs)
{
    qDebug() << "saveApConfig: not built yet";
}

QVariantList myQQuickView::loadApConfig()
{
    qDebug() << "loadApConfig: not built yet";
    return {};
}

QVariantList myQQuickView::loadDeviceApConfig()
{
    qDebug() << "loadDeviceApConfig: not built yet";
    return {};
}

void myQQuickView::resetApconfig()
{
    qDebug() << "resetApconfig: not built yet";
}

bool myQQuickView::getIsSkinShow()
{
    qDebug() << "getIsSkinShow: not built yet";
    return false;
}

QVariantList myQQuickView::loadDefaultProfile(uchar uiPageId)
{
    qDebug() << "loadDefaultProfile: not built yet";
    return {};
}

QVariantList myQQuickView::loadDefaultKeyMatrix(uchar uiPageId)
{
    qDebug() << "loadDefaultKeyMatrix: not built yet";
    return {};
}

void myQQuickView::loadProfile(int profile)
{
    qDebug() << "loadProfile: not built yet";
}

void myQQuickView::saveProfile(int profile)
{
    qDebug() << "saveProfile: not built yet";
}

void myQQuickView::resetProfile(int profile)
{
    qDebug() << "resetProfile: not built yet";
}

void myQQuickView::loadMacroIniFromFile(QVariant name)
{
    qDebug() << "loadMacroIniFromFile: not built yet";
}

void myQQuickView::saveMacroIniToFile(QVariant name)
{
    qDebug() << "saveMacroIniToFile: not built yet";
}

void myQQuickView::renameMacroIniFile(QVariant oldName, QVariant newName)
{
    qDebug() << "renameMacroIniFile: not built yet";
}

QString myQQuickView::getCustomFilePath()
{
    qDebug() << "getCustomFilePath: not built yet";
    return {};
}

QVariantMap myQQuickView::chkLanguages()
{
    qDebug() << "chkLanguages: not built yet";
    return {};
}

QStringList myQQuickView::getGlobalStrings(QString langCode)
{
    qDebug() << "getGlobalStrings: not built yet";
    return {};
}

QStringList myQQuickView::getProductLayoutStrings_R5(QString langCode)
{
    qDebug() << "getProductLayoutStrings_R5: not built yet";
    return {};
}

QVariant myQQuickView::createMacroIni()
{
    qDebug() << "createMacroIni: not built yet";
    return {};
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    qDebug() << "deleteMacroIni: not built yet";
    return {};
}

QStringList myQQuickView::getMacroIniNames()
{
    qDebug() << "getMacroIniNames: not built yet";
    return {};
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros)
{
    qDebug() << "saveMacroIni: not built yet";
    return {};
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    qDebug() << "loadMacroIni: not built yet";
    return {};
}

QVariantList myQQuickView::loadMacroIniConfig(QVariant name)
{
    qDebug() << "loadMacroIniConfig: not built yet";
    return {};
}

void myQQuickView::setMacroIniConfig(QVariant name, QVariantList config)
{
    qDebug() << "setMacroIniConfig: not built yet";
}

QVariantList myQQuickView::getKeydefine(QVariant matrixId)
{
    qDebug() << "getKeydefine: not built yet";
    return {};
}

QList<uchar> myQQuickView::macroIncode(QStringList macros)
{
    qDebug() << "macroIncode: not built yet";
    return {};
}

void myQQuickView::saveGundata(QVariant gameNo, QVariantList gunData)
{
    qDebug() << "saveGundata: not built yet";
}

void myQQuickView::saveSelGundata(QVariant selGun, QVariantList gunData)
{
    qDebug() << "saveSelGundata: not built yet";
}

QVariantList myQQuickView::getGundata(QVariant gameNo)
{
    qDebug() << "getGundata: not built yet";
    return {};
}

QVariantList myQQuickView::getSelGundata(QVariant selGun)
{
    qDebug() << "getSelGundata: not built yet";
    return {};
}

void myQQuickView::setAcceleration(bool acceleration)
{
    qDebug() << "setAcceleration: not built yet";
}

void myQQuickView::setCursorSpeed(uint cursorSpeed)
{
    qDebug() << "setCursorSpeed: not built yet";
}

void myQQuickView::setVerticalScrollLines(uint lines)
{
    qDebug() << "setVerticalScrollLines: not built yet";
}

void myQQuickView::setDoubleClickSpeed(uint speed)
{
    qDebug() << "setDoubleClickSpeed: not built yet";
}

bool myQQuickView::getAcceleration()
{
    qDebug() << "getAcceleration: not built yet";
    return false;
}

uint myQQuickView::getCursorSpeed()
{
    qDebug() << "getCursorSpeed: not built yet";
    return 0;
}

uint myQQuickView::getVerticalScrollLines()
{
    qDebug() << "getVerticalScrollLines: not built yet";
    return 0;
}

uint myQQuickView::getDoubleClickSpeed()
{
    qDebug() << "getDoubleClickSpeed: not built yet";
    return 0;
}
