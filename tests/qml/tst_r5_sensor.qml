// SPDX-License-Identifier: MIT
// The sensor page against a recording ui_View: the DPI menu and codes come from the
// bridge, report-rate bytes both ways, odd stage counts and stages from the device, and
// the order of apply.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/R5"
import "../../modules/qml/basic"

ControlScene {
    id: scene

    globalSetting_stringList: {
        var list = ["Arial", "OPTIONS"]
        for (var i = 2; i < 141; ++i)
            list.push("S" + i)
        return list
    }
    property url sourceBtnGroup2_FILLER_0: "img/cell0.png"
    property url sourceBtnGroup2_FILLER_1: "img/cell1.png"
    property url sourcePalette: "img/palette.png"
    property url sourcePaletteIndex: ""
    property url sourceInputValue: ""
    property url sourceFnCommonBackground: ""
    property url sourceFram2btn: ""
    property url sourceReset0: ""
    property url sourceReset1: ""
    property url sourceApply0: ""
    property url sourceApply1: ""

    KeyCodeString { id: _KeyCodeString }
    Item {
        id: mainIten
        signal emptyAreaPressed()
        function setProtectUI(interval) {}
    }
    Item {
        id: downItem
        signal btnTotalResetClicked()
        signal btnTotalApplyClicked()
    }

    ui_View: QtObject {
        property var calls: []
        property bool logoLed: false
        property int stages: 8
        property var rate: 2
        property var stage: 2
        property var dpi: []
        function clear() { calls = []; codecCalls = [] }
        function log(text) { calls.push(text) }
        function playMedia_Index(i) {}
        function chkIsLogoLedWork() { return logoLed }
        function ui_91H_SyncDPI() { return stages }
        function ui_81H_GetReportRate() { return rate }
        function getCursorSpeed() { return 7 }
        function getVerticalScrollLines() { return 1 }
        function getDoubleClickSpeed() { return 9 }
        function ui_8BH_GetCurrentDPIStage() { return stage }
        function ui_91H_GetDPISet() { return dpi }
        function ui_90H_GetLED8StageColor(type) { return [] }
        property var factory: []
        function loadDefaultProfile(id) { return factory }
        // The bridge's coder is tested in C++; here it only has to be asked.
        function dpiMenuValues() { return [0, 600, 1600, 12000] }
        function dpiCodes(values) { return values.map(function(v) { return "c" + v }) }
        // Report-rate bytes of the four choices; the odd bytes are the codec's (C++) test.
        property var codecCalls: []
        function reportRateByte(index) { codecCalls.push("rateByte " + index); return [8, 4, 2, 1][index] }
        function reportRateIndex(rate) { codecCalls.push("rateIndex " + rate); return [8, 4, 2, 1].indexOf(Number(rate)) }
        function ui_11H_SetDPISet(n, codes, values) { log("11H " + n + " " + codes.join(",") + " " + values.join(",")) }
        function ui_10H_SetLED8StageColor(type, list) { log("10H " + type) }
        function ui_01H_SetReportRate(r) { log("01H " + r) }
        function setCursorSpeed(s) { log("cursor " + s) }
        function setVerticalScrollLines(s) { log("lines " + s) }
        function setDoubleClickSpeed(s) { log("double " + s) }
        function ui_0BH_SetCurrentDPIStage(s) { log("0BH " + s) }
    }

    Page_Sensor { id: page }

    TestCase {
        name: "R5Sensor"
        when: windowShown

        function init() {
            ui_View.clear()
            ui_View.stages = 8
            ui_View.rate = 2
            ui_View.stage = 2
            ui_View.dpi = []
        }

        function test_dpi_menu_and_codes_come_from_the_bridge() {
            page.initUI()
            compare(page.dpiMenuValues, [0, 600, 1600, 12000])
            compare(page.dpiCodes([600, "1600"]), ["c600", "c1600"])
            ui_View.clear()
            page.sendDpi()
            compare(ui_View.calls, ["11H 8 c1000,c2000,c4000,c8000,c0,c0,c0,c0 1000,2000,4000,8000,0,0,0,0"])
        }

        function test_report_rate_comes_from_the_bridge() {
            compare([0, 1, 2, 3].map(page.rateByte), [8, 4, 2, 1])
            compare([8, 4, 2, 1].map(page.rateIndex), [0, 1, 2, 3])
            compare(ui_View.codecCalls.slice(0, 2), ["rateByte 0", "rateByte 1"])
            ui_View.clear()
            ui_View.rate = 4
            page.initUI()
            compare(ui_View.codecCalls, ["rateIndex 4"])
            compare(findChild(page, "rateGroup").currentIndex, 1)
        }

        function test_init_with_odd_device_answers() {
            ui_View.stages = 0
            ui_View.stage = 0
            page.initUI()
            compare(page.dpiMAXStage, 8)
            compare(findChild(page, "dpiGroup").currentIndex, 0)
            // Without stored stages the built-in ones stay.
            compare(findChild(page, "dpiGroup").valueForIndex, [1000, 2000, 4000, 8000, 0, 0, 0, 0])

            ui_View.stages = 3
            ui_View.stage = 9
            ui_View.dpi = ["400", "800", "1600", "3200", "0", "0", "0", "0"]
            page.initUI()
            compare(page.dpiMAXStage, 3)
            // Stage 9 reads as the last cell, which is off here: the nearest stage that is
            // on and shown becomes current.
            compare(findChild(page, "dpiGroup").currentIndex, 2)
            compare(findChild(page, "indicatorGroup").currentIndex, 2)
            compare(findChild(page, "dpiGroup").valueForIndex, [400, 800, 1600, 3200, 0, 0, 0, 0])
            compare(findChild(page, "cursorSlider").currentIndex, 7)
            compare(findChild(page, "linesSlider").currentIndex, 1)
            compare(findChild(page, "doubleClickSlider").currentIndex, 9)
            compare(ui_View.calls, [])           // reading sends nothing

            ui_View.stages = 12
            page.initUI()
            compare(page.dpiMAXStage, 8)
        }

        function test_apply_order() {
            ui_View.rate = 4
            ui_View.stage = 3
            page.initUI()
            ui_View.clear()
            downItem.btnTotalApplyClicked()
            compare(ui_View.calls, ["01H 4", "cursor 7", "lines 1", "double 9", "0BH 3"])
        }

        // Switching off the current stage: the current stage moves to the nearest one that
        // is on, the indicator follows, and the mouse gets the stages, then the stage.
        function test_switching_off_the_current_stage() {
            ui_View.dpi = [800, 1600, 2000, 3200, 6400, 0, 0, 0]
            ui_View.stage = 2
            page.initUI()
            var dpi = findChild(page, "dpiGroup")
            compare(dpi.currentIndex, 1)
            ui_View.clear()
            mouseClick(findChild(findChild(dpi, "cell1"), "arrow"))
            tryCompare(findChild(dpi, "menu"), "opacity", 1)
            mouseClick(findChild(dpi, "menuEntry0"))
            compare(dpi.currentIndex, 0)
            compare(findChild(page, "indicatorGroup").currentIndex, 0)
            compare(ui_View.calls, ["11H 8 c800,c0,c2000,c3200,c6400,c0,c0,c0 800,0,2000,3200,6400,0,0,0", "0BH 1"])

            // Another stage off: nothing moves, the stage the mouse is on stays.
            ui_View.stage = 1
            ui_View.clear()
            tryCompare(findChild(dpi, "menu"), "visible", false)
            mouseClick(findChild(findChild(dpi, "cell3"), "arrow"))
            tryCompare(findChild(dpi, "menu"), "opacity", 1)
            mouseClick(findChild(dpi, "menuEntry0"))
            compare(dpi.currentIndex, 0)
            compare(ui_View.calls, ["11H 8 c800,c0,c2000,c0,c6400,c0,c0,c0 800,0,2000,0,6400,0,0,0"])
            tryCompare(findChild(dpi, "menu"), "visible", false)
        }

        // The stage the mouse is on (the applied one) switched off while another is shown
        // as current: the one shown follows to the mouse.
        function test_switching_off_the_applied_stage() {
            ui_View.dpi = [800, 1600, 2000, 0, 0, 0, 0, 0]
            ui_View.stage = 3
            page.initUI()
            var dpi = findChild(page, "dpiGroup")
            mouseClick(findChild(dpi, "cell0"))       // chosen, not applied
            ui_View.clear()
            mouseClick(findChild(findChild(dpi, "cell2"), "arrow"))
            tryCompare(findChild(dpi, "menu"), "opacity", 1)
            mouseClick(findChild(dpi, "menuEntry0"))
            compare(dpi.currentIndex, 0)
            compare(ui_View.calls, ["11H 8 c800,c1600,c0,c0,c0,c0,c0,c0 800,1600,0,0,0,0,0,0", "0BH 1"])
            tryCompare(findChild(dpi, "menu"), "visible", false)
        }

        // Factory values whose stage is off: the nearest stage on is shown and, when the
        // mouse's own stage went off with the new set, sent.
        function test_reset_to_a_stage_that_is_off() {
            ui_View.dpi = [800, 1600, 2000, 3200, 6400, 0, 0, 0]
            ui_View.stage = 4
            page.initUI()
            var factory = [2, 5, 2, 5, 800, 1600, 0, 0, 0, 0, 0, 0, 5]
            for (var i = 0; i < 32; ++i)
                factory.push(0)
            ui_View.factory = factory
            ui_View.clear()
            page.pageReset()
            compare(findChild(page, "dpiGroup").currentIndex, 1)
            compare(ui_View.calls.slice(0, 2), ["11H 8 c800,c1600,c0,c0,c0,c0,c0,c0 800,1600,0,0,0,0,0,0", "0BH 2"])
            ui_View.factory = []
        }

        function test_reset_without_factory_values_changes_nothing() {
            page.initUI()
            ui_View.clear()
            page.pageReset()
            compare(ui_View.calls, [])
            compare(findChild(page, "cursorSlider").currentIndex, 7)
        }
    }
}
