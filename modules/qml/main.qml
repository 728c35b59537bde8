// SPDX-License-Identifier: MIT
// Root of the scene: the global look every page reads by name (font, colours, strings,
// skin images), the start-up and close animations, the settings drawer and the window drag.
import QtQuick 2.15
import "basic"
import "common"
import "R5"

Item {
    id: mainIten
    objectName: "mainIten"
    width: 1000
    height: 600
    visible: false

    // ---- global look, driven by the settings page ----
    property int globalSetting_size: _Page_Globalsetting._Size
    property color globalSetting_color: _Page_Globalsetting._Color
    property color globalSetting_color_enable: _Page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: _Page_Globalsetting._ColorDisable
    property int animation_speed: _Page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: _Page_Globalsetting._StringList
    property string globalSetting_fontFamily: _Page_Globalsetting._FontFamily
    property string globalSetting_url: _Page_Globalsetting._Url
    property int skin_No: _Page_Globalsetting.skin_No
    property bool isCustomBackground: _Page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: ""

    // ---- skin images: every one follows skin_No ----
    property url sourceBackground: "file:modules/img/skin" + skin_No + "/background.png"
    property url sourceSlider: "file:modules/img/skin" + skin_No + "/common/slider_BASE.png"
    property url sourceLine: "file:modules/img/skin" + skin_No + "/common/draw_line.png"
    property url sourceFilelist: "file:modules/img/skin" + skin_No + "/common/filelist_BASE.png"
    property url sourceInputValue: "file:modules/img/skin" + skin_No + "/common/draw_inputValue.png"
    property url sourcePaletteIndex: "file:modules/img/skin" + skin_No + "/common/draw_paletteIndex.png"
    property url sourceCHK0: "file:modules/img/skin" + skin_No + "/common/checkbox_0.png"
    property url sourceCHK1: "file:modules/img/skin" + skin_No + "/common/checkbox_1.png"
    property url sourcePalette: "file:modules/img/skin" + skin_No + "/common/draw_palette.png"
    property url sourceReset0: "file:modules/img/skin" + skin_No + "/common/reset_0.png"
    property url sourceReset1: "file:modules/img/skin" + skin_No + "/common/reset_1.png"
    property url sourceApply0: "file:modules/img/skin" + skin_No + "/common/apply_0.png"
    property url sourceApply1: "file:modules/img/skin" + skin_No + "/common/apply_1.png"
    property url sourceFram2btn: "file:modules/img/skin" + skin_No + "/common/fram_2btn.png"
    property url sourceAdd0: "file:modules/img/skin" + skin_No + "/common/add_0.png"
    property url sourceAdd1: "file:modules/img/skin" + skin_No + "/common/add_1.png"
    property url sourceDelete0: "file:modules/img/skin" + skin_No + "/common/delete_0.png"
    property url sourceDelete1: "file:modules/img/skin" + skin_No + "/common/delete_1.png"
    property url sourceRecord0: "file:modules/img/skin" + skin_No + "/common/record_0.png"
    property url sourceRecord1: "file:modules/img/skin" + skin_No + "/common/record_1.png"
    property url sourceStop0: "file:modules/img/skin" + skin_No + "/common/stop_0.png"
    property url sourceStop1: "file:modules/img/skin" + skin_No + "/common/stop_1.png"
    property url sourceSolidDelete0: "file:modules/img/skin" + skin_No + "/common/solid-delete_0.png"
    property url sourceSolidDelete1: "file:modules/img/skin" + skin_No + "/common/solid-delete_1.png"
    property url sourceSolidCut0: "file:modules/img/skin" + skin_No + "/common/solid-cut_0.png"
    property url sourceSolidCut1: "file:modules/img/skin" + skin_No + "/common/solid-cut_1.png"
    property url sourceSolidPaste0: "file:modules/img/skin" + skin_No + "/common/solid-paste_0.png"
    property url sourceSolidPaste1: "file:modules/img/skin" + skin_No + "/common/solid-paste_1.png"
    property url sourceSolidCopy0: "file:modules/img/skin" + skin_No + "/common/solid-copy_0.png"
    property url sourceSolidCopy1: "file:modules/img/skin" + skin_No + "/common/solid-copy_1.png"
    property url sourceSliderFiller0: "file:modules/img/skin" + skin_No + "/common/slider_FILLER_0.png"
    property url sourceSliderFiller1: "file:modules/img/skin" + skin_No + "/common/slider_FILLER_1.png"
    property url sourceBtnGroup_4_BASE: "file:modules/img/skin" + skin_No + "/common/btnGroup_4_BASE.png"
    property url sourceBtnGroup_8_BASE: "file:modules/img/skin" + skin_No + "/common/btnGroup_8_BASE.png"
    property url sourceBtnGroup_FILLER_0: "file:modules/img/skin" + skin_No + "/common/btnGroup_FILLER_0.png"
    property url sourceBtnGroup_FILLER_1: "file:modules/img/skin" + skin_No + "/common/btnGroup_FILLER_1.png"
    property url sourceBtnGroup2_FILLER_0: "file:modules/img/skin" + skin_No + "/common/btnGroup2_FILLER_0.png"
    property url sourceBtnGroup2_FILLER_1: "file:modules/img/skin" + skin_No + "/common/btnGroup2_FILLER_1.png"
    property url sourceSlider_11_BASE: "file:modules/img/skin" + skin_No + "/common/slider_11_BASE.png"
    property url sourceSlider_11_FILLER_0: "file:modules/img/skin" + skin_No + "/common/slider_11_FILLER_0.png"
    property url sourceSlider_11_FILLER_1: "file:modules/img/skin" + skin_No + "/common/slider_11_FILLER_1.png"
    property url sourceBtnFileListFrame: "file:modules/img/skin" + skin_No + "/common/btnFileListFrame.png"
    property url sourceBtnFrame: "file:modules/img/skin" + skin_No + "/common/btnFrame.png"
    property url sourceFrameBackground: "file:modules/img/skin" + skin_No + "/frame/frameBackground.png"
    property url sourceDecoration1: "file:modules/img/skin" + skin_No + "/frame/decoration1.png"
    property url sourceDecoration2: "file:modules/img/skin" + skin_No + "/frame/decoration2.png"
    property url sourceAS0: "file:modules/img/skin" + skin_No + "/list_up/applicationSetting_0.png"
    property url sourceAS1: "file:modules/img/skin" + skin_No + "/list_up/applicationSetting_1.png"
    property url sourceAM0: "file:modules/img/skin" + skin_No + "/list_up/applicationMinimize_0.png"
    property url sourceAM1: "file:modules/img/skin" + skin_No + "/list_up/applicationMinimize_1.png"
    property url sourceListUpContainer: "file:modules/img/skin" + skin_No + "/list_up/listUpContainer.png"
    property url sourceListDnContainer: "file:modules/img/skin" + skin_No + "/list_dn/listDnContainer.png"
    property url sourceListPfContainer: "file:modules/img/skin" + skin_No + "/list_pf/listPfContainer.png"
    property url sourceFW0: "file:modules/img/skin" + skin_No + "/list_pf/profileFW_0.png"
    property url sourceFW1: "file:modules/img/skin" + skin_No + "/list_pf/profileFW_1.png"
    property url sourceListFnBtn_0: "file:modules/img/skin" + skin_No + "/list_fn/listFnBtn_0.png"
    property url sourceListFnBtn_1: "file:modules/img/skin" + skin_No + "/list_fn/listFnBtn_1.png"
    property url sourceGlobalsettingBackground: "file:modules/img/skin" + skin_No + "/list_center/globalsettingBackground.png"
    property url sourceFnColorBackground: "file:modules/img/skin" + skin_No + "/list_center/fnColorBackground.png"
    property url sourceFnKeydefineBackground: "file:modules/img/skin" + skin_No + "/list_center/fnKeydefineBackground.png"
    property url sourceFnMacroBackground: "file:modules/img/skin" + skin_No + "/list_center/fnMacroBackground.png"
    property url sourceFnCommonBackground: "file:modules/img/skin" + skin_No + "/list_center/fnCommonBackground.png"
    property url sourceModel_R5_Color: "file:modules/img/skin" + skin_No + "/model_ms/model_R5_Color.png"
    property url sourceModel_R5_KeyDefine: "file:modules/img/skin" + skin_No + "/model_ms/model_R5_KeyDefine.png"
    property url sourcegunlist: "file:modules/img/skin" + skin_No + "/gun/gunlist.png"
    property url sourceApply_gun0: "file:modules/img/skin" + skin_No + "/gun/apply_gun0.png"
    property url sourceApply_gun1: "file:modules/img/skin" + skin_No + "/gun/apply_gun1.png"
    property url sourcegunFrame: "file:modules/img/skin" + skin_No + "/gun/gunFrame.png"
    property url sourcegunFrame_S: "file:modules/img/skin" + skin_No + "/gun/gunFrame_s.png"

    signal msg_KB(bool isDown, int usbCode)
    signal emptyAreaPressed()

    // ---- functions called by the native side and by the pages ----
    function initUI() {
        // The language strings must be in place before the mouse pages read them.
        _Page_Globalsetting.initUI()
        main_R5.initUI()
    }

    function run() {
        script0.restart()
    }

    // Locks the whole view for `interval` ms (0 unlocks at the next pass of the event loop).
    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        // A lock taken while locked replaces the remaining time without unlocking between.
        tmrProtectUI.relocking = true
        tmrProtectUI.stop()
        tmrProtectUI.relocking = false
        tmrProtectUI.interval = interval
        tmrProtectUI.start()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    // Mouse buttons captured outside the window are not used by any page.
    function detectMouse(isDown, code, x, y) {
    }

    function setSkin() {
        downItem.setSkin()
        main_R5.setSkin()
    }

    function translateStrings(code) {
        _Page_Globalsetting.translateStrings()
        main_R5.translateStrings(code)
    }

    // Drawer requests: a request against the running opposite animation first finishes
    // that one; a request repeating the running animation just finishes it.
    function showGlobalSetting(open) {
        if (open) {
            if (gsCloseAnim.running) {
                gsCloseAnim.complete()
                _fkGlobalsetting.visible = true
                gsOpenAnim.start()
            } else if (gsOpenAnim.running) {
                gsOpenAnim.complete()
            } else {
                _fkGlobalsetting.visible = true
                gsOpenAnim.start()
            }
        } else {
            if (gsOpenAnim.running) {
                gsOpenAnim.complete()
                gsCloseAnim.start()
            } else if (gsCloseAnim.running) {
                gsCloseAnim.complete()
            } else {
                gsCloseAnim.start()
            }
        }
    }

    // ---- window drag over the empty background ----
    MouseArea {
        id: dragArea
        objectName: "dragArea"
        anchors.fill: parent
        property int pressX: 0
        property int pressY: 0
        onPressed: {
            mainIten.emptyAreaPressed()
            pressX = mouse.x
            pressY = mouse.y
        }
        // The window moves with the pointer, so the press point stays the reference.
        onPositionChanged: {
            ui_Ctl.onXChanged(mouse.x - pressX)
            ui_Ctl.onYChanged(mouse.y - pressY)
        }
    }

    BusyIndicator {
        id: protectUIItem
        objectName: "protectUIItem"
        z: 99
        anchors.centerIn: parent
    }

    Timer {
        id: tmrProtectUI
        objectName: "tmrProtectUI"
        interval: 1000
        repeat: false
        property bool relocking: false
        onRunningChanged: {
            if (!running && !relocking) {
                ui_View.setEnabled(true)
                protectUIItem.setBusy(false)
            }
        }
    }

    Environment {
        id: envItem
        objectName: "envItem"
        opacity: 0
    }

    Main_R5 {
        id: main_R5
        objectName: "main_R5"
    }

    Environment_Decoration {
        id: envDecorationItem
        objectName: "envDecorationItem"
        opacity: 0
    }

    Menu_Down {
        id: downItem
        objectName: "downItem"
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
    }

    Menu_Up {
        id: upItem
        objectName: "upItem"
        y: -600
        onBtnClicked: {
            if (index === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else
                scriptEnd.restart()
        }
        onIsGlobalSettingSelectChanged: mainIten.showGlobalSetting(isGlobalSettingSelect)
    }

    // Vendor logo: opens the vendor's site in the system browser.
    Image {
        id: logoWeb_img
        objectName: "logoWeb_img"
        x: (mainIten.width - width) / 2
        y: 270
        opacity: 0
        source: "file:modules/img/skin" + skin_No + "/frame/web_" + (logoArea.containsMouse ? "1" : "0") + ".png"
        MouseArea {
            id: logoArea
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.PointingHandCursor
            onClicked: {
                ui_View.playMedia_Index(0x03)
                Qt.openUrlExternally(globalSetting_url)
            }
        }
    }

    // Settings drawer: slides in from the left under the title strip.
    Flickable {
        id: _fkGlobalsetting
        objectName: "_fkGlobalsetting"
        x: 5
        y: 27
        width: 340
        height: 420
        interactive: false
        clip: true
        visible: false
        contentWidth: 340
        contentHeight: 420
        contentX: 340

        Page_Globalsetting {
            id: _Page_Globalsetting
            objectName: "_Page_Globalsetting"
        }
    }

    NumberAnimation {
        id: gsOpenAnim
        target: _fkGlobalsetting
        property: "contentX"
        from: 340
        to: 0
        duration: animation_speed * 0.8
        easing.type: Easing.OutCubic
    }

    NumberAnimation {
        id: gsCloseAnim
        target: _fkGlobalsetting
        property: "contentX"
        from: 0
        to: 340
        duration: animation_speed * 0.8
        easing.type: Easing.OutCubic
        onStopped: _fkGlobalsetting.visible = false
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    // ---- start-up: logo, background, then both strips ----
    SequentialAnimation {
        id: script0
        onStarted: {
            ui_View.playMedia_Index(0x01)
            mainIten.visible = true
        }
        NumberAnimation {
            target: logoWeb_img; property: "opacity"; from: 0; to: 1
            easing.type: Easing.InCirc; duration: animation_speed
        }
        NumberAnimation {
            target: logoWeb_img; property: "y"; from: 270; to: 4
            easing.type: Easing.OutExpo; duration: animation_speed * 1.5
        }
        ParallelAnimation {
            NumberAnimation {
                target: envItem; property: "opacity"; from: 0; to: 1
                easing.type: Easing.OutCirc; duration: animation_speed
            }
            NumberAnimation {
                target: envDecorationItem; property: "opacity"; from: 0; to: 1
                easing.type: Easing.OutCirc; duration: animation_speed
            }
        }
        onFinished: {
            script1.restart()
            main_R5.playOnPowerOn()
        }
    }

    ParallelAnimation {
        id: script1
        NumberAnimation {
            target: upItem; property: "y"; from: -600; to: 0
            easing.type: Easing.OutElastic; duration: animation_speed
        }
        NumberAnimation {
            target: downItem; property: "y"; from: 600; to: 600 - downItem.height
            easing.type: Easing.OutElastic; duration: animation_speed
        }
    }

    // ---- closing: fold the scene, then close the window ----
    NumberAnimation {
        id: scriptEnd
        target: mainIten
        property: "height"
        from: 600
        to: 0
        easing.type: Easing.InOutCubic
        duration: animation_speed
        onFinished: ui_Ctl.onMinimize()
    }
}
