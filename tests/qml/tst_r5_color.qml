// SPDX-License-Identifier: MIT
// The eight-colour group and the colour page against a recording ui_View: the setRGB
// source table, hidden stages, field commits, eight-colour mode, the effect's choices handed
// to the bridge's coder, and how the light on/off state is read back.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/R5"

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
    property url sourceModel_R5_Color: ""
    property url sourceFram2btn: ""
    property url sourceReset0: ""
    property url sourceReset1: ""
    property url sourceApply0: ""
    property url sourceApply1: ""

    // Stand-ins for the root and the bottom strip that the page talks to.
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
        property var rgb: []
        property var triple: []
        property var power: undefined
        property var defaults: []
        property var defaultPower: undefined
        function clear() { calls = [] }
        function log(text) { calls.push(text) }
        function playMedia_Index(i) {}
        function ui_90H_GetLED8StageColor(type) { return type === 0 ? rgb : [] }
        function ui_8DH_GetRGBLedEffect() { return triple }
        function getLedPowerOn() { return power }
        function getDefaultLedPowerOn() { return defaultPower }
        function loadDefaultProfile(id) { return id === 2 ? defaults : [] }
        function ui_10H_SetLED8StageColor(type, list) { log("10H " + type + " " + list.join(",")) }
        // The bridge's coder is tested in C++; this one makes its answer recognisable.
        function ledEffectBytes(e, b, s, on) { return on ? [e + 1, 10 * b, 10 * s] : [0, 0, 0] }
        function ui_0DH_SetRGBLedEffect(e, o1, o2, configs) { log("0DH " + [e, o1, o2].join(",") + " " + configs.join(",")) }
    }

    ColorGroup_8 { id: group; x: 10; y: 10 }
    Page_Color { id: page; x: 0; y: 150 }

    SignalSpy { id: groupSpy; target: group; signalName: "clicked" }

    TestCase {
        name: "R5Color"
        when: windowShown

        function init() {
            ui_View.clear()
            groupSpy.clear()
            group.maxStage = 8
            group.isCompat8Color = false
            group.setCurIndex(0)
        }

        function stage(i) { return group.stageRGB(i) }
        function fields() {
            return [findChild(group, "rField").text, findChild(group, "gField").text, findChild(group, "bField").text]
        }

        function test_setRGB_source_table() {
            group.setStageColor(0, 1, 2, 3)
            group.setRGB(1, 10, 20, 30)      // colour bar: fields and stage, reported
            compare(fields(), ["10", "20", "30"])
            compare(stage(0), [10, 20, 30])
            compare(groupSpy.count, 1)
            compare(groupSpy.signalArguments[0][0], 0)

            group.setRGB(2, 40, 50, 60)      // the fields themselves: stage only, reported
            compare(fields(), ["10", "20", "30"])
            compare(stage(0), [40, 50, 60])
            compare(groupSpy.count, 2)

            group.setRGB(3, 70, 80, 90)      // a stage cell: fields only, silent
            compare(fields(), ["70", "80", "90"])
            compare(stage(0), [40, 50, 60])
            compare(groupSpy.count, 2)

            group.setRGB(0, 7, 8, 9)         // anyone else: both, silent
            compare(fields(), ["7", "8", "9"])
            compare(stage(0), [7, 8, 9])
            compare(groupSpy.count, 2)
        }

        function test_stage_cells_select_without_reporting() {
            group.setStageColor(5, 11, 22, 33)
            mouseClick(findChild(group, "stage5"))
            compare(group.currentIndex, 5)
            compare(fields(), ["11", "22", "33"])
            compare(groupSpy.count, 0)
        }

        function test_max_stage_four_hides_and_blocks_the_rest() {
            group.maxStage = 4
            for (var i = 0; i < 8; ++i)
                compare(findChild(group, "stage" + i).visible, i < 4)
            // Where stage 6 would be: nothing happens.
            mouseClick(group, 3 + 77 + 38, 8 + 19 + 9)
            compare(group.currentIndex, 0)
            mouseClick(group, 3 + 77 + 38, 8 + 9)
            compare(group.currentIndex, 1)
        }

        function test_field_commit_reports_only_a_change() {
            group.setStageColor(0, 100, 100, 100)
            group.setCurIndex(0)
            var r = findChild(group, "rField")
            r.forceActiveFocus()
            r.text = "7"
            group.setTextInputFocus(false)
            compare(stage(0), [7, 100, 100])
            compare(groupSpy.count, 1)
            // Focus in and out again without an edit: nothing to report.
            r.forceActiveFocus()
            group.setTextInputFocus(false)
            compare(groupSpy.count, 1)
            // An emptied field keeps the stage's value.
            r.forceActiveFocus()
            r.text = ""
            group.setTextInputFocus(false)
            compare(r.text, "7")
            compare(groupSpy.count, 1)
        }

        function test_colour_bar_pick() {
            var bar = findChild(group, "colorBar")
            compare(bar.height, 48)
            // Row 6: 6 / 47 / 0.125 = 1.02, the red-to-yellow ramp.
            mousePress(bar, 20, 6)
            mouseRelease(bar, 20, 6)
            compare(stage(0), [255, 5, 0])
            compare(fields(), ["255", "5", "0"])
            compare(groupSpy.count, 1)
            // The very bottom row is black.
            mousePress(bar, 20, 47)
            mouseRelease(bar, 20, 47)
            compare(stage(0), [0, 0, 0])
            compare(groupSpy.count, 2)
        }

        function test_eight_colour_mode_shows_fixed_colours() {
            group.setStageColor(2, 1, 2, 3)
            group.setColor8_Id(2, 7)
            group.isCompat8Color = true
            verify(!findChild(group, "colorBar").visible)
            verify(!findChild(group, "rgbFields").visible)
            var swatch = findChild(findChild(group, "stage2"), "swatch")
            compare(Qt.colorEqual(swatch.color, Qt.rgba(1, 127 / 255, 0, 1)), true)
            compare(group.getIds8()[2], 7)
            compare(group.getRGB24().slice(6, 9), [1, 2, 3])   // the RGB is kept underneath
        }

        // ---- the page ----

        function applyWith(effect, brightness, speed, on) {
            findChild(page, "ledPowerCheck").isSelect = on
            findChild(page, "effectList").setCurIndex(effect)
            findChild(page, "brightnessSlider").setCurIndex(brightness)
            findChild(page, "speedSlider").setCurIndex(speed)
            ui_View.clear()
            page.pageApply()
            compare(ui_View.calls.length, 1)
            return ui_View.calls[0]
        }

        function test_apply_sends_what_the_bridge_codes() {
            compare(applyWith(4, 5, 2, true), "0DH 5,50,20 4,5,2")
            compare(applyWith(9, 0, 7, true), "0DH 10,0,70 9,0,7")
        }

        function test_light_off_sends_effect_zero_with_the_triple() {
            compare(applyWith(4, 5, 2, false), "0DH 0,0,0 4,5,2")
            verify(!findChild(page, "effectList").enabled)
            verify(!findChild(page, "colorGroup").enabled)
        }

        function test_refresh_reads_the_flag_before_the_triple() {
            ui_View.rgb = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24]
            ui_View.triple = ["0", "7", "4"]
            ui_View.power = true
            page.refreshUI()
            verify(findChild(page, "ledPowerCheck").isSelect)
            compare(findChild(page, "effectList").getCurIndex(), 0)
            compare(findChild(page, "colorGroup").getRGB24()[23], 24)

            ui_View.power = undefined        // a profile from before the flag
            page.refreshUI()
            verify(!findChild(page, "ledPowerCheck").isSelect)

            ui_View.power = false
            ui_View.triple = ["4", "3", "2"]
            page.refreshUI()
            verify(!findChild(page, "ledPowerCheck").isSelect)
            compare(findChild(page, "brightnessSlider").getCurIndex(), 3)
            compare(findChild(page, "speedSlider").getCurIndex(), 2)

            // A damaged triple still leaves a usable page.
            ui_View.power = true
            ui_View.triple = ["31", "x", "99"]
            page.refreshUI()
            compare(findChild(page, "effectList").getCurIndex(), 0)
            compare(findChild(page, "brightnessSlider").getCurIndex(), 7)
            compare(findChild(page, "speedSlider").getCurIndex(), 7)
        }

        function test_reset_sends_colours_and_reads_the_factory_flag() {
            var list = []
            for (var i = 0; i < 24; ++i)
                list.push(i * 10)
            ui_View.defaults = list.concat([0, 6, 1])
            ui_View.defaultPower = undefined
            findChild(page, "ledPowerCheck").isSelect = true
            ui_View.clear()
            downItem.btnTotalResetClicked()
            compare(ui_View.calls, ["10H 0 " + list.join(",")])
            verify(!findChild(page, "ledPowerCheck").isSelect)   // index 0 without a flag
            ui_View.defaultPower = true
            page.pageReset()
            verify(findChild(page, "ledPowerCheck").isSelect)
            compare(findChild(page, "brightnessSlider").getCurIndex(), 6)
            compare(findChild(page, "speedSlider").getCurIndex(), 1)
        }

        function test_init_takes_the_stage_count() {
            page.initUI([4])
            compare(findChild(page, "colorGroup").maxStage, 4)
            page.initUI(["x"])
            compare(findChild(page, "colorGroup").maxStage, 8)
        }
    }
}
