// SPDX-License-Identifier: MIT
// The scene root loaded against recording stand-ins for ui_View and ui_Ctl: the global
// vocabulary, start-up and close animations, the drawer's completion rules, the busy
// lock, key relay and window drag.
import QtQuick 2.15
import QtTest 1.2

Item {
    id: harness
    width: 1000
    height: 600

    property var ui_View: UiViewStub {}
    property var ui_Ctl: ui_View

    Loader {
        id: loader
        source: "../../modules/qml/main.qml"
    }

    TestCase {
        name: "Shell"
        when: windowShown && loader.status === Loader.Ready

        property var root: loader.item

        function page() { return findChild(root, "_Page_Globalsetting") }
        function item(name) { return findChild(root, name) }

        // The start-up sequence brings the strips into place; most tests click on them.
        function initTestCase() {
            page()._AnimationSpeed = 10
            root.run()
            tryCompare(item("upItem"), "y", 0, 3000)
            tryCompare(item("downItem"), "y", 600 - item("downItem").height, 3000)
        }

        function init() {
            ui_View.clear()
            page()._AnimationSpeed = 100
        }

        function test_global_vocabulary() {
            compare(root.width, 1000)
            compare(root.height, 600)
            compare(root.globalSetting_size, 11)
            compare(String(root.globalSetting_color_enable), "#aaaaaa")
            compare(root.globalSetting_color, Qt.rgba(0, 1, 1, 1))
            compare(root.globalSetting_color_disable.a, 128 / 255)
            compare(root.globalSetting_fontFamily, "Arial")
            compare(root.globalSetting_stringList.length, 163)
            compare(root.globalSetting_stringList[141], "MOUSE")
            compare(root.globalSetting_stringList[147], "times")
            compare(root.globalSetting_stringList[0], "Arial")
            compare(root.globalSetting_stringList[1], "OPTIONS")
            compare(root.globalSetting_stringList[25], "ROTATION")
            compare(root.globalSetting_stringList[43], "SKIN 5")
            compare(root.globalSetting_stringList[73], "WWW FAVORITES")
            compare(root.globalSetting_stringList[113], "ALL RESET")
            compare(root.globalSetting_stringList[114], "ALL SAVE")
            compare(root.globalSetting_stringList[115], "")
            compare(root.globalSetting_stringList[119], "PRESS GUN")
            compare(root.globalSetting_stringList[126], "USER")
            compare(root.globalSetting_stringList[140], "")
            verify(!root.isCustomBackground)
            compare(String(root.sourceSlider), "file:modules/img/skin1/common/slider_BASE.png")
            compare(String(root.sourceBackground), "file:modules/img/skin1/background.png")
            compare(String(root.sourcegunFrame_S), "file:modules/img/skin1/gun/gunFrame_s.png")
            page().skin_No = 2
            compare(root.skin_No, 2)
            compare(String(root.sourceListUpContainer), "file:modules/img/skin2/list_up/listUpContainer.png")
            compare(String(item("logoWeb_img").source), "file:modules/img/skin2/frame/web_0.png")
            page().skin_No = 1
            for (var f of ["initUI", "run", "setProtectUI", "detectKeyboard", "detectMouse", "setSkin", "translateStrings"])
                compare(typeof root[f], "function", f)
        }

        function test_startup_sequence() {
            var up = item("upItem")
            var down = item("downItem")
            item("_fkPage").visible = false
            root.visible = false
            up.y = -600
            down.y = 600
            root.run()
            verify(root.visible)
            compare(ui_View.calls[0], "playMedia_Index(1)")
            // The strips move only after the logo and the background are in.
            compare(up.y, -600)
            tryCompare(item("_fkPage"), "visible", true, 3000)
            tryCompare(up, "y", 0, 3000)
            tryCompare(down, "y", 600 - down.height, 3000)
            compare(item("envItem").opacity, 1)
            compare(item("envDecorationItem").opacity, 1)
            compare(item("logoWeb_img").y, 4)
            compare(item("logoWeb_img").opacity, 1)
        }

        function test_drawer_toggled_while_opening_ends_closed() {
            var drawer = item("_fkGlobalsetting")
            var up = item("upItem")
            up.isGlobalSettingSelect = true
            verify(drawer.visible)
            verify(drawer.contentX > 0)
            up.isGlobalSettingSelect = false
            // The opening was finished before the closing started.
            compare(drawer.contentX, 0)
            verify(drawer.visible)
            tryCompare(drawer, "visible", false, 2000)
            compare(drawer.contentX, 340)
        }

        function test_drawer_reopened_while_closing_ends_open() {
            var drawer = item("_fkGlobalsetting")
            var up = item("upItem")
            up.isGlobalSettingSelect = true
            tryCompare(drawer, "contentX", 0, 2000)
            // Open: the bottom strip and the page area are disabled and dimmed.
            verify(!item("downItem").enabled)
            compare(item("downItem").opacity, 0.2)
            verify(!item("_fkPage").enabled)
            up.isGlobalSettingSelect = false
            up.isGlobalSettingSelect = true
            compare(drawer.contentX, 340)
            tryCompare(drawer, "contentX", 0, 2000)
            verify(drawer.visible)
            up.isGlobalSettingSelect = false
            tryCompare(drawer, "visible", false, 2000)
            verify(item("downItem").enabled)
            compare(item("downItem").opacity, 1)
        }

        function test_settings_button_toggles_drawer() {
            var button = item("btnGlobalSetting")
            var up = item("upItem")
            up.isGlobalSettingSelect = false
            tryCompare(item("_fkGlobalsetting"), "visible", false, 2000)
            ui_View.clear()
            // The button's picture is not there in this test; click its mouse area's centre.
            button.width = 22
            button.height = 22
            mouseClick(button)
            verify(up.isGlobalSettingSelect)
            compare(ui_View.calls[0], "playMedia_Index(2)")
            mouseClick(button)
            verify(!up.isGlobalSettingSelect)
            tryCompare(item("_fkGlobalsetting"), "visible", false, 2000)
        }

        function test_protect_ui_locks_then_unlocks() {
            var busy = item("protectUIItem")
            root.setProtectUI(50)
            verify(busy.visible)
            compare(ui_View.calls, ["setEnabled(false)"])
            verify(!ui_View.enabled)
            tryCompare(ui_View, "enabled", true, 2000)
            verify(!busy.visible)
            // Locking again while locked stays locked for the new time.
            root.setProtectUI(5000)
            root.setProtectUI(40)
            compare(ui_View.calls.indexOf("setEnabled(true)"), ui_View.calls.lastIndexOf("setEnabled(true)"))
            verify(!ui_View.enabled)
            verify(busy.visible)
            tryCompare(ui_View, "enabled", true, 2000)
            // 0 unlocks at the next pass of the event loop.
            root.setProtectUI(0)
            tryCompare(ui_View, "enabled", true, 2000)
            verify(!busy.visible)
        }

        function test_bottom_strip_lock_times() {
            var down = item("downItem")
            var resetSpy = createTemporaryObject(spyComponent, harness, { target: down, signalName: "btnTotalResetClicked" })
            var saveSpy = createTemporaryObject(spyComponent, harness, { target: down, signalName: "btnTotalApplyClicked" })
            var reset = item("btnTotalReset")
            var save = item("btnTotalSave")
            reset.width = 26; reset.height = 26
            save.width = 26; save.height = 26
            var timer = item("tmrProtectUI")
            mouseClick(reset)
            compare(resetSpy.count, 1)
            compare(ui_View.calls, ["playMedia_Index(4)", "setEnabled(false)"])
            compare(timer.interval, 800)
            verify(timer.running)
            root.setProtectUI(0)
            tryCompare(timer, "running", false, 2000)
            verify(ui_View.enabled)
            ui_View.clear()
            mouseClick(save)
            compare(saveSpy.count, 1)
            compare(ui_View.calls, ["playMedia_Index(4)", "setEnabled(false)"])
            compare(timer.interval, 2000)
            root.setProtectUI(0)
            tryCompare(timer, "running", false, 2000)
            verify(ui_View.enabled)
            // "ALL SAVE" sits after the reset button, its caption and 35 pixels.
            verify(save.x > reset.x + reset.width + 35)
        }

        function test_key_relay() {
            var r5 = item("main_R5")
            var spy = createTemporaryObject(spyComponent, harness, { target: root, signalName: "msg_KB" })
            var relay = createTemporaryObject(spyComponent, harness, { target: r5, signalName: "msg_KB" })
            root.detectKeyboard(true, 0x1E)
            root.detectKeyboard(false, 0x1E)
            compare(spy.count, 2)
            compare(spy.signalArguments[0][0], true)
            compare(spy.signalArguments[0][1], 0x1E)
            compare(relay.count, 2)
            compare(r5.lastPressKeyCode, 0x1E)
            // Mouse codes from outside the window are accepted and dropped.
            root.detectMouse(true, 0xF0, 10, 10)
            compare(spy.count, 2)
        }

        function test_drag_moves_window_by_offsets() {
            var spy = createTemporaryObject(spyComponent, harness, { target: root, signalName: "emptyAreaPressed" })
            var area = item("dragArea")
            mousePress(area, 700, 300)
            compare(spy.count, 1)
            mouseMove(area, 710, 295)
            mouseRelease(area, 710, 295)
            var i = ui_View.indexOf("onXChanged(10)")
            verify(i >= 0)
            compare(ui_View.calls[i + 1], "onYChanged(-5)")
        }

        function test_z_close_animation_ends_in_minimize() {
            root.height = 600
            ui_View.clear()
            var button = item("btnMinimize")
            button.width = 22
            button.height = 22
            mouseClick(button)
            tryVerify(function() { return ui_View.indexOf("onMinimize()") >= 0 }, 2000)
            compare(root.height, 0)
            compare(ui_View.count("onMinimize()"), 1)
            root.height = 600
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }
}
