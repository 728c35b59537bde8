// SPDX-License-Identifier: MIT
// The pages' value helpers: stored text and numbers to whole numbers with a fallback,
// held to a range, and stored truth values where "false" is false.
import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml/common/Values.js" as Values

TestCase {
    name: "Values"

    function test_toInt_reads_what_settings_hand_back() {
        compare(Values.toInt("12", 0), 12)
        compare(Values.toInt(7, 0), 7)
        compare(Values.toInt(7.9, 0), 7)
        compare(Values.toInt("-3", 0), -3)
        compare(Values.toInt("08", 0), 8)          // decimal, never octal
        compare(Values.toInt("12px", 0), 12)
        compare(Values.toInt("", 5), 5)
        compare(Values.toInt("abc", 5), 5)
        compare(Values.toInt(undefined, 5), 5)
        compare(Values.toInt(null, -1), -1)
    }

    function test_clampInt_holds_the_range_and_falls_back_inside_it() {
        compare(Values.clampInt("300", 0, 255, 0), 255)
        compare(Values.clampInt(-4, 0, 255, 0), 0)
        compare(Values.clampInt("x", 0, 10, 5), 5)
        compare(Values.clampInt("x", 10, 100, 10), 10)
        compare(Values.clampInt(undefined, 0, 7, 99), 7)   // a fallback outside is held too
    }

    function test_toBool_takes_only_true_spellings() {
        verify(Values.toBool(true))
        verify(Values.toBool(1))
        verify(Values.toBool("true"))
        verify(Values.toBool("1"))
        verify(!Values.toBool("false"))
        verify(!Values.toBool("0"))
        verify(!Values.toBool(""))
        verify(!Values.toBool(undefined))
        verify(!Values.toBool("yes"))
    }
}
