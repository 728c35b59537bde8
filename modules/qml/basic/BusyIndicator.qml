// SPDX-License-Identifier: MIT
// "LOADING ......" shown in the middle of the window while the interface is locked;
// it blinks for as long as it is busy.
import QtQuick 2.15

Item {
    id: busyItem
    property bool isBusy: false

    width: loadingText.width
    height: loadingText.height
    visible: isBusy

    function setBusy(busy) {
        isBusy = busy
    }

    Text {
        id: loadingText
        objectName: "loadingText"
        text: "LOADING ......"
        font.bold: true
        font.family: globalSetting_fontFamily
        font.pixelSize: globalSetting_size
        color: globalSetting_color
    }

    SequentialAnimation {
        id: blink
        running: busyItem.isBusy
        loops: Animation.Infinite
        onStopped: loadingText.opacity = 1.0
        NumberAnimation { target: loadingText; property: "opacity"; from: 1.0; to: 0.2; duration: 400 }
        NumberAnimation { target: loadingText; property: "opacity"; from: 0.2; to: 1.0; duration: 400 }
    }
}
