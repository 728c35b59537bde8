// SPDX-License-Identifier: MIT
// Colour page (stand-in until the real page lands). What the mouse view relies on:
//   initUI(deviceApConfig)  once at start; refreshUI() at start and after every profile
//   switch; translateStrings() after every language change.
import QtQuick 2.15

Item {
    width: 730
    height: 310

    function initUI(deviceApConfig) {
    }

    function refreshUI() {
    }

    function translateStrings() {
    }
}
