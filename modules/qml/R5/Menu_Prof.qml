// SPDX-License-Identifier: MIT
// Profile menu on the right: ten profiles P01 to P10. A left click switches profile, a
// right click opens the context menu (import, export, factory reset).
import QtQuick 2.15

Item {
    id: menuProf
    property alias currentIndex: priv.currentIndex
    signal indexChanged_btn(int currentIndex)

    width: container.width
    height: container.height
    // The context menu must stay above the page area it may overlap.
    z: contextMenu.visible ? 2 : 0

    function setCurIndex(index) { priv.currentIndex = index }
    function getCurIndex() { return priv.currentIndex }

    // Captions follow the string table through their bindings.
    function translateStrings() {
    }

    // Opens the context menu of entry `index` at pointer (px, py) within that entry.
    function openMenu(index, px, py) {
        if (closeAnim.running)
            closeAnim.complete()
        contextMenu.menuIndex = index
        contextMenu.x = px - 45
        contextMenu.y = index * 26 + py + 85
        contextMenu.visible = true
        openAnim.restart()
    }

    function closeMenu() {
        if (openAnim.running)
            openAnim.complete()
        if (contextMenu.visible && !closeAnim.running)
            closeAnim.start()
    }

    // One choice of the context menu; the menu always closes first.
    function choose(action) {
        var i = contextMenu.menuIndex
        closeMenu()
        if (i < 0)
            return
        if (action === "load") {
            ui_View.loadProfile(i)
            if (i === priv.currentIndex)
                menuProf.indexChanged_btn(i)
        } else if (action === "save") {
            ui_View.saveProfile(i)
        } else if (action === "reset") {
            ui_View.resetProfile(i)
            if (i === priv.currentIndex)
                menuProf.indexChanged_btn(i)
        }
    }

    // A press anywhere else, or the menu being switched off, puts the context menu away.
    onEnabledChanged: if (!enabled) closeMenu()
    Connections {
        target: mainIten
        function onEmptyAreaPressed() { menuProf.closeMenu() }
    }

    QtObject {
        id: priv
        property int currentIndex: 0
    }

    Image {
        id: container
        source: sourceListPfContainer
    }

    Column {
        x: 23
        y: 97
        Repeater {
            model: 10
            Item {
                id: entry
                objectName: "profile" + index
                width: 49
                height: 26
                readonly property bool lit: index === priv.currentIndex || area.containsMouse

                Image {
                    id: marker
                    source: entry.lit ? sourceFW1 : sourceFW0
                }

                Text {
                    x: marker.width + 2
                    anchors.verticalCenter: parent.verticalCenter
                    text: "P" + (index < 9 ? "0" : "") + (index + 1)
                    font.bold: true
                    font.family: "Arial"
                    font.pixelSize: globalSetting_size
                    color: entry.lit ? globalSetting_color : globalSetting_color_enable
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: {
                        if (mouse.button === Qt.RightButton) {
                            menuProf.openMenu(index, mouse.x, mouse.y)
                            return
                        }
                        menuProf.closeMenu()
                        if (index === priv.currentIndex)
                            return
                        priv.currentIndex = index
                        menuProf.indexChanged_btn(index)
                    }
                }
            }
        }
    }

    // Context menu: "LOAD", "SAVE", "RESET", "CANCEL".
    Column {
        id: contextMenu
        objectName: "profileMenu"
        property int menuIndex: -1
        visible: false
        opacity: 0
        enabled: !closeAnim.running

        Repeater {
            model: [ { str: 84, action: "load" }, { str: 85, action: "save" },
                     { str: 77, action: "reset" }, { str: 78, action: "cancel" } ]
            Rectangle {
                objectName: "profileMenu_" + modelData.action
                width: 45
                height: 20
                color: "#20000000"
                Text {
                    anchors.centerIn: parent
                    text: globalSetting_stringList[modelData.str]
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: itemArea.containsMouse ? globalSetting_color : globalSetting_color_enable
                }
                MouseArea {
                    id: itemArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: menuProf.choose(modelData.action)
                }
            }
        }
    }

    NumberAnimation {
        id: openAnim
        target: contextMenu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: animation_speed * 1.5
    }

    NumberAnimation {
        id: closeAnim
        target: contextMenu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: animation_speed
        onStopped: contextMenu.visible = false
    }
}
