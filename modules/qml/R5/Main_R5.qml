// SPDX-License-Identifier: MIT
// Mouse view (stand-in until the real view lands). What the root relies on:
//   initUI()                 after the settings page has loaded the language
//   translateStrings(code)   after every language change (code: six-digit language code)
//   setSkin()                after every skin change
//   playOnPowerOn()          when the start-up animation has finished
//   signal msg_KB(isDown, usbCode)  relay of the root's msg_KB for the pages
// The page area `_fkPage` at (171, 96), 759 x 442, is disabled (opacity 0.2) while the
// settings drawer is open.
import QtQuick 2.15

Item {
    id: mainItem_R5
    width: 1000
    height: 600

    property int lastPressKeyCode: 0
    signal msg_KB(bool isDown, int usbCode)

    function initUI() {
    }

    function translateStrings(code) {
    }

    function setSkin() {
    }

    function playOnPowerOn() {
        _fkPage.visible = true
    }

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (isDown)
                mainItem_R5.lastPressKeyCode = usbCode
            mainItem_R5.msg_KB(isDown, usbCode)
        }
    }

    Flickable {
        id: _fkPage
        objectName: "_fkPage"
        x: 171
        y: 96
        width: 759
        height: 442
        interactive: false
        clip: true
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
        property int curID: 0
    }
}
