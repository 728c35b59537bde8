// SPDX-License-Identifier: MIT
// Press-gun page (stand-in until the real page lands). What the mouse view relies on:
//   initUI() at start; translateStrings() after every language change;
//   signal resetKeyMatrix() asks the key page to send the key matrix again.
import QtQuick 2.15

Item {
    width: 730
    height: 310
    signal resetKeyMatrix()

    function initUI() {
    }

    function translateStrings() {
    }
}
