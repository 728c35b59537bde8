// SPDX-License-Identifier: MIT
// Eight cells in two rows (DPI stages), each with an editable value picked from a small
// value menu. Cells at or above maxStage are hidden; a cell worth 0 shows "×" and cannot
// be chosen, so the current cell moves off a cell that becomes 0 and the last cell that
// is on cannot be switched off.
import QtQuick 2.15

Image {
    id: group
    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
    property int maxStage: 8
    property var valueForMenuIndex: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    property int currentMenuIndex: -1
    property int menuCounter: 18
    signal clicked(int index)
    signal valueChanged(int index, int value)
    // The current cell moved by itself: the cell it was on was switched off.
    signal currentMoved(int index)

    source: sourceBtnGroup_8_BASE
    z: menu.visible ? 1 : 0
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    function cellValue(index) {
        var v = Number(valueForIndex[index])
        return isNaN(v) ? 0 : v
    }

    // A cell that is shown and worth more than 0 can be current.
    function isSelectable(index) {
        return index >= 0 && index < maxStage && index < 8 && cellValue(index) > 0
    }

    // The selectable cell nearest to `index` (the lower one on a tie), or -1 when none is.
    function nearestSelectable(index) {
        if (isSelectable(index))
            return index
        for (var d = 1; d < 8; ++d) {
            if (isSelectable(index - d))
                return index - d
            if (isSelectable(index + d))
                return index + d
        }
        return -1
    }

    // Moves the current cell to the nearest selectable one when it is not; true if it moved.
    function keepCurrentSelectable() {
        var n = nearestSelectable(currentIndex)
        if (n < 0 || n === currentIndex)
            return false
        currentIndex = n
        return true
    }

    // Switching cell `index` off must leave some other cell on.
    function canSwitchOff(index) {
        if (!isSelectable(index))
            return true
        for (var i = 0; i < 8; ++i) {
            if (i !== index && isSelectable(i))
                return true
        }
        return false
    }

    // The scene's root object, which spans the window (the item above it may have no size).
    function sceneRoot() {
        var r = group
        while (r.parent && r.parent.parent)
            r = r.parent
        return r
    }

    function openArrow() {
        var c = currentMenuIndex >= 0 ? cells.itemAt(currentMenuIndex) : null
        return c ? c.arrowHit : null
    }

    // Opens (at _X, _Y) or closes the value menu; a running fade is finished first.
    function showMenu(isOpen, _X, _Y) {
        if (menuOpenAnim.running) {
            menuOpenAnim.complete()
            showMenu(isOpen, _X, _Y)
            return
        }
        if (menuCloseAnim.running) {
            menuCloseAnim.complete()
            showMenu(isOpen, _X, _Y)
            return
        }
        if (isOpen) {
            menu.x = _X
            menu.y = _Y
            menuOpenAnim.start()
        } else {
            currentMenuIndex = -1
            menuCloseAnim.start()
        }
    }

    // The arrow of cell `index` was clicked at (px, py) in the group's coordinates.
    function toggleMenu(index, px, py) {
        if (currentMenuIndex === index) {
            showMenu(false)
        } else {
            currentMenuIndex = index
            showMenu(true, px - menu.width / 2, py)
        }
    }

    function chooseMenuValue(value) {
        if (currentMenuIndex >= 0 && currentMenuIndex < 8) {
            var cell = currentMenuIndex
            var list = []
            for (var i = 0; i < 8; ++i)
                list.push(valueForIndex[i])
            list[cell] = value
            valueForIndex = list           // a new list, so every binding sees the change
            if (keepCurrentSelectable())
                currentMoved(currentIndex)
            valueChanged(cell, Number(value))
        }
        showMenu(false)
    }

    // An open menu goes away when its cells do.
    onVisibleChanged: if (!visible && currentMenuIndex >= 0) showMenu(false)

    Repeater {
        id: cells
        model: 8
        Image {
            id: cell
            objectName: "cell" + index
            readonly property Item arrowHit: arrowArea
            x: [3, 80, 157, 234][index % 4]
            y: index < 4 ? 8 : 27
            visible: index < group.maxStage
            readonly property bool selectable: group.cellValue(index) > 0
            readonly property bool lit: group.currentIndex === index || (cellArea.containsMouse && selectable)
            source: lit ? sourceBtnGroup_FILLER_1 : sourceBtnGroup_FILLER_0

            Text {
                objectName: "valueText"
                anchors.centerIn: parent
                text: cell.selectable ? group.valueForIndex[index] : "×"
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: 11
                color: cell.lit ? globalSetting_color : globalSetting_color_enable
            }

            MouseArea {
                id: cellArea
                objectName: "cellArea"
                anchors.fill: parent
                hoverEnabled: true
                enabled: cell.selectable
                onClicked: {
                    group.currentIndex = index
                    group.clicked(index)
                }
            }

            Text {
                id: arrow
                objectName: "arrow"
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                text: "▼"
                font.family: "Arial"
                font.bold: true
                font.pixelSize: 8
                color: arrowArea.containsMouse ? globalSetting_color : globalSetting_color_enable
                MouseArea {
                    id: arrowArea
                    objectName: "arrowArea"
                    anchors.fill: parent
                    anchors.margins: -3
                    hoverEnabled: true
                    onClicked: group.toggleMenu(index, cell.x + arrow.x + arrowArea.x + mouse.x,
                                               cell.y + cell.height + 5)
                }
            }
        }
    }

    // The value menu, on a solid panel so that nothing beneath shows through its gaps.
    Rectangle {
        id: menu
        objectName: "menu"
        width: menuGrid.width + 6
        height: menuGrid.height + 6
        color: "black"
        radius: 3
        border.width: 1
        border.color: globalSetting_color_enable
        visible: false
        opacity: 0
        Grid {
            id: menuGrid
            x: 3
            y: 3
            columns: 3
            spacing: 2
            Repeater {
                model: 18
                ButtonGroupPro_8_Menu {
                    objectName: "menuEntry" + model.index
                    index: model.index
                    value: group.valueForMenuIndex[model.index]
                    visible: model.index < group.menuCounter
                    // "×" for the last cell that is on would leave no stage at all.
                    enabled: Number(value) > 0 || group.currentMenuIndex < 0
                             || group.canSwitchOff(group.currentMenuIndex)
                    onClicked: group.chooseMenuValue(value)
                }
            }
        }
    }

    // While the menu is open, a press anywhere outside it (and outside the arrow that
    // toggles it) closes it; the press still reaches whatever lies under the pointer.
    MouseArea {
        id: outsidePress
        objectName: "menuOutsidePress"
        parent: menu.visible ? group.sceneRoot() : group
        anchors.fill: parent
        z: 10000
        enabled: menu.visible && group.currentMenuIndex >= 0
        visible: enabled
        onPressed: {
            mouse.accepted = false
            if (menu.contains(menu.mapFromItem(outsidePress, mouse.x, mouse.y)))
                return
            var arrow = group.openArrow()
            if (arrow && arrow.contains(arrow.mapFromItem(outsidePress, mouse.x, mouse.y)))
                return
            group.showMenu(false)
        }
    }

    NumberAnimation {
        id: menuOpenAnim
        target: menu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: animation_speed * 1.5
        onStarted: menu.visible = true
    }

    NumberAnimation {
        id: menuCloseAnim
        target: menu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: animation_speed
        alwaysRunToEnd: true
        onStopped: menu.visible = false
    }
}
