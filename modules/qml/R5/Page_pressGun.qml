// SPDX-License-Identifier: MIT
// Press-gun page: recoil presets for three games of twelve guns each, and the game, gun,
// fire time and fire period of three fire keys. Apply stores them and sends the chosen gun.
import QtQuick 2.15
import "../common"
import "../common/SkinPictures.js" as SkinPictures
import "../common/Values.js" as Values

Item {
    id: pagePressGun
    width: 730
    height: 310

    // ---- pictures, read when the page is first shown ----
    // These stand in for the root's skin pictures within this page and its controls
    // (names are looked up here first), so a page not yet shown decodes none of them.
    property bool shownOnce: false
    readonly property bool pictured: visible || shownOnce
    onPicturedChanged: shownOnce = true
    property url sourceSlider: pictured ? SkinPictures.inherited(pagePressGun, "sourceSlider") : ""
    property url sourceLine: pictured ? SkinPictures.inherited(pagePressGun, "sourceLine") : ""
    property url sourceCHK0: pictured ? SkinPictures.inherited(pagePressGun, "sourceCHK0") : ""
    property url sourceCHK1: pictured ? SkinPictures.inherited(pagePressGun, "sourceCHK1") : ""
    property url sourceFram2btn: pictured ? SkinPictures.inherited(pagePressGun, "sourceFram2btn") : ""
    property url sourceFnCommonBackground: pictured ? SkinPictures.inherited(pagePressGun, "sourceFnCommonBackground") : ""
    property url sourcegunlist: pictured ? SkinPictures.inherited(pagePressGun, "sourcegunlist") : ""
    property url sourceApply_gun0: pictured ? SkinPictures.inherited(pagePressGun, "sourceApply_gun0") : ""
    property url sourceApply_gun1: pictured ? SkinPictures.inherited(pagePressGun, "sourceApply_gun1") : ""
    property url sourcegunFrame: pictured ? SkinPictures.inherited(pagePressGun, "sourcegunFrame") : ""
    property url sourcegunFrame_S: pictured ? SkinPictures.inherited(pagePressGun, "sourcegunFrame_S") : ""

    // The key page sends the whole key matrix again (fire-key entries live in it).
    signal resetKeyMatrix()

    readonly property int gameNo: gameList.defaultIndex
    property int gunNo: 0
    property int selectIndex: 0
    // 0 "Default Value 1" (the built-in Y of the gun), 1 "User Value" (the Y field).
    readonly property int valueSource: sourceList.defaultIndex
    readonly property var lsMD: gunModels[gameNo >= 0 && gameNo < 3 ? gameNo : 0]
    readonly property var gunModels: [guns0, guns1, guns2]
    // Edits reach the gun records only once the page holds its data.
    property bool ready: false

    // Y used instead of the entered one with "Default Value 1", by game and gun.
    readonly property var systemY: [[27, 18, 30, 28, 30, 28, 22, 30, 25, 40, 5, 5],
                                    [5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5],
                                    [5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5]]
    readonly property var builtinNames: ["VECTOR", "MICRO", "TMX", "UNP9", "AKM", "M16A4", "Mini14", "SCAR-L",
                                         "", "", "", ""]
    // Stored field order of one record (seven values per gun).
    readonly property var fields: ["textX", "index", "xOffset", "yOffset", "times", "isEnable", "cursorBack"]

    // ---- pure helpers ----
    // With cursor return on, times is limited so that times x Y stays within 127.
    function timesLimit(y) {
        y = Values.toInt(y, 0)
        return y > 0 ? Math.floor(127 / y) : 127
    }

    function gunPicture(game, gun) {
        return pictured ? "file:modules/img/skin" + skin_No + "/gun/" + game + "/" + gun + ".png" : ""
    }

    function builtinRecord(game, i) {
        return {
            "textX": game === 0 ? builtinNames[i] : "",
            "index": i < 3 ? i : 3,
            "xOffset": 0,
            "yOffset": i < 3 ? 5 + i : 7,
            "times": 1,
            "isEnable": 1,
            "cursorBack": 1
        }
    }

    // Record i from the stored values 7i ... 7i + 6; what is missing or unreadable keeps
    // the built-in value.
    function recordFrom(values, game, i) {
        var rec = builtinRecord(game, i)
        if (!values || values.length < 7 * i + 7)
            return rec
        rec.textX = values[7 * i] === undefined || values[7 * i] === null ? "" : String(values[7 * i])
        for (var f = 1; f < 7; ++f)
            rec[fields[f]] = Values.toInt(values[7 * i + f], rec[fields[f]])
        return rec
    }

    function gunValues(model) {
        var out = []
        for (var i = 0; i < model.count; ++i) {
            var r = model.get(i)
            out.push(r.textX, r.index, r.xOffset, r.yOffset, r.times, r.isEnable, r.cursorBack)
        }
        return out
    }

    function caption(n, fallback) {
        var s = globalSetting_stringList[n]
        return (s === undefined || s === null || s === "") ? fallback : s
    }

    // ---- page state ----
    function currentRecord() {
        return lsMD.get(gunNo)
    }

    function setRecord(field, value) {
        if (gunNo >= 0 && gunNo < lsMD.count)
            lsMD.setProperty(gunNo, field, value)
    }

    function update() {
        if (gunNo < 0 || gunNo >= lsMD.count)
            gunNo = 0
        var rec = currentRecord()
        xInput.inputValue = rec.xOffset
        yInput.inputValue = rec.yOffset
        timesInput.inputValue = rec.times
        nameInput.text = rec.textX
        switchCheck.isSelect = rec.isEnable !== 0
        cursorCheck.isSelect = rec.cursorBack !== 0
    }

    // Cuts the current gun's times to what its Y allows while cursor return is on.
    function cutTimes() {
        var rec = currentRecord()
        if (rec.cursorBack === 0)
            return
        var limit = timesLimit(rec.yOffset)
        if (rec.times > limit) {
            setRecord("times", limit)
            timesInput.inputValue = limit
        }
    }

    function loadSlot(i) {
        selectIndex = i
        var list = ui_View.getSelGundata(i)
        if (list && list.length >= 4) {
            var game = Values.toInt(list[0], 0)
            var gun = Values.toInt(list[1], 0)
            gameList.setCurIndex(game >= 0 && game < 3 ? game : 0)
            gunNo = gun >= 0 && gun < 12 ? gun : 0
            fireTimeInput.inputValue = Values.clampInt(list[2], 0, 255, 0)
            firePeriodInput.inputValue = Values.clampInt(list[3], 10, 100, 10)
        }
        update()
    }

    function dropFocus() {
        nameInput.focus = false
        xInput.textFocus = false
        yInput.textFocus = false
        timesInput.textFocus = false
        fireTimeInput.textFocus = false
        firePeriodInput.textFocus = false
    }

    // ---- functions used by the mouse view ----
    function initUI() {
        ready = false
        for (var game = 0; game < 3; ++game) {
            var values = ui_View.getGundata(game)
            var model = gunModels[game]
            for (var i = 0; i < 12; ++i)
                model.set(i, recordFrom(values, game, i))
        }
        update()
        loadSlot(0)
        dropFocus()
        ready = true
    }

    function translateStrings() {
        var games = [129, 130, 131]
        var fallback = ["绝地求生", "CS", "CF"]
        for (var i = 0; i < 3; ++i)
            gameModel.setProperty(i, "textX", caption(games[i], fallback[i]))
        sourceModel.setProperty(0, "textX", caption(135, "Default Value 1"))
        sourceModel.setProperty(1, "textX", caption(137, "User Value"))
    }

    function pageApply() {
        dropFocus()
        for (var game = 0; game < 3; ++game)
            ui_View.saveGundata(game, gunValues(gunModels[game]))
        var fireTime = Values.toInt(fireTimeInput.inputValue, 0)
        var firePeriod = Values.toInt(firePeriodInput.inputValue, 10)
        ui_View.saveSelGundata(selectIndex, [gameNo, gunNo, fireTime, firePeriod])
        resetKeyMatrix()
        var game0 = gameNo >= 0 && gameNo < 3 ? gameNo : 0
        var y = valueSource === 0 ? systemY[game0][gunNo] : Values.toInt(yInput.inputValue, 0)
        var rec = currentRecord()
        ui_View.r5_0CH_SetPressGun(Values.toInt(xInput.inputValue, 0), y, Values.toInt(timesInput.inputValue, 1),
                                   rec.isEnable, rec.cursorBack, selectIndex)
    }

    Component.onCompleted: {
        for (var game = 0; game < 3; ++game)
            for (var i = 0; i < 12; ++i)
                gunModels[game].append(builtinRecord(game, i))
        translateStrings()
        update()
    }

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { pagePressGun.dropFocus() }
    }

    ListModel { id: guns0 }
    ListModel { id: guns1 }
    ListModel { id: guns2 }
    ListModel {
        id: gameModel
        ListElement { textX: "绝地求生" }
        ListElement { textX: "CS" }
        ListElement { textX: "CF" }
    }
    ListModel {
        id: sourceModel
        ListElement { textX: "Default Value 1" }
        ListElement { textX: "User Value" }
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

    // ---- gun picture, grid button and name ----
    Item {
        id: gunView
        objectName: "gunView"
        x: 0
        y: 70
        width: 300
        height: 180

        Image {
            objectName: "gunPicture"
            anchors.fill: parent
            opacity: 0.5
            source: pagePressGun.gunPicture(pagePressGun.gameNo >= 0 && pagePressGun.gameNo < 3 ? pagePressGun.gameNo : 0,
                                            pagePressGun.gunNo)
        }
        MouseArea {
            id: gunViewArea
            anchors.fill: parent
            hoverEnabled: true
        }
        Button_2state {
            id: btnGunList
            objectName: "btnGunList"
            anchors.centerIn: parent
            source0: sourcegunlist
            source1: sourcegunlist
            visible: gunViewArea.containsMouse || mouse.containsMouse || gunGrid.visible
            onClicked: gunGrid.visible = !gunGrid.visible
        }
    }

    Text {
        objectName: "namePlaceholder"
        anchors.centerIn: nameInput
        text: "Type name"
        visible: nameInput.text === "" && !nameInput.activeFocus
        font.bold: true
        font.family: "Arial"
        font.pixelSize: globalSetting_size
        color: "#777777"
    }
    TextInput {
        id: nameInput
        objectName: "nameInput"
        x: 0
        y: gunView.y + gunView.height - 20
        width: 300
        height: 20
        horizontalAlignment: TextInput.AlignHCenter
        verticalAlignment: TextInput.AlignVCenter
        maximumLength: 24
        selectByMouse: true
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size + 2
        color: activeFocus ? globalSetting_color : globalSetting_color_enable
        selectionColor: globalSetting_color
        selectedTextColor: "black"
        Keys.onReturnPressed: focus = false
        Keys.onEnterPressed: focus = false
        onEditingFinished: if (pagePressGun.ready) pagePressGun.setRecord("textX", text)
    }

    // ---- fire-key tabs and the value source ----
    Image {
        id: separator
        x: 300
        y: 80
        width: 390
        source: sourceLine
        fillMode: Image.Stretch
    }
    Image {
        id: tabFrame
        objectName: "tabFrame"
        x: 300
        y: separator.y - 9 - height
        source: pagePressGun.pictured ? "file:modules/img/skin" + skin_No + "/gun/frame.png" : ""
        Repeater {
            model: 3
            Image {
                id: tab
                objectName: "fireKeyTab" + index
                x: [4, 37, 70][index]
                y: 3
                source: !pagePressGun.pictured ? ""
                        : "file:modules/img/skin" + skin_No + "/gun/"
                          + (pagePressGun.selectIndex === index ? "fireKey_H.png" : "fireKey.png")
                Text {
                    anchors.centerIn: parent
                    text: index + 1
                    font.bold: true
                    font.family: globalSetting_fontFamily
                    font.pixelSize: globalSetting_size
                    color: (pagePressGun.selectIndex === index || tabArea.containsMouse) ? globalSetting_color
                                                                                        : globalSetting_color_enable
                }
                MouseArea {
                    id: tabArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        ui_View.playMedia_Index(0x04)
                        pagePressGun.dropFocus()
                        pagePressGun.loadSlot(index)
                    }
                }
            }
        }
    }

    // ---- values of the gun ----
    Caption {
        x: 303
        y: 100
        text: pagePressGun.caption(127, "GAME")
    }

    Caption {
        x: 303
        y: 150
        text: globalSetting_stringList[121]
    }
    ValueInput {
        id: yInput
        objectName: "yInput"
        x: 300
        y: 168
        minValue: 0
        maxValue: 127
        echoMode: pagePressGun.valueSource === 1 ? TextInput.Normal : TextInput.Password
        onValueChange: {
            if (!pagePressGun.ready)
                return
            pagePressGun.setRecord("yOffset", Values.toInt(value, 1))
            pagePressGun.cutTimes()
        }
    }

    Caption {
        x: 303
        y: 200
        text: globalSetting_stringList[122]
    }
    ValueInput {
        id: timesInput
        objectName: "timesInput"
        x: 300
        y: 218
        minValue: 0
        maxValue: 127
        enabled: pagePressGun.valueSource === 1
        onValueChange: {
            if (!pagePressGun.ready)
                return
            pagePressGun.setRecord("times", Values.toInt(value, 1))
            pagePressGun.cutTimes()
        }
    }
    Caption {
        objectName: "rangeText"
        anchors.left: timesInput.right
        anchors.leftMargin: 8
        anchors.verticalCenter: timesInput.verticalCenter
        visible: cursorCheck.isSelect
        text: "(0 - " + pagePressGun.timesLimit(yInput.inputValue) + " )"
    }

    // Kept, loaded and sent, but not offered on this model.
    ValueInput {
        id: xInput
        objectName: "xInput"
        visible: false
        minValue: 0
        maxValue: 127
        onValueChange: if (pagePressGun.ready) pagePressGun.setRecord("xOffset", Values.toInt(value, 0))
    }
    Checkbox {
        id: switchCheck
        objectName: "switchCheck"
        visible: false
        chkStr: globalSetting_stringList[123]
        onClicked: if (pagePressGun.ready) pagePressGun.setRecord("isEnable", select ? 1 : 0)
    }
    Checkbox {
        id: cursorCheck
        objectName: "cursorCheck"
        visible: false
        chkStr: globalSetting_stringList[124]
        onClicked: {
            if (!pagePressGun.ready)
                return
            pagePressGun.setRecord("cursorBack", select ? 1 : 0)
            pagePressGun.cutTimes()
        }
    }

    // ---- fire time and period of the fire key ----
    Caption {
        x: 542
        y: 100
        text: pagePressGun.caption(138, "FIRE TIME") + " ( 0-255 )"
    }
    ValueInput {
        id: fireTimeInput
        objectName: "fireTimeInput"
        x: 539
        y: 118
        minValue: 0
        maxValue: 255
        inputValue: "60"
    }
    Caption {
        x: 542
        y: 150
        text: pagePressGun.caption(139, "FIRE PERIOD") + " ( 10-100 )"
    }
    ValueInput {
        id: firePeriodInput
        objectName: "firePeriodInput"
        x: 539
        y: 168
        minValue: 10
        maxValue: 100
        inputValue: "20"
    }

    Image {
        id: applyFrame
        x: 539
        y: timesInput.y + timesInput.height - height
        source: sourceFram2btn
        Button_2state {
            id: btnApply
            objectName: "btnApply"
            x: 4
            y: 4
            source0: sourceApply_gun0
            source1: sourceApply_gun1
            onClicked: {
                mainIten.setProtectUI(800)
                pagePressGun.pageApply()
            }
        }
    }
    Caption {
        anchors.bottom: applyFrame.top
        anchors.bottomMargin: 2
        anchors.horizontalCenter: applyFrame.horizontalCenter
        visible: btnApply.mouse.containsMouse
        text: globalSetting_stringList[107]
        color: globalSetting_color
    }

    // ---- drop-down lists, then the gun grid over everything ----
    DropdownList {
        id: gameList
        objectName: "gameList"
        x: 300
        y: 118
        mdItems: gameModel
        defaultIndex: 0
        // A pending entry belongs to the gun shown before the game changes.
        onListOpened: pagePressGun.dropFocus()
        onListElementClicked: pagePressGun.update()
    }

    DropdownList {
        id: sourceList
        objectName: "sourceList"
        x: separator.x + separator.width - width
        y: tabFrame.y + (tabFrame.height - height) / 2
        mdItems: sourceModel
        defaultIndex: 0
    }

    Grid {
        id: gunGrid
        objectName: "gunGrid"
        x: 300
        y: 48
        z: 10
        columns: 4
        spacing: 0
        visible: false
        // The twelve gun pictures are read when the grid first opens; the cells' frames
        // come with the page, so the cells have their size and place before that.
        property bool shownOnce: false
        onVisibleChanged: if (visible) shownOnce = true
        Repeater {
            model: 12
            Image {
                id: gunCell
                objectName: "gunCell" + index
                readonly property bool lit: pagePressGun.gunNo === index || gunCellArea.containsMouse
                source: lit ? sourcegunFrame_S : sourcegunFrame
                Image {
                    x: 5
                    y: 4
                    width: 95
                    height: 57
                    source: !gunGrid.shownOnce ? "" : pagePressGun.gunPicture(pagePressGun.gameNo >= 0 && pagePressGun.gameNo < 3 ? pagePressGun.gameNo : 0,
                                                    index)
                }
                MouseArea {
                    id: gunCellArea
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: {
                        ui_View.playMedia_Index(0x04)
                        pagePressGun.dropFocus()
                        pagePressGun.gunNo = index
                        gunGrid.visible = false
                        pagePressGun.update()
                    }
                }
            }
        }
    }
}
