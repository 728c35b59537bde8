// SPDX-License-Identifier: MIT
// KeyCodeString as the pages use it: names by code and codes by name for keys and mouse
// buttons, the odd spellings kept exactly, and logByte on one-hot bytes.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/basic"

Item {
    KeyCodeString { id: _KeyCodeString }

    TestCase {
        name: "KeyCodeString"

        function test_keyNames() {
            compare(_KeyCodeString.keycodeTostr(0x04), "A")
            compare(_KeyCodeString.keycodeTostr(0x27), "0")
            compare(_KeyCodeString.keycodeTostr(0x31), "\\ |")
            compare(_KeyCodeString.keycodeTostr(0x34), "' \"")
            compare(_KeyCodeString.keycodeTostr(0x4F), "\u25BA")
            compare(_KeyCodeString.keycodeTostr(0xE7), "R Win")
            verify(_KeyCodeString.keycodeTostr(0x32) === undefined)
            verify(_KeyCodeString.keycodeTostr(0x00) === undefined)
            verify(_KeyCodeString.keycodeTostr(0x86) === undefined)
            verify(_KeyCodeString.keycodeTostr(0xF0) === undefined)
            verify(_KeyCodeString.keycodeTostr(0x104) === undefined)
        }

        function test_trailingSpaceOfKeypad7() {
            compare(_KeyCodeString.keycodeTostr(0x5F), "KP 7 ")
            compare(_KeyCodeString.strTokeycode("KP 7 "), 0x5F)
            verify(_KeyCodeString.strTokeycode("KP 7") === undefined)
            compare(_KeyCodeString.keycodeTostr(0x60), "KP 8")
        }

        function test_codesByName() {
            compare(_KeyCodeString.strTokeycode("Enter"), 0x28)
            compare(_KeyCodeString.strTokeycode("KP Enter"), 0x58)
            compare(_KeyCodeString.strTokeycode("Intl'2"), 0x88)
            compare(_KeyCodeString.strTokeycode("Int'l 2"), 0x89)
            compare(typeof _KeyCodeString.strTokeycode("L Ctrl"), "number")
            verify(_KeyCodeString.strTokeycode("enter") === undefined)
            verify(_KeyCodeString.strTokeycode("MS-L") === undefined)
            verify(_KeyCodeString.strTokeycode("constructor") === undefined)
        }

        function test_mouseNames() {
            var names = ["MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"]
            for (var i = 0; i < 5; ++i) {
                // the macro page turns its choice index i into 0xF0 + i
                compare(_KeyCodeString.mousecodeTostr(0xF0 + i), names[i])
                compare(_KeyCodeString.strTomousecode(names[i]), 0xF0 + i)
            }
            verify(_KeyCodeString.mousecodeTostr(0xF5) === undefined)
            verify(_KeyCodeString.mousecodeTostr(0x04) === undefined)
            verify(_KeyCodeString.strTomousecode("A") === undefined)
        }

        function test_logByte_data() {
            return [
                {tag: "0", value: 0, position: 0},
                {tag: "1", value: 1, position: 1},
                {tag: "0x80", value: 0x80, position: 8},
                {tag: "0x100", value: 0x100, position: 0},
                {tag: "0x0C", value: 0x0C, position: 3},
                {tag: "0x40", value: 0x40, position: 7},
                {tag: "0x101", value: 0x101, position: 1},
                {tag: "0xFF00", value: 0xFF00, position: 0},
                {tag: "-1 as unsigned", value: -1, position: 1},
                {tag: "-256 as unsigned", value: -256, position: 0},
            ]
        }
        function test_logByte(data) {
            compare(_KeyCodeString.logByte(data.value), data.position)
        }
    }
}
