// SPDX-License-Identifier: MIT
// Key names for the pages (instance _KeyCodeString): USB usage or mouse code to name and
// back, answered by the program's one key-name table (KeyNameTable); undefined where a
// code or name has no entry.
import QtQuick 2.15
import R5.Tables 1.0

QtObject {
    function keycodeTostr(keycode) { return KeyNameTable.keyName(keycode) }
    function strTokeycode(str) { return KeyNameTable.keyCode(str) }
    function mousecodeTostr(mousecode) { return KeyNameTable.mouseName(mousecode) }
    function strTomousecode(str) { return KeyNameTable.mouseCode(str) }

    // Position (1-8) of the lowest set bit among bits 0-7, 0 when none is set.
    function logByte(intByte) {
        var value = intByte >>> 0
        for (var bit = 0; bit < 8; ++bit) {
            if (value & (1 << bit))
                return bit + 1
        }
        return 0
    }
}
