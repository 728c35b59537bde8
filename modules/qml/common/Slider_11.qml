// SPDX-License-Identifier: MIT
// Eleven-step bar (0-10) of eleven filler pictures; index i lights fillers 0..i, so the
// first filler is always lit. While held, the fillers up to the pointer light up.
import QtQuick 2.15

Image {
    id: slider
    property alias currentIndex: strip.index
    signal sliderClicked(int index)

    source: sourceSlider_11_BASE
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { strip.index = index }
    function getCurIndex() { return strip.index }

    function indexAt(x) {
        var w = strip.width
        x = Math.max(0, Math.min(w - 1, x))
        return Math.max(0, Math.ceil(11 * x / (w - 1)) - 1)
    }

    MouseArea {
        id: strip
        objectName: "strip"
        x: 3
        y: 7
        width: 309
        height: 10
        property int index: 5
        readonly property int shownIndex: pressed ? slider.indexAt(mouseX) : index

        onReleased: {
            index = slider.indexAt(mouse.x)
            slider.sliderClicked(index)
        }

        Row {
            spacing: 2
            Repeater {
                model: 11
                Image {
                    source: strip.shownIndex >= index ? sourceSlider_11_FILLER_1 : sourceSlider_11_FILLER_0
                }
            }
        }
    }
}
