// SPDX-License-Identifier: MIT
// Coding macro steps into device records, and cutting them to a device slot at an event
// boundary with the releases of the keys it would otherwise leave held.
#include "MacroBlock.h"
#include <QByteArray>
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

QList<uchar> encode(const QVector<Step> &steps, Pauses pauses, QVector<Event> *events)
{
    QList<uchar> out{0x00, 0x01};
    Step::Kind previous = Step::Other;
    auto record = [&](Event::Kind kind, uchar usage, int at) {
        if (events)
            events->append({kind, usage, at, out.size() - at});
    };
    for (int i = 0; i < steps.size(); ++i) {
        const Step &step = steps.at(i);
        const int at = out.size();
        if (step.kind == Step::Down || step.kind == Step::Up) {
            if (step.usage != 0) {
                const bool down = step.kind == Step::Down;
                out.append(down ? 0x01 : ReleaseRecord);
                out.append(step.usage);
                record(down ? Event::Press : Event::Release, step.usage, at);
            }
        } else if (step.kind == Step::Delay) {
            // Negative pauses are no pauses; the largest pause is what 16 bits can carry.
            const qint64 ms = std::max<qint64>(step.ms, 0);
            if (ms != 0 && pauses == Pauses::Keyboard) {
                const qint64 t = std::min<qint64>(ms / 10, 0xFFFF);
                out << 0x7F << 0x00 << uchar(t >> 8) << uchar(t & 0xFF);
                record(Event::Pause, 0, at);
            } else if (ms != 0 && pauses == Pauses::Mouse) {
                if (ms <= 1270 && i > 0 && previous != Step::Delay) {
                    // Folded into the record before it, which stays one event.
                    uchar &folded = out[out.size() - 2];
                    folded = uchar((folded & 0x80) | ((std::max<qint64>(ms, 10) + 5) / 10));
                } else if (ms >= 1271 && ms <= 5100) {
                    out << uchar((ms + 10) / 20) << 0x01;
                    record(Event::Pause, 0, at);
                } else {
                    const qint64 d = std::min<qint64>((std::max<qint64>(ms, 20) + 10) / 20, 0xFFFF);
                    out << 0x00 << 0x01 << uchar(d >> 8) << uchar(d & 0xFF);
                    record(Event::Pause, 0, at);
                }
            }
        }
        previous = step.kind;
    }
    out << 0x00 << 0x00;
    return out;
}

QByteArray block(const QVector<Step> &steps, Pauses pauses, int limit, bool *cut)
{
    QVector<Event> events;
    const QList<uchar> fitted = fit(encode(steps, pauses, &events), events, limit, cut);
    QByteArray buffer(limit, '\0');
    for (int i = 0; i < fitted.size() && i < limit; ++i)
        buffer[i] = char(fitted.at(i));
    return buffer;
}

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
