// SPDX-License-Identifier: MIT
// A macro's device block: where the coder's events lie in its bytes, and the cut that
// fits a block into a device slot without leaving a key held down. Bytes in, bytes out.
#pragma once
#include <QList>
#include <QVector>

namespace MacroBlock {

// One coded step: a key or button pressed or released, or a pause of its own.
struct Event {
    enum Kind { Press, Release, Pause } kind;
    uchar usage;   // key or button of a press or release, 0 for a pause
    int offset;    // first byte within the coded bytes
    int length;
};

constexpr int HeaderBytes = 2;   // play count
constexpr int EndBytes = 2;      // end mark 00 00

// The block for a slot of `limit` bytes. Coded bytes that fit go unchanged. Longer ones
// keep the header and their events up to the last whole one that fits together with a
// release (81H, usage) of every key the kept events leave pressed, latest press first,
// and the end mark; the kept part is cut back an event at a time until that holds.
// `cut` tells whether anything was left out.
QList<uchar> fit(const QList<uchar> &coded, const QVector<Event> &events, int limit, bool *cut = nullptr);

} // namespace MacroBlock
