// SPDX-License-Identifier: MIT
// A macro's device block: the coder that turns macro steps into device records, where
// its events lie in the bytes, and the cut that fits a block into a device slot without
// leaving a key held down. Steps in, bytes out; the family codecs add the slot size and
// the play count.
#pragma once
#include <QList>
#include <QVector>

namespace MacroBlock {

// One step of a macro file, its key name already looked up.
struct Step {
    enum Kind { Down, Up, Delay, Other } kind = Other;
    uchar usage = 0;   // Down, Up: key or button, 0 when the name is unknown
    qint64 ms = 0;     // Delay: the pause; 0 for an empty, unreadable or negative one
};

// One coded step: a key or button pressed or released, or a pause of its own.
struct Event {
    enum Kind { Press, Release, Pause } kind;
    uchar usage;   // key or button of a press or release, 0 for a pause
    int offset;    // first byte within the coded bytes
    int length;
};

// How pauses are coded: each family has its own form; without a family they are left out.
enum class Pauses { None = -1, Keyboard = 0, Mouse = 1 };

constexpr int HeaderBytes = 2;   // play count
constexpr int EndBytes = 2;      // end mark 00 00

// Device bytes of the steps: play count 00 01, the records, end mark. `events` receives
// where each coded step lies in them.
QList<uchar> encode(const QVector<Step> &steps, Pauses pauses, QVector<Event> *events = nullptr);

// The block for a slot of `limit` bytes. Coded bytes that fit go unchanged. Longer ones
// keep the header and their events up to the last whole one that fits together with a
// release (81H, usage) of every key the kept events leave pressed, latest press first,
// and the end mark; the kept part is cut back an event at a time until that holds.
// `cut` tells whether anything was left out.
QList<uchar> fit(const QList<uchar> &coded, const QVector<Event> &events, int limit, bool *cut = nullptr);

// encode and fit, into a zero-filled buffer of `limit` bytes.
QByteArray block(const QVector<Step> &steps, Pauses pauses, int limit, bool *cut = nullptr);

} // namespace MacroBlock
