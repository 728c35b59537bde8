// SPDX-License-Identifier: MIT
// The pages' value helpers: stored text and numbers to whole numbers with a fallback,
// held to a range, and stored truth values where "false" is false.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/common/Values.js" as Values

TestCase {
    name: "Values"

    function test_stored_values() {
        compare(Values.toInt("08", 0), 8)          // decimal, never octal
        compare(Values.toInt(7.9, 0), 7)
        compare(Values.toInt("abc", 5), 5)
        compare(Values.toInt(undefined, -1), -1)
        compare(Values.clampInt("300", 0, 255, 0), 255)
        compare(Values.clampInt("x", 10, 100, 10), 10)
        compare(Values.clampInt(undefined, 0, 7, 99), 7)   // a fallback outside is held too
        verify(Values.toBool("true") && Values.toBool("1") && Values.toBool(true))
        verify(!Values.toBool("false") && !Values.toBool("0") && !Values.toBool(undefined))
    }
}
