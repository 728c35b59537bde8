// SPDX-License-Identifier: MIT
// Drop-down list: a head showing the current entry and a list sliding down beneath it.
// Open/close requests that meet a running animation finish it first, so the list always
// ends in the state last asked for.
import QtQuick 2.15

Rectangle {
    id: dropdown
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property alias defaultIndex: priv.curIndex
    // Entries shown at once when open; 0 shows all. A longer list scrolls (wheel or drag),
    // so a list opened near the bottom of a clipping page keeps every entry reachable.
    property int maxShown: 0
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    width: headImage.implicitWidth
    height: headImage.implicitHeight
    color: "black"
    // Lifted above its siblings while shown, so the list covers the controls below.
    z: (listArea.visible ? 1 : 0) + (activeFocus ? 1 : 0)
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { priv.curIndex = index }
    function getCurIndex() { return priv.curIndex }

    function showList() {
        if (closeAnim.running) {
            closeAnim.complete()
            openAnim.start()
        } else if (openAnim.running) {
            openAnim.complete()
        } else if (!isSelect) {
            // An open list is left as it is rather than replayed from closed.
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

    Item {
        id: priv
        property int curIndex: -1
        readonly property bool hasCurrent: curIndex >= 0 && curIndex < dropdown.mdItems.count
        readonly property int count: dropdown.mdItems.count
        readonly property int shown: (dropdown.maxShown > 0 && count > dropdown.maxShown) ? dropdown.maxShown : count
    }

    Image {
        id: headImage
        width: dropdown.width
        height: dropdown.height
        source: sourceSlider
    }

    Text {
        id: headText
        objectName: "headText"
        x: 10
        width: dropdown.width - 10 - arrow.width - 15
        anchors.verticalCenter: parent.verticalCenter
        elide: Text.ElideRight
        text: priv.hasCurrent ? dropdown.mdItems.get(priv.curIndex).textX
                              : "【 " + globalSetting_stringList[1] + " 】"
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: (headArea.containsMouse || dropdown.isSelect) ? globalSetting_color : globalSetting_color_enable
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
            if (dropdown.isSelect)
                dropdown.closeList()
            else
                dropdown.showList()
        }
    }

    Flickable {
        id: listArea
        objectName: "listArea"
        y: dropdown.height - 1
        width: dropdown.width
        height: dropdown.height * priv.shown - (priv.shown - 1) + 1
        contentWidth: width
        contentHeight: dropdown.height * priv.count - (priv.count - 1) + 1
        interactive: priv.shown < priv.count
        boundsBehavior: Flickable.StopAtBounds
        clip: true
        visible: dropdown.isSelect || openAnim.running || closeAnim.running

        // Solid under the entries, so the page beneath never shows through.
        Rectangle {
            objectName: "listPanel"
            width: listArea.contentWidth
            height: listArea.contentHeight
            color: "black"
        }

        Column {
            spacing: -1
            Repeater {
                model: dropdown.mdItems
                Image {
                    id: entry
                    objectName: "entry" + index
                    width: dropdown.width
                    height: dropdown.height
                    source: sourceSlider
                    Text {
                        x: 10
                        width: parent.width - 20
                        anchors.verticalCenter: parent.verticalCenter
                        elide: Text.ElideRight
                        text: textX
                        font.bold: true
                        font.family: globalSetting_fontFamily
                        font.pixelSize: globalSetting_size
                        color: (entryArea.containsMouse || index === priv.curIndex) ? globalSetting_color
                                                                                   : globalSetting_color_enable
                    }
                    MouseArea {
                        id: entryArea
                        anchors.fill: parent
                        hoverEnabled: true
                        // Entries sliding under a resting pointer must not pick up its hover.
                        enabled: dropdown.isSelect
                        onClicked: {
                            priv.curIndex = index
                            dropdown.closeList()
                            dropdown.listElementClicked(index)
                        }
                    }
                }
            }
        }
    }

    // Scroll position of a list longer than maxShown.
    Rectangle {
        objectName: "listScrollBar"
        x: dropdown.width - 4
        y: listArea.y + listArea.visibleArea.yPosition * listArea.height
        width: 3
        radius: 1.5
        height: Math.min(listArea.height, listArea.visibleArea.heightRatio * listArea.height)
        opacity: 0.5
        color: globalSetting_color_enable
        visible: listArea.visible && listArea.interactive && !openAnim.running && !closeAnim.running
    }

    NumberAnimation {
        id: openAnim
        target: listArea
        property: "contentY"
        from: listArea.height
        to: 0
        easing.type: Easing.OutQuad
        duration: animation_speed * (0.1 + 0.05 * priv.count)
        onStarted: dropdown.listOpened()
        onStopped: dropdown.isSelect = true
    }

    NumberAnimation {
        id: closeAnim
        target: listArea
        property: "contentY"
        from: 0
        to: listArea.height
        easing.type: Easing.OutQuad
        duration: animation_speed * (0.1 + 0.05 * priv.count)
        onStopped: {
            dropdown.isSelect = false
            dropdown.listClosed()
        }
    }
}
