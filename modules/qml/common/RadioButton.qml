// SPDX-License-Identifier: MIT
// Radio button drawn like the check box. It only reports its index; the page decides
// which button of the group is selected.
import QtQuick 2.15

Item {
    id: radio
    property bool isSelect: false
    property string chkStr: ""
    property int index: 0
    signal clicked(int index)

    width: box.width + 5 + caption.width
    height: Math.max(box.height, caption.height)
    opacity: (area.pressed || (!enabled && (!parent || parent.enabled))) ? 0.2 : 1.0

    Image {
        id: box
        anchors.verticalCenter: parent.verticalCenter
        source: radio.isSelect ? sourceCHK1 : sourceCHK0
    }

    Text {
        id: caption
        x: box.width + 5
        anchors.verticalCenter: parent.verticalCenter
        text: radio.chkStr
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: (area.containsMouse || radio.isSelect) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            radio.clicked(radio.index)
        }
    }
}
