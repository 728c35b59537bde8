// SPDX-License-Identifier: MIT
// Scrolling list of names (macro files, macro steps) with a toggling selection, right
// click, a drag-able scroll bar and in-place rename.
import QtQuick 2.15

Rectangle {
    id: fileList
    property ListModel mdItems: ListModel {}
    property alias lvItems: view
    // Entry being renamed, -1 when none.
    property int editingIndex: -1
    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int tarIndex)
    signal editFileName_completed(string oldName, string newName)
    // Ends a rename in progress without keeping it.
    signal cancelEdit

    width: 151
    height: 200
    color: "black"
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { view.currentIndex = index }
    function getCurIndex() { return view.currentIndex }

    // Starts renaming entry `index`: its text field takes the focus with all text selected.
    function editFileName(index) {
        if (index < 0 || index >= mdItems.count)
            return
        view.positionViewAtIndex(index, ListView.Contain)
        editingIndex = index
        editFileName_start(index)
    }

    ListView {
        id: view
        objectName: "lvItems"
        x: 5
        width: fileList.width - 10
        height: fileList.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        currentIndex: -1
        highlightFollowsCurrentItem: false
        model: fileList.mdItems
        // ListView keeps a stale index when its model empties; nothing is current then.
        onCountChanged: if (count === 0) currentIndex = -1

        delegate: Item {
            id: entry
            objectName: "entry" + index
            width: view.width
            height: 20 + separator.height
            readonly property bool current: entry.ListView.isCurrentItem
            readonly property bool lit: current || area.containsMouse
            readonly property bool editing: index >= 0 && fileList.editingIndex === index
            readonly property string name: (model.textX === undefined || model.textX === null) ? "" : String(model.textX)
            readonly property string rightText: (model.textR === undefined || model.textR === null) ? "" : String(model.textR)

            function beginEdit() {
                nameField.text = entry.name
                nameField.forceActiveFocus()
                nameField.selectAll()
            }

            function commitEdit() {
                var oldName = entry.name
                var newName = nameField.text
                // An empty name cannot name a file, and an unchanged one needs no rename.
                if (newName.trim() !== "" && newName !== oldName) {
                    fileList.mdItems.setProperty(index, "textX", newName)
                    fileList.editFileName_completed(oldName, newName)
                }
                nameField.focus = false
            }

            onEditingChanged: if (editing) beginEdit()
            Connections {
                target: fileList
                function onCancelEdit() {
                    if (entry.editing)
                        nameField.focus = false
                }
            }
            Component.onCompleted: if (editing) beginEdit()

            Image {
                id: separator
                width: parent.width
                height: index > 0 ? implicitHeight : 0
                visible: index > 0
                source: sourceLine
            }

            Item {
                y: separator.height
                width: parent.width
                height: 20

                // The current entry is marked apart from the hover highlight, so a click that
                // clears the selection under a resting pointer visibly clears it.
                Rectangle {
                    objectName: "currentMark"
                    anchors.fill: parent
                    visible: entry.current
                    color: Qt.rgba(globalSetting_color.r, globalSetting_color.g, globalSetting_color.b, 0.22)
                    Rectangle {
                        width: 2
                        height: parent.height
                        color: globalSetting_color
                    }
                }

                TextInput {
                    id: nameField
                    objectName: "nameField"
                    x: 5
                    width: parent.width - 10 - rightLabel.width
                    anchors.verticalCenter: parent.verticalCenter
                    clip: true
                    // Reached only through editFileName: the mouse area covers it otherwise.
                    text: entry.name
                    selectByMouse: entry.editing
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: (entry.lit || entry.editing) ? globalSetting_color : globalSetting_color_enable
                    selectionColor: globalSetting_color
                    selectedTextColor: "black"
                    Keys.onReturnPressed: entry.commitEdit()
                    Keys.onEnterPressed: entry.commitEdit()
                    onActiveFocusChanged: {
                        if (!activeFocus) {
                            // Whatever was not committed is dropped.
                            text = Qt.binding(function() { return entry.name })
                            if (fileList.editingIndex === index)
                                fileList.editingIndex = -1
                        }
                    }
                }

                Text {
                    id: rightLabel
                    anchors.right: parent.right
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    text: entry.rightText
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: entry.lit ? globalSetting_color : globalSetting_color_enable
                }

                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    enabled: !entry.editing
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: {
                        if (mouse.button === Qt.RightButton) {
                            fileList.listElementRightBtnClicked(index)
                            return
                        }
                        view.currentIndex = (view.currentIndex === index) ? -1 : index
                        fileList.listElementClicked(view.currentIndex)
                    }
                }
            }
        }
    }

    // A press on the window background ends a rename without keeping it.
    Connections {
        target: typeof mainIten === "undefined" ? null : mainIten
        ignoreUnknownSignals: true
        function onEmptyAreaPressed() { fileList.cancelEdit() }
    }

    // The view learns of model changes only at its next layout; a page asking right
    // after emptying the model must already see -1.
    Connections {
        target: fileList.mdItems
        function onCountChanged() {
            if (fileList.mdItems.count === 0)
                view.currentIndex = -1
        }
    }

    Rectangle {
        id: scrollBar
        objectName: "scrollBar"
        x: fileList.width - 5
        width: 5
        radius: 2.5
        opacity: 0.5
        color: globalSetting_color_enable
        y: view.visibleArea.yPosition * view.height
        height: view.visibleArea.heightRatio * view.height
        visible: view.count > 0 && Math.abs(height - view.height) >= 1

        MouseArea {
            id: barArea
            anchors.fill: parent
            anchors.leftMargin: -2
            property real pressY: 0
            property real startBarY: 0
            onPressed: {
                pressY = mapToItem(view, mouse.x, mouse.y).y
                startBarY = scrollBar.y
            }
            onPositionChanged: {
                if (!pressed)
                    return
                var y = mapToItem(view, mouse.x, mouse.y).y
                var barY = Math.max(0, Math.min(view.height - scrollBar.height, startBarY + y - pressY))
                view.contentY = view.originY + barY / view.height * view.contentHeight
            }
        }
    }
}
