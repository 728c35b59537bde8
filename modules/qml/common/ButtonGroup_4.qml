// SPDX-License-Identifier: MIT
// Four-cell choice (used for the report rate): one cell is current, a click picks another.
import QtQuick 2.15

Image {
    id: group
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    signal clicked(int index)

    source: sourceBtnGroup_4_BASE
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    Repeater {
        model: 4
        Image {
            id: cell
            objectName: "cell" + index
            x: [3, 80, 157, 234][index]
            y: 4
            readonly property bool lit: cellArea.containsMouse || group.currentIndex === index
            source: lit ? sourceBtnGroup_FILLER_1 : sourceBtnGroup_FILLER_0

            Text {
                anchors.centerIn: parent
                text: group.valueForIndex[index] === undefined ? "" : group.valueForIndex[index]
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: 11
                color: cell.lit ? globalSetting_color : globalSetting_color_enable
            }

            MouseArea {
                id: cellArea
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }
        }
    }
}
