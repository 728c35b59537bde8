// SPDX-License-Identifier: MIT
// Picks the Qt Quick renderer before the first view exists: OpenGL where a context can
// be made, the software renderer otherwise (offscreen tests, X servers without GLX).
#pragma once

// Returns true when the software renderer was chosen.
bool chooseSceneBackend();
