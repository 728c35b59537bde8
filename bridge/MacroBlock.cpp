// SPDX-License-Identifier: MIT
// Cutting a coded macro to a device slot at an event boundary, with the releases of the
// keys it would otherwise leave held.
#include "MacroBlock.h"
#include <algorithm>

namespace MacroBlock {

namespace {
constexpr uchar ReleaseRecord = 0x81;

// Keys a run of events leaves pressed, in the order they went down.
QVector<uchar> heldAfter(const QVector<Event> &events, int count)
{
    QVector<uchar> held;
    for (int i = 0; i < count; ++i) {
        const Event &e = events.at(i);
        if (e.kind == Event::Press && !held.contains(e.usage))
            held.append(e.usage);
        else if (e.kind == Event::Release)
            held.removeAll(e.usage);
    }
    return held;
}
} // namespace

QList<uchar> fit(const QList<uchar> &coded, const QVector<Event> &events, int limit, bool *cut)
{
    if (cut)
        *cut = coded.size() > limit;
    if (coded.size() <= limit)
        return coded;
    if (limit < HeaderBytes + EndBytes)
        return coded.mid(0, std::max(limit, 0));

    // No more events can stay than fit without any release; from there, one at a time
    // back until the releases fit too (trailing pauses are the first to go).
    int keep = 0;
    int bytes = HeaderBytes + EndBytes;
    while (keep < events.size() && bytes + events.at(keep).length <= limit)
        bytes += events.at(keep++).length;
    QVector<uchar> held = heldAfter(events, keep);
    while (keep > 0 && bytes + 2 * held.size() > limit) {
        bytes -= events.at(--keep).length;
        held = heldAfter(events, keep);
    }

    QList<uchar> out = coded.mid(0, HeaderBytes);
    const int end = keep > 0 ? events.at(keep - 1).offset + events.at(keep - 1).length : HeaderBytes;
    out += coded.mid(HeaderBytes, end - HeaderBytes);
    for (int i = held.size() - 1; i >= 0; --i)
        out << ReleaseRecord << held.at(i);
    out << 0x00 << 0x00;
    return out;
}

} // namespace MacroBlock
