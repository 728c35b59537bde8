// SPDX-License-Identifier: MIT
// The scene is drawn by Qt Quick's software renderer into raster widgets: it is flat
// images and text, and loading an OpenGL driver would cost start-up time and memory.
#pragma once

// Before the application object exists: keeps top-level widgets pure raster as well.
void chooseRasterRendering();
// Once per process, before the first view: the software scene renderer, unless the
// environment names a renderer itself (QT_QUICK_BACKEND). Returns true for software.
bool chooseSceneBackend();
