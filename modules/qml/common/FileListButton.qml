// SPDX-License-Identifier: MIT
// Drop-down whose list is a FileList: the head shows the chosen entry; opening asks the
// page to refill the model first.
import QtQuick 2.15

Rectangle {
    id: fileListButton
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property alias fileList: list
    signal listElementClicked(int index)
    signal requestToUpdateList
    signal listOpened
    signal listClosed

    width: headImage.implicitWidth
    height: headImage.implicitHeight
    color: "black"
    z: (listArea.visible ? 1 : 0) + (activeFocus ? 1 : 0)
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { list.lvItems.currentIndex = index }
    function getCurIndex() { return list.lvItems.currentIndex }

    function showList() {
        if (closeAnim.running) {
            closeAnim.complete()
            openAnim.start()
        } else if (openAnim.running) {
            openAnim.complete()
        } else if (!isSelect) {
            openAnim.start()
        }
    }

    function closeList() {
        if (openAnim.running) {
            openAnim.complete()
            closeAnim.start()
        } else if (closeAnim.running) {
            closeAnim.complete()
        } else if (isSelect) {
            closeAnim.start()
        }
    }

    Image {
        id: headImage
        width: fileListButton.width
        height: fileListButton.height
        source: sourceSlider
    }

    Text {
        id: headText
        objectName: "headText"
        x: 10
        width: fileListButton.width - 10 - arrow.width - 15
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        readonly property int cur: list.lvItems.currentIndex
        text: (cur >= 0 && cur < fileListButton.mdItems.count) ? fileListButton.mdItems.get(cur).textX
                                                               : "【 " + globalSetting_stringList[1] + " 】"
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: (headArea.containsMouse || fileListButton.isSelect) ? globalSetting_color : globalSetting_color_enable
    }

    Text {
        id: arrow
        anchors.right: parent.right
        anchors.rightMargin: 10
        anchors.verticalCenter: parent.verticalCenter
        text: "▼"
        font.family: "Arial"
        font.bold: true
        font.pixelSize: globalSetting_size
        color: headText.color
    }

    MouseArea {
        id: headArea
        objectName: "headArea"
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            if (fileListButton.isSelect) {
                fileListButton.closeList()
            } else {
                fileListButton.requestToUpdateList()
                fileListButton.showList()
            }
        }
    }

    Image {
        id: listImage
        visible: false
        source: sourceFilelist
    }

    Flickable {
        id: listArea
        objectName: "listArea"
        y: fileListButton.height - 1
        width: listImage.implicitWidth
        height: listImage.implicitHeight + 1
        contentWidth: width
        contentHeight: height
        interactive: false
        clip: true
        visible: fileListButton.isSelect || openAnim.running || closeAnim.running

        // Parked above the visible area; opening scrolls it down into view.
        Item {
            y: -listArea.height
            width: listArea.width
            height: listArea.height
            // Solid under the skin's list face, so the page beneath never shows through.
            Rectangle {
                objectName: "listPanel"
                anchors.fill: parent
                color: "black"
            }
            Image {
                source: sourceFilelist
            }
            FileList {
                id: list
                objectName: "fileList"
                width: listArea.width
                height: listArea.height
                color: "transparent"
                mdItems: fileListButton.mdItems
                onListElementClicked: {
                    fileListButton.closeList()
                    fileListButton.listElementClicked(index)
                }
            }
        }
    }

    NumberAnimation {
        id: openAnim
        target: listArea
        property: "contentY"
        from: 0
        to: -listArea.height
        easing.type: Easing.OutQuad
        duration: animation_speed * 0.5
        onStarted: fileListButton.listOpened()
        onStopped: fileListButton.isSelect = true
    }

    NumberAnimation {
        id: closeAnim
        target: listArea
        property: "contentY"
        from: -listArea.height
        to: 0
        easing.type: Easing.OutQuad
        duration: animation_speed * 0.5
        onStopped: {
            fileListButton.isSelect = false
            fileListButton.listClosed()
        }
    }
}
