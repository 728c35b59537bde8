// SPDX-License-Identifier: MIT
// Sensor page: DPI stages and their indicator colours (sent as soon as they change), the
// report rate, the current stage and three pointer settings of the host (sent on apply).
import QtQuick 2.15
import "../common"
import "../common/SkinPictures.js" as SkinPictures
import "../common/Values.js" as Values

Item {
    id: pageSensor
    width: 730
    height: 310

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceInputValue: pictured ? SkinPictures.inherited(pageSensor, "sourceInputValue") : ""
    property url sourcePaletteIndex: pictured ? SkinPictures.inherited(pageSensor, "sourcePaletteIndex") : ""
    property url sourcePalette: pictured ? SkinPictures.inherited(pageSensor, "sourcePalette") : ""
    property url sourceReset0: pictured ? SkinPictures.inherited(pageSensor, "sourceReset0") : ""
    property url sourceReset1: pictured ? SkinPictures.inherited(pageSensor, "sourceReset1") : ""
    property url sourceApply0: pictured ? SkinPictures.inherited(pageSensor, "sourceApply0") : ""
    property url sourceApply1: pictured ? SkinPictures.inherited(pageSensor, "sourceApply1") : ""
    property url sourceFram2btn: pictured ? SkinPictures.inherited(pageSensor, "sourceFram2btn") : ""
    property url sourceBtnGroup_4_BASE: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup_4_BASE") : ""
    property url sourceBtnGroup_8_BASE: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup_8_BASE") : ""
    property url sourceBtnGroup_FILLER_0: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup_FILLER_0") : ""
    property url sourceBtnGroup_FILLER_1: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup_FILLER_1") : ""
    property url sourceBtnGroup2_FILLER_0: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup2_FILLER_0") : ""
    property url sourceBtnGroup2_FILLER_1: pictured ? SkinPictures.inherited(pageSensor, "sourceBtnGroup2_FILLER_1") : ""
    property url sourceSlider_11_BASE: pictured ? SkinPictures.inherited(pageSensor, "sourceSlider_11_BASE") : ""
    property url sourceSlider_11_FILLER_0: pictured ? SkinPictures.inherited(pageSensor, "sourceSlider_11_FILLER_0") : ""
    property url sourceSlider_11_FILLER_1: pictured ? SkinPictures.inherited(pageSensor, "sourceSlider_11_FILLER_1") : ""
    property url sourceFnCommonBackground: pictured ? SkinPictures.inherited(pageSensor, "sourceFnCommonBackground") : ""
    property url sourceSlider: pictured ? SkinPictures.inherited(pageSensor, "sourceSlider") : ""
    property url sourceSliderFiller0: pictured ? SkinPictures.inherited(pageSensor, "sourceSliderFiller0") : ""
    property url sourceSliderFiller1: pictured ? SkinPictures.inherited(pageSensor, "sourceSliderFiller1") : ""
    // Above the other pages while the DPI value menu is open.
    z: dpiGroup.z > 0 ? 1 : 0

    property int sensorType: 3
    // The indicator light takes one of eight fixed colours instead of free RGB.
    property bool isLogoLedWork: false
    property int dpiMAXStage: 8

    // The value menu of sensor type 3, from the bridge, which codes the values (read by
    // initUI()); 0 ("×") switches a stage off.
    property var dpiMenuValues: []
    readonly property var rateCaptions: ["125 Hz", "250 Hz", "500 Hz", "1000 Hz"]

    // ---- pure helpers ----
    // Device codes of the eight stage values, as the bridge codes them.
    function dpiCodes(values) {
        return ui_View.dpiCodes(values)
    }

    // Report-rate list index of a device byte (0x08 125 Hz ... 0x01 1000 Hz) and back,
    // as the bridge codes them.
    function rateIndex(rate) {
        return ui_View.reportRateIndex(rate)
    }

    function rateByte(index) {
        return ui_View.reportRateByte(index)
    }

    function stageCell(stage) {
        return Math.min(Math.max(Values.toInt(stage, 1) - 1, 0), 7)
    }

    function clampStep(v, fallback) {
        return Values.clampInt(v, 0, 10, fallback)
    }

    function dpiValues() {
        var out = []
        for (var i = 0; i < 8; ++i)
            out.push(Values.toInt(dpiGroup.valueForIndex[i], 0))
        return out
    }

    // ---- device and host ----
    // Sends the eight stages. The mouse must never stay on a stage that is now off: when
    // the stored current stage is off, the stage shown as current (always on) follows.
    function sendDpi() {
        var values = dpiValues()
        ui_View.ui_11H_SetDPISet(dpiMAXStage, dpiCodes(values), values)
        var cur = dpiGroup.getCurIndex()
        if (dpiGroup.isSelectable(cur) && !dpiGroup.isSelectable(stageCell(ui_View.ui_8BH_GetCurrentDPIStage())))
            ui_View.ui_0BH_SetCurrentDPIStage(cur + 1)
    }

    function sendIndicator() {
        if (isLogoLedWork)
            ui_View.ui_10H_SetLED8StageColor(2, indicatorGroup.getIds8())
        else
            ui_View.ui_10H_SetLED8StageColor(1, indicatorGroup.getRGB24())
    }

    function loadIndicator(rgb24, ids8) {
        if (rgb24 && rgb24.length === 24)
            for (var i = 0; i < 8; ++i)
                indicatorGroup.setStageColor(i, rgb24[3 * i], rgb24[3 * i + 1], rgb24[3 * i + 2])
        if (ids8 && ids8.length === 8)
            for (var j = 0; j < 8; ++j)
                indicatorGroup.setColor8_Id(j, ids8[j])
    }

    function initUI() {
        sensorType = 3
        dpiMenuValues = ui_View.dpiMenuValues()
        isLogoLedWork = ui_View.chkIsLogoLedWork()
        // The device counts 1 to 8 stages; anything else is read as the full eight.
        var stages = Values.toInt(ui_View.ui_91H_SyncDPI(), 8)
        dpiMAXStage = (stages >= 1 && stages <= 8) ? stages : 8

        var rate = ui_View.ui_81H_GetReportRate()
        var cursor = ui_View.getCursorSpeed()
        var lines = ui_View.getVerticalScrollLines()
        var doubleClick = ui_View.getDoubleClickSpeed()
        var stage = ui_View.ui_8BH_GetCurrentDPIStage()
        var values = ui_View.ui_91H_GetDPISet()

        rateGroup.setCurIndex(rateIndex(rate))
        cursorSlider.setCurIndex(clampStep(cursor, 5))
        linesSlider.setCurIndex(clampStep(lines, 2))
        doubleClickSlider.setCurIndex(clampStep(doubleClick, 5))
        dpiGroup.setCurIndex(stageCell(stage))
        if (values && values.length > 0) {
            var list = []
            for (var i = 0; i < 8; ++i)
                list.push(Values.toInt(values[i], 0))
            dpiGroup.valueForIndex = list
        }
        // A stored stage that is off (or beyond the stages the mouse has) shows the nearest
        // stage that is on; apply sends it.
        dpiGroup.keepCurrentSelectable()

        loadIndicator(ui_View.ui_90H_GetLED8StageColor(1), ui_View.ui_90H_GetLED8StageColor(2))
        indicatorGroup.setCurIndex(dpiGroup.getCurIndex())
    }

    function pageApply() {
        indicatorGroup.setTextInputFocus(false)
        ui_View.ui_01H_SetReportRate(rateByte(rateGroup.getCurIndex()))
        ui_View.setCursorSpeed(cursorSlider.getCurIndex())
        ui_View.setVerticalScrollLines(linesSlider.getCurIndex())
        ui_View.setDoubleClickSpeed(doubleClickSlider.getCurIndex())
        ui_View.ui_0BH_SetCurrentDPIStage(dpiGroup.getCurIndex() + 1)
    }

    // Factory values on screen; only the DPI set and the indicator colours are sent now,
    // the rest waits for apply.
    function pageReset() {
        indicatorGroup.setTextInputFocus(false)
        var configs = ui_View.loadDefaultProfile(3)
        if (!configs || configs.length < 13)
            return
        rateGroup.setCurIndex(rateIndex(configs[0]))
        cursorSlider.setCurIndex(clampStep(configs[1], 5))
        linesSlider.setCurIndex(clampStep(configs[2], 2))
        doubleClickSlider.setCurIndex(clampStep(configs[3], 5))
        var list = []
        for (var i = 0; i < 8; ++i)
            list.push(Values.toInt(configs[4 + i], 0))
        dpiGroup.valueForIndex = list
        dpiGroup.setCurIndex(stageCell(configs[12]))
        dpiGroup.keepCurrentSelectable()
        sendDpi()
        loadIndicator(configs.slice(13, 37), configs.slice(37, 45))
        indicatorGroup.setCurIndex(indicatorGroup.getCurIndex())
        sendIndicator()
    }

    Connections {
        target: downItem
        function onBtnTotalResetClicked() { pageSensor.pageReset() }
        function onBtnTotalApplyClicked() { pageSensor.pageApply() }
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { indicatorGroup.setTextInputFocus(false) }
    }

    component Caption: Text {
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_enable
    }

    Image {
        source: sourceFnCommonBackground
    }

    // ---- host pointer settings (and the report rate, kept but not shown) ----
    Caption {
        x: 48
        y: 50
        text: globalSetting_stringList[100]
        visible: rateGroup.visible
    }
    ButtonGroup_4 {
        id: rateGroup
        objectName: "rateGroup"
        x: 45
        y: 68
        visible: false
        valueForIndex: pageSensor.rateCaptions
        currentIndex: 2
    }

    Caption {
        x: 48
        y: 50
        text: globalSetting_stringList[101]
    }
    Slider {
        id: cursorSlider
        objectName: "cursorSlider"
        fillers: 11
        x: 45
        y: 68
        currentIndex: 5
    }

    Caption {
        x: 48
        y: 105
        text: globalSetting_stringList[102]
    }
    Slider {
        id: linesSlider
        objectName: "linesSlider"
        fillers: 11
        x: 45
        y: 123
        currentIndex: 2
    }

    Caption {
        x: 48
        y: 160
        text: globalSetting_stringList[103]
    }
    Slider {
        id: doubleClickSlider
        objectName: "doubleClickSlider"
        fillers: 11
        x: 45
        y: 178
        currentIndex: 5
    }

    // ---- DPI indicator light ----
    Caption {
        x: 388
        y: 132
        text: globalSetting_stringList[105]
    }
    ColorGroup_8 {
        id: indicatorGroup
        objectName: "indicatorGroup"
        x: 385
        y: 150
        isCompat8Color: pageSensor.isLogoLedWork
        maxStage: pageSensor.dpiMAXStage
        onClicked: pageSensor.sendIndicator()
    }

    // Eight-colour mode: the fixed colours to pick from for the current stage.
    Row {
        id: fixedColors
        objectName: "fixedColors"
        x: 385
        y: 132 + 83
        width: 240
        visible: pageSensor.isLogoLedWork
        Repeater {
            model: 8
            Item {
                id: fixedCell
                objectName: "fixedColor" + index
                width: 30
                height: 40
                readonly property var rgb: indicatorGroup.color8_RGB[index]
                readonly property bool chosen: indicatorGroup.revision >= 0
                                               && indicatorGroup.getIds8()[indicatorGroup.currentIndex] === index
                Rectangle {
                    anchors.centerIn: parent
                    width: 20
                    height: 20
                    color: Qt.rgba(fixedCell.rgb[0] / 255, fixedCell.rgb[1] / 255, fixedCell.rgb[2] / 255, 1)
                    border.width: fixedArea.containsMouse ? 1 : 0
                    border.color: globalSetting_color
                }
                Rectangle {
                    anchors.horizontalCenter: parent.horizontalCenter
                    y: 4
                    width: 20
                    height: 3
                    color: globalSetting_color
                    visible: fixedCell.chosen
                }
                MouseArea {
                    id: fixedArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        ui_View.playMedia_Index(0x04)
                        indicatorGroup.setColor8_Id(indicatorGroup.getCurIndex(), index)
                        pageSensor.sendIndicator()
                    }
                }
            }
        }
    }

    // ---- default / apply ----
    Image {
        id: buttonFrame
        x: 654
        y: 230
        source: sourceFram2btn

        Button_2state {
            id: btnDefault
            objectName: "btnDefault"
            x: 4
            y: 4
            source0: sourceReset0
            source1: sourceReset1
            onClicked: {
                mainIten.setProtectUI(800)
                pageSensor.pageReset()
            }
        }
        Button_2state {
            id: btnApply
            objectName: "btnApply"
            x: 34
            y: 4
            source0: sourceApply0
            source1: sourceApply1
            onClicked: {
                mainIten.setProtectUI(1600)
                pageSensor.pageApply()
            }
        }
    }
    // "DEFAULT" / "APPLY" above the hovered button.
    Caption {
        objectName: "buttonCaption"
        readonly property Item hovered: btnDefault.mouse.containsMouse ? btnDefault
                                        : (btnApply.mouse.containsMouse ? btnApply : null)
        visible: hovered !== null
        x: hovered ? buttonFrame.x + hovered.x + hovered.width / 2 - width / 2 : 0
        y: buttonFrame.y - height - 2
        text: globalSetting_stringList[hovered === btnDefault ? 106 : 107]
        color: globalSetting_color
    }

    // ---- DPI stages: declared last so the value menu covers everything ----
    Caption {
        x: 388
        y: 50
        text: globalSetting_stringList[104]
    }
    ButtonGroupPro_8 {
        id: dpiGroup
        objectName: "dpiGroup"
        x: 385
        y: 68
        maxStage: pageSensor.dpiMAXStage
        menuCounter: 18
        valueForMenuIndex: pageSensor.dpiMenuValues
        valueForIndex: [1000, 2000, 4000, 8000, 0, 0, 0, 0]
        currentIndex: 0
        onValueChanged: pageSensor.sendDpi()
        onClicked: indicatorGroup.setCurIndex(index)
        // The current stage was switched off and moved to the nearest one that is on.
        onCurrentMoved: indicatorGroup.setCurIndex(index)
    }
}
