// SPDX-License-Identifier: MIT
// Mouse device settings: QML values stored in the current profile, then sent through the
// mouse commands (MouseCommands.h) that the profile writer uses as well.
#pragma once
#include "DeviceBytes.h"
#include "MouseCommands.h"
#include <QByteArray>
#include <QObject>
#include <QVariant>
#include <QVariantList>
#include <functional>

class myQQuickView;
class Hid_Thread;
class QSettings;


class MouseSettings : public QObject
{
    Q_OBJECT
public:
    explicit MouseSettings(myQQuickView *view);

    // Without a view (the command line): the current profile, the link and its current
    // catalogue entry are handed in. The setters and getters of the sensor and colour
    // pages work; key matrices, macros and recoil still need the view.
    struct Parts {
        std::function<QSettings *()> profile;
        Hid_Thread *link = nullptr;
    };
    explicit MouseSettings(const Parts &parts, QObject *parent = nullptr);

    // Sizes of the device's buffers.
    static constexpr int MatrixBytes = MouseCommands::MatrixBytes;
    static constexpr int MacroBytes = MouseCommands::MacroBytes;
    static constexpr int StageColorBytes = MouseCommands::StageColorBytes;
    static constexpr int DpiBytes = MouseCommands::DpiBytes;

    // While held, the setters keep their values in the profile and send nothing: "ALL
    // SAVE" lets every page store what it shows, then writes the whole profile at once.
    void holdDeviceWrites(bool hold);

    void ui_01H_SetReportRate(uchar rate);
    QVariant ui_81H_GetReportRate();
    void ui_02H_SetCurrentProfile(int profile);
    void ui_02H_SetKeymatrix(uchar index);
    void ui_0BH_SetCurrentDPIStage(uchar dpiStage);
    QVariant ui_8BH_GetCurrentDPIStage();
    void ui_11H_SetDPISet(uchar dpiStage, const QVariantList &src8, const QVariantList &valueForIndex);
    QVariantList ui_91H_GetDPISet();
    uchar ui_91H_SyncDPI();
    void ui_0DH_SetRGBLedEffect(uchar effect, uchar option1, uchar option2, const QVariantList &configs);
    QVariantList ui_8DH_GetRGBLedEffect();
    void ui_10H_SetLED8StageColor(uchar type, const QVariantList &src24);
    QVariantList ui_90H_GetLED8StageColor(uchar type);
    void ui_12H_SetKeyMatrix(const QVariantList &src64);
    void ui_12H_SetDefaultKeyMatrix(const QVariantList &src64, uint index);
    QVariantList ui_92H_GetKeyMatrix();
    void ui_13H_SetMacroKey(const QVariant &macroId, const QVariant &name);
    QVariantList ui_93H_GetMacroKey(uchar macroId);
    void r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6);
    void setScrollPinSwap(bool isSwap);
    bool getScrollPinSwap();
    QVariant getSensorType();
    bool chkIsLogoLedWork();
    // Light on/off as last sent with the effect: the stored effect triple cannot tell
    // "STATIC" (index 0) from light off. Invalid when the profile (or the factory
    // profile) predates the key, so the page falls back to the triple's own rule.
    QVariant getLedPowerOn();
    QVariant getDefaultLedPowerOn();
    bool getMsgAns_FoolProofing();

    // Four-byte option and sensitivity commands, shared with the keyboard family.
    void ui_03H_SetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4);
    void ui_04H_SetButtonSensitivity(uchar sens1, uchar sens2, uchar sens3, uchar sens4, uchar index);
    QVariantList ui_83H_GetKeyboardoption();

private:
    QSettings *profile() const;
    Hid_Thread *link() const;        // reads
    Hid_Thread *writeLink() const;   // writes: none while held
    int macroFamily() const;
    static MouseCommands::Warn warnBox();

    uint currentEntry() const;

    myQQuickView *view = nullptr;
    Parts parts;
    bool holding = false;
};
