// SPDX-License-Identifier: MIT
// One entry of the value menu of ButtonGroupPro_8: a value, or "×" for none.
import QtQuick 2.15

Rectangle {
    id: entry
    property var value: 0
    property int index: -1
    signal clicked

    width: 46
    height: 16
    color: "black"
    radius: 3
    opacity: enabled ? 1.0 : 0.2
    border.width: 1
    border.color: area.containsMouse ? globalSetting_color : globalSetting_color_enable

    Text {
        anchors.centerIn: parent
        text: Number(entry.value) > 0 ? entry.value : "×"
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: 11
        color: area.containsMouse ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: entry.clicked()
    }
}
