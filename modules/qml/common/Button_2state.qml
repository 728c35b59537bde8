// SPDX-License-Identifier: MIT
// Image button with a resting and a highlighted picture; plays the click sound
// before it signals.
import QtQuick 2.15

Image {
    id: button
    property url source0
    property url source1
    property alias mouse: area
    signal clicked

    source: (area.containsMouse && button.enabled) ? source1 : source0
    // Dim when pressed, or when disabled on its own account (a disabled parent dims itself).
    opacity: (area.pressed || (!enabled && (!parent || parent.enabled))) ? 0.2 : 1.0

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            button.clicked()
        }
    }
}
