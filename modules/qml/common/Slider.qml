// SPDX-License-Identifier: MIT
// Eight-step bar (0-7) of seven filler pictures; index 0 lights none, 7 lights all.
// While the button is held the fillers up to the pointer light up as a preview.
import QtQuick 2.15

Image {
    id: slider
    property alias currentIndex: strip.index
    signal sliderClicked(int index)

    source: sourceSlider
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { strip.index = index }
    function getCurIndex() { return strip.index }

    // Step under position x of the strip.
    function indexAt(x) {
        var w = strip.width
        x = Math.max(0, Math.min(w - 1, x))
        return Math.ceil(x / (w - 1) * 7)
    }

    MouseArea {
        id: strip
        objectName: "strip"
        x: 5
        y: 1
        width: 141
        height: 21
        property int index: 7
        readonly property int shownIndex: pressed ? slider.indexAt(mouseX) : index

        onReleased: {
            index = slider.indexAt(mouse.x)
            slider.sliderClicked(index)
        }

        Row {
            spacing: -1
            Repeater {
                model: 7
                Image {
                    source: strip.shownIndex >= index + 1 ? sourceSliderFiller1 : sourceSliderFiller0
                }
            }
        }
    }
}
