// SPDX-License-Identifier: MIT
// The one object QML calls (context property "ui_View"). Slots are declared here in
// their fixed meta-method order. The view builds the modules under bridge/, hands each
// its collaborators, and its slots only forward to them.
#pragma once
#include "DeviceSettings.h"
#include <QQuickWidget>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

class Hid_Thread;
class InterfaceSounds;
class ProfileFiles;
class MacroLibrary;
class RecoilStore;
class FileNotices;
class Localisation;
class PointerSettings;
class SensorSettings;
class LightingSettings;
class BindingSettings;
class MacroRecoilSettings;
class KeyboardSettings;
class MacroSlots;
class AllSave;
class KeyCapture;

class myQQuickView : public QQuickWidget
{
    Q_OBJECT
public:
    explicit myQQuickView(QWidget *parent = nullptr);
    ~myQQuickView() override;

    // Called by the input hooks through the main window; queue into the QML root.
    void invokeDetectKeyboard(bool isDown, int usbCode);
    void invokeDetectMouse(bool isDown, uint code, uint x, uint y);

    // State the view hands to its modules.
    Hid_Thread *hid = nullptr;      // the main window's device link, not owned
    QStringList messageTexts;       // msg/0..msg/5 of the chosen language (Localisation fills it)
    int deviceFamily() const;       // family of the current catalogue entry, -1 without one
    uint currentEntry() const;      // curDevice of the link (1 without a link)

    InterfaceSounds *sounds = nullptr;
    FileNotices *notices = nullptr;   // tells the user about damaged or unwritable files
    ProfileFiles *files = nullptr;
    MacroLibrary *macros = nullptr;
    RecoilStore *recoil = nullptr;
    Localisation *lang = nullptr;
    PointerSettings *pointer = nullptr;
    // The mouse's device settings by concern, and the keyboard's.
    SensorSettings *sensor = nullptr;
    LightingSettings *lighting = nullptr;
    BindingSettings *bindings = nullptr;
    MacroRecoilSettings *mouseMacros = nullptr;
    KeyboardSettings *keyboard = nullptr;
    DeviceSettings::WriteHold deviceWrites;   // held by "ALL SAVE" while the pages store
    MacroSlots *macroSlots = nullptr;
    AllSave *allSaver = nullptr;
    KeyCapture *capture = nullptr;

public slots:
    void syncFW();                                                     // 0
    void initUI();                                                     // 1
    void runUI();                                                      // 2
    void setEnableAudio(bool isEnable);                                // 3
    void playMedia_Index(uchar index);                                 // 4
    void playMedia_Background();                                       // 5
    void clearAllMedia();                                              // 6
    void saveApConfig(QVariantList apConfigs);                         // 7
    QVariantList loadApConfig();                                       // 8
    QVariantList loadDeviceApConfig();                                 // 9
    void resetApconfig();                                              // 10
    bool getIsSkinShow();                                              // 11
    QVariantList loadDefaultProfile(uchar uiPageId);                   // 12
    QVariantList loadDefaultKeyMatrix(uchar uiPageId);                 // 13
    void loadProfile(int profile);                                     // 14
    void saveProfile(int profile);                                     // 15
    void resetProfile(int profile);                                    // 16
    void loadMacroIniFromFile(QVariant name);                          // 17
    void saveMacroIniToFile(QVariant name);                            // 18
    void renameMacroIniFile(QVariant oldName, QVariant newName);       // 19
    QString getCustomFilePath();                                       // 20
    QVariantMap chkLanguages();                                        // 21
    QStringList getGlobalStrings(QString langCode);                    // 22
    QStringList getProductLayoutStrings_R5(QString langCode);          // 23
    QVariant createMacroIni();                                         // 24
    QVariant deleteMacroIni(QVariant name);                            // 25
    QStringList getMacroIniNames();                                    // 26
    QVariant saveMacroIni(QVariant name, QStringList macros);          // 27
    QStringList loadMacroIni(QVariant name);                           // 28
    QVariantList loadMacroIniConfig(QVariant name);                    // 29
    void setMacroIniConfig(QVariant name, QVariantList config);        // 30
    QVariantList getKeydefine(QVariant matrixId);                      // 31
    QList<uchar> macroIncode(QStringList macros);                      // 32
    void saveGundata(QVariant gameNo, QVariantList gunData);           // 33
    void saveSelGundata(QVariant selGun, QVariantList gunData);        // 34
    QVariantList getGundata(QVariant gameNo);                          // 35
    QVariantList getSelGundata(QVariant selGun);                       // 36
    void ui_01H_SetReportRate(uchar rate);                             // 37
    void ui_02H_SetCurrentProfile(int profile);                        // 38
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);          // 39
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index); // 40
    void ui_07H_SetControlIndicatorLight(uchar effect, uchar frequenty);                        // 41
    void ui_08H_SetLEDType(uchar option, uchar effect, uchar speed, uchar light, uchar color, uchar direction); // 42
    void ui_09H_SetKeyboardMode(uchar mode);                           // 43
    void ui_0DH_SetKeyMatrix(QVariantList src512);                     // 44
    void ui_0EH_SetKeyOnOff(QVariantList src21);                       // 45
    void ui_11H_SetMacroKey(QVariant macroId, QVariant name);          // 46
    void ui_12H_SetUserPicture(uchar index, uchar option, QVariantList src512); // 47
    void ui_13H_SetRecoveryData();                                     // 48
    void ui_14H_SetColor(uchar index, uchar rValue, uchar gValue, uchar bValue); // 49
    QString ui_80H_GetFWVersion();                                     // 50
    QVariant ui_81H_GetReportRate();                                   // 51
    QVariant ui_82H_GetCurrentProfile();                               // 52
    QVariantList ui_83H_GetKeyboardoption();                           // 53
    QVariantList ui_84H_GetButtonSensitivity();                        // 54
    QVariantList ui_88H_GetLEDType();                                  // 55
    QVariant ui_89H_GetKeyboardMode();                                 // 56
    QVariantList ui_8DH_GetKeyMatrix();                                // 57
    QVariantList ui_8EH_GetKeyOnOff();                                 // 58
    QVariantList ui_91H_GetMacroKey(uchar macroId);                    // 59
    QVariantList ui_92H_GetUserPicture(uchar index);                   // 60
    QVariantList ui_94H_GetColor(uchar index);                         // 61
    QVariant getSensorType();                                          // 62
    bool chkIsLogoLedWork();                                           // 63
    bool getMsgAns_FoolProofing();                                     // 64
    void setScrollPinSwap(bool isSwap);                                // 65
    void setAcceleration(bool acceleration);                           // 66
    void setCursorSpeed(uint cursorSpeed);                             // 67
    void setVerticalScrollLines(uint lines);                           // 68
    void setDoubleClickSpeed(uint speed);                              // 69
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);                    // 70
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, QVariantList configs); // 71
    void ui_10H_SetLED8StageColor(uchar type, QVariantList src24);     // 72
    void ui_11H_SetDPISet(uchar dpiStage, QVariantList src8, QVariantList valueForIndex); // 73
    void ui_12H_SetKeyMatrix(QVariantList src64);                      // 74
    void ui_12H_SetDefaultKeyMatrix(QVariantList src64, uint index);   // 75
    void ui_13H_SetMacroKey(QVariant macroId, QVariant name);          // 76
    bool getScrollPinSwap();                                           // 77
    bool getAcceleration();                                            // 78
    uint getCursorSpeed();                                             // 79
    uint getVerticalScrollLines();                                     // 80
    uint getDoubleClickSpeed();                                        // 81
    void r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6); // 82
    QVariant ui_8BH_GetCurrentDPIStage();                              // 83
    QVariantList ui_8DH_GetRGBLedEffect();                             // 84
    QVariantList ui_90H_GetLED8StageColor(uchar type);                 // 85
    uchar ui_91H_SyncDPI();                                            // 86
    void ui_02H_SetKeymatrix(uchar index);                             // 87
    QVariantList ui_91H_GetDPISet();                                   // 88
    QVariantList ui_92H_GetKeyMatrix();                                // 89
    QVariantList ui_93H_GetMacroKey(uchar macroId);                    // 90
    // Added after the fixed table: light on/off of the colour page, kept beside the
    // effect triple (invalid when the profile has no such key).
    QVariant getLedPowerOn();                                          // 91
    QVariant getDefaultLedPowerOn();                                   // 92
    // Added after the fixed table: what the mouse holds. The value codes of the sensor
    // and colour pages come from the bridge; macro slots are chosen across all ten
    // profiles; the macro page shows the memory a macro takes; "ALL SAVE" writes the
    // whole current profile (the pages store first, their device writes held back).
    QVariantList dpiMenuValues();                                      // 93
    QVariantList dpiCodes(QVariantList values);                        // 94
    QVariantList ledEffectBytes(int effectIndex, int brightnessStep, int speedStep, bool lightOn); // 95
    int bindMacroSlot(QVariant name, int repeat, QVariantList matrix); // 96: slot 0-11, -1 when full
    void releaseMacroSlots(QVariantList matrix);                       // 97
    QVariantList macroBytesUsed(QStringList lines);                    // 98: [bytes, slot size]
    bool beginAllSave();                                               // 99: false: no mouse, nothing to do
    bool allSave();                                                    // 100: false while one runs

    // ---- capture block (appended): input capture on demand ----
    // An armed key field or a running recording claims capture while it needs keys and
    // releases it after; a consumer that is destroyed lets go by itself. The first claim
    // of a run without global capture tells the user once that keys are read only while
    // the window has focus. claimKeyCapture returns whether keys are being read now.
    bool claimKeyCapture(QObject *consumer);                           // 101
    void releaseKeyCapture(QObject *consumer);                         // 102
    // 0 no capture, 1 global (the whole desktop), 2 only while the window has focus.
    int keyCaptureMode();                                              // 103
    // ---- end of capture block ----

    // ---- codec block (appended): values the pages show, coded by the mouse codec ----
    // Report-rate list index (125, 250, 500, 1000 Hz) to the 01H byte, and a byte back.
    int reportRateByte(int index);                                     // 104
    int reportRateIndex(QVariant rate);                                // 105
    // What the key page shows for a four-byte key record (see MouseCodec::keyRecordView),
    // and the record of a key-page function (0 key, 1 mouse, 2 media, 3 combo, 4 macro,
    // 5 fire key, 6 gun loop) from the page's choices; empty when they name none.
    QVariantMap keyRecordView(QVariantList record);                    // 106
    QVariantList keyRecordOf(int function, QVariantList choices);      // 107
    // ---- end of codec block ----

signals:
    // "ALL SAVE" under way: `done` of `total` settings written; then its outcome for the
    // profile index it wrote.
    void allSaveProgress(int done, int total);
    void allSaveFinished(bool ok, int profile);
};
