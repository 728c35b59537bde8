// SPDX-License-Identifier: MIT
// Picture of the mouse for the key page (showing and picking the key position), and the
// key matrix it edits: sixteen four-byte records (function type and three parameters)
// plus the factory assignment.
import QtQuick 2.15

Item {
    id: modelKeyDefine
    width: 82
    height: 151

    // Index of the key chosen in the key page's chooser (-1: none).
    property int curKeyMatrix: -1
    // The page whose refreshMacroIndex() runs after a reset of all keys.
    property var keyPage: null
    // Names of the sixteen key positions and the key id being edited, for the picture.
    property var positionNames: []
    property int chosenKeyId: -1
    readonly property bool tipShown: keyPicture.tipShown
    // A position was clicked on the picture.
    signal keyPicked(int keyId)
    // Factory assignment, four bytes per key id; replaced by the factory profile's values.
    property var keyCode_Default: [
        1, 0, 0xF0, 0,      1, 0, 0xF1, 0,      1, 0, 0xF2, 0,      1, 0, 0xF4, 0,
        1, 0, 0xF3, 0,      7, 0, 3, 0,         0x0B, 0, 0, 0,      7, 0, 3, 0,
        5, 0, 3, 0,         3, 0, 0x8A, 1,      3, 0, 0x23, 2,      3, 0, 0x94, 1,
        0, 0, 0, 0,         0, 0, 0, 0,         4, 0, 1, 0,         4, 0, 2, 0
    ]
    readonly property int keyCount: 16
    property alias keyMatrix: records

    // The record of key id `keyId` (properties keyCode0 … keyCode3), or null.
    function getKey(keyId) {
        if (keyId < 0 || keyId >= records.count)
            return null
        return records.get(keyId)
    }

    function record(keyId) {
        var k = getKey(keyId)
        return k ? [k.keyCode0, k.keyCode1, k.keyCode2, k.keyCode3] : [0, 0, 0, 0]
    }

    // Stores four bytes; anything that is not a number counts as 0.
    function setRecord(keyId, b0, b1, b2, b3) {
        if (keyId < 0 || keyId >= records.count)
            return
        records.set(keyId, { keyCode0: toByte(b0), keyCode1: toByte(b1),
                             keyCode2: toByte(b2), keyCode3: toByte(b3) })
    }

    function toByte(v) {
        var n = parseInt(v, 10)
        return isNaN(n) ? 0 : (n & 0xFF)
    }

    function defaultRecord(keyId) {
        var d = keyCode_Default
        var at = function(i) { return (d && i < d.length) ? toByte(d[i]) : 0 }
        return [at(4 * keyId), at(4 * keyId + 1), at(4 * keyId + 2), at(4 * keyId + 3)]
    }

    // The sixteen records in key-id order, four bytes each.
    function toList64() {
        var out = []
        for (var i = 0; i < records.count; ++i)
            out = out.concat(record(i))
        return out
    }

    function resetAll() {
        for (var i = 0; i < records.count; ++i) {
            var d = defaultRecord(i)
            setRecord(i, d[0], d[1], d[2], d[3])
        }
        if (keyPage)
            keyPage.refreshMacroIndex()
    }

    ListModel {
        id: records
        Component.onCompleted: {
            for (var i = 0; i < modelKeyDefine.keyCount; ++i)
                append({ keyCode0: 0, keyCode1: 0, keyCode2: 0, keyCode3: 0 })
        }
    }

    KeyPositionPicture {
        id: keyPicture
        objectName: "keyPicture"
        x: -10
        y: -20
        names: modelKeyDefine.positionNames
        chosenKeyId: modelKeyDefine.chosenKeyId
        onKeyClicked: modelKeyDefine.keyPicked(keyId)
    }
}
