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

    // ui_Ctl
    function onMinimize() { log("onMinimize", []) }
    function onXChanged(dx) { log("onXChanged", [dx]) }
    function onYChanged(dy) { log("onYChanged", [dy]) }
}
