// SPDX-License-Identifier: MIT
// Where each key position lies on the key page's mouse picture, in the picture's own
// pixels (102 x 191, nose up), following the buttons the skin painter draws there.
.pragma library

// Small buttons first: they sit on the large ones and win where both are hit. A rect is
// [x, y, width, height]; a poly is a list of [x, y] corners.
var areas = [
    { id: 14, rect: [46, 10, 10, 9.5] },        // wheel up: the mark above the wheel
    { id: 15, rect: [46, 49.5, 10, 7.5] },      // wheel down: the mark below it
    { id: 2, rect: [45.5, 19.5, 11, 30] },      // wheel button
    { id: 5, rect: [46.5, 57, 9, 10] },         // DPI button
    { id: 7, rect: [46.5, 67.5, 9, 10] },       // top button
    { id: 6, rect: [46, 97, 10, 10] },          // light button
    { id: 9, rect: [28.5, 29.5, 7, 10] },       // side buttons 1 to 3
    { id: 10, rect: [28, 41.5, 7, 10] },
    { id: 11, rect: [28, 53.5, 7, 10] },
    { id: 3, rect: [13.5, 85.5, 10, 24] },      // forward (front thumb) button
    { id: 4, rect: [14, 110.5, 10, 24] },       // backward (rear thumb) button
    { id: 0, poly: [[51, 85], [40.5, 84.7], [30.8, 83.9], [25.9, 83.3], [25.4, 74.4], [25.3, 62],
                    [25.3, 48.1], [25.8, 38.5], [27.4, 28.3], [29, 23.4], [31, 19.3], [33.6, 16],
                    [36.7, 13.3], [40.3, 11.5], [44.5, 10.2], [49.3, 9.7], [51, 9.7]] },
    { id: 1, poly: [[51, 85], [61.5, 84.7], [71.2, 83.9], [76.1, 83.3], [76.6, 74.4], [76.7, 62],
                    [76.7, 48.1], [76.2, 38.5], [74.6, 28.3], [73, 23.4], [71, 19.3], [68.4, 16],
                    [65.3, 13.3], [61.7, 11.5], [57.5, 10.2], [52.7, 9.7], [51, 9.7]] }
]

function insidePoly(poly, x, y) {
    var inside = false
    for (var i = 0, j = poly.length - 1; i < poly.length; j = i++) {
        var xi = poly[i][0], yi = poly[i][1], xj = poly[j][0], yj = poly[j][1]
        if ((yi > y) !== (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside
    }
    return inside
}

function contains(area, x, y) {
    if (area.rect) {
        var r = area.rect
        return x >= r[0] && x < r[0] + r[2] && y >= r[1] && y < r[1] + r[3]
    }
    return insidePoly(area.poly, x, y)
}

// The key position at picture pixel (x, y), or -1.
function keyAt(x, y) {
    for (var i = 0; i < areas.length; ++i) {
        if (contains(areas[i], x, y))
            return areas[i].id
    }
    return -1
}

// True when the picture shows a button for key position `id`.
function hasArea(id) {
    for (var i = 0; i < areas.length; ++i) {
        if (areas[i].id === id)
            return true
    }
    return false
}
