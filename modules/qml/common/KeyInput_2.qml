// SPDX-License-Identifier: MIT
// Key capture field: a click arms it, the next key event (press or release) is taken
// and named from the key-name table.
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

    // Called by the owning page with every relayed key event.
    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
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
