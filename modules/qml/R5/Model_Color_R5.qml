// SPDX-License-Identifier: MIT
// Picture of the mouse with its light zones, shown beside the colour page's controls.
import QtQuick 2.15

Item {
    id: modelColor
    width: 82
    height: 151

    Image {
        objectName: "modelColorPicture"
        x: -10
        y: -20
        source: sourceModel_R5_Color
    }
}
