// SPDX-License-Identifier: MIT
// Decoration layer above the mouse view: the two ornaments of the skin's frame,
// each centred on its fixed point.
import QtQuick 2.15

Item {
    id: decoration
    width: 1000
    height: 600

    Image {
        id: decoration1
        objectName: "decoration1"
        source: sourceDecoration1
        x: 78 - width / 2
        y: 93 - height / 2
    }

    Image {
        id: decoration2
        objectName: "decoration2"
        source: sourceDecoration2
        x: 923 - width / 2
        y: 93 - height / 2
    }
}
