// SPDX-License-Identifier: MIT
// Bottom strip with "ALL RESET" and "ALL SAVE"; each locks the interface for a moment
// and then tells the pages, which connect to the two signals. "ALL SAVE" then writes the
// whole profile to the mouse; the strip tells how far it got and what the mouse holds.
import QtQuick 2.15
import "../common"

Item {
    id: menuDown
    signal btnTotalResetClicked
    signal btnTotalApplyClicked

    width: container.width + 18
    height: container.height + 18

    // What the mouse holds: the profile it was last given whole (at start, the one shown
    // then; -1 when a save broke off), the profile shown, and the last save's outcome.
    property int heldProfile: 0
    property int shownProfile: 0
    property int savedProfile: -1
    property bool lastSaveOk: false
    property bool saving: false
    property int savedSteps: 0
    property int totalSteps: 0

    function profileName(index) {
        return "P" + (index < 9 ? "0" : "") + (index + 1)
    }

    // A caption of this strip with its number filled in.
    function caption(n, a, b) {
        var s = String(globalSetting_stringList[n] === undefined ? "" : globalSetting_stringList[n])
        return s.replace("%1", a).replace("%2", b)
    }

    readonly property string statusText: {
        if (saving)
            return caption(156, savedSteps, totalSteps)
        if (savedProfile >= 0 && savedProfile === shownProfile)
            return caption(lastSaveOk ? 157 : 158, profileName(savedProfile))
        if (heldProfile >= 0 && heldProfile !== shownProfile)
            return caption(155, profileName(heldProfile))
        return ""
    }

    // The mouse view switched to profile `index`, or reloaded the one shown from a file:
    // then the mouse no longer holds what that profile holds.
    function profileShown(index) {
        if (index === shownProfile && index === heldProfile)
            heldProfile = -1
        shownProfile = index
        savedProfile = -1
    }

    // Images follow skin_No through their bindings; kept so the root can ask explicitly.
    function setSkin() {
    }

    Connections {
        // The bridge is published once the scene is loaded.
        target: typeof ui_View === "undefined" ? null : ui_View
        ignoreUnknownSignals: true
        function onAllSaveProgress(done, total) {
            menuDown.saving = true
            menuDown.savedSteps = done
            menuDown.totalSteps = total
            // The interface stays locked, and the strip shows how far the save is.
            mainIten.setProtectUI(2000)
        }
        function onAllSaveFinished(ok, profile) {
            menuDown.saving = false
            menuDown.savedProfile = profile
            menuDown.lastSaveOk = ok
            menuDown.heldProfile = ok ? profile : -1
            mainIten.setProtectUI(0)
        }
    }

    // The strip is its container picture with a 9-pixel margin all round.
    Image {
        id: container
        objectName: "listDnContainer"
        x: 9
        y: 9
        source: sourceListDnContainer
    }

    Button_2state {
        id: btnReset
        objectName: "btnTotalReset"
        x: 350
        y: 13
        source0: sourceReset0
        source1: sourceReset1
        onClicked: {
            mainIten.setProtectUI(800)
            menuDown.btnTotalResetClicked()
        }
    }

    Text {
        id: resetCaption
        x: btnReset.x + btnReset.width + 5
        anchors.verticalCenter: btnReset.verticalCenter
        text: globalSetting_stringList[113]
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: btnReset.mouse.containsMouse ? globalSetting_color : globalSetting_color_enable
    }

    Button_2state {
        id: btnSave
        objectName: "btnTotalSave"
        x: 350 + btnReset.width + resetCaption.width + 35
        y: 13
        source0: sourceApply0
        source1: sourceApply1
        onClicked: {
            mainIten.setProtectUI(2000)
            // The pages store what they show; the whole profile then goes to the mouse.
            // Without a mouse nothing is stored or sent (the bridge has said so).
            if (!ui_View.beginAllSave())
                return
            menuDown.btnTotalApplyClicked()
            ui_View.allSave()
        }
    }

    Text {
        id: saveCaption
        x: btnSave.x + btnSave.width + 5
        anchors.verticalCenter: btnSave.verticalCenter
        text: globalSetting_stringList[114]
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: btnSave.mouse.containsMouse ? globalSetting_color : globalSetting_color_enable
    }

    Text {
        id: statusCaption
        objectName: "mouseStatus"
        anchors.right: btnReset.left
        anchors.rightMargin: 24
        anchors.verticalCenter: btnReset.verticalCenter
        text: menuDown.statusText
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: menuDown.saving || (menuDown.savedProfile >= 0 && !menuDown.lastSaveOk)
               ? globalSetting_color : globalSetting_color_enable
    }
}
