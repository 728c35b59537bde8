// SPDX-License-Identifier: MIT
// Recording stand-in for the native ui_View and ui_Ctl objects: every call is logged in
// order as "name(arg, ...)"; the answers of the read slots are set by the test.
import QtQuick 2.15

QtObject {
    property var calls: []
    property var apConfig: []
    property var saved: null
    property bool skinShow: true
    property string customPath: ""
    property var languages: ({})
    property var strings: ({})
    property bool enabled: true

    function log(name, args) {
        var parts = []
        for (var i = 0; i < args.length; ++i)
            parts.push(String(args[i]))
        calls.push(name + "(" + parts.join(", ") + ")")
    }
    function clear() { calls = [] }
    function count(entry) {
        var n = 0
        for (var i = 0; i < calls.length; ++i)
            if (calls[i] === entry)
                ++n
        return n
    }
    function indexOf(entry) { return calls.indexOf(entry) }

    // ui_View
    function setEnabled(b) { enabled = b; log("setEnabled", [b]) }
    function playMedia_Index(i) { log("playMedia_Index", [i]) }
    function setEnableAudio(b) { log("setEnableAudio", [b]) }
    function clearAllMedia() { log("clearAllMedia", []) }
    function loadApConfig() { log("loadApConfig", []); return apConfig }
    function saveApConfig(list) { log("saveApConfig", []); saved = list }
    function resetApconfig() { log("resetApconfig", []) }
    function getIsSkinShow() { log("getIsSkinShow", []); return skinShow }
    function getCustomFilePath() { log("getCustomFilePath", []); return customPath }
    function chkLanguages() { log("chkLanguages", []); return languages }
    function getGlobalStrings(code) {
        log("getGlobalStrings", [code])
        return strings[code] === undefined ? [""] : strings[code]
    }
    function getProductLayoutStrings_R5(code) { log("getProductLayoutStrings_R5", [code]); return [] }
    function loadDeviceApConfig() { log("loadDeviceApConfig", []); return [8] }

    // Mouse pages: profile, key matrix and macro slots answer with nothing stored. They do
    // not log, so the shell's call lists stay those of the shell.
    function loadDefaultProfile(page) { return [] }
    function loadDefaultKeyMatrix(n) { return [] }
    function getKeydefine(i) { return [] }
    function ui_02H_SetCurrentProfile(i) { }
    function ui_02H_SetKeymatrix(i) { }
    function ui_12H_SetKeyMatrix(list) { }
    function ui_12H_SetDefaultKeyMatrix(list, n) { }
    function ui_13H_SetMacroKey(id, name) { }
    function getMsgAns_FoolProofing() { return false }
    function loadProfile(i) { }
    function saveProfile(i) { }
    function resetProfile(i) { }
    function getMacroIniNames() { return [] }
    function createMacroIni() { return "" }
    function deleteMacroIni(name) { return false }
    function loadMacroIni(name) { return [] }
    function saveMacroIni(name, lines) { return false }
    function loadMacroIniConfig(name) { return [] }
    function setMacroIniConfig(name, config) { }
    function renameMacroIniFile(oldName, newName) { }
    function loadMacroIniFromFile(name) { }
    function saveMacroIniToFile(name) { }

    // Every other slot of the bridge, answering as with nothing stored and no device
    // reply, so the real pages can run in the scene under test. They do not log.
    function syncFW() { }
    function initUI() { }
    function runUI() { }
    function playMedia_Background() { }
    function macroIncode(macros) { return [] }
    function saveGundata(gameNo, gunData) { }
    function saveSelGundata(selGun, gunData) { }
    function getGundata(gameNo) { return [] }
    function getSelGundata(selGun) { return [] }
    function ui_01H_SetReportRate(rate) { }
    function ui_03H_SetKeyboardoption(byte1, byte2, byte3, byte4) { }
    function ui_04H_SetButtonSensitivity(sens1, sens2, sens3, sens4, index) { }
    function ui_07H_SetControlIndicatorLight(effect, frequenty) { }
    function ui_08H_SetLEDType(option, effect, speed, light, color, direction) { }
    function ui_09H_SetKeyboardMode(mode) { }
    function ui_0DH_SetKeyMatrix(src512) { }
    function ui_0EH_SetKeyOnOff(src21) { }
    function ui_11H_SetMacroKey(macroId, name) { }
    function ui_12H_SetUserPicture(index, option, src512) { }
    function ui_13H_SetRecoveryData() { }
    function ui_14H_SetColor(index, rValue, gValue, bValue) { }
    function ui_80H_GetFWVersion() { return "" }
    function ui_81H_GetReportRate() { return 0 }
    function ui_82H_GetCurrentProfile() { return 0 }
    function ui_83H_GetKeyboardoption() { return [] }
    function ui_84H_GetButtonSensitivity() { return [] }
    function ui_88H_GetLEDType() { return [] }
    function ui_89H_GetKeyboardMode() { return 0 }
    function ui_8DH_GetKeyMatrix() { return [] }
    function ui_8EH_GetKeyOnOff() { return [] }
    function ui_91H_GetMacroKey(macroId) { return [] }
    function ui_92H_GetUserPicture(index) { return [] }
    function ui_94H_GetColor(index) { return [] }
    function getSensorType() { return 0 }
    function chkIsLogoLedWork() { return false }
    function setScrollPinSwap(isSwap) { }
    function setAcceleration(acceleration) { }
    function setCursorSpeed(cursorSpeed) { }
    function setVerticalScrollLines(lines) { }
    function setDoubleClickSpeed(speed) { }
    function ui_0BH_SetCurrentDPIStage(dpiStage) { }
    function ui_0DH_SetRGBLedEffect(effect, option1, option2, configs) { }
    function ui_10H_SetLED8StageColor(type, src24) { }
    function ui_11H_SetDPISet(dpiStage, src8, valueForIndex) { }
    function getScrollPinSwap() { return false }
    function getAcceleration() { return false }
    function getCursorSpeed() { return 0 }
    function getVerticalScrollLines() { return 0 }
    function getDoubleClickSpeed() { return 0 }
    function r5_0CH_SetPressGun(a1, a2, a3, a4, a5, a6) { }
    function ui_8BH_GetCurrentDPIStage() { return 0 }
    function ui_8DH_GetRGBLedEffect() { return [] }
    function ui_90H_GetLED8StageColor(type) { return [] }
    function ui_91H_SyncDPI() { return 0 }
    function ui_91H_GetDPISet() { return [] }
    function ui_92H_GetKeyMatrix() { return [] }
    function ui_93H_GetMacroKey(macroId) { return [] }
    function getLedPowerOn() { return true }
    function getDefaultLedPowerOn() { return true }
    function dpiMenuValues() { return [0, 600, 800, 1000, 1200, 1600, 1800, 2000, 2500, 3000, 3200, 3500,
                                       4000, 4500, 5000, 6000, 6400, 12000] }
    function dpiCodes(values) { return [0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80] }
    function ledEffectBytes(effectIndex, brightnessStep, speedStep, lightOn) { return [0, 0, 0] }
    function bindMacroSlot(name, repeat, matrix) { return -1 }
    function releaseMacroSlots(matrix) { }
    function macroBytesUsed(lines) { return [4, 128] }
    function beginAllSave() { return true }
    function allSave() { return true }

    // Input capture: the consumers holding a claim, as the native side keeps them.
    property var captureClaims: []
    property int captureMode: 1
    function claimKeyCapture(consumer) {
        if (captureClaims.indexOf(consumer) < 0)
            captureClaims = captureClaims.concat([consumer])
        return true
    }
    function releaseKeyCapture(consumer) {
        captureClaims = captureClaims.filter(function (c) { return c !== consumer })
    }
    function keyCaptureMode() { return captureMode }

    // Value codes: the bridge's codec is tested in C++; a record read as "leave the key
    // page as it is", and no record for a choice.
    function reportRateByte(index) { return [8, 4, 2, 1][index] }
    function reportRateIndex(rate) { return Math.max(0, [8, 4, 2, 1].indexOf(Number(rate))) }
    function keyRecordView(record) { return ({}) }
    function keyRecordOf(fn, choices) { return [] }

    // ui_Ctl
    function onMinimize() { log("onMinimize", []) }
    function onXChanged(dx) { log("onXChanged", [dx]) }
    function onYChanged(dy) { log("onYChanged", [dy]) }
}
