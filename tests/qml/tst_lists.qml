// SPDX-License-Identifier: MIT
// List controls: drop-down open/close completion rules and caption, file list selection,
// emptying, right click, scroll bar and rename, and the file-list drop-down.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/common"

ControlScene {
    id: scene
    animation_speed: 400

    ListModel {
        id: optionsModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
        ListElement { textX: "AUTO" }
    }
    ListModel { id: emptyModel }
    ListModel { id: filesModel }

    DropdownList { id: dropdown; x: 10; y: 10; mdItems: optionsModel }
    DropdownList { id: emptyDropdown; x: 200; y: 10; mdItems: emptyModel }
    FileList { id: fileList; x: 400; y: 10; mdItems: filesModel }
    FileListButton { id: fileButton; x: 600; y: 10; mdItems: filesModel }

    SignalSpy { id: openedSpy; target: dropdown; signalName: "listOpened" }
    SignalSpy { id: closedSpy; target: dropdown; signalName: "listClosed" }
    SignalSpy { id: elementSpy; target: dropdown; signalName: "listElementClicked" }
    SignalSpy { id: fileClickSpy; target: fileList; signalName: "listElementClicked" }
    SignalSpy { id: fileRightSpy; target: fileList; signalName: "listElementRightBtnClicked" }
    SignalSpy { id: renameStartSpy; target: fileList; signalName: "editFileName_start" }
    SignalSpy { id: renameSpy; target: fileList; signalName: "editFileName_completed" }
    SignalSpy { id: updateSpy; target: fileButton; signalName: "requestToUpdateList" }
    SignalSpy { id: buttonElementSpy; target: fileButton; signalName: "listElementClicked" }

    TestCase {
        name: "Lists"
        when: windowShown

        // Fills the model and lets the views lay the entries out.
        function fillFiles(n) {
            filesModel.clear()
            for (var i = 0; i < n; ++i)
                filesModel.append({ "textX": "macro" + i, "textR": "" + (i + 1) })
            fileList.lvItems.forceLayout()
            findChild(fileButton, "fileList").lvItems.forceLayout()
        }

        function entry(list, i) {
            list.lvItems.positionViewAtIndex(i, ListView.Contain)
            return findChild(list.lvItems, "entry" + i)
        }

        function test_dropdown_caption() {
            compare(findChild(emptyDropdown, "headText").text, "【 OPTIONS 】")
            // The caption follows the language's string 1.
            scene.globalSetting_stringList = ["Arial", "选项"]
            compare(findChild(emptyDropdown, "headText").text, "【 选项 】")
            scene.globalSetting_stringList = ["Arial", "OPTIONS"]
            dropdown.setCurIndex(1)
            compare(findChild(dropdown, "headText").text, "OFF")
            // An index past the end is no valid entry.
            dropdown.setCurIndex(7)
            compare(findChild(dropdown, "headText").text, "【 OPTIONS 】")
            dropdown.setCurIndex(-1)
            compare(findChild(dropdown, "headText").text, "【 OPTIONS 】")
            // Relabelled entries show at once.
            dropdown.setCurIndex(0)
            optionsModel.setProperty(0, "textX", "开")
            compare(findChild(dropdown, "headText").text, "开")
            optionsModel.setProperty(0, "textX", "ON")
        }

        function test_dropdown_closed_while_opening_ends_closed() {
            var area = findChild(dropdown, "listArea")
            openedSpy.clear()
            closedSpy.clear()
            dropdown.showList()
            verify(area.visible)
            verify(!dropdown.isSelect)
            compare(openedSpy.count, 1)
            dropdown.closeList()
            tryCompare(area, "visible", false)
            verify(!dropdown.isSelect)
            compare(closedSpy.count, 1)
            fuzzyCompare(area.contentY, area.height, 0.01)
        }

        function test_dropdown_open_then_choose() {
            var area = findChild(dropdown, "listArea")
            // Three entries of 23 overlapping by one pixel, plus the one-pixel seam.
            compare(area.height, 23 * 3 - 2 + 1)
            closedSpy.clear()
            elementSpy.clear()
            mouseClick(findChild(dropdown, "headArea"))
            tryCompare(dropdown, "isSelect", true)
            compare(area.contentY, 0)
            compare(dropdown.z, 1)
            mouseClick(findChild(dropdown, "entry2"))
            compare(dropdown.getCurIndex(), 2)
            compare(elementSpy.count, 1)
            compare(elementSpy.signalArguments[0][0], 2)
            tryCompare(dropdown, "isSelect", false)
            compare(closedSpy.count, 1)
            verify(!area.visible)
            compare(findChild(dropdown, "headText").text, "AUTO")
        }

        function test_dropdown_repeated_and_opposite_requests() {
            var area = findChild(dropdown, "listArea")
            // Opening twice while opening finishes the opening.
            dropdown.showList()
            dropdown.showList()
            verify(dropdown.isSelect)
            // Opening while closing finishes the closing and opens again.
            dropdown.closeList()
            dropdown.showList()
            tryCompare(dropdown, "isSelect", true)
            verify(area.visible)
            // Closing an already closing list finishes it.
            dropdown.closeList()
            dropdown.closeList()
            verify(!dropdown.isSelect)
            verify(!area.visible)
            // Closing a closed list changes nothing and does not flash it open.
            closedSpy.clear()
            dropdown.closeList()
            verify(!area.visible)
            compare(closedSpy.count, 0)
        }

        function test_filelist_toggle_and_right_click() {
            fillFiles(3)
            compare(fileList.getCurIndex(), -1)
            fileClickSpy.clear()
            fileRightSpy.clear()
            mouseClick(entry(fileList, 1))
            compare(fileList.getCurIndex(), 1)
            compare(fileClickSpy.signalArguments[0][0], 1)
            // Clicking the current entry again clears the selection.
            mouseClick(entry(fileList, 1))
            compare(fileList.getCurIndex(), -1)
            compare(fileClickSpy.signalArguments[1][0], -1)
            mouseClick(entry(fileList, 2))
            mouseClick(entry(fileList, 0), 10, 10, Qt.RightButton)
            compare(fileRightSpy.count, 1)
            compare(fileRightSpy.signalArguments[0][0], 0)
            compare(fileList.getCurIndex(), 2)
            compare(fileClickSpy.count, 3)
        }

        function test_filelist_emptied_has_no_current() {
            fillFiles(4)
            fileList.setCurIndex(3)
            filesModel.clear()
            // At once, not only after the view's next layout.
            compare(fileList.lvItems.currentIndex, -1)
            fileList.lvItems.forceLayout()
            compare(fileList.lvItems.currentIndex, -1)
            // Refilling does not bring back a stale selection.
            fillFiles(4)
            compare(fileList.lvItems.currentIndex, -1)
            fileList.setCurIndex(0)
            filesModel.remove(0)
            filesModel.remove(0, 3)
            fileList.lvItems.forceLayout()
            compare(fileList.getCurIndex(), -1)
        }

        function test_filelist_rename_commit() {
            fillFiles(3)
            renameSpy.clear()
            renameStartSpy.clear()
            fileList.editFileName(1)
            compare(renameStartSpy.signalArguments[0][0], 1)
            var field = findChild(entry(fileList, 1), "nameField")
            verify(field.activeFocus)
            compare(field.selectedText, "macro1")
            keyClick(Qt.Key_N)
            keyClick(Qt.Key_E)
            keyClick(Qt.Key_W)
            keyClick(Qt.Key_Return)
            compare(renameSpy.count, 1)
            compare(renameSpy.signalArguments[0][0], "macro1")
            compare(renameSpy.signalArguments[0][1], "new")
            compare(filesModel.get(1).textX, "new")
            verify(!field.activeFocus)
            compare(fileList.editingIndex, -1)
        }

        function test_filelist_rename_discard() {
            fillFiles(3)
            renameSpy.clear()
            fileList.editFileName(2)
            var field = findChild(entry(fileList, 2), "nameField")
            keyClick(Qt.Key_X)
            compare(field.text, "x")
            // Focus leaves without Enter: the model keeps its name.
            field.focus = false
            compare(renameSpy.count, 0)
            compare(filesModel.get(2).textX, "macro2")
            compare(field.text, "macro2")
            // Enter on an empty name renames nothing either.
            fileList.editFileName(2)
            keyClick(Qt.Key_Delete)
            compare(field.text, "")
            keyClick(Qt.Key_Return)
            compare(renameSpy.count, 0)
            compare(filesModel.get(2).textX, "macro2")
            compare(field.text, "macro2")
        }

        function test_filelist_rename_cancelled_from_outside() {
            fillFiles(2)
            renameSpy.clear()
            fileList.editFileName(0)
            var field = findChild(entry(fileList, 0), "nameField")
            keyClick(Qt.Key_Z)
            fileList.cancelEdit()
            verify(!field.activeFocus)
            compare(fileList.editingIndex, -1)
            compare(field.text, "macro0")
            compare(renameSpy.count, 0)
        }

        function test_filelist_scroll_bar() {
            fillFiles(2)
            var bar = findChild(fileList, "scrollBar")
            verify(!bar.visible)
            // 30 entries of 21 pixels do not fit into 200: the bar shows, sized to the view.
            fillFiles(30)
            verify(bar.visible)
            var view = fileList.lvItems
            fuzzyCompare(bar.height, view.height * view.height / view.contentHeight, 1)
            compare(bar.y, 0)
            // Dragging the bar by 50 pixels moves the content in proportion.
            mousePress(bar, 2, 5)
            mouseMove(bar, 2, 55)
            mouseRelease(bar, 2, 55)
            fuzzyCompare(bar.y, 50, 1)
            fuzzyCompare(view.contentY - view.originY, 50 * view.contentHeight / view.height, 2)
            // The bar cannot leave the view.
            mousePress(bar, 2, 5)
            mouseMove(bar, 2, 600)
            mouseRelease(bar, 2, 600)
            fuzzyCompare(bar.y + bar.height, view.height, 1)
            filesModel.clear()
            fileList.lvItems.forceLayout()
            verify(!bar.visible)
        }

        function marked(list, i) {
            return findChild(entry(list, i), "currentMark").visible
        }

        // The current entry is marked on its own, not only by the hover highlight: the mark
        // follows the selection whatever the pointer does.
        function test_filelist_current_entry_is_marked() {
            fillFiles(3)
            for (var i = 0; i < 3; ++i)
                verify(!marked(fileList, i))
            mouseClick(entry(fileList, 1))
            verify(marked(fileList, 1))
            verify(!marked(fileList, 0) && !marked(fileList, 2))
            // Hovering another entry lights it without marking it.
            mouseMove(entry(fileList, 2), 10, 10)
            verify(entry(fileList, 2).lit)
            verify(!marked(fileList, 2))
            // Clicking the current entry clears the selection: lit by the pointer, not marked.
            mouseClick(entry(fileList, 1))
            compare(fileList.getCurIndex(), -1)
            verify(entry(fileList, 1).lit)
            verify(!marked(fileList, 1))
            // An entry added and made current at once is marked.
            filesModel.append({ "textX": "added", "textR": "" })
            fileList.setCurIndex(filesModel.count - 1)
            fileList.lvItems.forceLayout()
            verify(marked(fileList, 3))
            mouseMove(scene, 0, 0)
        }

        // Lists that open over the page lie on a solid panel covering every entry.
        function test_open_lists_are_opaque() {
            dropdown.showList()
            tryCompare(dropdown, "isSelect", true)
            var panel = findChild(dropdown, "listPanel")
            compare(panel.color.a, 1)
            verify(panel.visible)
            var last = findChild(dropdown, "entry2")
            var p = panel.mapFromItem(last, 0, last.height - 1)
            verify(p.y >= 0 && p.y < panel.height && panel.width >= last.width)
            dropdown.closeList()
            tryCompare(dropdown, "isSelect", false)

            fillFiles(3)
            fileButton.showList()
            tryCompare(fileButton, "isSelect", true)
            var area = findChild(fileButton, "listArea")
            panel = findChild(fileButton, "listPanel")
            compare(panel.color.a, 1)
            verify(panel.visible)
            compare(panel.width, area.width)
            compare(panel.height, area.height)
            fileButton.closeList()
            tryCompare(fileButton, "isSelect", false)
        }

        function test_filelistbutton_open_choose_close() {
            fillFiles(3)
            var area = findChild(fileButton, "listArea")
            compare(area.height, 200)
            compare(findChild(fileButton, "headText").text, "【 OPTIONS 】")
            updateSpy.clear()
            buttonElementSpy.clear()
            mouseClick(findChild(fileButton, "headArea"))
            compare(updateSpy.count, 1)
            tryCompare(fileButton, "isSelect", true)
            compare(area.contentY, -area.height)
            var list = findChild(fileButton, "fileList")
            mouseClick(entry(list, 1))
            compare(buttonElementSpy.signalArguments[0][0], 1)
            tryCompare(fileButton, "isSelect", false)
            verify(!area.visible)
            compare(findChild(fileButton, "headText").text, "macro1")
            // Closing while opening ends closed.
            fileButton.showList()
            fileButton.closeList()
            tryCompare(area, "visible", false)
            verify(!fileButton.isSelect)
            compare(area.contentY, 0)
        }
    }
}
