// SPDX-License-Identifier: MIT
// Bottom background layer: the skin's (or the user's own) background stretched over the
// window, with the skin's frame drawn over it.
import QtQuick 2.15

Item {
    id: environment
    width: 1000
    height: 600

    readonly property bool useCustom: isCustomBackground && String(sourceCustomBackground) !== ""

    Image {
        id: background
        objectName: "background"
        anchors.fill: parent
        fillMode: Image.Stretch
        // Read off the GUI thread while the layer is still faded out at start; later
        // changes load at once, so a skin switch never shows a blank frame.
        asynchronous: environment.opacity === 0
        // A custom picture that cannot be read (moved, deleted) falls back to the skin's.
        property bool customFailed: false
        source: (environment.useCustom && !customFailed) ? sourceCustomBackground
                                                         : sourceBackground
        // Decided after the load attempt, not inside it, so the source is not re-bound mid-load.
        onStatusChanged: {
            if (status === Image.Error && environment.useCustom)
                Qt.callLater(function() { background.customFailed = true })
        }
        Connections {
            target: environment
            function onUseCustomChanged() { background.customFailed = false }
        }
    }

    Image {
        id: frameBackground
        objectName: "frameBackground"
        source: sourceFrameBackground
        asynchronous: environment.opacity === 0
    }
}
