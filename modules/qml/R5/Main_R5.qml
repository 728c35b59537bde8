// SPDX-License-Identifier: MIT
// Mouse view: profile menu on the right, function menu on the left, and the page area in
// which one of the five pages slides in. Relays captured keys from the root to the pages.
import QtQuick 2.15

Item {
    id: mainItem_R5
    objectName: "mainItem_R5"
    width: 1000
    height: 600

    property int lastPressKeyCode: 0
    // Names of the sixteen key positions in the current language ("" where none exists).
    property var _ProductLayoutStringList: []
    signal msg_KB(bool isDown, int usbCode)

    // ---- functions called by the root ----
    function initUI() {
        var deviceApConfig = ui_View.loadDeviceApConfig()
        _Page_Keydefine.initUI()
        _Page_Macro.initUI()
        _Page_Color.initUI(deviceApConfig)
        _Page_Sensor.initUI()
        _Page_pressGun.initUI()
    }

    function translateStrings(code) {
        _ProductLayoutStringList = ui_View.getProductLayoutStrings_R5(code)
        _Page_Keydefine.translateStrings()
        _Page_Macro.translateStrings()
        _Page_Color.translateStrings()
        _Menu_Func.translateStrings()
        _Menu_Prof.translateStrings()
        _Page_pressGun.translateStrings()
    }

    function setSkin() {
        _Menu_Func.setSkin()
    }

    function playOnPowerOn() {
        powerOnAnim.restart()
    }

    // Re-reads everything that lives in the profile after a switch (or a reload of the
    // current profile from a file or from the factory profile).
    function switchProfile(index) {
        ui_View.ui_02H_SetCurrentProfile(index)
        _Page_Keydefine.initUI()
        _Page_Color.refreshUI()
        _Page_Sensor.initUI()
        ui_View.ui_02H_SetKeymatrix(0)
        // The mouse keeps what it was given until "ALL SAVE"; the bottom strip says so.
        downItem.profileShown(index)
    }

    onMsg_KB: {
        _Page_Keydefine.detectKeyboard(isDown, usbCode)
        _Page_Macro.detectKeyboard(isDown, usbCode)
    }

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (isDown)
                mainItem_R5.lastPressKeyCode = usbCode
            mainItem_R5.msg_KB(isDown, usbCode)
        }
    }

    // ---- page area ----
    Flickable {
        id: _fkPage
        objectName: "_fkPage"
        x: 171
        y: 96
        width: 759
        height: 442
        contentWidth: width
        contentHeight: height
        interactive: false
        clip: true
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2

        property int curID: 0
        // Page that slides in once the running slide-out has finished (-1: none).
        property int tmpIndex: -1

        function show(index) {
            ui_View.playMedia_Index(0x02)
            if (slideOut.running) {
                tmpIndex = index
                slideOut.complete()
                return
            }
            if (slideIn.running) {
                curID = index
                slideIn.complete()
                return
            }
            if (index < 0) {
                tmpIndex = index
                slideOut.start()
            } else if (tmpIndex < 0) {
                tmpIndex = index
                curID = index
                slideIn.start()
            } else {
                tmpIndex = index
                slideOut.start()
            }
        }

        Page_Keydefine {
            id: _Page_Keydefine
            objectName: "_Page_Keydefine"
            y: 46
            visible: _fkPage.curID === 0
            productStrings: mainItem_R5._ProductLayoutStringList
        }

        Page_Macro {
            id: _Page_Macro
            objectName: "_Page_Macro"
            y: 46
            visible: _fkPage.curID === 1
        }

        Page_Color {
            id: _Page_Color
            objectName: "_Page_Color"
            y: 46
            visible: _fkPage.curID === 2
        }

        Page_Sensor {
            id: _Page_Sensor
            objectName: "_Page_Sensor"
            y: 46
            visible: _fkPage.curID === 3
        }

        Page_pressGun {
            id: _Page_pressGun
            objectName: "_Page_pressGun"
            y: 46
            visible: _fkPage.curID === 4
        }
    }

    // The press-gun page re-sends the key matrix after it changed a fire-key slot.
    Connections {
        target: _Page_pressGun
        ignoreUnknownSignals: true
        function onResetKeyMatrix() {
            _Page_Keydefine.apply()
        }
    }

    NumberAnimation {
        id: slideIn
        target: _fkPage
        property: "contentX"
        from: -2 * 759
        to: 0
        easing.type: Easing.OutCubic
        duration: animation_speed * 0.5
    }

    NumberAnimation {
        id: slideOut
        target: _fkPage
        property: "contentX"
        from: 0
        to: -2 * 759
        easing.type: Easing.InCubic
        duration: animation_speed * 0.5
        onStopped: {
            _fkPage.curID = _fkPage.tmpIndex
            if (_fkPage.tmpIndex >= 0)
                slideIn.start()
        }
    }

    // ---- menus ----
    Menu_Func {
        id: _Menu_Func
        objectName: "_Menu_Func"
        x: 8
        y: 180
        visible: false
        currentIndex: -1
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
        onIndexChanged_btn: _fkPage.show(currentIndex)
    }

    Menu_Prof {
        id: _Menu_Prof
        objectName: "_Menu_Prof"
        x: 1000 - width - 8
        y: 95
        visible: false
        enabled: !upItem.isGlobalSettingSelect && _fkPage.curID !== 1
        opacity: enabled ? 1.0 : 0.2
        onIndexChanged_btn: mainItem_R5.switchProfile(currentIndex)
    }

    // Power-on: both menus swing in from the sides, then the chosen page slides in.
    ParallelAnimation {
        id: powerOnAnim
        onStarted: {
            _Menu_Prof.x = 1000
            _Menu_Func.x = -150
            _Menu_Prof.visible = true
            _Menu_Func.visible = true
        }
        NumberAnimation {
            target: _Menu_Prof
            property: "x"
            from: 1000
            to: 1000 - _Menu_Prof.width - 8
            easing.type: Easing.OutElastic
            duration: animation_speed
        }
        NumberAnimation {
            target: _Menu_Func
            property: "x"
            from: -150
            to: 8
            easing.type: Easing.OutElastic
            duration: animation_speed
        }
        onStopped: {
            // The page is chosen before the area shows, so no other page is shown (and
            // reads its pictures) for that instant.
            _fkPage.curID = _Menu_Func.currentIndex
            _fkPage.visible = true
            _fkPage.tmpIndex = _Menu_Func.currentIndex
            slideIn.start()
        }
    }
}
