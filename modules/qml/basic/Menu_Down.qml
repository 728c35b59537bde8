// SPDX-License-Identifier: MIT
// Bottom strip with "ALL RESET" and "ALL SAVE"; each locks the interface for a moment
// and then tells the pages, which connect to the two signals.
import QtQuick 2.15
import "../common"

Item {
    id: menuDown
    signal btnTotalResetClicked
    signal btnTotalApplyClicked

    width: container.width + 18
    height: container.height + 18

    // Images follow skin_No through their bindings; kept so the root can ask explicitly.
    function setSkin() {
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
            menuDown.btnTotalApplyClicked()
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
}
