// SPDX-License-Identifier: MIT
// Title strip: the global-settings button on the left (it toggles the settings drawer)
// and the minimise button on the right.
import QtQuick 2.15
import "../common"

Item {
    id: menuUp
    property bool isGlobalSettingSelect: false
    signal btnClicked(int index)

    width: container.width + 16
    height: container.height + 16

    // The strip is its container picture with an 8-pixel margin all round.
    Image {
        id: container
        objectName: "listUpContainer"
        x: 8
        y: 8
        source: sourceListUpContainer
    }

    Image {
        id: btnGlobalSetting
        objectName: "btnGlobalSetting"
        x: container.x + 5
        y: container.y - 3
        source: (settingArea.containsMouse || menuUp.isGlobalSettingSelect) ? sourceAS1 : sourceAS0
        opacity: settingArea.pressed ? 0.2 : 1.0
        MouseArea {
            id: settingArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(0x02)
                menuUp.btnClicked(0)
            }
        }
    }

    Button_2state {
        id: btnMinimize
        objectName: "btnMinimize"
        x: container.x + container.width - width - 5
        y: container.y - 3
        source0: sourceAM0
        source1: sourceAM1
        onClicked: menuUp.btnClicked(1)
    }
}
