// SPDX-License-Identifier: MIT
// GNOME back end: the org.gnome.desktop.peripherals.mouse settings through gio, which
// keep their values across sessions.
#pragma once
#include "PointerBackend.h"

// Null when gio is missing or the schema (with the keys used) is not installed.
std::unique_ptr<PointerBackend> createGnomePointerBackend();
// Host speed 1..20 on GNOME's -1..1 scale, with the neutral 10 at 0.
double gnomeSpeedForHostSpeed(int speed);
