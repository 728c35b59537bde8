// SPDX-License-Identifier: MIT
// Common controls: the index rules of both sliders, key capture, the numeric field,
// check box / radio button and the two button groups with the value menu.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/common"
import "../../modules/qml/basic"

ControlScene {
    id: scene

    KeyCodeString { id: _KeyCodeString }

    Slider { id: slider; x: 10; y: 10 }
    Slider { id: slider11; fillers: 11; x: 10; y: 50 }
    KeyInput_2 { id: keyInput; x: 10; y: 90 }
    Item {
        id: keyHolder
        x: 10; y: 260; width: 151; height: 23
        KeyInput_2 { id: heldKeyInput }
    }
    ValueInput { id: valueInput; x: 200; y: 90; width: 151; height: 23; minValue: 10; maxValue: 100 }
    Checkbox { id: checkbox; x: 10; y: 130; chkStr: "LED" }
    RadioButton { id: radio; x: 100; y: 130; chkStr: "R"; index: 3 }
    ButtonGroup_4 { id: group4; x: 10; y: 160; width: 314; height: 27 }
    ButtonGroupPro_8 { id: group8; x: 10; y: 200; width: 314; height: 50 }

    SignalSpy { id: sliderSpy; target: slider; signalName: "sliderClicked" }
    SignalSpy { id: slider11Spy; target: slider11; signalName: "sliderClicked" }
    SignalSpy { id: keySpy; target: keyInput; signalName: "inputComplete" }
    SignalSpy { id: valueSpy; target: valueInput; signalName: "valueChange" }
    SignalSpy { id: checkSpy; target: checkbox; signalName: "clicked" }
    SignalSpy { id: radioSpy; target: radio; signalName: "clicked" }
    SignalSpy { id: group4Spy; target: group4; signalName: "clicked" }
    SignalSpy { id: group8ClickSpy; target: group8; signalName: "clicked" }
    SignalSpy { id: group8ValueSpy; target: group8; signalName: "valueChanged" }
    SignalSpy { id: group8MovedSpy; target: group8; signalName: "currentMoved" }

    TestCase {
        name: "Controls"
        when: windowShown

        function init() {
            scene.ui_View.clear()
            if (group8.currentMenuIndex >= 0)
                group8.showMenu(false)
        }

        function fillerSources(strip) {
            var row = strip.children[0]
            var out = []
            for (var i = 0; i < row.children.length; ++i)
                if (row.children[i].source !== undefined)
                    out.push(String(row.children[i].source).indexOf("1.png") >= 0 ? 1 : 0)
            return out
        }

        function releaseAt(strip, x) {
            mousePress(strip, x, strip.height / 2)
            mouseRelease(strip, x, strip.height / 2)
        }

        function test_slider_ends_and_lit_fillers() {
            var strip = findChild(slider, "strip")
            sliderSpy.clear()
            releaseAt(strip, 0)
            compare(slider.currentIndex, 0)
            compare(sliderSpy.signalArguments[0][0], 0)
            compare(fillerSources(strip), [0, 0, 0, 0, 0, 0, 0])

            releaseAt(strip, strip.width - 1)
            compare(slider.currentIndex, 7)
            compare(fillerSources(strip), [1, 1, 1, 1, 1, 1, 1])

            // Middle: ceil(70 / 140 * 7) = 4 lights the first four fillers.
            releaseAt(strip, 70)
            compare(slider.currentIndex, 4)
            compare(fillerSources(strip), [1, 1, 1, 1, 0, 0, 0])
            compare(sliderSpy.count, 3)
        }

        function test_slider_release_outside_is_clamped() {
            var strip = findChild(slider, "strip")
            mousePress(strip, 20, 10)
            mouseRelease(strip, strip.width + 40, 10)
            compare(slider.currentIndex, 7)
            mousePress(strip, 20, 10)
            mouseRelease(strip, -30, 10)
            compare(slider.currentIndex, 0)
        }

        function test_slider_preview_while_held() {
            var strip = findChild(slider, "strip")
            slider.setCurIndex(7)
            mousePress(strip, 1, 10)
            mouseMove(strip, 25, 10)
            // ceil(25 / 140 * 7) = 2 while held, whatever the stored index.
            compare(fillerSources(strip), [1, 1, 0, 0, 0, 0, 0])
            compare(slider.getCurIndex(), 7)
            mouseRelease(strip, 25, 10)
            compare(slider.getCurIndex(), 2)
        }

        function test_slider11_ends() {
            var strip = findChild(slider11, "strip")
            slider11Spy.clear()
            releaseAt(strip, 0)
            compare(slider11.currentIndex, 0)
            // Index 0 still lights the first filler.
            compare(fillerSources(strip), [1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0])
            releaseAt(strip, strip.width - 1)
            compare(slider11.currentIndex, 10)
            compare(fillerSources(strip), [1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1])
            // ceil(11 * 154 / 308) - 1 = 5
            releaseAt(strip, 154)
            compare(slider11.currentIndex, 5)
            compare(slider11Spy.count, 3)
            compare(slider11Spy.signalArguments[2][0], 5)
        }

        function test_keyinput_first_event_ends_capture() {
            keyInput.setKeycodeUSB(-1)
            compare(keyInput.text, "KEY【 PRESS ANY 】")
            keySpy.clear()
            // Not armed: nothing happens.
            keyInput.detectKeyboard(true, 0x04)
            compare(keySpy.count, 0)
            compare(keyInput.tmpKeycodeUSB, 0)

            mouseClick(keyInput)
            verify(keyInput.isSelect)
            // A release is enough to end the capture.
            keyInput.detectKeyboard(false, 0x04)
            verify(!keyInput.isSelect)
            compare(keySpy.count, 1)
            compare(keySpy.signalArguments[0][0], 0x04)
            compare(keyInput.tmpKeycodeUSB, 0x04)
            compare(keyInput.text, "KEY 【 A 】")
            // Disarmed: later keys do not change it.
            keyInput.detectKeyboard(true, 0x05)
            compare(keyInput.text, "KEY 【 A 】")
            compare(keySpy.count, 1)
        }

        function test_keyinput_nameless_key_clears() {
            keyInput.setKeycodeUSB(0x29)
            compare(keyInput.text, "KEY 【 Esc 】")
            mouseClick(keyInput)
            // The click itself already clears the field.
            compare(keyInput.text, "KEY【 PRESS ANY 】")
            keyInput.detectKeyboard(true, 0x32)
            verify(!keyInput.isSelect)
            compare(keyInput.tmpKeycodeUSB, 0)
            compare(keyInput.tmpKeyString, "")
            compare(keyInput.text, "KEY【 PRESS ANY 】")
            // A second click while armed disarms without a key.
            mouseClick(keyInput)
            mouseClick(keyInput)
            verify(!keyInput.isSelect)
        }

        // Capture is claimed exactly while the field is armed, shown and usable; hiding or
        // disabling it disarms it, and it takes no key meanwhile.
        function test_keyinput_claims_capture_only_while_usable_data() {
            return [
                { tag: "hidden", hide: function () { keyInput.visible = false },
                  show: function () { keyInput.visible = true } },
                { tag: "parent hidden", hide: function () { keyHolder.visible = false },
                  show: function () { keyHolder.visible = true } },
                { tag: "parent disabled", hide: function () { keyHolder.enabled = false },
                  show: function () { keyHolder.enabled = true } },
            ]
        }
        function test_keyinput_claims_capture_only_while_usable(data) {
            var field = data.tag === "hidden" ? keyInput : heldKeyInput
            field.setKeycodeUSB(-1)
            ui_View.captureClaims = []
            keySpy.clear()
            mouseClick(field)
            verify(field.isSelect)
            compare(ui_View.captureClaims.length, 1)
            verify(ui_View.captureClaims[0] === field)
            verify(field.captureLive)
            verify(findChild(field, "capturePulse").visible)

            data.hide()
            verify(!field.isSelect)
            compare(ui_View.captureClaims.length, 0)
            verify(!findChild(field, "capturePulse").visible)
            field.detectKeyboard(true, 0x04)
            compare(field.tmpKeycodeUSB, 0)
            data.show()
            // Shown again it stays disarmed until clicked.
            verify(!field.isSelect)
            compare(ui_View.captureClaims.length, 0)
            field.detectKeyboard(true, 0x04)
            compare(field.tmpKeycodeUSB, 0)

            // Taking a key, or a second click, lets go as well.
            mouseClick(field)
            compare(ui_View.captureClaims.length, 1)
            field.detectKeyboard(true, 0x05)
            compare(field.tmpKeyString, "B")
            compare(ui_View.captureClaims.length, 0)
            mouseClick(field)
            mouseClick(field)
            compare(ui_View.captureClaims.length, 0)
        }

        function test_valueinput_commit_rules() {
            var input = findChild(valueInput, "input")
            input.forceActiveFocus()
            valueSpy.clear()
            input.text = ""
            input.focus = false
            // Empty becomes "1", kept within 10..100.
            compare(valueSpy.count, 1)
            compare(valueInput.inputValue, "10")
            compare(valueSpy.signalArguments[0][0], "10")

            mouseClick(valueInput)
            verify(input.activeFocus)
            input.text = "55"
            keyClick(Qt.Key_Return)
            verify(!input.activeFocus)
            // Enter commits exactly once.
            compare(valueSpy.count, 2)
            compare(valueSpy.signalArguments[1][0], "55")
        }

        function test_checkbox_and_radio() {
            checkbox.isSelect = false
            checkSpy.clear()
            mouseClick(checkbox)
            verify(checkbox.isSelect)
            compare(checkSpy.signalArguments[0][0], true)
            mouseClick(checkbox)
            compare(checkSpy.signalArguments[1][0], false)
            compare(scene.ui_View.calls, ["playMedia_Index(4)", "playMedia_Index(4)"])

            radio.isSelect = false
            radioSpy.clear()
            mouseClick(radio)
            compare(radioSpy.signalArguments[0][0], 3)
            verify(!radio.isSelect)
        }

        function test_buttongroup4() {
            group4Spy.clear()
            mouseClick(findChild(group4, "cell2"))
            compare(group4.currentIndex, 2)
            compare(group4.getCurIndex(), 2)
            compare(group4Spy.signalArguments[0][0], 2)
            compare(String(findChild(group4, "cell2").source).indexOf("cell1.png") >= 0, true)
            compare(String(findChild(group4, "cell0").source).indexOf("cell0.png") >= 0, true)
        }

        function cellText(i) {
            return findChild(findChild(group8, "cell" + i), "valueText").text
        }

        function test_group8_maxStage_and_zero_value() {
            group8.valueForIndex = [400, 800, 1600, 3200, 6400, 0, 0, 0]
            group8.maxStage = 5
            var shown = 0
            for (var i = 0; i < 8; ++i)
                if (findChild(group8, "cell" + i).visible)
                    ++shown
            compare(shown, 5)

            group8ClickSpy.clear()
            mouseClick(findChild(group8, "cell1"))
            compare(group8.currentIndex, 1)
            compare(group8ClickSpy.count, 1)
            // Hidden cells take no clicks.
            mouseClick(group8, findChild(group8, "cell5").x + 20, findChild(group8, "cell5").y + 5)
            compare(group8.currentIndex, 1)

            // Open the menu of cell 3 and choose the zero entry.
            var arrow = findChild(findChild(group8, "cell3"), "arrow")
            mouseClick(arrow)
            compare(group8.currentMenuIndex, 3)
            var menu = findChild(group8, "menu")
            verify(menu.visible)
            group8ValueSpy.clear()
            mouseClick(findChild(group8, "menuEntry0"))
            compare(group8ValueSpy.count, 1)
            compare(group8ValueSpy.signalArguments[0][0], 3)
            compare(group8ValueSpy.signalArguments[0][1], 0)
            compare(group8.valueForIndex[3], 0)
            compare(group8.currentMenuIndex, -1)
            compare(cellText(3), "×")
            // A "×" cell cannot be chosen.
            mouseClick(findChild(group8, "cell3"), 20, 5)
            compare(group8.currentIndex, 1)
            tryCompare(menu, "visible", false)

            // Giving it a value again makes it choosable.
            mouseClick(arrow)
            mouseClick(findChild(group8, "menuEntry7"))
            compare(cellText(3), "7")
            mouseClick(findChild(group8, "cell3"), 20, 5)
            compare(group8.currentIndex, 3)
        }

        function test_group8_menu_toggle_and_counter() {
            group8.maxStage = 8
            group8.valueForIndex = [1, 2, 3, 4, 5, 6, 7, 8]
            group8.menuCounter = 4
            var arrow = findChild(findChild(group8, "cell0"), "arrow")
            var menu = findChild(group8, "menu")
            mouseClick(arrow)
            compare(group8.currentMenuIndex, 0)
            verify(menu.visible)
            compare(group8.z, 1)
            verify(findChild(group8, "menuEntry3").visible)
            verify(!findChild(group8, "menuEntry4").visible)
            // Clicking the same arrow again closes it.
            mouseClick(arrow)
            compare(group8.currentMenuIndex, -1)
            tryCompare(menu, "visible", false)
            compare(group8.z, 0)
            // The menu is centred under the pointer, 5 pixels below the cell.
            var cell = findChild(group8, "cell5")
            var arrow5 = findChild(cell, "arrow")
            mouseClick(arrow5, 2, 2)
            compare(group8.currentMenuIndex, 5)
            fuzzyCompare(menu.x, cell.x + arrow5.x + 2 - menu.width / 2, 0.5)
            compare(menu.y, cell.y + cell.height + 5)
            group8.showMenu(false)
            tryCompare(menu, "visible", false)
            group8.menuCounter = 18
        }

        function openMenuOf(cell) {
            var menu = findChild(group8, "menu")
            tryCompare(menu, "visible", false)
            mouseClick(findChild(findChild(group8, "cell" + cell), "arrow"))
            compare(group8.currentMenuIndex, cell)
            tryCompare(menu, "opacity", 1)
            return menu
        }

        function test_group8_current_leaves_a_cell_switched_off_data() {
            return [
                { tag: "tie goes to the lower stage", values: [400, 800, 1600, 0, 0, 0, 0, 0], max: 8, cur: 1, off: 1, want: 0 },
                { tag: "first stage", values: [400, 800, 1600, 0, 0, 0, 0, 0], max: 8, cur: 0, off: 0, want: 1 },
                { tag: "last shown stage", values: [400, 800, 1600, 3200, 6400, 0, 0, 0], max: 5, cur: 4, off: 4, want: 3 },
                { tag: "far away", values: [0, 800, 0, 0, 0, 0, 0, 1600], max: 8, cur: 7, off: 7, want: 1 },
                { tag: "hidden stages do not count", values: [0, 800, 1600, 3200, 0, 0, 0, 0], max: 3, cur: 1, off: 1, want: 2 },
                { tag: "another stage", values: [400, 800, 1600, 0, 0, 0, 0, 0], max: 8, cur: 1, off: 2, want: 1 }
            ]
        }

        function test_group8_current_leaves_a_cell_switched_off(data) {
            group8.maxStage = data.max
            group8.valueForIndex = data.values
            group8.currentIndex = data.cur
            group8MovedSpy.clear()
            group8ValueSpy.clear()
            openMenuOf(data.off)
            mouseClick(findChild(group8, "menuEntry0"))
            compare(group8.valueForIndex[data.off], 0)
            compare(group8.currentIndex, data.want)
            compare(group8MovedSpy.count, data.want === data.cur ? 0 : 1)
            if (group8MovedSpy.count)
                compare(group8MovedSpy.signalArguments[0][0], data.want)
            compare(group8ValueSpy.count, 1)
            group8.maxStage = 8
        }

        function test_group8_last_stage_cannot_be_switched_off() {
            group8.maxStage = 8
            group8.valueForIndex = [0, 800, 0, 0, 0, 0, 0, 0]
            group8.currentIndex = 1
            openMenuOf(1)
            var off = findChild(group8, "menuEntry0")
            verify(!off.enabled)
            verify(findChild(group8, "menuEntry3").enabled)
            group8ValueSpy.clear()
            mouseClick(off)
            compare(group8ValueSpy.count, 0)
            compare(group8.valueForIndex[1], 800)
            // Another value for it is fine, and an off stage may be "switched off" again.
            mouseClick(findChild(group8, "menuEntry3"))
            compare(group8.valueForIndex[1], 3)
            openMenuOf(2)
            verify(findChild(group8, "menuEntry0").enabled)
            group8.showMenu(false)
        }

        // The open menu hides what lies beneath it: a solid panel under every entry and gap.
        function test_group8_menu_is_opaque() {
            group8.maxStage = 8
            group8.valueForIndex = [400, 800, 1600, 3200, 0, 0, 0, 0]
            var menu = openMenuOf(0)
            compare(menu.color.a, 1)
            compare(menu.opacity, 1)
            for (var i = 0; i < 18; ++i) {
                var e = findChild(group8, "menuEntry" + i)
                var tl = menu.mapFromItem(e, 0, 0)
                verify(tl.x >= 0 && tl.y >= 0 && tl.x + e.width <= menu.width && tl.y + e.height <= menu.height,
                       "entry " + i + " outside the panel")
            }
            group8.showMenu(false)
        }

        // A press outside the open menu closes it and still reaches the control under it;
        // a press inside it, or on the arrow that opened it, does not reopen or close it twice.
        function test_group8_menu_closes_on_press_outside() {
            group8.maxStage = 8
            group8.valueForIndex = [400, 800, 1600, 3200, 0, 0, 0, 0]
            var menu = openMenuOf(0)
            mouseClick(menu, 1, 1)                      // the panel's margin: stays open
            compare(group8.currentMenuIndex, 0)
            sliderSpy.clear()
            var strip = findChild(slider, "strip")
            mouseClick(strip, strip.width - 1, strip.height / 2)
            compare(group8.currentMenuIndex, -1)
            tryCompare(menu, "visible", false)
            compare(sliderSpy.count, 1)                 // the slider took the click as well
            compare(slider.currentIndex, 7)

            // The arrow that opened the menu closes it (once, not closed and reopened).
            menu = openMenuOf(2)
            mouseClick(findChild(findChild(group8, "cell2"), "arrow"))
            compare(group8.currentMenuIndex, -1)
            tryCompare(menu, "visible", false)

            // Another cell's arrow moves the menu there.
            openMenuOf(1)
            mouseClick(findChild(findChild(group8, "cell3"), "arrow"))
            compare(group8.currentMenuIndex, 3)
            group8.showMenu(false)
            tryCompare(menu, "visible", false)

            // Hiding the group puts its menu away.
            openMenuOf(0)
            group8.visible = false
            compare(group8.currentMenuIndex, -1)
            group8.visible = true
            tryCompare(menu, "visible", false)
        }
    }
}
