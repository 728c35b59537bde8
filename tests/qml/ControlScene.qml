// SPDX-License-Identifier: MIT
// Stand-in for the scene root when controls are tested on their own: the global look
// the controls read by name, distinct picture names for the resting and lit states,
// and a recording ui_View.
import QtQuick 2.15

Item {
    width: 1000
    height: 600

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 200
    // Strings 0 and 1, and the words the key field and step editor read (141-147).
    property var globalSetting_stringList: {
        var list = ["Arial", "OPTIONS"]
        for (var i = 2; i < 141; ++i)
            list.push("")
        return list.concat(["MOUSE", "KEY", "PRESS ANY", "DELAY", "ms", "FIRE", "times"])
    }
    property string globalSetting_fontFamily: "Arial"
    property int skin_No: 1

    // Small plain pictures of the skin's sizes; the lit twins have their own names so a
    // test can tell which one a control shows.
    property url sourceSlider: "img/slider.png"
    property url sourceLine: "img/line.png"
    property url sourceFilelist: "img/filelist.png"
    property url sourceCHK0: "img/chk0.png"
    property url sourceCHK1: "img/chk1.png"
    property url sourceSliderFiller0: "img/filler0.png"
    property url sourceSliderFiller1: "img/filler1.png"
    property url sourceSlider_11_BASE: ""
    property url sourceSlider_11_FILLER_0: "img/filler11_0.png"
    property url sourceSlider_11_FILLER_1: "img/filler11_1.png"
    property url sourceBtnGroup_4_BASE: ""
    property url sourceBtnGroup_8_BASE: ""
    property url sourceBtnGroup_FILLER_0: "img/cell0.png"
    property url sourceBtnGroup_FILLER_1: "img/cell1.png"

    property var ui_View: UiViewStub {}
}
