// SPDX-License-Identifier: MIT
// Check box: box picture, 5 pixels, caption. A click toggles it and reports the new state.
import QtQuick 2.15

Item {
    id: checkbox
    property bool isSelect: false
    property string chkStr: ""
    signal clicked(bool select)

    width: box.width + 5 + caption.width
    height: Math.max(box.height, caption.height)
    opacity: (area.pressed || (!enabled && (!parent || parent.enabled))) ? 0.2 : 1.0

    Image {
        id: box
        anchors.verticalCenter: parent.verticalCenter
        source: checkbox.isSelect ? sourceCHK1 : sourceCHK0
    }

    Text {
        id: caption
        x: box.width + 5
        anchors.verticalCenter: parent.verticalCenter
        text: checkbox.chkStr
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: (area.containsMouse || checkbox.isSelect) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            checkbox.isSelect = !checkbox.isSelect
            checkbox.clicked(checkbox.isSelect)
        }
    }
}
