// SPDX-License-Identifier: MIT
// The press-gun page against a recording ui_View: incomplete or damaged stored tables,
// the times cut (also for Y 0 and with cursor return off), the built-in Y of every game,
// the order of apply and the labels without translations.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/R5"

ControlScene {
    id: scene

    // Captions 127..139 are empty until a language file fills them.
    globalSetting_stringList: {
        var list = ["Arial", "OPTIONS"]
        for (var i = 2; i < 141; ++i)
            list.push(i >= 127 ? "" : "S" + i)
        return list
    }
    property url sourceFnCommonBackground: ""
    property url sourceFram2btn: ""
    property url sourcegunlist: ""
    property url sourceApply_gun0: ""
    property url sourceApply_gun1: ""
    property url sourcegunFrame: ""
    property url sourcegunFrame_S: ""

    Item {
        id: mainIten
        signal emptyAreaPressed()
        function setProtectUI(interval) {}
    }

    ui_View: QtObject {
        property var calls: []
        property var tables: [[], [], []]
        property var slots: [[], [], []]
        function clear() { calls = [] }
        function log(text) { calls.push(text) }
        function playMedia_Index(i) {}
        function getGundata(game) { return tables[game] }
        function getSelGundata(i) { return slots[i] }
        function saveGundata(game, values) { log("save " + game + " " + values.length + " " + values.slice(0, 7).join(",")) }
        function saveSelGundata(i, list) { log("slot " + i + " " + list.join(",")) }
        function r5_0CH_SetPressGun(x, y, times, enable, back, key) { log("0CH " + [x, y, times, enable, back, key].join(",")) }
    }

    Page_pressGun {
        id: page
        onResetKeyMatrix: ui_View.log("key matrix")
    }

    TestCase {
        name: "R5Gun"
        when: windowShown

        function init() {
            ui_View.tables = [[], [], []]
            ui_View.slots = [[], [], []]
            findChild(page, "gameList").setCurIndex(0)
            findChild(page, "sourceList").setCurIndex(0)
            page.gunNo = 0
            page.initUI()
            ui_View.clear()
        }

        // Types into a field as a user would: the entry commits when the focus leaves.
        function type(name, text) {
            field(name).forceActiveFocus()
            field(name).text = text
        }

        function field(name) { return findChild(findChild(page, name), "input") }

        function test_builtin_records_without_files() {
            compare(page.gunNo, 0)
            var rec = page.lsMD.get(9)
            compare([rec.textX, rec.index, rec.xOffset, rec.yOffset, rec.times, rec.isEnable, rec.cursorBack],
                    ["", 3, 0, 7, 1, 1, 1])
            compare(page.lsMD.get(2).yOffset, 7)
            compare(page.lsMD.get(7).textX, "SCAR-L")
            // Unnamed guns read "Type name".
            page.gunNo = 9
            page.update()
            verify(findChild(page, "namePlaceholder").visible)
        }

        function test_damaged_and_short_tables() {
            var values = ["AK", "x", "2", "9", "", "0", "1",      // gun 0: junk numbers keep built-ins
                          "B", "1", "0", "11", "4", "1", "0",     // gun 1 complete
                          "C", "2"]                               // gun 2 cut off
            ui_View.tables = [values, [], []]
            ui_View.slots = [["0", "1", "70", "500"], [], []]     // period beyond its range
            page.initUI()
            var g0 = page.lsMD.get(0)
            compare([g0.textX, g0.index, g0.xOffset, g0.yOffset, g0.times, g0.isEnable, g0.cursorBack],
                    ["AK", 0, 2, 9, 1, 0, 1])
            compare(page.lsMD.get(1).yOffset, 11)
            compare(page.lsMD.get(2).textX, "TMX")
            compare(page.gunNo, 1)
            compare(field("fireTimeInput").text, "70")
            compare(field("firePeriodInput").text, "100")
            compare(field("yInput").text, "11")
            compare(field("timesInput").text, "4")
        }

        function test_times_limit() {
            compare(page.timesLimit(10), 12)
            compare(page.timesLimit(127), 1)
            compare(page.timesLimit(128), 0)
            compare(page.timesLimit(0), 127)     // Y 0 does not divide by zero
            // Cursor return off: no cut.
            page.setRecord("cursorBack", 0)
            page.setRecord("yOffset", 50)
            page.setRecord("times", 9)
            page.cutTimes()
            compare(page.currentRecord().times, 9)
            page.setRecord("cursorBack", 1)
            page.cutTimes()
            compare(page.currentRecord().times, 2)
            compare(field("timesInput").text, "2")
        }

        function test_apply_order_and_system_values_data() {
            return [
                { tag: "game 0 gun 9", game: 0, gun: 9, y: 40 },
                { tag: "game 0 gun 0", game: 0, gun: 0, y: 27 },
                { tag: "game 1 gun 3", game: 1, gun: 3, y: 5 },
                { tag: "game 2 gun 11", game: 2, gun: 11, y: 5 }
            ]
        }

        function test_apply_order_and_system_values(data) {
            findChild(page, "gameList").setCurIndex(data.game)
            page.gunNo = data.gun
            page.update()
            type("yInput", "99")
            page.pageApply()
            compare(ui_View.calls.length, 6)
            compare(ui_View.calls[0].indexOf("save 0 84 "), 0)
            compare(ui_View.calls[2].indexOf("save 2 84 "), 0)
            compare(ui_View.calls[3], "slot 0 " + [data.game, data.gun, 60, 20].join(","))
            compare(ui_View.calls[4], "key matrix")
            compare(ui_View.calls[5], "0CH 0," + data.y + ",1,1,1,0")
            // The Y entered is stored in the gun record all the same.
            compare(page.gunModels[data.game].get(data.gun).yOffset, 99)
        }

        function test_user_value_unmasks_and_sends_the_field() {
            compare(field("yInput").echoMode, TextInput.Password)
            verify(!findChild(page, "timesInput").enabled)
            findChild(page, "sourceList").setCurIndex(1)
            compare(field("yInput").echoMode, TextInput.Normal)
            verify(findChild(page, "timesInput").enabled)
            type("yInput", "21")
            page.pageApply()
            compare(ui_View.calls[5], "0CH 0,21,1,1,1,0")
        }

        function test_labels_without_translation() {
            page.translateStrings()
            var games = findChild(page, "gameList").mdItems
            compare([games.get(0).textX, games.get(1).textX, games.get(2).textX], ["绝地求生", "CS", "CF"])
            var sources = findChild(page, "sourceList").mdItems
            compare([sources.get(0).textX, sources.get(1).textX], ["Default Value 1", "User Value"])
        }
    }
}
