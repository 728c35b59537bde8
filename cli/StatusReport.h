// SPDX-License-Identifier: MIT
// What "status" reports, gathered from the mouse where it can tell and from the current
// profile otherwise, and written as lines for people or as JSON for scripts.
#pragma once
#include "Context.h"
#include <QList>
#include <QString>

class LightingSettings;

namespace Cli {

// Short English reason of a rejected device.
QString faultText(DeviceFault fault);
// An effect name as the command line writes it: "FINGER MOVING" -> "finger-moving".
QString effectWord(const QString &name);

// The lighting as the colour page reads it from the current profile.
struct LightSetting {
    int effectIndex = 0;   // list index, 0-9
    int brightness = 7;    // slider steps 0-7
    int speed = 4;
    bool on = true;
    static LightSetting of(LightingSettings &lighting);
};

struct StatusReport {
    HandshakeOutcome::Verdict verdict = HandshakeOutcome::Rejected;
    DeviceFault reason = DeviceFault::Absent;
    QString product;
    bool fromMouse = false;   // stage, DPI set, rate and effect read back from the mouse
    int profile = 1;          // 1-10
    int stage = 1;            // 1-8
    int stages = 8;           // stages the mouse offers
    QList<int> dpi;           // eight values, 0 for a stage that is off
    int rate = 0;             // reports per second, 0 when unknown
    LightSetting light;

    static StatusReport gather(Context &context);
    QString text() const;
    QString json() const;
};

} // namespace Cli
