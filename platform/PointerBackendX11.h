// SPDX-License-Identifier: MIT
// X11 back end: the core pointer control (acceleration ratio and threshold) of the
// display the program runs on.
#pragma once
#include "PointerBackend.h"

// Null when libX11 is missing or no display can be opened.
std::unique_ptr<PointerBackend> createX11PointerBackend();
