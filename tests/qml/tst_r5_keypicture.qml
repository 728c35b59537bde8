// SPDX-License-Identifier: MIT
// The mouse picture of the key page: a click on a button chooses that position exactly as
// the key chooser does, the lit position follows the chooser, a resting pointer shows the
// name, and positions without a name stay unlit and take no clicks.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/R5"
import "../../modules/qml/basic"
import "../../modules/qml/R5/KeyPositionAreas.js" as Areas

ControlScene {
    id: scene
    animation_speed: 20

    globalSetting_stringList: {
        var list = ["Arial", "OPTIONS"]
        for (var i = 2; i < 141; ++i)
            list.push("S" + i)
        return list.concat(["MOUSE", "KEY", "PRESS ANY", "DELAY", "ms", "FIRE", "times"])
    }
    property url sourceFnCommonBackground: ""
    property url sourceFram2btn: ""
    property url sourceReset0: ""
    property url sourceReset1: ""
    property url sourceApply0: ""
    property url sourceApply1: ""
    property url sourceModel_R5_KeyDefine: ""

    readonly property var englishNames: ["LEFT BUTTON", "RIGHT BUTTON", "WHEEL BUTTON", "FORWARD BUTTON",
        "BACKWARD BUTTON", "DPI BUTTON", "LIGHT BUTTON", "TOP BUTTON", "", "SIDE BUTTON 1", "SIDE BUTTON 2",
        "SIDE BUTTON 3", "", "", "WHEEL UP", "WHEEL DOWN"]

    KeyCodeString { id: _KeyCodeString }
    Item {
        id: mainIten
        signal emptyAreaPressed()
        function setProtectUI(interval) {}
    }
    Item {
        id: downItem
        signal btnTotalResetClicked()
        signal btnTotalApplyClicked()
    }

    Page_Keydefine { id: page }

    TestCase {
        name: "R5KeyPicture"
        when: windowShown

        property var picture: findChild(page, "keyPicture")
        property var chooser: findChild(page, "_menu_matrix")

        // Every position a different function, so the controls tell the keys apart.
        function init() {
            page.productStrings = englishNames
            page.translateStrings()
            var model = page.keyModel
            for (var i = 0; i < 16; ++i)
                model.setRecord(i, 0, 0, 4 + i, 0)   // keyboard keys A, B, C, ...
            model.setRecord(0, 1, 0, 0xF0, 0)
            model.setRecord(2, 3, 0, 0xB5, 0)
            model.setRecord(14, 4, 0, 1, 0)
            page.showCurrentKey()
            picture.tipDelay = 50
            mouseMove(scene, 990, 590)
        }

        // A picture pixel inside position `id` that no smaller position covers.
        function pointOf(id) {
            for (var y = 0; y < picture.height; ++y)
                for (var x = 0; x < picture.width; ++x)
                    if (Areas.keyAt(x + 0.5, y + 0.5) === id && Areas.keyAt(x + 2.5, y + 2.5) === id
                            && Areas.keyAt(x - 1.5, y - 1.5) === id)
                        return { x: x + 0.5, y: y + 0.5 }
            return null
        }

        // What the page shows for the chosen key.
        function controls() {
            return [page.chosenKeyId, chooser.defaultIndex,
                    findChild(page, "_menu_function").defaultIndex,
                    findChild(page, "_input_keyboard").tmpKeycodeUSB,
                    findChild(page, "_menu_mouse").defaultIndex,
                    findChild(page, "_menu_media").defaultIndex]
        }

        function chooseInChooser(listIndex) {
            mouseClick(findChild(chooser, "headArea"))
            tryCompare(chooser, "isSelect", true)
            mouseClick(findChild(chooser, "entry" + listIndex))
            tryCompare(chooser, "isSelect", false)
        }

        function test_click_chooses_like_the_chooser_data() {
            return [
                { tag: "left button", id: 0 }, { tag: "right button", id: 1 }, { tag: "wheel", id: 2 },
                { tag: "forward", id: 3 }, { tag: "backward", id: 4 }, { tag: "dpi", id: 5 },
                { tag: "light", id: 6 }, { tag: "top", id: 7 }, { tag: "side 1", id: 9 },
                { tag: "side 2", id: 10 }, { tag: "side 3", id: 11 }, { tag: "wheel up", id: 14 },
                { tag: "wheel down", id: 15 }
            ]
        }

        function test_click_chooses_like_the_chooser(data) {
            var listIndex = page.mapping_for_keyId.indexOf(data.id)
            verify(listIndex >= 0)
            chooseInChooser(listIndex)
            var viaChooser = controls()
            compare(viaChooser[0], data.id)

            // Somewhere else first, then the same key on the picture.
            chooseInChooser(listIndex === 0 ? 1 : 0)
            var p = pointOf(data.id)
            verify(p !== null, "no point of position " + data.id)
            mouseClick(picture, p.x, p.y)
            compare(controls(), viaChooser)
            compare(chooser.getCurIndex(), listIndex)
        }

        function test_lit_position_follows_the_chooser() {
            var lit = findChild(picture, "chosenLight")
            for (var i = 0; i < page.mapping_for_keyId.length; ++i) {
                chooseInChooser(i)
                var id = page.mapping_for_keyId[i]
                verify(lit.visible)
                compare(lit.keyId, id)
                verify(String(lit.source).match("/model_ms/keyLit" + (id < 10 ? "0" : "") + id + "\\.png$"),
                       String(lit.source))
            }
            // A named position the picture has no button for lists, but lights nothing.
            var names = englishNames.slice()
            names[12] = "EXTRA"
            page.productStrings = names
            page.translateStrings()
            chooseInChooser(page.mapping_for_keyId.indexOf(12))
            compare(page.chosenKeyId, 12)
            verify(!lit.visible)
        }

        function test_resting_pointer_shows_the_name() {
            var tip = findChild(picture, "keyNameTip")
            var p = pointOf(9)
            mouseMove(picture, p.x, p.y)
            tryCompare(tip, "visible", true)
            compare(tip.text, "SIDE BUTTON 1")
            verify(page.keyModel.z > 0)            // over the controls beside the picture
            // The hovered position is lit faintly; the chosen one stays lit in full.
            verify(findChild(picture, "hoverLight").visible)
            compare(findChild(picture, "hoverLight").keyId, 9)
            // Moving onto another position drops the name until the pointer rests again.
            var q = pointOf(15)
            mouseMove(picture, q.x, q.y)
            compare(tip.visible, false)
            tryCompare(tip, "text", "WHEEL DOWN")
            mouseMove(scene, 990, 590)
            tryCompare(tip, "visible", false)
            verify(!findChild(picture, "hoverLight").visible)
        }

        function test_unnamed_positions_are_inert() {
            var names = englishNames.slice()
            names[9] = ""                          // this model without side button 1
            page.productStrings = names
            page.translateStrings()
            var before = controls()
            var p = pointOf(9)
            mouseMove(picture, p.x, p.y)
            compare(picture.hoveredKeyId, -1)
            verify(!findChild(picture, "hoverLight").visible)
            mouseClick(picture, p.x, p.y)
            compare(controls(), before)
            wait(picture.tipDelay * 3)
            verify(!findChild(picture, "keyNameTip").visible)
            // Nor does it light when asked to.
            picture.chosenKeyId = 9
            verify(!findChild(picture, "chosenLight").visible)
            picture.chosenKeyId = Qt.binding(function() { return page.chosenKeyId })
            // Positions 8, 12 and 13 have no button on the picture at all.
            verify(!Areas.hasArea(8) && !Areas.hasArea(12) && !Areas.hasArea(13))
        }
    }
}
