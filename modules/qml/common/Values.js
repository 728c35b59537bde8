// SPDX-License-Identifier: MIT
// Reading stored values in the pages: settings and profile values come back as text or
// numbers, and a damaged one must fall back instead of spreading NaN or "false" as true.
.pragma library

// Whole number in v (decimal text or number), fallback when there is none.
function toInt(v, fallback) {
    var n = parseInt(v, 10)
    return isNaN(n) ? fallback : n
}

// toInt held to lo..hi.
function clampInt(v, lo, hi, fallback) {
    return Math.max(lo, Math.min(hi, toInt(v, fallback)))
}

// Stored settings come back as text: "false" must not read as true.
function toBool(v) {
    return v === true || v === 1 || v === "true" || v === "1"
}
