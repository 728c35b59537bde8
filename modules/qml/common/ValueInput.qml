// SPDX-License-Identifier: MIT
// Small numeric field on the slider base picture. It commits once, when it loses focus
// (Enter drops the focus): an empty text becomes "1", the value is kept within range.
import QtQuick 2.15

Image {
    id: valueInput
    property alias inputValue: input.text
    property alias textFocus: input.focus
    property alias echoMode: input.echoMode
    property int maxValue: 255
    property int minValue: 0
    signal valueChange(string value)

    source: sourceSlider
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    // Normalises the text and reports it; runs whenever the field loses focus.
    function commit() {
        if (input.text === "")
            input.text = "1"
        var v = parseInt(input.text, 10)
        if (isNaN(v))
            v = valueInput.minValue
        // The validator lets intermediate values (like "0" for 10..100) through.
        v = Math.max(valueInput.minValue, Math.min(valueInput.maxValue, v))
        if (String(v) !== input.text)
            input.text = String(v)
        valueInput.valueChange(input.text)
    }

    MouseArea {
        anchors.fill: parent
        onClicked: input.forceActiveFocus()
    }

    TextInput {
        id: input
        objectName: "input"
        anchors.verticalCenter: parent.verticalCenter
        x: 5
        width: parent.width - 10
        horizontalAlignment: TextInput.AlignHCenter
        text: "1"
        maximumLength: 3
        selectByMouse: true
        validator: IntValidator { bottom: valueInput.minValue; top: valueInput.maxValue }
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: activeFocus ? globalSetting_color : globalSetting_color_enable
        selectionColor: globalSetting_color
        selectedTextColor: "black"
        Keys.onReturnPressed: input.focus = false
        Keys.onEnterPressed: input.focus = false
        onActiveFocusChanged: {
            if (!activeFocus)
                valueInput.commit()
        }
    }

    // A press on the window background ends the edit (and so commits it).
    Connections {
        target: typeof mainIten === "undefined" ? null : mainIten
        ignoreUnknownSignals: true
        function onEmptyAreaPressed() { input.focus = false }
    }

    Component.onCompleted: input.forceActiveFocus()
}
