// SPDX-License-Identifier: MIT
// Small pictograms (plus, scissors, gear, ...) and the framed icon button that
// carries them; straight strokes land on whole pixels, curves are antialiased.
#pragma once
#include "Paint.h"

enum class Glyph {
    Plus, Minus, Cross, Record, Stop, Check, Reset, Gear, Scissors, Copy, Paste, Trash,
    Mouse, Macro, Palette, Target, Pistol, Grid, Close
};

// Draws glyph g centred in box (pixel rectangle) in colour c.
void drawGlyph(QPainter &p, Glyph g, const QRect &box, const QColor &c);

// A square icon button: chamfered plate, resting grey or lit accent with glow.
QImage iconButton(int w, int h, const Skin &s, Glyph g, bool lit, const QColor &litColour);
