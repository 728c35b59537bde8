// SPDX-License-Identifier: MIT
// The settings page inside the real scene root: reading the stored list (values come back
// as text), languages, colour bar pick, colour sources, brightness, save and reset.
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
        name: "GlobalSetting"
        when: windowShown && loader.status === Loader.Ready

        property var root: loader.item
        property var page: findChild(root, "_Page_Globalsetting")

        // What the settings file gives back: every value as text.
        readonly property var storedList: ["1", "2", "1", "1", "0", "false", "", "1",
            "0", "255", "255", "255", "200", "150", "255", "180", "0", "200", "200", "100",
            "200", "170", "255", "255", "180", "180", "160", "190", "160",
            "2", "0", "https://vendor.example/"]

        function item(name) { return findChild(root, name) }
        // Items of the settings page; the mouse pages use some of the same names.
        function pageItem(name) { return findChild(page, name) }

        function initTestCase() {
            // Pictures the page needs for clicks; the rest may be missing here.
            root.sourcePalette = Qt.resolvedUrl("img/palette.png")
            root.sourceSlider = Qt.resolvedUrl("img/slider.png")
            root.sourceSliderFiller0 = Qt.resolvedUrl("img/filler0.png")
            root.sourceSliderFiller1 = Qt.resolvedUrl("img/filler1.png")
            page._AnimationSpeed = 10
            root.visible = true
        }

        function init() {
            ui_View.languages = { "CHINESE (Simp)": "025044", "ENGLISH": "031000" }
            ui_View.strings = {
                "025044": ["Noto Sans CJK SC", "选项", "循环"],
                "031000": ["Arial", "OPTIONS"]
            }
            ui_View.skinShow = true
            ui_View.apConfig = storedList
            ui_View.customPath = ""
            page._AnimationSpeed = 10
            // Clicks need the drawer open and the page shown.
            item("upItem").isGlobalSettingSelect = true
            tryCompare(item("_fkGlobalsetting"), "contentX", 0, 2000)
            ui_View.clear()
        }

        function colorIs(c, r, g, b, a) {
            fuzzyCompare(c.r, r / 255, 0.002)
            fuzzyCompare(c.g, g / 255, 0.002)
            fuzzyCompare(c.b, b / 255, 0.002)
            fuzzyCompare(c.a, a / 255, 0.002)
        }

        function test_init_reads_stored_text() {
            root.initUI()
            compare(root.skin_No, 2)
            compare(pageItem("skinList").getCurIndex(), 1)
            verify(ui_View.indexOf("setEnableAudio(false)") >= 0)
            compare(pageItem("soundList").getCurIndex(), 1)
            compare(root.animation_speed, 10)
            compare(pageItem("animList").getCurIndex(), 1)
            // Languages listed in the bridge's order; entry 0 chosen.
            compare(pageItem("langList").getCurIndex(), 0)
            compare(findChild(pageItem("langList"), "headText").text, "CHINESE (Simp)")
            verify(ui_View.indexOf("getGlobalStrings(025044)") >= 0)
            compare(root.globalSetting_stringList[1], "选项")
            compare(root.globalSetting_stringList[2], "循环")
            // Entries the language file lacks stay readable.
            compare(root.globalSetting_stringList[113], "ALL RESET")
            compare(root.globalSetting_stringList.length, page.englishStrings.length)
            compare(root.globalSetting_fontFamily, "Noto Sans CJK SC")
            // "false" read back from the file is false.
            verify(!root.isCustomBackground)
            compare(root.globalSetting_size, 12)
            compare(page.presetIndex, 2)
            compare(page.presets[1], [255, 200, 150])
            compare([page.curR, page.curG, page.curB], [255, 180, 0])
            compare(pageItem("rField").text, "255")
            compare(pageItem("gField").text, "180")
            compare(pageItem("bField").text, "0")
            // Brightness step 0: alpha 45.
            colorIs(root.globalSetting_color, 255, 180, 0, 45)
            compare(root.globalSetting_url, "https://vendor.example/")
            // The captions of the language's list entries follow it.
            compare(ui_View.count("getIsSkinShow()"), 1)
        }

        function test_brightness_alpha() {
            root.initUI()
            page.setBrightness(7)
            colorIs(root.globalSetting_color, 255, 180, 0, 255)
            page.setBrightness(0)
            colorIs(root.globalSetting_color, 255, 180, 0, 45)
            compare(page.brightnessValue(3), 135)
            // Through the slider: the far right is step 7.
            var strip = findChild(pageItem("brightnessSlider"), "strip")
            mousePress(strip, strip.width - 1, 5)
            mouseRelease(strip, strip.width - 1, 5)
            compare(page.brightnessStep, 7)
            compare(root.globalSetting_color.a, 1)
        }

        function test_color_bar_pick_rule() {
            compare(page.colorAtBar(47, 48), [0, 0, 0])       // rate exactly 8: black
            compare(page.colorAtBar(0, 48), [0, 0, 0])
            // rate 1.5: half way from red to yellow.
            compare(page.colorAtBar(1.5 * 0.125 * 47, 48), [255, 128, 0])
            compare(page.colorAtBar(2.25 * 0.125 * 47, 48), [191, 255, 0])
            compare(page.colorAtBar(3.5 * 0.125 * 47, 48), [0, 255, 128])
            compare(page.colorAtBar(4.5 * 0.125 * 47, 48), [0, 127, 255])
            compare(page.colorAtBar(5.5 * 0.125 * 47, 48), [128, 0, 255])
            compare(page.colorAtBar(6.5 * 0.125 * 47, 48), [255, 128, 255])
            compare(page.colorAtBar(7.5 * 0.125 * 47, 48), [127, 127, 127])
            compare(page.colorAtBar(0.5 * 0.125 * 47, 48), [128, 0, 0])
        }

        function test_color_bar_press_updates_fields_preset_and_color() {
            root.initUI()
            page.setBrightness(7)
            var bar = pageItem("colorBar")
            compare(bar.height, 48)
            // The very bottom row is black.
            mousePress(bar, 10, 47)
            mouseRelease(bar, 10, 47)
            compare([page.curR, page.curG, page.curB], [0, 0, 0])
            compare(page.presets[2], [0, 0, 0])
            compare(pageItem("rField").text, "0")
            colorIs(root.globalSetting_color, 0, 0, 0, 255)
            // y 6: rate 1.02, level 1, v round(0.0213 * 255) = 5.
            mousePress(bar, 10, 6)
            mouseRelease(bar, 10, 6)
            compare([page.curR, page.curG, page.curB], [255, 5, 0])
            compare(pageItem("gField").text, "5")
            compare(page.presets[2], [255, 5, 0])
        }

        function test_setRGB_sources() {
            root.initUI()
            page.setBrightness(7)
            page.selectPreset(1)
            compare(pageItem("rField").text, "255")
            compare(pageItem("gField").text, "200")
            // From the fields: the preset follows, the fields are left as typed.
            pageItem("rField").text = "9"
            page.setRGB(2, 10, 20, 30)
            compare(page.presets[1], [10, 20, 30])
            compare(pageItem("rField").text, "9")
            colorIs(root.globalSetting_color, 10, 20, 30, 255)
            // From the preset strip: fields follow, the presets stay.
            page.setRGB(3, 1, 2, 3)
            compare(page.presets[1], [10, 20, 30])
            compare(pageItem("bField").text, "3")
            colorIs(root.globalSetting_color, 1, 2, 3, 255)
            // From outside: fields and preset follow, the text colour does not.
            page.setRGB(0, 40, 50, 60)
            compare(page.presets[1], [40, 50, 60])
            compare(pageItem("gField").text, "50")
            colorIs(root.globalSetting_color, 1, 2, 3, 255)
            compare([page.curR, page.curG, page.curB], [40, 50, 60])
        }

        function test_rgb_field_commits_on_enter_and_background_press() {
            root.initUI()
            page.setBrightness(7)
            var r = pageItem("rField")
            r.forceActiveFocus()
            r.selectAll()
            keyClick(Qt.Key_1)
            keyClick(Qt.Key_2)
            keyClick(Qt.Key_Return)
            verify(!r.activeFocus)
            compare(page.curR, 12)
            compare(page.presets[2], [12, 180, 0])
            colorIs(root.globalSetting_color, 12, 180, 0, 255)
            // A press on the window background drops the focus and commits.
            var g = pageItem("gField")
            g.forceActiveFocus()
            g.selectAll()
            keyClick(Qt.Key_7)
            root.emptyAreaPressed()
            verify(!g.activeFocus)
            compare(page.curG, 7)
            // An emptied field keeps the colour's value.
            g.forceActiveFocus()
            g.selectAll()
            keyClick(Qt.Key_Delete)
            g.focus = false
            compare(g.text, "7")
            compare(page.curG, 7)
        }

        function test_save_builds_the_32_entry_list() {
            root.initUI()
            item("upItem").isGlobalSettingSelect = true
            page.setBrightness(5)
            page.setTextSize(0)
            page.saveApconfig()
            var s = ui_View.saved
            compare(s.length, 32)
            compare(s.slice(0, 8), [1, 2, 1, 1, 0, false, "", 0])
            compare(s.slice(8, 11), [0, 255, 255])
            compare(s.slice(26, 29), [160, 190, 160])
            compare(s[29], 2)
            compare(s[30], 5)
            compare(s[31], "https://vendor.example/")
            verify(!item("upItem").isGlobalSettingSelect)
        }

        function test_reset_order() {
            root.initUI()
            ui_View.clear()
            page.resetApconfig()
            var c = ui_View.calls
            compare(c.slice(0, 3), ["setEnableAudio(false)", "clearAllMedia()", "resetApconfig()"])
            verify(c.indexOf("loadApConfig()") > 2)
            compare(c[c.length - 1], "playMedia_Index(0)")
        }

        function test_sound_and_animation_choices() {
            page.selectSound(0)
            compare(ui_View.calls, ["setEnableAudio(true)", "playMedia_Index(0)"])
            ui_View.clear()
            page.selectSound(1)
            compare(ui_View.calls, ["setEnableAudio(false)", "clearAllMedia()"])
            page.selectAnimation(0)
            compare(root.animation_speed, 800)
            page.selectAnimation(1)
            compare(root.animation_speed, 10)
        }

        function test_hidden_skin_row_moves_rows_up() {
            root.initUI()
            var shownY = pageItem("soundList").y
            verify(pageItem("skinList").visible)
            ui_View.skinShow = false
            root.initUI()
            verify(!pageItem("skinList").visible)
            verify(pageItem("soundList").visible)
            compare(pageItem("soundList").y, shownY - 11)
            compare(pageItem("bgSwitch").y, 22 + 4 * (23 + 10) - 11)
            ui_View.skinShow = true
            root.initUI()
        }

        // Only without global capture does the page say that keys are read in the window alone.
        function test_capture_note_follows_capture_mode_data() {
            return [ { tag: "global", mode: 1, shown: false }, { tag: "in-window only", mode: 2, shown: true },
                     { tag: "none", mode: 0, shown: false } ]
        }
        function test_capture_note_follows_capture_mode(data) {
            ui_View.captureMode = data.mode
            root.initUI()
            var note = pageItem("captureNote")
            compare(note.visible, data.shown)
            compare(note.text, "KEYS ARE CAPTURED ONLY WHILE THIS WINDOW HAS FOCUS")
            // It stays clear of the reset and save buttons.
            verify(note.x + note.width <= pageItem("buttonFrame").x)
            ui_View.captureMode = 1
            root.initUI()
        }

        function test_empty_list_keeps_defaults_and_lists_languages() {
            page.skin_No = 1
            page._StringList = page.englishStrings
            page._FontFamily = "Arial"
            page._AnimationSpeed = 800
            ui_View.apConfig = []
            root.initUI()
            compare(root.skin_No, 1)
            compare(root.animation_speed, 800)
            compare(root.globalSetting_stringList[1], "OPTIONS")
            compare(ui_View.count("getGlobalStrings(025044)"), 0)
            // The language list is filled all the same.
            var lang = pageItem("langList")
            compare(lang.mdItems.count, 2)
            page.setLanguage(0)
            compare(root.globalSetting_stringList[1], "选项")
        }

        function test_missing_language_file_keeps_english() {
            ui_View.languages = { "KLINGON": "999000" }
            ui_View.apConfig = storedList
            root.initUI()
            verify(ui_View.indexOf("getGlobalStrings(999000)") >= 0)
            compare(root.globalSetting_stringList[113], "ALL RESET")
            compare(root.globalSetting_fontFamily, "Arial")
        }

        // Captions from 141 on came after the first language files. A file that stops at
        // 140, or leaves them empty, keeps them English on every page; a file that has them
        // translates them.
        function test_added_captions_fall_back_to_english_data() {
            // The button names themselves (51-55) are the file's own.
            var english = { key: "KEY【 PRESS ANY 】", mouse: "MOUSE【 左键 】", delay: "DELAY【 ",
                            ms: " 】ms", fire: "FIRE【", times: "】times", combo: "KEY【 L Ctrl 】" }
            return [
                { tag: "file ends at 140", words: null, want: english },
                { tag: "file leaves them empty", words: ["", "", "", "", "", "", ""], want: english },
                { tag: "file translates them", words: ["鼠标", "按键", "按任意键", "延时", "毫秒", "连发", "次"],
                  want: { key: "按键【 按任意键 】", mouse: "鼠标【 左键 】", delay: "延时【 ", ms: " 】毫秒",
                          fire: "连发【", times: "】次", combo: "按键【 L Ctrl 】" } }
            ]
        }

        function test_added_captions_fall_back_to_english(data) {
            var file = ["Noto Sans CJK SC", "选项"]
            for (var i = 2; i <= 140; ++i)
                file.push(i === 51 ? "左键" : "字" + i)
            if (data.words)
                file = file.concat(data.words)
            ui_View.strings = { "025044": file, "031000": ["Arial", "OPTIONS"] }
            root.initUI()
            compare(root.globalSetting_stringList[1], "选项")
            var macroPage = item("_Page_Macro")
            var keyPage = item("_Page_Keydefine")
            compare(findChild(findChild(macroPage, "_input_key"), "caption").text, data.want.key)
            compare(findChild(findChild(keyPage, "_input_keyboard"), "caption").text, data.want.key)
            compare(findChild(findChild(macroPage, "_menu_mouseStep"), "headText").text, data.want.mouse)
            compare(findChild(macroPage, "delayPrefix").text, data.want.delay)
            compare(findChild(macroPage, "delaySuffix").text, data.want.ms)
            compare(findChild(keyPage, "firePrefix").text, data.want.fire)
            compare(findChild(keyPage, "fireSuffix").text, data.want.times)
            compare(findChild(keyPage, "_menu_modifier").mdItems.get(1).textX, data.want.combo)
            // A key taken by the field keeps the translated word in front of its name.
            var field = findChild(macroPage, "_input_key")
            field.setKeycodeUSB(4)
            compare(findChild(field, "caption").text, data.want.key.split("【")[0] + " 【 A 】")
            field.setKeycodeUSB(-1)
        }

        function test_custom_background_switch() {
            root.initUI()
            ui_View.customPath = ""
            page.toggleCustomBackground()
            verify(!root.isCustomBackground)
            ui_View.customPath = "/tmp/my pics/bg#1.png"
            page.toggleCustomBackground()
            verify(root.isCustomBackground)
            verify(pageItem("bgSwitch").isOn)
            compare(page.customBackgroundText, "file:/tmp/my pics/bg#1.png")
            // The "#" stays part of the file name rather than starting a fragment.
            compare(String(root.sourceCustomBackground), "file:///tmp/my pics/bg%231.png")
            page.saveApconfig()
            compare(ui_View.saved[5], true)
            compare(ui_View.saved[6], "file:/tmp/my pics/bg#1.png")
            // A click while on turns it off without asking.
            ui_View.clear()
            page.toggleCustomBackground()
            compare(ui_View.count("getCustomFilePath()"), 0)
            verify(!root.isCustomBackground)
            compare(String(root.sourceCustomBackground), "")
        }

        function test_unreadable_custom_background_falls_back_to_skin() {
            root.initUI()
            var bg = findChild(item("envItem"), "background")
            ui_View.customPath = "/nonexistent/picture.png"
            page.toggleCustomBackground()
            verify(root.isCustomBackground)
            tryCompare(bg, "source", root.sourceBackground)
            // Turning it off and on again tries the picture afresh.
            page.toggleCustomBackground()
            ui_View.customPath = Qt.resolvedUrl("img/palette.png").toString().substring(7)
            page.toggleCustomBackground()
            tryCompare(bg, "status", Image.Ready)
            compare(String(bg.source), String(root.sourceCustomBackground))
            page.toggleCustomBackground()
        }

        function test_language_choice_relabels_lists() {
            root.initUI()
            ui_View.strings = {
                "025044": ["Noto Sans CJK SC", "选项", "循环"],
                "031000": ["Arial", "OPTIONS"],
                "777000": (function() {
                    var l = page.englishStrings.slice()
                    l[31] = "AN"; l[32] = "AUS"; l[39] = "HAUT 1"; l[40] = "HAUT 2"
                    return l
                })()
            }
            ui_View.languages = { "CHINESE (Simp)": "025044", "ENGLISH": "031000", "GERMAN": "777000" }
            page.fillLanguages()
            page.setLanguage(2)
            compare(findChild(pageItem("soundList"), "headText").text, "AUS")
            compare(findChild(pageItem("skinList"), "headText").text, "HAUT 2")
        }
    }
}
