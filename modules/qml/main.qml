import QtQuick 2.15

Item {
    id: mainIten
    width: 1000
    height: 600
    function initUI() {}
    function run() {}
    function setProtectUI(busyTime) {}
    function detectKeyboard(isDown, usbCode) {}
    function detectMouse(isDown, code, x, y) {}
}
