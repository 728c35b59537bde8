// SPDX-License-Identifier: MIT
// Macro page: the macro files (add, delete, import, export, rename) and the steps of the
// chosen macro, recorded live from captured keys or edited by hand. Every change of the
// steps is saved to the macro file at once.
import QtQuick 2.15
import R5.Tables 1.0
import "../common"
import "../common/SkinPictures.js" as SkinPictures

Item {
    id: macroPage
    width: background.width
    height: background.height

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceSlider: pictured ? SkinPictures.inherited(macroPage, "sourceSlider") : ""
    property url sourceLine: pictured ? SkinPictures.inherited(macroPage, "sourceLine") : ""
    property url sourceAdd0: pictured ? SkinPictures.inherited(macroPage, "sourceAdd0") : ""
    property url sourceAdd1: pictured ? SkinPictures.inherited(macroPage, "sourceAdd1") : ""
    property url sourceDelete0: pictured ? SkinPictures.inherited(macroPage, "sourceDelete0") : ""
    property url sourceDelete1: pictured ? SkinPictures.inherited(macroPage, "sourceDelete1") : ""
    property url sourceRecord0: pictured ? SkinPictures.inherited(macroPage, "sourceRecord0") : ""
    property url sourceRecord1: pictured ? SkinPictures.inherited(macroPage, "sourceRecord1") : ""
    property url sourceStop0: pictured ? SkinPictures.inherited(macroPage, "sourceStop0") : ""
    property url sourceStop1: pictured ? SkinPictures.inherited(macroPage, "sourceStop1") : ""
    property url sourceSolidDelete0: pictured ? SkinPictures.inherited(macroPage, "sourceSolidDelete0") : ""
    property url sourceSolidDelete1: pictured ? SkinPictures.inherited(macroPage, "sourceSolidDelete1") : ""
    property url sourceSolidCut0: pictured ? SkinPictures.inherited(macroPage, "sourceSolidCut0") : ""
    property url sourceSolidCut1: pictured ? SkinPictures.inherited(macroPage, "sourceSolidCut1") : ""
    property url sourceSolidPaste0: pictured ? SkinPictures.inherited(macroPage, "sourceSolidPaste0") : ""
    property url sourceSolidPaste1: pictured ? SkinPictures.inherited(macroPage, "sourceSolidPaste1") : ""
    property url sourceSolidCopy0: pictured ? SkinPictures.inherited(macroPage, "sourceSolidCopy0") : ""
    property url sourceSolidCopy1: pictured ? SkinPictures.inherited(macroPage, "sourceSolidCopy1") : ""
    property url sourceBtnFileListFrame: pictured ? SkinPictures.inherited(macroPage, "sourceBtnFileListFrame") : ""
    property url sourceBtnFrame: pictured ? SkinPictures.inherited(macroPage, "sourceBtnFrame") : ""
    property url sourceFnCommonBackground: pictured ? SkinPictures.inherited(macroPage, "sourceFnCommonBackground") : ""

    property bool isRecordStart: false
    // Keys are being read for the recording right now (the record strip pulses meanwhile).
    property bool recordLive: false
    // One step line held by cut or copy.
    property string scrapbook: ""
    // After copy the line can be pasted again and again; after cut only once.
    property bool isUnlimitedCopy: false
    property int delayValue: 1000

    // Step tags of the macro files, from the coder's own table.
    readonly property string cmdDown: KeyNameTable.stepDown
    readonly property string cmdUp: KeyNameTable.stepUp
    readonly property string cmdDelay: KeyNameTable.stepDelay
    readonly property int curFile: _fileList.lvItems.currentIndex
    readonly property int curAction: _actionList.lvItems.currentIndex
    readonly property bool hasFile: curFile >= 0 && curFile < fileModel.count
    // Bytes the steps take in a slot of the mouse and the slot's size, from the bridge's
    // coder; shown beside the steps so the limit is seen before the macro is bound.
    property var memoryUse: [0, 0]
    // Set while the steps are loaded one by one: counted once at the end.
    property bool loadingSteps: false

    // ---- functions used by the mouse view ----
    function initUI() {
        var keep = currentName()
        var files = ui_View.getMacroIniNames()
        fileModel.clear()
        for (var i = 0; files && i < files.length; ++i)
            fileModel.append({ textX: String(files[i]).slice(0, -4), textR: "" })
        var again = -1
        for (var j = 0; keep !== "" && j < fileModel.count; ++j) {
            if (fileModel.get(j).textX === keep)
                again = j
        }
        _fileList.setCurIndex(again)
        loadActions()
    }

    // The context menu captions follow the string table through their bindings; the mouse
    // steps ("MOUSE【 LEFT 】" …) are relabelled in place so the chosen one stays chosen.
    function translateStrings() {
        var names = [51, 52, 53, 54, 55]
        for (var i = 0; i < names.length; ++i) {
            var text = globalSetting_stringList[141] + "【 " + globalSetting_stringList[names[i]] + " 】"
            if (i < mouseStepModel.count)
                mouseStepModel.setProperty(i, "textX", text)
            else
                mouseStepModel.append({ textX: text })
        }
    }

    Component.onCompleted: translateStrings()

    function detectKeyboard(isDown, usbCode) {
        if (isRecordStart) {
            var name = _KeyCodeString.keycodeTostr(usbCode)
            if (name !== undefined && name !== null)
                actionModel.append({ textX: name, textR: isDown ? cmdDown : cmdUp })
        }
        _input_key.detectKeyboard(isDown, usbCode)
    }

    // ---- files ----
    function currentName() {
        return hasFile ? String(fileModel.get(curFile).textX) : ""
    }

    function loadActions() {
        actionModel.clear()
        var name = currentName()
        if (name === "") {
            refreshMemoryUse()
            return
        }
        var lines = ui_View.loadMacroIni(name)
        loadingSteps = true
        for (var i = 0; lines && i < lines.length; ++i) {
            var line = String(lines[i])
            actionModel.append({ textX: line.slice(0, -KeyNameTable.stepWidth), textR: line.slice(-KeyNameTable.stepWidth) })
        }
        loadingSteps = false
        refreshMemoryUse()
    }

    function refreshMemoryUse() {
        var use = ui_View.macroBytesUsed(actionLines())
        memoryUse = (use && use.length >= 2) ? [Number(use[0]), Number(use[1])] : [0, 0]
    }

    function actionLines() {
        var out = []
        for (var i = 0; i < actionModel.count; ++i)
            out.push(actionModel.get(i).textX + actionModel.get(i).textR)
        return out
    }

    // Saving rule: every change is saved at once; a list that cannot be saved is not
    // kept on screen, so the screen never shows steps the file does not hold.
    function save() {
        var ok = ui_View.saveMacroIni(currentName(), actionLines())
        if (!ok)
            actionModel.clear()
        return ok
    }

    function addFile() {
        var name = ui_View.createMacroIni()
        if (name === undefined || name === null || String(name) === "")
            return
        fileModel.append({ textX: String(name), textR: "" })
        _fileList.setCurIndex(fileModel.count - 1)
        loadActions()
    }

    function deleteFile() {
        var i = curFile
        if (i < 0 || i >= fileModel.count)
            return
        if (!ui_View.deleteMacroIni(currentName()))
            return
        fileModel.remove(i)
        // The entry that moved into the deleted one's place becomes current.
        _fileList.setCurIndex(fileModel.count > 0 ? Math.min(i, fileModel.count - 1) : -1)
        loadActions()
    }

    // Entry `index` was renamed in place from oldName to newName.
    function renameFile(index, oldName, newName) {
        ui_View.renameMacroIniFile(oldName, newName)
        // The file system may refuse the name (taken, or not a valid file name): the
        // entry then keeps the name the file still has.
        var names = ui_View.getMacroIniNames()
        var oldLeft = false
        var newThere = false
        for (var i = 0; names && i < names.length; ++i) {
            if (String(names[i]) === oldName + ".bin")
                oldLeft = true
            if (String(names[i]) === newName + ".bin")
                newThere = true
        }
        if ((oldLeft || !newThere) && index >= 0 && index < fileModel.count)
            fileModel.setProperty(index, "textX", oldName)
    }

    // ---- steps ----
    // New lines go in front of the selected step, or at the end when none is selected.
    function insertLines(lines) {
        if (!hasFile)
            return
        var at = (curAction >= 0 && curAction < actionModel.count) ? curAction : actionModel.count
        for (var i = 0; i < lines.length; ++i)
            actionModel.insert(at + i, { textX: lines[i][0], textR: lines[i][1] })
        _actionList.lvItems.forceLayout()
        save()
    }

    function insertKey(name) {
        if (name === undefined || name === null || name === "")
            return
        insertLines([[name, cmdDown], [name, cmdUp]])
    }

    function commitDelay() {
        var v = parseInt(_input_delay.text, 10)
        if (!isNaN(v))
            delayValue = Math.max(v, 10)
        _input_delay.text = String(delayValue)
    }

    function insertDelay() {
        commitDelay()
        insertLines([[String(delayValue), cmdDelay]])
    }

    function selectedLine() {
        if (curAction < 0 || curAction >= actionModel.count)
            return ""
        return actionModel.get(curAction).textX + actionModel.get(curAction).textR
    }

    function removeSelected() {
        var i = curAction
        actionModel.remove(i)
        _actionList.setCurIndex(actionModel.count > 0 ? Math.min(i, actionModel.count - 1) : -1)
    }

    function deleteAction() {
        if (curAction < 0 || curAction >= actionModel.count)
            return
        removeSelected()
        save()
    }

    function cutAction() {
        if (curAction < 0 || curAction >= actionModel.count)
            return
        scrapbook = selectedLine()
        isUnlimitedCopy = false
        removeSelected()
        save()
    }

    function copyAction() {
        if (curAction < 0 || curAction >= actionModel.count)
            return
        scrapbook = selectedLine()
        isUnlimitedCopy = true
    }

    function pasteAction() {
        if (scrapbook === "" || !hasFile)
            return
        var line = scrapbook
        if (!isUnlimitedCopy)
            scrapbook = ""
        insertLines([[line.slice(0, -KeyNameTable.stepWidth), line.slice(-KeyNameTable.stepWidth)]])
    }

    // ---- recording ----
    function startRecording() {
        actionModel.clear()
        if (currentName() !== "")
            isRecordStart = true
    }

    function stopRecording() {
        isRecordStart = false
        save()
    }

    // A recording holds a capture claim from start to stop (or until the page is destroyed).
    onIsRecordStartChanged: {
        if (isRecordStart) {
            recordLive = ui_View.claimKeyCapture(macroPage)
        } else {
            ui_View.releaseKeyCapture(macroPage)
            recordLive = false
        }
    }

    // Leaving the page ends a recording, so keys typed elsewhere do not end up in it;
    // so does opening the settings drawer over it.
    onVisibleChanged: {
        if (!visible && isRecordStart)
            stopRecording()
        if (!visible)
            closeMenu()
    }
    onEnabledChanged: {
        if (!enabled && isRecordStart)
            stopRecording()
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { macroPage.closeMenu() }
    }

    // ---- context menu of a macro file ----
    function openMenu(index) {
        if (closeAnim.running)
            closeAnim.complete()
        contextMenu.menuIndex = index
        contextMenu.x = 119 - 45
        contextMenu.y = index * 20 - _fileList.lvItems.contentY + 40
        contextMenu.visible = true
        openAnim.restart()
    }

    function closeMenu() {
        if (openAnim.running)
            openAnim.complete()
        if (contextMenu.visible && !closeAnim.running)
            closeAnim.start()
    }

    function choose(action) {
        var i = contextMenu.menuIndex
        closeMenu()
        if (i < 0 || i >= fileModel.count)
            return
        var name = String(fileModel.get(i).textX)
        if (action === "load") {
            ui_View.loadMacroIniFromFile(name)
            if (i === curFile)
                loadActions()
        } else if (action === "save") {
            ui_View.saveMacroIniToFile(name)
        } else if (action === "rename") {
            _fileList.editFileName(i)
        }
    }

    ListModel { id: fileModel }
    ListModel { id: actionModel }
    ListModel { id: mouseStepModel }

    // Any change of the steps (load, record, insert, cut, paste) changes the memory use.
    Connections {
        target: actionModel
        function onCountChanged() { if (!macroPage.loadingSteps) macroPage.refreshMemoryUse() }
        function onDataChanged() { if (!macroPage.loadingSteps) macroPage.refreshMemoryUse() }
    }

    // ---- layout ----
    Image {
        id: background
        source: sourceFnCommonBackground
    }

    // Macro files
    Image {
        x: 118
        y: 52
        source: sourceBtnFileListFrame
    }

    Rectangle {
        x: 119
        y: 55
        width: 141
        height: 21
        color: "#80000000"

        Text {
            width: btnAdd.x
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: globalSetting_stringList[44]
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color_enable
        }
        Button_2state {
            id: btnAdd
            objectName: "btnMacroAdd"
            x: btnDelete.x - width + 1
            source0: sourceAdd0
            source1: sourceAdd1
            enabled: !macroPage.isRecordStart
            onClicked: macroPage.addFile()
        }
        Button_2state {
            id: btnDelete
            objectName: "btnMacroDelete"
            x: parent.width - width
            source0: sourceDelete0
            source1: sourceDelete1
            enabled: macroPage.hasFile && !macroPage.isRecordStart
            onClicked: macroPage.deleteFile()
        }
    }

    FileList {
        id: _fileList
        objectName: "_fileList"
        x: 119
        y: 77
        width: 141
        height: 198
        color: "#80000000"
        mdItems: fileModel
        enabled: !macroPage.isRecordStart
        onListElementClicked: {
            macroPage.closeMenu()
            macroPage.loadActions()
        }
        onListElementRightBtnClicked: macroPage.openMenu(index)
        // The entry being edited is still marked while the signal runs.
        onEditFileName_completed: macroPage.renameFile(editingIndex, oldName, newName)
    }

    // Steps
    Image {
        x: 467
        y: 52
        source: sourceBtnFileListFrame
    }

    Rectangle {
        x: 468
        y: 55
        width: 141
        height: 21
        color: "#80000000"

        Text {
            width: btnRecord.x
            height: parent.height
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            text: globalSetting_stringList[45]
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: macroPage.isRecordStart ? globalSetting_color : globalSetting_color_enable
        }
        Button_2state {
            id: btnRecord
            objectName: "btnRecord"
            x: btnStop.x - width + 1
            source0: sourceRecord0
            source1: sourceRecord1
            enabled: macroPage.hasFile && !macroPage.isRecordStart
            onClicked: macroPage.startRecording()
        }
        Button_2state {
            id: btnStop
            objectName: "btnStop"
            x: parent.width - width
            source0: sourceStop0
            source1: sourceStop1
            enabled: macroPage.isRecordStart
            onClicked: macroPage.stopRecording()
        }

        // While keys are read for the recording the strip's frame pulses in the highlight colour.
        Rectangle {
            id: recordPulse
            objectName: "recordPulse"
            anchors.fill: parent
            color: "transparent"
            border.width: 1
            border.color: globalSetting_color
            visible: macroPage.recordLive
            SequentialAnimation on opacity {
                running: recordPulse.visible
                loops: Animation.Infinite
                NumberAnimation { from: 1.0; to: 0.15; duration: 600; easing.type: Easing.InOutSine }
                NumberAnimation { from: 0.15; to: 1.0; duration: 600; easing.type: Easing.InOutSine }
            }
        }
    }

    FileList {
        id: _actionList
        objectName: "_actionList"
        x: 468
        y: 77
        width: 141
        height: 198
        color: "#80000000"
        mdItems: actionModel
    }

    Text {
        id: memoryText
        objectName: "macroMemory"
        x: 468
        y: _actionList.y + _actionList.height + 4
        width: 141
        horizontalAlignment: Text.AlignRight
        visible: macroPage.hasFile && macroPage.memoryUse[1] > 0
        text: String(globalSetting_stringList[159] === undefined ? "" : globalSetting_stringList[159])
              .replace("%1", macroPage.memoryUse[0]).replace("%2", macroPage.memoryUse[1])
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        // Over the limit the steps at the end are cut when the macro is bound.
        color: macroPage.memoryUse[0] > macroPage.memoryUse[1] ? globalSetting_color : globalSetting_color_enable
    }

    // Edit tools: delete, cut, paste, copy
    Rectangle {
        id: editTools
        x: 446
        y: 77
        width: 21
        height: 87
        color: "#80000000"

        Repeater {
            model: [
                { name: "btnActionDelete", str: 80, img0: sourceSolidDelete0, img1: sourceSolidDelete1 },
                { name: "btnActionCut", str: 81, img0: sourceSolidCut0, img1: sourceSolidCut1 },
                { name: "btnActionPaste", str: 82, img0: sourceSolidPaste0, img1: sourceSolidPaste1 },
                { name: "btnActionCopy", str: 83, img0: sourceSolidCopy0, img1: sourceSolidCopy1 }
            ]
            Item {
                y: index * 22
                width: 21
                height: 21
                Button_2state {
                    id: tool
                    objectName: modelData.name
                    source0: modelData.img0
                    source1: modelData.img1
                    enabled: index === 2 ? (macroPage.scrapbook !== "" && macroPage.hasFile)
                                         : (macroPage.curAction >= 0 && macroPage.curAction < actionModel.count)
                    onClicked: {
                        if (index === 0)
                            macroPage.deleteAction()
                        else if (index === 1)
                            macroPage.cutAction()
                        else if (index === 2)
                            macroPage.pasteAction()
                        else
                            macroPage.copyAction()
                    }
                }
                Image {
                    source: sourceBtnFrame
                }
                Text {
                    anchors.right: parent.left
                    anchors.rightMargin: 10
                    anchors.verticalCenter: parent.verticalCenter
                    visible: tool.mouse.containsMouse && tool.enabled
                    text: globalSetting_stringList[modelData.str]
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: globalSetting_color
                }
            }
        }
    }

    // Step editor: key, mouse button, delay
    KeyInput_2 {
        id: _input_key
        objectName: "_input_key"
        x: 290
        y: 205 + 23 - 1
    }

    Button_2state {
        objectName: "btnAddKey"
        x: _input_key.x + _input_key.width + 5
        y: _input_key.y + 1
        source0: sourceAdd0
        source1: sourceAdd1
        enabled: macroPage.hasFile && _input_key.tmpKeycodeUSB !== 0
        onClicked: macroPage.insertKey(_KeyCodeString.keycodeTostr(_input_key.tmpKeycodeUSB))
    }

    Rectangle {
        id: delayField
        x: 290
        y: _input_key.y + _input_key.height - 1
        width: 151
        height: 23
        color: "black"

        Image {
            source: sourceSlider
        }
        MouseArea {
            anchors.fill: parent
            onClicked: _input_delay.forceActiveFocus()
        }
        Row {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            Text {
                objectName: "delayPrefix"
                text: globalSetting_stringList[144] + "【 "
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: globalSetting_color_enable
            }
            TextInput {
                id: _input_delay
                objectName: "_input_delay"
                width: 50
                horizontalAlignment: TextInput.AlignHCenter
                text: "1000"
                maximumLength: 5
                selectByMouse: true
                validator: IntValidator { bottom: 0; top: 65535 }
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: activeFocus ? globalSetting_color : globalSetting_color_enable
                selectionColor: globalSetting_color
                selectedTextColor: "black"
                Keys.onReturnPressed: macroPage.commitDelay()
                Keys.onEnterPressed: macroPage.commitDelay()
            }
            Text {
                objectName: "delaySuffix"
                text: " 】" + globalSetting_stringList[145]
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: globalSetting_size
                color: globalSetting_color_enable
            }
        }
    }

    Button_2state {
        objectName: "btnAddDelay"
        x: delayField.x + delayField.width + 5
        y: delayField.y + 1
        source0: sourceAdd0
        source1: sourceAdd1
        enabled: macroPage.hasFile
        onClicked: macroPage.insertDelay()
    }

    Button_2state {
        objectName: "btnAddMouse"
        x: _menu_mouse.x + _menu_mouse.width + 5
        y: _menu_mouse.y + 1
        source0: sourceAdd0
        source1: sourceAdd1
        enabled: macroPage.hasFile && _menu_mouse.defaultIndex >= 0
        onClicked: macroPage.insertKey(_KeyCodeString.mousecodeTostr(0xF0 + _menu_mouse.defaultIndex))
    }

    DropdownList {
        id: _menu_mouse
        objectName: "_menu_mouseStep"
        x: 290
        y: 205
        defaultIndex: 0
        mdItems: mouseStepModel
    }

    // Context menu: "LOAD", "SAVE", "RENAME", "CANCEL".
    Column {
        id: contextMenu
        objectName: "macroMenu"
        property int menuIndex: -1
        z: 2
        visible: false
        opacity: 0
        enabled: !closeAnim.running

        Repeater {
            model: [ { str: 84, action: "load" }, { str: 85, action: "save" },
                     { str: 112, action: "rename" }, { str: 78, action: "cancel" } ]
            Rectangle {
                objectName: "macroMenu_" + modelData.action
                width: 45
                height: 20
                color: "#20000000"
                Text {
                    anchors.centerIn: parent
                    text: globalSetting_stringList[modelData.str]
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: itemArea.containsMouse ? globalSetting_color : globalSetting_color_enable
                }
                MouseArea {
                    id: itemArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: macroPage.choose(modelData.action)
                }
            }
        }
    }

    NumberAnimation {
        id: openAnim
        target: contextMenu
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: animation_speed * 1.5
    }

    NumberAnimation {
        id: closeAnim
        target: contextMenu
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: animation_speed
        onStopped: contextMenu.visible = false
    }
}
