// SPDX-License-Identifier: MIT
// Sensor page (stand-in until the real page lands). What the mouse view relies on:
//   initUI()  at start and after every profile switch.
import QtQuick 2.15

Item {
    width: 730
    height: 310

    function initUI() {
    }
}
