import QtQuick 2.15
import QtTest 1.2
import "../../modules/qml"

// The scene's root loads and exposes the functions native code calls.
Item {
    width: 1000; height: 600
    Loader { id: loader; source: "../../modules/qml/main.qml" }
    TestCase {
        name: "Root"
        when: loader.status === Loader.Ready
        function test_rootFunctions() {
            var root = loader.item
            verify(root !== null)
            compare(root.width, 1000)
            compare(root.height, 600)
            compare(typeof root.initUI, "function")
            compare(typeof root.detectKeyboard, "function")
        }
    }
}
