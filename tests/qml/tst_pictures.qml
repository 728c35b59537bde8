// SPDX-License-Identifier: MIT
// When the scene reads its pictures: pages, the settings drawer and the gun grid decode
// nothing until they are first shown, then everything they show, following the skin.
import QtQuick 2.15
import QtTest 1.2

Item {
    id: harness
    width: 1000
    height: 600

    property var ui_View: UiViewStub {}
    property var ui_Ctl: ui_View

    Loader {
        id: loader
        source: "../../modules/qml/main.qml"
    }

    TestCase {
        name: "Pictures"
        when: windowShown && loader.status === Loader.Ready

        property var root: loader.item
        readonly property var pageNames: ["_Page_Keydefine", "_Page_Macro", "_Page_Color", "_Page_Sensor", "_Page_pressGun"]

        function item(name) { return findChild(root, name) }

        // Every Image below `parent` (Flickables' content included).
        function images(parent) {
            var out = []
            var kids = parent.children
            for (var i = 0; i < kids.length; ++i) {
                var k = kids[i]
                if (k.fillMode !== undefined && k.sourceSize !== undefined && k.status !== undefined)
                    out.push(k)
                out = out.concat(images(k))
            }
            return out
        }
        function loaded(parent) {
            return images(parent).filter(function(img) { return img.status !== Image.Null })
        }
        function withSource(parent) {
            return images(parent).filter(function(img) { return String(img.source) !== "" })
        }

        function initTestCase() {
            item("_Page_Globalsetting")._AnimationSpeed = 10
            root.visible = true
            root.run()
            tryCompare(item("upItem"), "y", 0, 3000)
            // The opening shows the menus and the empty page area: no page is chosen yet.
            tryCompare(item("_fkPage"), "visible", true, 3000)
        }

        function test_1_nothing_before_first_show() {
            for (var i = 0; i < pageNames.length; ++i) {
                var page = item(pageNames[i])
                verify(images(page).length > 3, pageNames[i])
                compare(loaded(page).length, 0, pageNames[i] + " decoded a picture unseen")
            }
            compare(loaded(item("_Page_Globalsetting")).length, 0)
            // The shell around the pages has its pictures.
            verify(loaded(item("upItem")).length > 0)
            verify(loaded(item("envItem")).length > 0)
        }

        function test_2_a_shown_page_reads_its_pictures_and_keeps_them() {
            var fk = item("_fkPage")
            var macro = item("_Page_Macro")
            fk.show(1)
            tryCompare(fk, "contentX", 0, 3000)
            var shown = withSource(macro)
            verify(shown.length > 10)
            for (var i = 0; i < shown.length; ++i)
                tryCompare(shown[i], "status", Image.Ready, 3000, String(shown[i].source))
            // Only this page: the others still hold nothing.
            compare(loaded(item("_Page_Color")).length, 0)
            compare(loaded(item("_Page_pressGun")).length, 0)

            fk.show(2)
            tryCompare(fk, "curID", 2, 3000)
            compare(withSource(macro).length, shown.length)
            verify(loaded(item("_Page_Color")).length > 5)

            // A skin switch reaches the pictures of a page read earlier.
            item("_Page_Globalsetting").skin_No = 2
            var now = withSource(macro)
            for (var j = 0; j < now.length; ++j)
                verify(String(now[j].source).indexOf("skin2/") >= 0, String(now[j].source))
            item("_Page_Globalsetting").skin_No = 1
        }

        function test_3_gun_grid_pictures_wait_for_the_grid() {
            var fk = item("_fkPage")
            fk.show(4)
            tryCompare(fk, "curID", 4, 3000)
            var grid = item("gunGrid")
            // The cells' frames come with the page (they size the cells), the guns wait.
            compare(withSource(grid).length, 12)
            verify(withSource(item("gunView")).length > 0)
            grid.visible = true
            var cells = withSource(grid)
            compare(cells.length, 24)   // twelve frames, twelve guns
            for (var i = 0; i < cells.length; ++i)
                tryCompare(cells[i], "status", Image.Ready, 3000, String(cells[i].source))
            grid.visible = false
            compare(withSource(grid).length, 24)
        }

        function test_4_settings_drawer_on_first_open() {
            var page = item("_Page_Globalsetting")
            compare(loaded(page).length, 0)
            item("upItem").isGlobalSettingSelect = true
            tryCompare(item("_fkGlobalsetting"), "contentX", 0, 3000)
            verify(loaded(page).length > 5)
            compare(page.width, 340)   // the drawer's background gives the page its size
            item("upItem").isGlobalSettingSelect = false
        }
    }
}
