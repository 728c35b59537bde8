// SPDX-License-Identifier: MIT
// Key capture field: a click arms it, the next key event (press or release) is taken
// and named from the key-name table. It reads keys only while armed, shown and usable:
// hidden or disabled it disarms, and capture runs only while some field (or a macro
// recording) claims it.
import QtQuick 2.15

Rectangle {
    id: keyInput
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: caption.text
    signal inputComplete(int usbCode)

    width: 151
    height: 23
    color: "black"
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    // Armed, shown and usable: the only state in which keys are taken.
    readonly property bool capturing: isSelect && visible && enabled
    // Keys are being read for this field right now (the field pulses meanwhile).
    property bool captureLive: false

    onCapturingChanged: {
        if (capturing) {
            captureLive = ui_View.claimKeyCapture(keyInput)
        } else {
            ui_View.releaseKeyCapture(keyInput)
            captureLive = false
        }
    }
    // A field the user cannot see or use must not stay armed (settings drawer, another page).
    onVisibleChanged: if (!visible) isSelect = false
    onEnabledChanged: if (!enabled) isSelect = false
    // A field destroyed while armed needs no call here: its claim ends with the object.

    // Called by the owning page with every relayed key event.
    function detectKeyboard(isDown, usbCode) {
        if (!capturing)
            return
        setKeycodeUSB(usbCode)
        inputComplete(usbCode)
    }

    // Disarms; a negative code or a code without a name clears the field.
    function setKeycodeUSB(keycode) {
        isSelect = false
        var name = keycode < 0 ? undefined : _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined || name === null) {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = keycode
            tmpKeyString = name
        }
    }

    Image {
        source: sourceSlider
    }

    // While keys are read the field's frame pulses in the highlight colour.
    Rectangle {
        id: pulse
        objectName: "capturePulse"
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: globalSetting_color
        visible: keyInput.captureLive
        opacity: 1.0
        SequentialAnimation on opacity {
            running: pulse.visible
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.15; duration: 600; easing.type: Easing.InOutSine }
            NumberAnimation { from: 0.15; to: 1.0; duration: 600; easing.type: Easing.InOutSine }
        }
    }

    Text {
        id: caption
        objectName: "caption"
        x: 10
        anchors.verticalCenter: parent.verticalCenter
        // "KEY【 PRESS ANY 】" / "KEY 【 A 】", the words from the string table.
        text: keyInput.tmpKeycodeUSB === 0
              ? globalSetting_stringList[142] + "【 " + globalSetting_stringList[143] + " 】"
              : globalSetting_stringList[142] + " 【 " + keyInput.tmpKeyString + " 】"
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: (keyInput.isSelect || area.containsMouse) ? globalSetting_color : globalSetting_color_enable
    }

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            keyInput.tmpKeycodeUSB = 0
            keyInput.tmpKeyString = ""
            keyInput.isSelect = !keyInput.isSelect
        }
    }
}
