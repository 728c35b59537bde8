// SPDX-License-Identifier: MIT
// Application settings page shown in the drawer: skin, sound, animation, language,
// custom background, text size, text colour and brightness. Changes act at once and are
// kept through "save" as one flat list (see saveApconfig for its layout).
import QtQuick 2.15
import "../common"
import "../common/SkinPictures.js" as SkinPictures
import "../common/Values.js" as Values

Item {
    id: globalSetting
    width: background.width
    height: background.height

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceSlider: pictured ? SkinPictures.inherited(globalSetting, "sourceSlider") : ""
    property url sourceLine: pictured ? SkinPictures.inherited(globalSetting, "sourceLine") : ""
    property url sourceInputValue: pictured ? SkinPictures.inherited(globalSetting, "sourceInputValue") : ""
    property url sourcePaletteIndex: pictured ? SkinPictures.inherited(globalSetting, "sourcePaletteIndex") : ""
    property url sourceCHK0: pictured ? SkinPictures.inherited(globalSetting, "sourceCHK0") : ""
    property url sourceCHK1: pictured ? SkinPictures.inherited(globalSetting, "sourceCHK1") : ""
    property url sourcePalette: pictured ? SkinPictures.inherited(globalSetting, "sourcePalette") : ""
    property url sourceReset0: pictured ? SkinPictures.inherited(globalSetting, "sourceReset0") : ""
    property url sourceReset1: pictured ? SkinPictures.inherited(globalSetting, "sourceReset1") : ""
    property url sourceApply0: pictured ? SkinPictures.inherited(globalSetting, "sourceApply0") : ""
    property url sourceApply1: pictured ? SkinPictures.inherited(globalSetting, "sourceApply1") : ""
    property url sourceFram2btn: pictured ? SkinPictures.inherited(globalSetting, "sourceFram2btn") : ""
    property url sourceSliderFiller0: pictured ? SkinPictures.inherited(globalSetting, "sourceSliderFiller0") : ""
    property url sourceSliderFiller1: pictured ? SkinPictures.inherited(globalSetting, "sourceSliderFiller1") : ""
    property url sourceGlobalsettingBackground: pictured ? SkinPictures.inherited(globalSetting, "sourceGlobalsettingBackground") : ""
    property url sourceSlider_11_BASE: pictured ? SkinPictures.inherited(globalSetting, "sourceSlider_11_BASE") : ""
    property url sourceSlider_11_FILLER_0: pictured ? SkinPictures.inherited(globalSetting, "sourceSlider_11_FILLER_0") : ""
    property url sourceSlider_11_FILLER_1: pictured ? SkinPictures.inherited(globalSetting, "sourceSlider_11_FILLER_1") : ""

    // ---- values the root publishes as the global look ----
    property int _Size: 11
    property color _Color: "#FF00FFFF"
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property var _StringList: englishStrings
    property string _FontFamily: "Arial"
    property string _Url: "https://www.example.com/"
    property int skin_No: 1
    property bool isCustomBackground: false

    // English captions by number; a language file replaces them entry by entry.
    readonly property var englishStrings: [
        "Arial", "OPTIONS",
        "LOOP", "SPEED", "BRIGHTNESS", "DIRECTION", "PAINTING", "EFFECTS",
        "USER DEFINE 1", "USER DEFINE 2", "USER DEFINE 3", "USER DEFINE 4", "USER DEFINE 5",
        "STATIC", "BREATHING", "WAVE", "INDUCTION DARKEN", "MARQUEE", "RIPPLE",
        "INDUCTION BRIGHTEN", "NEON", "MARQUEE COLORFUL", "RAINING", "MARQUEE CIRCLE",
        "SPOTLIGHT", "ROTATION",
        "SKIN", "SOUND", "ANIMATED", "LANGUAGE", "BACKGROUND", "ON", "OFF", "TEXT", "SIZE",
        "COLOR", "BRIGHTNESS", "NORMAL", "LARGER",
        "SKIN 1", "SKIN 2", "SKIN 3", "SKIN 4", "SKIN 5",
        "MACRO", "ACTION",
        "KEYBOARD", "MOUSE", "MEDIA", "COMBO KEY", "MACRO", "LEFT", "RIGHT", "MIDDLE",
        "BACKWARD", "FORWARD", "NEXT TRACK", "PREVIOUS TRACK", "STOP", "PLAY / PAUSE", "MUTE",
        "VOLUME UP", "VOLUME DOWN", "MEDIA SELECT", "MAIL", "CALCULATOR", "MY COMPUTER",
        "WWW SEARCH", "WWW HOME", "WWW BACK", "WWW FORWARD", "WWW STOP", "WWW REFRESH",
        "WWW FAVORITES",
        "KEY", "MACRO", "COLOR", "RESET", "CANCEL", "GAMING MODE", "DELETE", "CUT", "PASTE",
        "COPY", "LOAD", "SAVE",
        "SENSOR", "LED POWER ON", "TWINKLING", "GLIDING", "FINGER MOVING", "VERTICAL FLIPPING",
        "YO-YO", "FIRE KEY", "TRIPLE CLICK", "DPI SWITCH", "NORMAL PLAY", "TIMES",
        "ALWAYS REPEAT", "REPEAT ON PRESSED",
        "POLLING RATE", "CURSOR SPEED", "VERTICAL SCROLL SPEED", "DOUBLE CLICK SPEED",
        "DPI LEVEL", "DPI INDICATOR LED", "DEFAULT", "APPLY", "SCROLL SWAP", "SCROLL UP",
        "SCROLL DOWN", "LED CONTROL", "RENAME", "ALL RESET", "ALL SAVE",
        "", "", "", "",
        "PRESS GUN", "X ADJUST", "Y ADJUST", "TIMES", "SWITCH", "CURSOR RETURN",
        "SYSTEM", "USER",
        "", "", "", "", "", "", "", "", "", "", "", "", "", "",
        // 141-149: words of the step editor and key fields ("MOUSE【 LEFT 】",
        // "KEY【 PRESS ANY 】", "DELAY【 】ms", "FIRE【 】times"); 148 and 149 unused.
        "MOUSE", "KEY", "PRESS ANY", "DELAY", "ms", "FIRE", "times", "", "",
        // 150: without global capture (settings page)
        "KEYS ARE CAPTURED ONLY WHILE THIS WINDOW HAS FOCUS",
        // 151-154: not used yet
        "", "", "", "",
        // 155-162: what the mouse holds (bottom strip, ALL SAVE, macro memory)
        "THE MOUSE STILL HOLDS %1 UNTIL ALL SAVE", "SAVING TO THE MOUSE %1 / %2", "THE MOUSE HOLDS %1",
        "NOT ALL OF %1 REACHED THE MOUSE", "%1 / %2 BYTES", "CURRENT DPI STAGE", "KEY MATRIX", "SLOT %1"
    ]

    // ---- page state ----
    property bool isSkinShow: true
    // No global capture: keys are read only while this window has focus.
    property bool captureInWindowOnly: false
    // Custom background exactly as stored: "file:" followed by the picture's path, or "".
    property string customBackgroundText: ""
    property int sizeIndex: 0
    property int curR: 0
    property int curG: 255
    property int curB: 255
    property int presetIndex: 0
    property var presets: [[0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
                           [200, 170, 255], [255, 180, 180], [160, 190, 160]]
    property int brightnessStep: 7
    readonly property int brightness: brightnessValue(brightnessStep)

    readonly property int rowStep: skinList.height + 10
    readonly property int rowShift: isSkinShow ? 0 : -11

    // ---- pure helpers ----
    function brightnessValue(step) {
        return 45 + step * 210 / 7
    }

    // Colour under height y of a bar h pixels high: eight ramps of 1/8 each
    // (black, red, yellow, green, cyan, blue, magenta, white, black).
    function colorAtBar(y, h) {
        var rate = y / (h - 1) / 0.125
        var level = Math.floor(rate)
        var v = Math.round((rate - level) * 255)
        switch (level) {
        case 0: return [v, 0, 0]
        case 1: return [255, v, 0]
        case 2: return [255 - v, 255, 0]
        case 3: return [0, 255, v]
        case 4: return [0, 255 - v, 255]
        case 5: return [v, 0, 255]
        case 6: return [255, v, 255]
        case 7: return [255 - v, 255 - v, 255 - v]
        default: return [0, 0, 0]
        }
    }

    // Language strings over the English ones: entries a language file lacks stay readable.
    // Captions from 141 on came after the first language files: where a file leaves one
    // empty, the English caption stays.
    readonly property int firstAddedString: 141

    function mergeStrings(loaded) {
        var out = englishStrings.slice()
        if (loaded) {
            for (var i = 0; i < loaded.length && i < out.length; ++i) {
                var t = loaded[i] === undefined || loaded[i] === null ? "" : String(loaded[i])
                if (t !== "" || i < firstAddedString)
                    out[i] = t
            }
            for (var j = out.length; j < loaded.length; ++j)
                out.push(String(loaded[j]))
        }
        if (out[0] === "")
            out[0] = englishStrings[0]
        return out
    }

    // Url of a stored custom background; spaces or '#' in the path are not URL syntax.
    function customUrl(stored) {
        var s = String(stored)
        if (s.indexOf("file:") !== 0 || s.indexOf("file://") === 0)
            return s
        return "file://" + s.substring(5).split("/").map(encodeURIComponent).join("/")
    }

    function setCustomBackground(stored) {
        customBackgroundText = stored
        mainIten.sourceCustomBackground = customUrl(stored)
    }

    // ---- colour ----
    function applyColor() {
        _Color = Qt.rgba(curR / 255, curG / 255, curB / 255, brightness / 255)
    }

    function setPresetColor(r, g, b) {
        if (presetIndex < 0 || presetIndex >= presets.length)
            return
        var list = presets.slice()
        list[presetIndex] = [r, g, b]
        presets = list
    }

    function showRGBFields() {
        rField.text = curR
        gField.text = curG
        bField.text = curB
    }

    // Keeps bar, fields and presets in step; `index` names the source of the colour:
    // 1 colour bar, 2 text fields, 3 preset strip, anything else an outside caller.
    function setRGB(index, r, g, b) {
        curR = r
        curG = g
        curB = b
        if (index !== 2)
            showRGBFields()
        if (index !== 3)
            setPresetColor(r, g, b)
        if (index === 1 || index === 2 || index === 3)
            applyColor()
    }

    function selectPreset(index) {
        if (index < 0 || index >= presets.length)
            return
        presetIndex = index
        var p = presets[index]
        setRGB(3, p[0], p[1], p[2])
    }

    function setBrightness(step) {
        brightnessStep = Math.max(0, Math.min(7, step))
        brightnessSlider.setCurIndex(brightnessStep)
        applyColor()
    }

    function commitRGBFields() {
        var clamp = function(text, old) {
            var n = parseInt(text, 10)
            return isNaN(n) ? old : Math.max(0, Math.min(255, n))
        }
        var r = clamp(rField.text, curR)
        var g = clamp(gField.text, curG)
        var b = clamp(bField.text, curB)
        showRGBFields()
        if (r !== curR || g !== curG || b !== curB)
            setRGB(2, r, g, b)
        showRGBFields()
    }

    function dropTextFocus() {
        rField.focus = false
        gField.focus = false
        bField.focus = false
    }

    // ---- the other settings ----
    function selectSkin(index) {
        skin_No = index + 1
        mainIten.setSkin()
    }

    function selectSound(index) {
        if (index === 0) {
            ui_View.setEnableAudio(true)
            ui_View.playMedia_Index(0x00)
        } else if (index === 1) {
            ui_View.setEnableAudio(false)
            ui_View.clearAllMedia()
        }
    }

    function selectAnimation(index) {
        if (index === 0)
            _AnimationSpeed = 800
        else if (index === 1)
            _AnimationSpeed = 10
    }

    function setTextSize(index) {
        sizeIndex = index
        if (index === 0)
            _Size = 11
        else if (index === 1)
            _Size = 12
    }

    function fillLanguages() {
        langModel.clear()
        var map = ui_View.chkLanguages()
        for (var name in map)
            langModel.append({ "textX": name, "code": String(map[name]) })
    }

    function setLanguage(index) {
        if (index < 0 || index >= langModel.count)
            return
        var code = langModel.get(index).code
        _StringList = mergeStrings(ui_View.getGlobalStrings(code))
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
    }

    function toggleCustomBackground() {
        var on = false
        if (!bgSwitch.isOn) {
            var path = ui_View.getCustomFilePath()
            if (path !== undefined && path !== null && String(path) !== "") {
                setCustomBackground("file:" + path)
                on = true
            } else {
                setCustomBackground("")
            }
        } else {
            setCustomBackground("")
        }
        bgSwitch.isOn = on
        isCustomBackground = on
    }

    function translateStrings() {
        skinModel.setProperty(0, "textX", _StringList[39])
        skinModel.setProperty(1, "textX", _StringList[40])
        for (var i = 0; i < 2; ++i) {
            soundModel.setProperty(i, "textX", _StringList[31 + i])
            animModel.setProperty(i, "textX", _StringList[31 + i])
        }
    }

    function initUI() {
        isSkinShow = ui_View.getIsSkinShow()
        // Asked here, not at creation: capture is set up after the scene is loaded.
        captureInWindowOnly = ui_View.keyCaptureMode() === 2
        var list = ui_View.loadApConfig()
        // Without stored settings the defaults stay, but languages can still be chosen.
        fillLanguages()
        if (!list || list.length === 0)
            return

        skin_No = Values.toInt(list[1], 1)
        skinList.setCurIndex(skin_No - 1)
        mainIten.setSkin()

        var sound = Values.toInt(list[2], -1)
        if (sound === 0)
            ui_View.setEnableAudio(true)
        else if (sound === 1)
            ui_View.setEnableAudio(false)
        soundList.setCurIndex(sound)

        var anim = Values.toInt(list[3], -1)
        selectAnimation(anim)
        animList.setCurIndex(anim)

        var lang = Values.toInt(list[4], -1)
        langList.setCurIndex(lang)
        setLanguage(lang)

        isCustomBackground = Values.toBool(list[5])
        bgSwitch.isOn = isCustomBackground
        setCustomBackground((list[6] === undefined || list[6] === null) ? "" : String(list[6]))

        var size = Values.toInt(list[7], -1)
        setTextSize(size)

        var loaded = []
        for (var i = 0; i < 7; ++i)
            loaded.push([Values.toInt(list[8 + 3 * i], 0), Values.toInt(list[9 + 3 * i], 0), Values.toInt(list[10 + 3 * i], 0)])
        presets = loaded
        presetIndex = Values.toInt(list[29], 0)
        if (presetIndex >= 0 && presetIndex < 7)
            setRGB(3, loaded[presetIndex][0], loaded[presetIndex][1], loaded[presetIndex][2])

        setBrightness(Values.toInt(list[30], 7))

        if (list.length > 31 && list[31] !== undefined && String(list[31]) !== "")
            _Url = String(list[31])
    }

    // Stores the page as the settings list: version, skin, sound, animation, language,
    // custom background on and its url, text size, seven presets as R, G, B, preset,
    // brightness step, web address.
    function saveApconfig() {
        dropTextFocus()
        var list = [1, skin_No, soundList.getCurIndex(), animList.getCurIndex(), langList.getCurIndex(),
                    isCustomBackground, customBackgroundText, sizeIndex]
        for (var i = 0; i < 7; ++i)
            list.push(presets[i][0], presets[i][1], presets[i][2])
        list.push(presetIndex, brightnessStep, _Url)
        ui_View.saveApConfig(list)
        upItem.isGlobalSettingSelect = false
    }

    function resetApconfig() {
        dropTextFocus()
        soundList.setCurIndex(1)
        selectSound(1)
        ui_View.resetApconfig()
        initUI()
        ui_View.playMedia_Index(0x00)
    }

    Component.onCompleted: translateStrings()

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { globalSetting.dropTextFocus() }
    }

    ListModel {
        id: skinModel
        ListElement { textX: "SKIN 1" }
        ListElement { textX: "SKIN 2" }
    }
    ListModel {
        id: soundModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }
    ListModel {
        id: animModel
        ListElement { textX: "ON" }
        ListElement { textX: "OFF" }
    }
    ListModel {
        id: langModel
    }

    // Caption right-aligned 20 pixels left of its control; a long translation shrinks
    // rather than run into the frame.
    component Caption: Text {
        property Item control
        anchors.right: control ? control.left : undefined
        anchors.rightMargin: 20
        anchors.verticalCenter: control ? control.verticalCenter : undefined
        width: control ? control.x - 20 - 4 : 0
        horizontalAlignment: Text.AlignRight
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: 7
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_enable
    }

    Image {
        id: background
        source: sourceGlobalsettingBackground
    }

    // ---- the drop-down column ----
    Caption {
        control: skinList
        visible: skinList.visible
        text: globalSetting_stringList[26]
    }
    Caption {
        control: soundList
        text: globalSetting_stringList[27]
    }
    Caption {
        control: animList
        text: globalSetting_stringList[28]
    }
    Caption {
        control: langList
        text: globalSetting_stringList[29]
    }
    Caption {
        control: bgSwitch
        text: globalSetting_stringList[30]
    }

    // ---- text look: size, colour, brightness ----
    Item {
        id: textBox
        objectName: "textBox"
        x: 27
        y: 190
        width: 270
        height: 176

        Image { source: sourceLine; width: textBox.width; fillMode: Image.Stretch }
        Image { source: sourceLine; width: textBox.width; y: textBox.height - height; fillMode: Image.Stretch }
        Image {
            source: sourceLine; width: textBox.height; fillMode: Image.Stretch
            rotation: 90; transformOrigin: Item.TopLeft; x: height
        }
        Image {
            source: sourceLine; width: textBox.height; fillMode: Image.Stretch
            rotation: 90; transformOrigin: Item.TopLeft; x: textBox.width
        }

        Text {
            x: 6
            y: 3
            text: globalSetting_stringList[33]
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        Caption {
            control: sizeNormal
            text: globalSetting_stringList[34]
        }
        RadioButton {
            id: sizeNormal
            objectName: "sizeNormal"
            x: 96
            y: 25
            index: 0
            chkStr: globalSetting_stringList[37]
            isSelect: globalSetting.sizeIndex === 0
            onClicked: globalSetting.setTextSize(index)
        }
        RadioButton {
            id: sizeLarger
            objectName: "sizeLarger"
            x: sizeNormal.x + sizeNormal.width + 15
            y: 25
            index: 1
            chkStr: globalSetting_stringList[38]
            isSelect: globalSetting.sizeIndex === 1
            onClicked: globalSetting.setTextSize(index)
        }

        Caption {
            control: presetStrip
            text: globalSetting_stringList[35]
        }
        Row {
            id: presetStrip
            objectName: "presetStrip"
            x: 100
            y: 55
            width: 145
            spacing: (145 - 7 * 19) / 6
            Repeater {
                model: 7
                Item {
                    id: presetCell
                    objectName: "preset" + index
                    width: 19
                    height: 31
                    readonly property var rgb: globalSetting.presets[index]
                    Rectangle {
                        width: 19
                        height: 3
                        y: 3
                        color: globalSetting_color
                        visible: globalSetting.presetIndex === index
                    }
                    Rectangle {
                        x: 2
                        y: 10
                        width: 15
                        height: 15
                        color: Qt.rgba(presetCell.rgb[0] / 255, presetCell.rgb[1] / 255, presetCell.rgb[2] / 255, 1)
                    }
                    Rectangle {
                        anchors.fill: parent
                        color: "transparent"
                        border.width: 1
                        border.color: globalSetting_color
                        visible: presetArea.containsMouse
                    }
                    MouseArea {
                        id: presetArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: globalSetting.selectPreset(index)
                    }
                }
            }
        }

        Image {
            id: colorBar
            objectName: "colorBar"
            x: 100
            y: 88
            width: 96
            fillMode: Image.Stretch
            source: sourcePalette
            property real markerY: -1
            MouseArea {
                anchors.fill: parent
                onPressed: {
                    var y = Math.max(0, Math.min(colorBar.height - 1, mouse.y))
                    colorBar.markerY = y
                    var c = globalSetting.colorAtBar(y, colorBar.height)
                    globalSetting.setRGB(1, c[0], c[1], c[2])
                }
            }
        }
        Image {
            source: sourcePaletteIndex
            visible: colorBar.markerY >= 0
            x: colorBar.x + colorBar.width - width / 2
            y: colorBar.y + colorBar.markerY - height / 2
        }

        // R, G, B of the colour (integers 0-255), committed on Enter or when focus leaves.
        Column {
            id: rgbFields
            x: colorBar.x + colorBar.width + 10
            y: colorBar.y - 1
            spacing: 2
            Row {
                Text {
                    width: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "R "
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: 11
                    color: globalSetting_color_enable
                }
                // The face keeps its crisp border at the field's height.
                BorderImage {
                    width: 39
                    height: 16
                    border { left: 3; top: 3; right: 3; bottom: 3 }
                    source: sourceInputValue
                    TextInput {
                        id: rField
                        objectName: "rField"
                        anchors.fill: parent
                        horizontalAlignment: TextInput.AlignHCenter
                        verticalAlignment: TextInput.AlignVCenter
                        maximumLength: 3
                        validator: IntValidator { bottom: 0; top: 255 }
                        text: "0"
                        font.bold: true
                        font.family: globalSetting_fontFamily
                        font.pixelSize: 11
                        color: activeFocus ? globalSetting_color : globalSetting_color_enable
                        selectionColor: globalSetting_color
                        selectedTextColor: "black"
                        selectByMouse: true
                        Keys.onReturnPressed: focus = false
                        Keys.onEnterPressed: focus = false
                        onActiveFocusChanged: if (!activeFocus) globalSetting.commitRGBFields()
                    }
                }
            }
            Row {
                Text {
                    width: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "G "
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: 11
                    color: globalSetting_color_enable
                }
                // The face keeps its crisp border at the field's height.
                BorderImage {
                    width: 39
                    height: 16
                    border { left: 3; top: 3; right: 3; bottom: 3 }
                    source: sourceInputValue
                    TextInput {
                        id: gField
                        objectName: "gField"
                        anchors.fill: parent
                        horizontalAlignment: TextInput.AlignHCenter
                        verticalAlignment: TextInput.AlignVCenter
                        maximumLength: 3
                        validator: IntValidator { bottom: 0; top: 255 }
                        text: "255"
                        font.bold: true
                        font.family: globalSetting_fontFamily
                        font.pixelSize: 11
                        color: activeFocus ? globalSetting_color : globalSetting_color_enable
                        selectionColor: globalSetting_color
                        selectedTextColor: "black"
                        selectByMouse: true
                        Keys.onReturnPressed: focus = false
                        Keys.onEnterPressed: focus = false
                        onActiveFocusChanged: if (!activeFocus) globalSetting.commitRGBFields()
                    }
                }
            }
            Row {
                Text {
                    width: 12
                    anchors.verticalCenter: parent.verticalCenter
                    text: "B "
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: 11
                    color: globalSetting_color_enable
                }
                // The face keeps its crisp border at the field's height.
                BorderImage {
                    width: 39
                    height: 16
                    border { left: 3; top: 3; right: 3; bottom: 3 }
                    source: sourceInputValue
                    TextInput {
                        id: bField
                        objectName: "bField"
                        anchors.fill: parent
                        horizontalAlignment: TextInput.AlignHCenter
                        verticalAlignment: TextInput.AlignVCenter
                        maximumLength: 3
                        validator: IntValidator { bottom: 0; top: 255 }
                        text: "255"
                        font.bold: true
                        font.family: globalSetting_fontFamily
                        font.pixelSize: 11
                        color: activeFocus ? globalSetting_color : globalSetting_color_enable
                        selectionColor: globalSetting_color
                        selectedTextColor: "black"
                        selectByMouse: true
                        Keys.onReturnPressed: focus = false
                        Keys.onEnterPressed: focus = false
                        onActiveFocusChanged: if (!activeFocus) globalSetting.commitRGBFields()
                    }
                }
            }
        }

        Caption {
            control: brightnessSlider
            text: globalSetting_stringList[36]
        }
        Slider {
            id: brightnessSlider
            objectName: "brightnessSlider"
            x: 97
            y: 140
            currentIndex: 7
            onSliderClicked: globalSetting.setBrightness(index)
        }
    }

    // ---- reset / save ----
    Image {
        id: buttonFrame
        objectName: "buttonFrame"
        x: textBox.x + textBox.width - width
        y: textBox.y + textBox.height + 8
        source: sourceFram2btn

        Button_2state {
            id: btnReset
            objectName: "btnReset"
            x: 4
            y: 4
            source0: sourceReset0
            source1: sourceReset1
            onClicked: globalSetting.resetApconfig()
        }
        Button_2state {
            id: btnSave
            objectName: "btnSave"
            x: buttonFrame.width - width - 4
            y: 4
            source0: sourceApply0
            source1: sourceApply1
            onClicked: globalSetting.saveApconfig()
        }
    }

    // ---- without global capture, keys are read only while this window has focus ----
    Text {
        id: captureNote
        objectName: "captureNote"
        x: textBox.x
        y: buttonFrame.y
        width: buttonFrame.x - x - 8
        height: buttonFrame.height
        visible: globalSetting.captureInWindowOnly
        verticalAlignment: Text.AlignVCenter
        wrapMode: Text.WordWrap
        fontSizeMode: Text.Fit
        minimumPixelSize: 7
        text: globalSetting_stringList[150]
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color_enable
    }

    // ---- the drop-down column, declared last so an open list covers what lies below ----
    DropdownList {
        id: skinList
        objectName: "skinList"
        x: 139
        y: 22
        visible: globalSetting.isSkinShow
        mdItems: skinModel
        defaultIndex: 0
        onListElementClicked: globalSetting.selectSkin(index)
    }

    DropdownList {
        id: soundList
        objectName: "soundList"
        x: 139
        y: 22 + globalSetting.rowStep + globalSetting.rowShift
        mdItems: soundModel
        defaultIndex: 0
        onListElementClicked: globalSetting.selectSound(index)
    }

    DropdownList {
        id: animList
        objectName: "animList"
        x: 139
        y: 22 + 2 * globalSetting.rowStep + globalSetting.rowShift
        mdItems: animModel
        defaultIndex: 0
        onListElementClicked: globalSetting.selectAnimation(index)
    }

    DropdownList {
        id: langList
        objectName: "langList"
        x: 139
        y: 22 + 3 * globalSetting.rowStep + globalSetting.rowShift
        mdItems: langModel
        onListElementClicked: globalSetting.setLanguage(index)
    }

    // Custom background switch, drawn like a list head without the arrow.
    Image {
        id: bgSwitch
        objectName: "bgSwitch"
        property bool isOn: false
        x: 139
        y: 22 + 4 * globalSetting.rowStep + globalSetting.rowShift
        source: sourceSlider
        Text {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "【 " + globalSetting_stringList[bgSwitch.isOn ? 31 : 32] + " 】"
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: (bgSwitch.isOn || bgSwitchArea.containsMouse) ? globalSetting_color : globalSetting_color_enable
        }
        MouseArea {
            id: bgSwitchArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: globalSetting.toggleCustomBackground()
        }
    }
}
