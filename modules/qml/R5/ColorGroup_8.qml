// SPDX-License-Identifier: MIT
// Eight-colour editor shared by the colour page (lighting colours) and the sensor page
// (DPI indicator): a grid of stage cells, a colour bar and R / G / B fields.
import QtQuick 2.15
import "../common/Values.js" as Values

Item {
    id: colorGroup

    // A stage colour was changed by the user (colour bar or committed RGB entry).
    signal clicked(int index)
    // Gives (true) or drops (false) the focus of the three RGB fields.
    signal setTextInputFocus(bool isFocus)

    property alias currentIndex: grid.currentIndex
    property alias modColors: colorModel
    property int maxStage: 8
    // Eight-colour mode: each stage shows the fixed colour of its id; bar and fields hide.
    property bool isCompat8Color: false
    // Bumped on every change of the stages, for bindings that read them through functions.
    property int revision: 0
    readonly property var color8_RGB: [[255, 0, 0], [0, 255, 0], [0, 0, 255], [255, 0, 255],
                                       [0, 255, 255], [255, 255, 0], [255, 255, 255], [255, 127, 0]]

    width: base.width
    height: isCompat8Color ? base.height : colorBar.y + colorBar.height

    // ---- stage access ----
    function clampByte(v) {
        return Values.clampInt(v, 0, 255, 0)
    }

    function stageRGB(index) {
        var s = colorModel.get(index)
        return [s.clrR, s.clrG, s.clrB]
    }

    // Colour a stage is drawn in: its RGB, or in eight-colour mode the colour of its id.
    function shownRGB(index) {
        var s = colorModel.get(index)
        if (!isCompat8Color)
            return [s.clrR, s.clrG, s.clrB]
        var id = s.color8_Id
        return (id >= 0 && id < color8_RGB.length) ? color8_RGB[id] : [0, 0, 0]
    }

    // Loads a stage without telling anyone (pages filling the group from stored values).
    function setStageColor(index, r, g, b) {
        if (index < 0 || index >= 8)
            return
        colorModel.setProperty(index, "clrR", clampByte(r))
        colorModel.setProperty(index, "clrG", clampByte(g))
        colorModel.setProperty(index, "clrB", clampByte(b))
    }

    function setColor8_Id(index, id) {
        if (index < 0 || index >= 8)
            return
        var n = parseInt(id, 10)
        colorModel.setProperty(index, "color8_Id", isNaN(n) ? 0 : n)
    }

    // The 24 colour bytes, stage after stage, red, green, blue.
    function getRGB24() {
        var out = []
        for (var i = 0; i < 8; ++i) {
            var s = colorModel.get(i)
            out.push(s.clrR, s.clrG, s.clrB)
        }
        return out
    }

    function getIds8() {
        var out = []
        for (var i = 0; i < 8; ++i)
            out.push(colorModel.get(i).color8_Id)
        return out
    }

    // ---- selection ----
    function setCurIndex(index) {
        if (index < 0 || index >= 8)
            return
        grid.currentIndex = index
        var c = stageRGB(index)
        setRGB(3, c[0], c[1], c[2])
    }

    function getCurIndex() {
        return grid.currentIndex
    }

    // Keeps the fields and the current stage in step; `index` names where the colour came
    // from: 1 colour bar, 2 RGB fields, 3 stage cell, anything else an outside caller.
    function setRGB(index, r, g, b) {
        r = clampByte(r)
        g = clampByte(g)
        b = clampByte(b)
        if (index !== 2) {
            rField.text = r
            gField.text = g
            bField.text = b
        }
        if (index !== 3 && grid.currentIndex >= 0 && grid.currentIndex < 8) {
            colorModel.setProperty(grid.currentIndex, "clrR", r)
            colorModel.setProperty(grid.currentIndex, "clrG", g)
            colorModel.setProperty(grid.currentIndex, "clrB", b)
        }
        if (index === 1 || index === 2)
            clicked(grid.currentIndex)
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

    // A field lost its focus: the three texts become the current stage's colour. Only a
    // real change is reported, so dropping focus from an untouched field sends nothing.
    function commitFields() {
        if (grid.currentIndex < 0 || grid.currentIndex >= 8)
            return
        var old = stageRGB(grid.currentIndex)
        var parse = function(text, fallback) {
            var n = parseInt(text, 10)
            return isNaN(n) ? fallback : Math.max(0, Math.min(255, n))
        }
        var r = parse(rField.text, old[0])
        var g = parse(gField.text, old[1])
        var b = parse(bField.text, old[2])
        rField.text = r
        gField.text = g
        bField.text = b
        if (r !== old[0] || g !== old[1] || b !== old[2])
            setRGB(2, r, g, b)
    }

    onSetTextInputFocus: {
        if (isFocus) {
            rField.forceActiveFocus()
        } else {
            rField.focus = false
            gField.focus = false
            bField.focus = false
        }
    }

    onCurrentIndexChanged: colorBar.markerY = -1

    ListModel {
        id: colorModel
        onDataChanged: colorGroup.revision++
        ListElement { clrR: 255; clrG: 0; clrB: 0; color8_Id: 0 }
        ListElement { clrR: 0; clrG: 0; clrB: 255; color8_Id: 1 }
        ListElement { clrR: 0; clrG: 255; clrB: 0; color8_Id: 2 }
        ListElement { clrR: 255; clrG: 0; clrB: 255; color8_Id: 3 }
        ListElement { clrR: 255; clrG: 255; clrB: 0; color8_Id: 4 }
        ListElement { clrR: 0; clrG: 255; clrB: 255; color8_Id: 5 }
        ListElement { clrR: 255; clrG: 255; clrB: 255; color8_Id: 6 }
        ListElement { clrR: 0; clrG: 0; clrB: 0; color8_Id: 7 }
    }

    Image {
        id: base
        source: sourceBtnGroup_8_BASE
    }

    // Four columns, two rows of 77 x 19 cells.
    Item {
        id: grid
        objectName: "stageGrid"
        property int currentIndex: 0
        x: 3
        y: 8
        width: 4 * 77
        height: 2 * 19
        Repeater {
            model: colorModel
            Image {
                id: cell
                objectName: "stage" + index
                x: (index % 4) * 77
                y: Math.floor(index / 4) * 19
                // Past the device's stage count a cell is left empty and takes no clicks.
                visible: index < colorGroup.maxStage
                readonly property bool lit: grid.currentIndex === index || cellArea.containsMouse
                source: lit ? sourceBtnGroup2_FILLER_1 : sourceBtnGroup2_FILLER_0
                Rectangle {
                    objectName: "swatch"
                    x: 6
                    y: 6
                    width: 65
                    height: 6
                    // Read the model roles so the swatch follows every change.
                    readonly property var rgb: colorGroup.isCompat8Color
                                               ? (color8_Id >= 0 && color8_Id < 8 ? colorGroup.color8_RGB[color8_Id] : [0, 0, 0])
                                               : [clrR, clrG, clrB]
                    color: Qt.rgba(rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, 1)
                }
                MouseArea {
                    id: cellArea
                    objectName: "stageArea"
                    anchors.fill: parent
                    hoverEnabled: true
                    onClicked: colorGroup.setCurIndex(index)
                }
            }
        }
    }

    // ---- colour bar and fields (free RGB only) ----
    Image {
        id: colorBar
        objectName: "colorBar"
        x: 0
        y: grid.y + grid.height + 16
        width: 200
        fillMode: Image.Stretch
        source: sourcePalette
        visible: !colorGroup.isCompat8Color
        property real markerX: 0
        property real markerY: -1
        MouseArea {
            objectName: "colorBarArea"
            anchors.fill: parent
            onPressed: {
                var y = Math.max(0, Math.min(colorBar.height - 1, mouse.y))
                var c = colorGroup.colorAtBar(y, colorBar.height)
                colorGroup.setRGB(1, c[0], c[1], c[2])
                colorBar.markerX = Math.max(0, Math.min(colorBar.width - 1, mouse.x))
                colorBar.markerY = y
            }
        }
        Image {
            source: sourcePaletteIndex
            visible: colorBar.markerY >= 0
            x: colorBar.markerX - width / 2
            y: colorBar.markerY - height / 2
        }
    }

    component RgbField: Row {
        property alias label: labelText.text
        property alias input: field
        property string fieldName: ""
        spacing: 0
        Text {
            id: labelText
            width: 12
            anchors.verticalCenter: parent.verticalCenter
            font.bold: true
            font.family: "Arial"
            font.pixelSize: 11
            color: globalSetting_color_disable
        }
        // The face keeps its crisp border at the field's height.
        BorderImage {
            width: 39
            height: 14
            border { left: 3; top: 3; right: 3; bottom: 3 }
            source: sourceInputValue
            TextInput {
                id: field
                objectName: fieldName
                anchors.fill: parent
                horizontalAlignment: TextInput.AlignHCenter
                verticalAlignment: TextInput.AlignVCenter
                maximumLength: 3
                validator: IntValidator { bottom: 0; top: 255 }
                font.bold: true
                font.family: globalSetting_fontFamily
                font.pixelSize: 11
                color: activeFocus ? globalSetting_color : globalSetting_color_enable
                selectionColor: globalSetting_color
                selectedTextColor: "black"
                selectByMouse: true
                Keys.onReturnPressed: focus = false
                Keys.onEnterPressed: focus = false
                onActiveFocusChanged: if (!activeFocus) colorGroup.commitFields()
            }
        }
    }

    Column {
        id: rgbFields
        objectName: "rgbFields"
        x: colorBar.x + colorBar.width + 10
        y: colorBar.y
        spacing: 3
        visible: !colorGroup.isCompat8Color
        RgbField { id: rRow; label: "R "; fieldName: "rField" }
        RgbField { id: gRow; label: "G "; fieldName: "gField" }
        RgbField { id: bRow; label: "B "; fieldName: "bField" }
    }

    property alias rField: rRow.input
    property alias gField: gRow.input
    property alias bField: bRow.input

    Component.onCompleted: setCurIndex(grid.currentIndex)
}
