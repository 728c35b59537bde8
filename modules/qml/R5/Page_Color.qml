// SPDX-License-Identifier: MIT
// Colour page: light on/off, the lighting effect with its speed and brightness, and the
// eight lighting colours. Colours go to the mouse as soon as they change; the effect on apply.
import QtQuick 2.15
import "../common"
import "../common/SkinPictures.js" as SkinPictures
import "../common/Values.js" as Values

Item {
    id: pageColor
    width: 730
    height: 310

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceSlider: pictured ? SkinPictures.inherited(pageColor, "sourceSlider") : ""
    property url sourceLine: pictured ? SkinPictures.inherited(pageColor, "sourceLine") : ""
    property url sourceInputValue: pictured ? SkinPictures.inherited(pageColor, "sourceInputValue") : ""
    property url sourcePaletteIndex: pictured ? SkinPictures.inherited(pageColor, "sourcePaletteIndex") : ""
    property url sourceCHK0: pictured ? SkinPictures.inherited(pageColor, "sourceCHK0") : ""
    property url sourceCHK1: pictured ? SkinPictures.inherited(pageColor, "sourceCHK1") : ""
    property url sourcePalette: pictured ? SkinPictures.inherited(pageColor, "sourcePalette") : ""
    property url sourceReset0: pictured ? SkinPictures.inherited(pageColor, "sourceReset0") : ""
    property url sourceReset1: pictured ? SkinPictures.inherited(pageColor, "sourceReset1") : ""
    property url sourceApply0: pictured ? SkinPictures.inherited(pageColor, "sourceApply0") : ""
    property url sourceApply1: pictured ? SkinPictures.inherited(pageColor, "sourceApply1") : ""
    property url sourceFram2btn: pictured ? SkinPictures.inherited(pageColor, "sourceFram2btn") : ""
    property url sourceSliderFiller0: pictured ? SkinPictures.inherited(pageColor, "sourceSliderFiller0") : ""
    property url sourceSliderFiller1: pictured ? SkinPictures.inherited(pageColor, "sourceSliderFiller1") : ""
    property url sourceBtnGroup_8_BASE: pictured ? SkinPictures.inherited(pageColor, "sourceBtnGroup_8_BASE") : ""
    property url sourceBtnGroup2_FILLER_0: pictured ? SkinPictures.inherited(pageColor, "sourceBtnGroup2_FILLER_0") : ""
    property url sourceBtnGroup2_FILLER_1: pictured ? SkinPictures.inherited(pageColor, "sourceBtnGroup2_FILLER_1") : ""
    property url sourceFnCommonBackground: pictured ? SkinPictures.inherited(pageColor, "sourceFnCommonBackground") : ""
    property url sourceModel_R5_Color: pictured ? SkinPictures.inherited(pageColor, "sourceModel_R5_Color") : ""
    property url sourceSlider_11_BASE: pictured ? SkinPictures.inherited(pageColor, "sourceSlider_11_BASE") : ""
    property url sourceSlider_11_FILLER_0: pictured ? SkinPictures.inherited(pageColor, "sourceSlider_11_FILLER_0") : ""
    property url sourceSlider_11_FILLER_1: pictured ? SkinPictures.inherited(pageColor, "sourceSlider_11_FILLER_1") : ""

    // Effect list: label string and effect byte (list index + 1); byte 0 is light off.
    readonly property var effectStrings: [13, 88, 14, 20, 15, 89, 90, 91, 92, 24]
    readonly property var effectFallback: ["STATIC", "TWINKLING", "BREATHING", "NEON", "WAVE", "GLIDING",
                                           "FINGER MOVING", "VERTICAL FLIPPING", "YO-YO", "SPOTLIGHT"]
    // Which effect bytes use which control.
    readonly property var speedEffects: [3, 4, 5, 8, 9, 10]
    readonly property var brightnessEffects: [1, 2, 5, 7, 8, 9, 10]
    readonly property var colorEffects: [1, 3, 9, 10]

    readonly property bool lightOn: ledPowerCheck.isSelect
    readonly property int effectIndex: effectList.defaultIndex
    readonly property int effectByte: effectIndex >= 0 && effectIndex < effectStrings.length ? effectIndex + 1 : 0
    readonly property bool speedEnabled: lightOn && speedEffects.indexOf(effectByte) >= 0
    readonly property bool brightnessEnabled: lightOn && brightnessEffects.indexOf(effectByte) >= 0
    readonly property bool colorsEnabled: lightOn && colorEffects.indexOf(effectByte) >= 0

    // ---- pure helpers ----
    function clampStep(v, fallback) {
        return Values.clampInt(v, 0, 7, fallback)
    }

    function effectIndexFrom(v) {
        var n = Values.toInt(v, 0)
        return (n >= 0 && n < effectStrings.length) ? n : 0
    }

    // ---- functions used by the mouse view ----
    function initUI(deviceApConfig) {
        var stages = deviceApConfig && deviceApConfig.length > 0 ? Values.toInt(deviceApConfig[0], 8) : 8
        colorGroup.maxStage = Math.max(1, Math.min(8, stages))
        refreshUI()
    }

    function refreshUI() {
        var rgb = ui_View.ui_90H_GetLED8StageColor(0)
        if (rgb && rgb.length === 24) {
            for (var i = 0; i < 8; ++i)
                colorGroup.setStageColor(i, rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2])
            colorGroup.setCurIndex(colorGroup.getCurIndex())
        }
        var configs = ui_View.ui_8DH_GetRGBLedEffect()
        if (configs && configs.length === 3) {
            ledPowerCheck.isSelect = storedLightOn(ui_View.getLedPowerOn(), configs[0])
            effectList.setCurIndex(effectIndexFrom(configs[0]))
            brightnessSlider.setCurIndex(clampStep(configs[1], 7))
            speedSlider.setCurIndex(clampStep(configs[2], 4))
        }
    }

    // The on/off flag kept beside the triple; files written before it existed fall back
    // to the triple's rule (effect index 0 reads as off).
    function storedLightOn(flag, effectEntry) {
        if (flag === undefined || flag === null)
            return Values.toInt(effectEntry, 0) !== 0
        return flag === true || flag === "true" || flag === 1
    }

    function translateStrings() {
        for (var i = 0; i < effectStrings.length; ++i)
            effectModel.setProperty(i, "textX", caption(effectStrings[i], effectFallback[i]))
    }

    function setSkin() {
    }

    function caption(n, fallback) {
        var s = globalSetting_stringList[n]
        return (s === undefined || s === null || s === "") ? fallback : s
    }

    function sendColors() {
        ui_View.ui_10H_SetLED8StageColor(0, colorGroup.getRGB24())
    }

    function pageApply() {
        colorGroup.setTextInputFocus(false)
        var configs = [effectList.getCurIndex(), brightnessSlider.getCurIndex(), speedSlider.getCurIndex()]
        // The effect's bytes come from the bridge, which codes a stored profile the same way.
        var bytes = ui_View.ledEffectBytes(configs[0], configs[1], configs[2], lightOn)
        ui_View.ui_0DH_SetRGBLedEffect(bytes[0], bytes[1], bytes[2], configs)
    }

    function pageReset() {
        colorGroup.setTextInputFocus(false)
        var configs = ui_View.loadDefaultProfile(2)
        if (!configs || configs.length < 27)
            return
        for (var i = 0; i < 8; ++i)
            colorGroup.setStageColor(i, configs[3 * i], configs[3 * i + 1], configs[3 * i + 2])
        colorGroup.setCurIndex(colorGroup.getCurIndex())
        sendColors()
        ledPowerCheck.isSelect = storedLightOn(ui_View.getDefaultLedPowerOn(), configs[24])
        effectList.setCurIndex(effectIndexFrom(configs[24]))
        brightnessSlider.setCurIndex(clampStep(configs[25], 7))
        speedSlider.setCurIndex(clampStep(configs[26], 4))
    }

    Component.onCompleted: translateStrings()

    Connections {
        target: downItem
        function onBtnTotalResetClicked() { pageColor.pageReset() }
        function onBtnTotalApplyClicked() { pageColor.pageApply() }
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { colorGroup.setTextInputFocus(false) }
    }

    ListModel {
        id: effectModel
        ListElement { textX: "STATIC" }
        ListElement { textX: "TWINKLING" }
        ListElement { textX: "BREATHING" }
        ListElement { textX: "NEON" }
        ListElement { textX: "WAVE" }
        ListElement { textX: "GLIDING" }
        ListElement { textX: "FINGER MOVING" }
        ListElement { textX: "VERTICAL FLIPPING" }
        ListElement { textX: "YO-YO" }
        ListElement { textX: "SPOTLIGHT" }
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

    Model_Color_R5 {
        x: 70
        y: 90
    }

    Image {
        objectName: "separator"
        x: 210
        y: 110
        width: 480
        source: sourceLine
        fillMode: Image.Stretch
    }

    Checkbox {
        id: ledPowerCheck
        objectName: "ledPowerCheck"
        x: 210
        y: 65
        isSelect: true
        chkStr: globalSetting_stringList[87]
    }

    // ---- speed and brightness ----
    Caption {
        x: 213
        y: 135
        text: globalSetting_stringList[3]
        opacity: pageColor.speedEnabled ? 1.0 : 0.2
    }
    Slider {
        id: speedSlider
        objectName: "speedSlider"
        x: 210
        y: 153
        currentIndex: 4
        enabled: pageColor.speedEnabled
    }

    Caption {
        x: 213
        y: 200
        text: globalSetting_stringList[4]
        opacity: pageColor.brightnessEnabled ? 1.0 : 0.2
    }
    Slider {
        id: brightnessSlider
        objectName: "brightnessSlider"
        x: 210
        y: 218
        currentIndex: 7
        enabled: pageColor.brightnessEnabled
    }

    ColorGroup_8 {
        id: colorGroup
        objectName: "colorGroup"
        x: 378
        y: 135
        enabled: pageColor.colorsEnabled
        opacity: enabled ? 1.0 : 0.2
        onClicked: pageColor.sendColors()
    }

    // ---- default / apply ----
    Image {
        id: buttonFrame
        x: 647
        y: 219
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
                pageColor.pageReset()
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
                mainIten.setProtectUI(800)
                pageColor.pageApply()
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

    // Declared last so its open list covers the controls below it.
    DropdownList {
        id: effectList
        objectName: "effectList"
        x: 210 + 329
        y: ledPowerCheck.y + (ledPowerCheck.height - height) / 2
        mdItems: effectModel
        defaultIndex: 0
        enabled: pageColor.lightOn
    }
}
