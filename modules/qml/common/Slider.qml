// SPDX-License-Identifier: MIT
// Step bar of filler pictures, in two looks:
// - fillers 7 (default): steps 0-7; step i lights i fillers, so step 0 lights none;
// - fillers 11: steps 0-10 on the wide bar; step i lights fillers 0..i, so the first
//   filler is always lit.
// While the button is held the fillers up to the pointer light up as a preview.
import QtQuick 2.15

Image {
    id: slider
    property int fillers: 7
    readonly property bool wide: fillers === 11
    property alias currentIndex: strip.index
    signal sliderClicked(int index)

    source: wide ? sourceSlider_11_BASE : sourceSlider
    opacity: (!enabled && (!parent || parent.enabled)) ? 0.2 : 1.0

    function setCurIndex(index) { strip.index = index }
    function getCurIndex() { return strip.index }

    // Step under position x of the strip.
    function indexAt(x) {
        var w = strip.width
        x = Math.max(0, Math.min(w - 1, x))
        return wide ? Math.max(0, Math.ceil(fillers * x / (w - 1)) - 1) : Math.ceil(x / (w - 1) * fillers)
    }

    MouseArea {
        id: strip
        objectName: "strip"
        x: slider.wide ? 3 : 5
        y: slider.wide ? 7 : 1
        width: slider.wide ? 309 : 141
        height: slider.wide ? 10 : 21
        property int index: slider.wide ? 5 : 7
        readonly property int shownIndex: pressed ? slider.indexAt(mouseX) : index

        onReleased: {
            index = slider.indexAt(mouse.x)
            slider.sliderClicked(index)
        }

        Row {
            spacing: slider.wide ? 2 : -1
            Repeater {
                model: slider.fillers
                Image {
                    // The wide bar lights the filler of the step itself as well.
                    readonly property bool lit: strip.shownIndex >= (slider.wide ? index : index + 1)
                    source: slider.wide ? (lit ? sourceSlider_11_FILLER_1 : sourceSlider_11_FILLER_0)
                                        : (lit ? sourceSliderFiller1 : sourceSliderFiller0)
                }
            }
        }
    }
}
