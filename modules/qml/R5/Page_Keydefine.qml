// SPDX-License-Identifier: MIT
// Key definition page: assigns a function to each button of the mouse (key, mouse
// function, media key, combination, macro, fire key, light / gun loop) by editing the
// sixteen records of the key matrix, and sends the matrix to the mouse on "apply".
import QtQuick 2.15
import R5.Tables 1.0
import "../common"
import "../common/SkinPictures.js" as SkinPictures
import "../common/Values.js" as Values

Item {
    id: keyPage
    width: background.width
    height: background.height

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceSlider: pictured ? SkinPictures.inherited(keyPage, "sourceSlider") : ""
    property url sourceLine: pictured ? SkinPictures.inherited(keyPage, "sourceLine") : ""
    property url sourceFilelist: pictured ? SkinPictures.inherited(keyPage, "sourceFilelist") : ""
    property url sourceCHK0: pictured ? SkinPictures.inherited(keyPage, "sourceCHK0") : ""
    property url sourceCHK1: pictured ? SkinPictures.inherited(keyPage, "sourceCHK1") : ""
    property url sourceReset0: pictured ? SkinPictures.inherited(keyPage, "sourceReset0") : ""
    property url sourceReset1: pictured ? SkinPictures.inherited(keyPage, "sourceReset1") : ""
    property url sourceApply0: pictured ? SkinPictures.inherited(keyPage, "sourceApply0") : ""
    property url sourceApply1: pictured ? SkinPictures.inherited(keyPage, "sourceApply1") : ""
    property url sourceFram2btn: pictured ? SkinPictures.inherited(keyPage, "sourceFram2btn") : ""
    property url sourceSliderFiller0: pictured ? SkinPictures.inherited(keyPage, "sourceSliderFiller0") : ""
    property url sourceSliderFiller1: pictured ? SkinPictures.inherited(keyPage, "sourceSliderFiller1") : ""
    property url sourceFnCommonBackground: pictured ? SkinPictures.inherited(keyPage, "sourceFnCommonBackground") : ""
    property url sourceModel_R5_KeyDefine: pictured ? SkinPictures.inherited(keyPage, "sourceModel_R5_KeyDefine") : ""
    property url sourceSlider_11_BASE: pictured ? SkinPictures.inherited(keyPage, "sourceSlider_11_BASE") : ""
    property url sourceSlider_11_FILLER_0: pictured ? SkinPictures.inherited(keyPage, "sourceSlider_11_FILLER_0") : ""
    property url sourceSlider_11_FILLER_1: pictured ? SkinPictures.inherited(keyPage, "sourceSlider_11_FILLER_1") : ""

    // Names of the sixteen key positions ("" where the model has no such key).
    property var productStrings: []
    // Key id of each entry of the key chooser.
    property var mapping_for_keyId: [0, 1, 2, 3, 4, 5, 6, 7, 8]
    // Macro play mode: 0 play n times, 1 repeat always, 2 repeat while pressed.
    property int rbtnCurIndex: 0
    // Fire-key source: 0 a mouse button, 1 a keyboard key.
    property int fireSourceIndex: 0
    // The page itself: its apply() sends the key matrix (the press-gun page needs it).
    readonly property Item resetKeymatrix: keyPage
    readonly property alias keyModel: _Model_KeyDefine_R5

    readonly property int chosenKeyId: (_menu_matrix.defaultIndex >= 0
                                        && _menu_matrix.defaultIndex < mapping_for_keyId.length)
                                       ? mapping_for_keyId[_menu_matrix.defaultIndex] : -1

    // ---- tables ----
    readonly property int fnKeyboard: 0
    readonly property int fnMouse: 1
    readonly property int fnMedia: 2
    readonly property int fnCombo: 3
    readonly property int fnMacro: 4
    readonly property int fnFire: 5
    readonly property int fnLed: 6
    readonly property var functionStrings: [46, 47, 48, 49, 50, 93, 111]
    // Captions of the mouse functions and the media keys, in the order of the records the
    // bridge codes for them (ui_View.keyRecordOf).
    readonly property var mouseStrings: [51, 52, 53, 54, 55, 94, 115, 116, 95, 109, 110]
    readonly property var mediaStrings: [56, 57, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72, 73]
    // Modifiers of a combination: "×", then "KEY【 L Ctrl 】" and so on (string 142 is "KEY"),
    // named by the key table (usages E0H-E7H).
    readonly property var modifierKeys: [0xE0, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7].map(function(usage) {
        return KeyNameTable.keyName(usage)
    })
    readonly property var gunLoopStrings: [132, 133, 134]
    readonly property var placeholderKeys: ["KEY １", "KEY ２", "KEY ３", "KEY ４", "KEY ５",
                                            "KEY ６", "KEY ７", "KEY ８", "KEY ９"]
    readonly property int macroSlots: 12
    // Fire speed step used when the speed bar shows no step: 7 gives interval 10.
    readonly property int defaultFireStep: 7

    // ---- functions used by the mouse view ----
    function initUI() {
        var defaults = ui_View.loadDefaultProfile(0)
        // A short or missing factory list keeps the built-in values.
        if (defaults && defaults.length >= 64) {
            var numbers = []
            for (var d = 0; d < 64; ++d)
                numbers.push(_Model_KeyDefine_R5.toByte(defaults[d]))
            _Model_KeyDefine_R5.keyCode_Default = numbers
        }
        mapping_for_keyId = keyIdsOfNames(productStrings)
        refreshMacroList()
        for (var i = 0; i < 16; ++i) {
            var r = ui_View.getKeydefine(i)
            // A key the profile does not hold yet starts from its factory function.
            if (!r || r.length < 4)
                r = _Model_KeyDefine_R5.defaultRecord(i)
            _Model_KeyDefine_R5.setRecord(i, r[0], r[1], r[2], r[3])
        }
        showCurrentKey()
    }

    function translateStrings() {
        relabel()
        rebuildKeyList()
    }

    function relabel() {
        fillModel(functionModel, stringsOf(functionStrings))
        fillModel(mouseModel, stringsOf(mouseStrings))
        fillModel(mediaModel, stringsOf(mediaStrings))
        fillModel(modifierModel, ["×"].concat(modifierKeys.map(function(k) {
            return globalSetting_stringList[142] + "【 " + k + " 】"
        })))
        fillModel(fireMouseModel, stringsOf([51, 52, 53, 54, 55]))
        fillModel(gunLoopModel, stringsOf(gunLoopStrings))
    }

    function rebuildKeyList() {
        // Key chooser: one entry per key position this model has.
        var ids = keyIdsOfNames(productStrings)
        var names = []
        for (var i = 0; i < ids.length; ++i)
            names.push(String(productStrings[ids[i]]))
        mapping_for_keyId = ids
        keyListModel.clear()
        fillModel(keyListModel, names)
        _menu_matrix.setCurIndex(3)
        showCurrentKey()
    }

    // Chooses key id `keyId` as the key chooser does (a click on the mouse picture); an
    // entry in progress is committed to the key it was typed for first.
    function chooseKeyId(keyId) {
        var at = mapping_for_keyId.indexOf(keyId)
        if (at < 0)
            return
        dropFocus()
        _menu_matrix.closeList()
        _menu_matrix.setCurIndex(at)
        showCurrentKey()
    }

    function detectKeyboard(isDown, usbCode) {
        _input_keyboard.detectKeyboard(isDown, usbCode)
        _input_combo1.detectKeyboard(isDown, usbCode)
        _input_combo2.detectKeyboard(isDown, usbCode)
        _input_fire.detectKeyboard(isDown, usbCode)
    }

    // Sends the sixteen records, four bytes each in key-id order, as the key matrix.
    function apply() {
        ui_View.ui_12H_SetKeyMatrix(_Model_KeyDefine_R5.toList64())
    }

    // ---- helpers ----
    function stringsOf(indices) {
        var out = []
        for (var i = 0; i < indices.length; ++i)
            out.push(globalSetting_stringList[indices[i]])
        return out
    }

    // Relabels in place so the current entry stays current.
    function fillModel(model, texts) {
        for (var i = 0; i < texts.length; ++i) {
            var t = (texts[i] === undefined || texts[i] === null) ? "" : String(texts[i])
            if (i < model.count)
                model.setProperty(i, "textX", t)
            else
                model.append({ textX: t, textR: "" })
        }
        while (model.count > texts.length)
            model.remove(model.count - 1)
    }

    function keyIdsOfNames(names) {
        var ids = []
        for (var i = 0; i < 16 && names && i < names.length; ++i) {
            if (names[i] !== undefined && names[i] !== null && String(names[i]) !== "")
                ids.push(i)
        }
        return ids
    }

    function record(keyId) {
        return _Model_KeyDefine_R5.record(keyId)
    }

    // What a record shows, as the bridge reads it: "function" and its choices.
    function recordView(r) {
        return ui_View.keyRecordView(r)
    }

    function isLeftButton(r) {
        var v = recordView(r)
        return v["function"] === fnMouse && v.mouse === 0
    }

    function isMacroRecord(r) {
        return recordView(r)["function"] === fnMacro
    }

    // Writes the chosen key's record. A macro record that gives way to another function
    // releases its macro slot.
    function writeRecord(rec) {
        var id = chosenKeyId
        if (id < 0 || !rec || rec.length < 4)
            return
        var old = record(id)
        if (isMacroRecord(old) && !isMacroRecord(rec)) {
            _Model_KeyDefine_R5.setRecord(id, 0, 0, 0, 0)
            refreshMacroIndex()
        }
        _Model_KeyDefine_R5.setRecord(id, rec[0], rec[1], rec[2], rec[3])
    }

    function dropFocus() {
        focusSink.forceActiveFocus()
    }

    // ---- left-button guard ----
    // The last key acting as the left button changes only with the user's consent.
    function foolProofing() {
        var id = chosenKeyId
        if (id < 0 || !isLeftButton(record(id)))
            return true
        var lefts = 0
        for (var i = 0; i < mapping_for_keyId.length; ++i) {
            if (isLeftButton(record(mapping_for_keyId[i])))
                ++lefts
        }
        if (lefts <= 1)
            return ui_View.getMsgAns_FoolProofing() ? true : false
        return true
    }

    // ---- macro slots ----
    // The mouse's twelve slots serve all ten profiles, so the bridge keeps the books:
    // macros whose slot no key of any profile (this one as shown) names are marked as
    // not on the device.
    function refreshMacroIndex() {
        refreshMacroList()
        ui_View.releaseMacroSlots(_Model_KeyDefine_R5.toList64())
    }

    // Rebuilds the macro list from the macro folder, keeping the chosen macro chosen.
    function refreshMacroList() {
        var cur = _menu_macro.getCurIndex()
        var keep = (cur >= 0 && cur < macroModel.count) ? macroModel.get(cur).textX : ""
        var files = ui_View.getMacroIniNames()
        var names = []
        for (var i = 0; files && i < files.length; ++i)
            names.push(String(files[i]).slice(0, -4))
        fillModel(macroModel, names)
        _menu_macro.setCurIndex(keep === "" ? -1 : names.indexOf(keep))
    }

    function repeatCount() {
        return Values.clampInt(_input_repeat.text, 0, 65535, 1)
    }

    function setMacro() {
        var id = chosenKeyId
        if (id < 0)
            return
        var old = record(id)
        _Model_KeyDefine_R5.setRecord(id, 0, 0, 0, 0)
        // The slot this key held is released before a slot is looked for.
        if (isMacroRecord(old))
            refreshMacroIndex()
        var cur = _menu_macro.getCurIndex()
        if (cur < 0 || cur >= macroModel.count)
            return
        var name = macroModel.get(cur).textX
        var cfg = ui_View.loadMacroIniConfig(name)
        if (!cfg || cfg.length < 2)
            return
        // A slot of its own across all profiles; none left: the bridge says so, and
        // the key keeps no function and shows none.
        var slot = ui_View.bindMacroSlot(name, repeatCount(), _Model_KeyDefine_R5.toList64())
        if (slot < 0 || slot >= macroSlots) {
            _menu_macro.setCurIndex(-1)
            return
        }
        ui_View.ui_13H_SetMacroKey(slot + 1, name)
        var rec = ui_View.keyRecordOf(fnMacro, [rbtnCurIndex, slot])
        _Model_KeyDefine_R5.setRecord(id, rec[0], rec[1], rec[2], rec[3])
    }

    // ---- fire key ----
    function fireCount() {
        return Values.clampInt(_input_fireCount.text, 0, 255, 10)
    }

    // Runs when the count field loses focus; the field also loses it when another
    // function hides it, and then the count belongs to no fire record.
    function commitFireCount() {
        _input_fireCount.text = String(fireCount())
        if (_menu_function.defaultIndex === fnFire)
            setFire()
    }

    function setFire() {
        var src
        if (fireSourceIndex === 0) {
            src = _menu_fireMouse.getCurIndex()
            // No button chosen yet: nothing to repeat.
            if (src < 0 || src >= fireMouseModel.count)
                return
        } else {
            src = _input_fire.tmpKeycodeUSB
            if (!src)
                return
        }
        var step = _slider_fireSpeed.currentIndex
        // Without a step the interval formula would give 290, which does not fit its
        // byte: the default step is written and shown instead.
        if (step < 0 || step > 7) {
            step = defaultFireStep
            _slider_fireSpeed.setCurIndex(step)
        }
        writeRecord(ui_View.keyRecordOf(fnFire, [fireSourceIndex, src, step, fireCount()]))
    }

    // ---- showing a record ----
    function clearSubControls() {
        _input_keyboard.setKeycodeUSB(-1)
        _input_combo1.setKeycodeUSB(-1)
        _input_combo2.setKeycodeUSB(-1)
        _input_fire.setKeycodeUSB(-1)
        _menu_mouse.setCurIndex(-1)
        _menu_media.setCurIndex(-1)
        _menu_modifier.setCurIndex(-1)
        _menu_fireMouse.setCurIndex(-1)
        _menu_gunLoop.setCurIndex(-1)
        _menu_macro.setCurIndex(-1)
        rbtnCurIndex = 0
        _input_repeat.text = "1"
        _input_fireCount.text = "10"
        _slider_fireSpeed.setCurIndex(-1)
    }

    function showFunction(index) {
        clearSubControls()
        _menu_function.setCurIndex(index)
    }

    function showCurrentKey() {
        var id = chosenKeyId
        if (id < 0)
            return
        var r = record(id)
        keyCodeToUI(r[0], r[1], r[2], r[3])
    }

    function keyCodeToUI(b0, b1, b2, b3) {
        var v = recordView([b0, b1, b2, b3])
        // A record the page does not know how to show leaves it as it is.
        if (v["function"] === undefined)
            return
        showFunction(v["function"])
        switch (v["function"]) {
        case fnKeyboard:
            _input_keyboard.setKeycodeUSB(v.key)
            break
        case fnCombo:
            _menu_modifier.setCurIndex(v.modifier)
            _input_combo1.setKeycodeUSB(v.key1)
            _input_combo2.setKeycodeUSB(v.key2)
            break
        case fnMouse:
            _menu_mouse.setCurIndex(v.mouse)
            break
        case fnMedia:
            _menu_media.setCurIndex(v.media)
            break
        case fnLed:
            _menu_gunLoop.setCurIndex(v.gunLoop < gunLoopModel.count ? v.gunLoop : -1)
            break
        case fnMacro:
            refreshMacroList()
            var found = -1
            var repeat = 1
            for (var i = 0; i < macroModel.count; ++i) {
                var cfg = ui_View.loadMacroIniConfig(macroModel.get(i).textX)
                if (cfg && cfg.length >= 2 && Values.toInt(cfg[0], -1) === v.macroSlot) {
                    found = i
                    repeat = Values.toInt(cfg[1], 1)
                    break
                }
            }
            _menu_macro.setCurIndex(found)
            _input_repeat.text = String(repeat)
            rbtnCurIndex = v.macroMode
            break
        case fnFire:
            fireSourceIndex = v.fireFromKey ? 1 : 0
            if (v.fireFromKey)
                _input_fire.setKeycodeUSB(v.fireKey)
            else
                _menu_fireMouse.setCurIndex(v.fireButton)
            _slider_fireSpeed.setCurIndex(v.fireStep)
            _input_fireCount.text = String(v.fireCount)
            break
        }
    }

    // ---- editing ----
    function onFunctionChosen(index) {
        var id = chosenKeyId
        if (id < 0)
            return
        if (!foolProofing()) {
            showCurrentKey()
            return
        }
        clearSubControls()
        if (isMacroRecord(record(id))) {
            _Model_KeyDefine_R5.setRecord(id, 0, 0, 0, 0)
            refreshMacroIndex()
        }
    }

    function onMouseChosen(index) {
        if (index < 0 || index >= mouseStrings.length)
            return
        if (!foolProofing()) {
            showCurrentKey()
            return
        }
        writeRecord(ui_View.keyRecordOf(fnMouse, [index]))
    }

    function writeCombo() {
        writeRecord(ui_View.keyRecordOf(fnCombo, [_menu_modifier.getCurIndex(), _input_combo1.tmpKeycodeUSB,
                                                  _input_combo2.tmpKeycodeUSB]))
    }

    function resetKey() {
        dropFocus()
        var id = chosenKeyId
        if (id < 0)
            return
        if (!foolProofing())
            return
        if (isMacroRecord(record(id))) {
            _Model_KeyDefine_R5.setRecord(id, 0, 0, 0, 0)
            refreshMacroIndex()
        }
        var d = _Model_KeyDefine_R5.defaultRecord(id)
        _Model_KeyDefine_R5.setRecord(id, d[0], d[1], d[2], d[3])
        showCurrentKey()
    }

    function applyClicked() {
        mainIten.setProtectUI(800)
        dropFocus()
        apply()
    }

    function allReset() {
        dropFocus()
        _Model_KeyDefine_R5.resetAll()
        showCurrentKey()
        for (var n = 0; n < 4; ++n)
            ui_View.ui_12H_SetDefaultKeyMatrix(ui_View.loadDefaultKeyMatrix(n), n)
        ui_View.ui_02H_SetKeymatrix(0)
    }

    function allSave() {
        dropFocus()
        apply()
    }

    // Shown again, the page re-reads the macro names (the macro page may have renamed
    // one) so a macro record keeps pointing at its file. Hidden, it disarms its capture
    // fields, which would otherwise take keys typed on other pages.
    onVisibleChanged: showCurrentKey()

    Connections {
        target: downItem
        function onBtnTotalResetClicked() { keyPage.allReset() }
        function onBtnTotalApplyClicked() { keyPage.allSave() }
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { keyPage.dropFocus() }
    }

    ListModel { id: keyListModel }
    ListModel { id: functionModel }
    ListModel { id: mouseModel }
    ListModel { id: mediaModel }
    ListModel { id: modifierModel }
    ListModel { id: fireMouseModel }
    ListModel { id: gunLoopModel }
    ListModel { id: macroModel }

    Component.onCompleted: {
        fillModel(keyListModel, placeholderKeys)
        relabel()
    }

    Item {
        id: focusSink
    }

    // ---- layout ----
    Image {
        id: background
        source: sourceFnCommonBackground
    }

    Model_KeyDefine_R5 {
        id: _Model_KeyDefine_R5
        objectName: "_Model_KeyDefine_R5"
        x: 70
        y: 90
        keyPage: keyPage
        curKeyMatrix: _menu_matrix.defaultIndex
        // Over the controls beside it while a key name is shown.
        z: tipShown ? 3 : 0
        positionNames: keyPage.productStrings
        chosenKeyId: keyPage.chosenKeyId
        onKeyPicked: keyPage.chooseKeyId(keyId)
    }

    Image {
        x: 210
        y: 110
        width: 480
        source: sourceLine
    }

    Item {
        id: functionArea
        objectName: "functionArea"
        x: 210
        y: 135
        width: 480
        height: 120
        enabled: keyPage.chosenKeyId >= 0
        opacity: enabled ? 1.0 : 0.2

        // Reset and apply first, so open lists of the groups cover them.
        Image {
            id: btnFrame
            x: 437
            y: 84
            source: sourceFram2btn
        }

        Button_2state {
            id: btnReset
            objectName: "btnKeyReset"
            x: btnFrame.x + 4
            y: btnFrame.y + 4
            source0: sourceReset0
            source1: sourceReset1
            onClicked: keyPage.resetKey()
        }

        Button_2state {
            id: btnApply
            objectName: "btnKeyApply"
            x: btnFrame.x + 34
            y: btnFrame.y + 4
            source0: sourceApply0
            source1: sourceApply1
            onClicked: keyPage.applyClicked()
        }

        Text {
            anchors.horizontalCenter: btnReset.horizontalCenter
            anchors.bottom: btnFrame.top
            anchors.bottomMargin: 2
            visible: btnReset.mouse.containsMouse
            text: globalSetting_stringList[106]
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        Text {
            anchors.horizontalCenter: btnApply.horizontalCenter
            anchors.bottom: btnFrame.top
            anchors.bottomMargin: 2
            visible: btnApply.mouse.containsMouse
            text: globalSetting_stringList[107]
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }

        // KEYBOARD: one captured key.
        Item {
            objectName: "groupKeyboard"
            visible: _menu_function.defaultIndex === keyPage.fnKeyboard
            KeyInput_2 {
                id: _input_keyboard
                objectName: "_input_keyboard"
                x: 211
                onInputComplete: {
                    if (tmpKeycodeUSB !== 0)
                        keyPage.writeRecord(ui_View.keyRecordOf(keyPage.fnKeyboard, [tmpKeycodeUSB]))
                }
            }
        }

        // MOUSE: buttons, triple click, DPI and scroll functions.
        Item {
            objectName: "groupMouse"
            visible: _menu_function.defaultIndex === keyPage.fnMouse
            DropdownList {
                id: _menu_mouse
                objectName: "_menu_mouse"
                x: 211
                mdItems: mouseModel
                onListElementClicked: keyPage.onMouseChosen(index)
            }
        }

        // MEDIA: consumer keys.
        Item {
            objectName: "groupMedia"
            visible: _menu_function.defaultIndex === keyPage.fnMedia
            DropdownList {
                id: _menu_media
                objectName: "_menu_media"
                x: 211
                mdItems: mediaModel
                // The page area ends 239 pixels below the list's head.
                maxShown: 10
                onListElementClicked: keyPage.writeRecord(ui_View.keyRecordOf(keyPage.fnMedia, [index]))
            }
        }

        // COMBO KEY: modifier beside the first menu, the two keys in the row below.
        Item {
            objectName: "groupCombo"
            visible: _menu_function.defaultIndex === keyPage.fnCombo
            KeyInput_2 {
                id: _input_combo1
                objectName: "_input_combo1"
                x: 0
                y: 43
                onInputComplete: keyPage.writeCombo()
            }
            KeyInput_2 {
                id: _input_combo2
                objectName: "_input_combo2"
                x: 211
                y: 43
                onInputComplete: keyPage.writeCombo()
            }
            Text {
                x: 151
                width: 60
                y: 43
                height: 23
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
                text: "+"
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: globalSetting_color_enable
            }
            DropdownList {
                id: _menu_modifier
                objectName: "_menu_modifier"
                x: 211
                mdItems: modifierModel
                onListElementClicked: keyPage.writeCombo()
            }
        }

        // MACRO: the macro, how it plays, and how often.
        Item {
            objectName: "groupMacro"
            visible: _menu_function.defaultIndex === keyPage.fnMacro
            Column {
                x: 211
                y: 33
                spacing: 10
                Row {
                    spacing: 8
                    RadioButton {
                        objectName: "rbtnMacro0"
                        index: 0
                        chkStr: globalSetting_stringList[96]
                        isSelect: keyPage.rbtnCurIndex === 0
                        onClicked: { keyPage.rbtnCurIndex = index; keyPage.setMacro() }
                    }
                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        Text {
                            text: "【"
                            font.bold: true
                            font.family: globalSetting_fontFamily
                            font.pixelSize: globalSetting_size
                            color: globalSetting_color_enable
                        }
                        TextInput {
                            id: _input_repeat
                            objectName: "_input_repeat"
                            width: 40
                            horizontalAlignment: TextInput.AlignHCenter
                            text: "1"
                            maximumLength: 5
                            selectByMouse: true
                            validator: IntValidator { bottom: 0; top: 65535 }
                            font.bold: true
                            font.family: globalSetting_fontFamily
                            font.pixelSize: globalSetting_size
                            color: activeFocus ? globalSetting_color : globalSetting_color_enable
                            selectionColor: globalSetting_color
                            selectedTextColor: "black"
                            // The repeat count counts only on Enter, and only for "NORMAL PLAY".
                            function commit() {
                                text = String(keyPage.repeatCount())
                                if (keyPage.rbtnCurIndex === 0)
                                    keyPage.setMacro()
                                keyPage.dropFocus()
                            }
                            Keys.onReturnPressed: commit()
                            Keys.onEnterPressed: commit()
                            // Underline: marks the number as editable.
                            Rectangle {
                                anchors.top: parent.bottom
                                width: parent.width
                                height: 1
                                opacity: 0.6
                                color: parent.color
                            }
                        }
                        Text {
                            text: "】" + globalSetting_stringList[97]
                            font.bold: true
                            font.family: globalSetting_fontFamily
                            font.pixelSize: globalSetting_size
                            color: globalSetting_color_enable
                        }
                    }
                }
                RadioButton {
                    objectName: "rbtnMacro1"
                    index: 1
                    chkStr: globalSetting_stringList[98]
                    isSelect: keyPage.rbtnCurIndex === 1
                    onClicked: { keyPage.rbtnCurIndex = index; keyPage.setMacro() }
                }
                RadioButton {
                    objectName: "rbtnMacro2"
                    index: 2
                    chkStr: globalSetting_stringList[99]
                    isSelect: keyPage.rbtnCurIndex === 2
                    onClicked: { keyPage.rbtnCurIndex = index; keyPage.setMacro() }
                }
            }
            FileListButton {
                id: _menu_macro
                objectName: "_menu_macro"
                x: 211
                mdItems: macroModel
                onRequestToUpdateList: keyPage.refreshMacroList()
                onListElementClicked: keyPage.setMacro()
            }
        }

        // FIRE KEY: source, speed and count of the repeated clicks or key presses.
        Item {
            objectName: "groupFire"
            visible: _menu_function.defaultIndex === keyPage.fnFire
            Row {
                x: 211
                y: 4
                spacing: 15
                RadioButton {
                    objectName: "rbtnFire0"
                    index: 0
                    chkStr: globalSetting_stringList[47]
                    isSelect: keyPage.fireSourceIndex === 0
                    onClicked: keyPage.fireSourceIndex = index
                }
                RadioButton {
                    objectName: "rbtnFire1"
                    index: 1
                    chkStr: globalSetting_stringList[46]
                    isSelect: keyPage.fireSourceIndex === 1
                    onClicked: keyPage.fireSourceIndex = index
                }
            }
            Slider {
                id: _slider_fireSpeed
                objectName: "_slider_fireSpeed"
                x: 211
                y: 58
                currentIndex: -1
                onSliderClicked: keyPage.setFire()
            }
            Text {
                x: _slider_fireSpeed.x + _slider_fireSpeed.width + 8
                anchors.verticalCenter: _slider_fireSpeed.verticalCenter
                text: globalSetting_stringList[3]
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: globalSetting_color_enable
            }
            Row {
                x: 211
                y: 92
                Text {
                    objectName: "firePrefix"
                    text: globalSetting_stringList[146] + "【"
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: globalSetting_color_enable
                }
                TextInput {
                    id: _input_fireCount
                    objectName: "_input_fireCount"
                    width: 60
                    horizontalAlignment: TextInput.AlignHCenter
                    text: "10"
                    maximumLength: 3
                    selectByMouse: true
                    validator: IntValidator { bottom: 0; top: 255 }
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: activeFocus ? globalSetting_color : globalSetting_color_enable
                    selectionColor: globalSetting_color
                    selectedTextColor: "black"
                    Keys.onReturnPressed: keyPage.dropFocus()
                    Keys.onEnterPressed: keyPage.dropFocus()
                    Rectangle {
                        anchors.top: parent.bottom
                        width: parent.width
                        height: 1
                        opacity: 0.6
                        color: parent.color
                    }
                    // Enter, a press on the window background, reset and apply all end
                    // the edit by taking the focus away.
                    onActiveFocusChanged: {
                        if (!activeFocus)
                            keyPage.commitFireCount()
                    }
                }
                Text {
                    objectName: "fireSuffix"
                    text: "】" + globalSetting_stringList[147]
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: globalSetting_color_enable
                }
            }
            KeyInput_2 {
                id: _input_fire
                objectName: "_input_fire"
                x: 211
                y: 25
                visible: keyPage.fireSourceIndex === 1
                onInputComplete: keyPage.setFire()
            }
            DropdownList {
                id: _menu_fireMouse
                objectName: "_menu_fireMouse"
                x: 211
                y: 25
                visible: keyPage.fireSourceIndex === 0
                mdItems: fireMouseModel
                onListElementClicked: keyPage.setFire()
            }
        }

        // LED CONTROL: the gun-loop choices.
        Item {
            objectName: "groupLed"
            visible: _menu_function.defaultIndex === keyPage.fnLed
            DropdownList {
                id: _menu_gunLoop
                objectName: "_menu_gunLoop"
                x: 211
                mdItems: gunLoopModel
                onListElementClicked: keyPage.writeRecord(ui_View.keyRecordOf(keyPage.fnLed, [index]))
            }
        }

        DropdownList {
            id: _menu_function
            objectName: "_menu_function"
            mdItems: functionModel
            onListElementClicked: keyPage.onFunctionChosen(index)
        }
    }

    DropdownList {
        id: _menu_matrix
        objectName: "_menu_matrix"
        x: 210
        y: 65
        // Room for the longest key names ("BACKWARD BUTTON").
        width: 181
        mdItems: keyListModel
        onListElementClicked: keyPage.showCurrentKey()
    }
}
