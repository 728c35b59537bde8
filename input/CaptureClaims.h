// SPDX-License-Identifier: MIT
// Who wants captured input right now: an armed key field, a macro being recorded. Input
// capture runs only while at least one claim is held. GUI thread only.
#pragma once
#include <functional>

class QObject;

namespace CaptureClaims {
// Adds consumer's claim; claiming twice changes nothing. A consumer that is destroyed
// drops its claim by itself, so a vanished page or field never keeps capture running.
void claim(QObject *consumer);
void release(QObject *consumer);
void releaseAll();
bool holds(const QObject *consumer);
int count();
inline bool wanted() { return count() > 0; }
// Told every time wanted() changes; one listener (the hook owner), empty to remove it.
void setListener(std::function<void(bool wanted)> listener);
}
