// SPDX-License-Identifier: MIT
// Function menu on the left: one button per page of the mouse view. Clicking the open
// page's button closes it; any other button asks for that page.
import QtQuick 2.15

Item {
    id: menuFunc
    property alias currentIndex: priv.currentIndex
    signal indexChanged_btn(int currentIndex)

    width: 150
    height: column.height

    // Caption string and icon file stem of each entry, in page-index order.
    readonly property var entries: [
        { str: 74, icon: "fnKeydefine" },
        { str: 75, icon: "fnMacro" },
        { str: 76, icon: "fnColor" },
        { str: 86, icon: "fnSensor" },
        { str: 119, icon: "fnPressGun" }
    ]

    // Folder of the icons; re-pointed by setSkin() when the skin changes.
    property string iconFolder: "file:modules/img/skin" + skin_No + "/list_fn/"

    function setSkin() {
        iconFolder = "file:modules/img/skin" + skin_No + "/list_fn/"
    }

    // Captions follow the string table through their bindings.
    function translateStrings() {
    }

    function setCurIndex(index) { priv.currentIndex = index }
    function getCurIndex() { return priv.currentIndex }

    QtObject {
        id: priv
        property int currentIndex: 0
    }

    Column {
        id: column
        spacing: 13

        Repeater {
            model: menuFunc.entries.length
            Image {
                id: button
                objectName: "fnButton" + index
                readonly property bool isCurrent: index === priv.currentIndex
                source: area.containsMouse ? sourceListFnBtn_1 : sourceListFnBtn_0

                Image {
                    id: icon
                    objectName: "fnIcon" + index
                    x: Math.round(button.width / 15)
                    anchors.verticalCenter: parent.verticalCenter
                    source: menuFunc.iconFolder + menuFunc.entries[index].icon
                            + (button.isCurrent ? "_1" : "_0") + ".png"
                }

                Text {
                    objectName: "fnCaption" + index
                    x: icon.x + icon.width + 15
                    y: icon.y + 4
                    text: globalSetting_stringList[menuFunc.entries[index].str]
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: (area.containsMouse || button.isCurrent) ? globalSetting_color
                                                                    : globalSetting_color_enable
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        priv.currentIndex = button.isCurrent ? -1 : index
                        menuFunc.indexChanged_btn(priv.currentIndex)
                    }
                }
            }
        }
    }
}
