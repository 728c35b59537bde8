// SPDX-License-Identifier: MIT
// The key page's mouse picture: the chosen key position lit, each position the mouse has
// clickable to choose it, and its name shown while the pointer rests on it. Positions
// without a name do not exist on this model and take no part.
import QtQuick 2.15
import "KeyPositionAreas.js" as Areas

Item {
    id: picture
    // The picture's own size: the areas of KeyPositionAreas.js are in its pixels.
    width: 102
    height: 191

    // Names of the sixteen key positions in the current language ("" where none).
    property var names: []
    property int chosenKeyId: -1
    // How long the pointer rests on a position before its name shows.
    property int tipDelay: 500
    readonly property int hoveredKeyId: area.containsMouse ? keyIdAt(area.mouseX, area.mouseY) : -1
    readonly property bool tipShown: tip.visible
    signal keyClicked(int keyId)

    function nameOf(id) {
        if (!names || id < 0 || id >= 16 || id >= names.length)
            return ""
        var n = names[id]
        return (n === undefined || n === null) ? "" : String(n)
    }

    // The named position under picture pixel (x, y), or -1.
    function keyIdAt(x, y) {
        var id = Areas.keyAt(x, y)
        return nameOf(id) !== "" ? id : -1
    }

    function lit(id) {
        return nameOf(id) !== "" && Areas.hasArea(id)
    }

    function litSource(id) {
        return "file:modules/img/skin" + skin_No + "/model_ms/keyLit" + (id < 10 ? "0" + id : String(id)) + ".png"
    }

    Image {
        id: base
        objectName: "modelKeyDefinePicture"
        source: sourceModel_R5_KeyDefine
    }

    // The position under the pointer, lit faintly so the picture reads as clickable.
    Image {
        objectName: "hoverLight"
        readonly property int keyId: picture.hoveredKeyId
        visible: keyId >= 0 && keyId !== picture.chosenKeyId && picture.lit(keyId)
        source: visible ? picture.litSource(keyId) : ""
        opacity: 0.45
    }

    Image {
        objectName: "chosenLight"
        readonly property int keyId: picture.chosenKeyId
        visible: picture.lit(keyId)
        source: visible ? picture.litSource(keyId) : ""
    }

    MouseArea {
        id: area
        objectName: "pictureArea"
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: picture.hoveredKeyId >= 0 ? Qt.PointingHandCursor : Qt.ArrowCursor
        // The name waits until the pointer stops moving over the position.
        onPositionChanged: {
            if (picture.hoveredKeyId >= 0 && tip.keyId < 0)
                restTimer.restart()
        }
        onPressed: {
            restTimer.stop()
            tip.keyId = -1
        }
        onClicked: {
            var id = picture.keyIdAt(mouse.x, mouse.y)
            if (id >= 0)
                picture.keyClicked(id)
        }
    }

    // Another position (or none) under the pointer: its name has to be waited for anew.
    onHoveredKeyIdChanged: {
        tip.keyId = -1
        if (hoveredKeyId >= 0)
            restTimer.restart()
        else
            restTimer.stop()
    }

    Timer {
        id: restTimer
        interval: picture.tipDelay
        onTriggered: {
            tip.keyId = picture.hoveredKeyId
            tip.x = Math.min(area.mouseX + 12, picture.width + 40)
            tip.y = area.mouseY + 18
        }
    }

    // The resting position's name, in the interface's own look.
    Rectangle {
        id: tip
        objectName: "keyNameTip"
        property int keyId: -1
        readonly property string text: picture.nameOf(keyId)
        visible: keyId >= 0 && text !== ""
        width: tipText.implicitWidth + 12
        height: tipText.implicitHeight + 6
        color: "black"
        border.width: 1
        border.color: globalSetting_color
        Text {
            id: tipText
            anchors.centerIn: parent
            text: tip.text
            font.bold: true
            font.family: globalSetting_fontFamily
            font.pixelSize: globalSetting_size
            color: globalSetting_color
        }
    }
}
