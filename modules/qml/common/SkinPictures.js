// SPDX-License-Identifier: MIT
// Picture blocks of the pages: a page holds its own copy of each skin picture it shows,
// empty until it is first shown, taken from the nearest enclosing item that defines it
// (the scene root in the program, the test scene in the QML tests).
.pragma library

function inherited(item, name) {
    for (var p = item.parent; p; p = p.parent) {
        if (p[name] !== undefined)
            return p[name]
    }
    return ""
}
