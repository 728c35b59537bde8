// SPDX-License-Identifier: MIT
// Pictograms and icon buttons. Glyphs are laid out on the pixel grid of their box so
// bars and frames stay sharp at 21 and 22 pixels; only arcs and diagonals use antialiasing.
#include "Glyphs.h"
#include <QtMath>

static void aaStroke(QPainter &p, const QPainterPath &path, const QColor &c, qreal w)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(c, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.restore();
}

static void aaFill(QPainter &p, const QPainterPath &path, const QColor &c)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

void drawGlyph(QPainter &p, Glyph g, const QRect &box, const QColor &c)
{
    // Design unit: the box side; odd boxes have a centre pixel, even boxes a centre line.
    const int n = qMin(box.width(), box.height());
    const int x0 = box.left() + (box.width() - n) / 2, y0 = box.top() + (box.height() - n) / 2;
    const qreal cx = x0 + n / 2.0, cy = y0 + n / 2.0;
    const int arm = qMax(3, n * 3 / 10);      // half length of bars
    const int bar = n >= 18 ? 2 : 1;          // bar thickness
    const int ic = x0 + (n - bar) / 2, jc = y0 + (n - bar) / 2; // bar origin, centred
    switch (g) {
    case Glyph::Plus:
        p.fillRect(QRect(x0 + n / 2 - arm, jc, 2 * arm + (n % 2), bar), c);
        p.fillRect(QRect(ic, y0 + n / 2 - arm, bar, 2 * arm + (n % 2)), c);
        break;
    case Glyph::Minus:
        p.fillRect(QRect(x0 + n / 2 - arm, jc, 2 * arm + (n % 2), bar), c);
        break;
    case Glyph::Cross:
    case Glyph::Close: {
        const qreal a = (g == Glyph::Close ? arm - 1 : arm) + 0.5;
        QPainterPath path;
        path.moveTo(cx - a, cy - a);
        path.lineTo(cx + a, cy + a);
        path.moveTo(cx + a, cy - a);
        path.lineTo(cx - a, cy + a);
        aaStroke(p, path, c, 1.7);
        break;
    }
    case Glyph::Record: {
        QPainterPath path;
        path.addEllipse(QPointF(cx, cy), n * 0.22, n * 0.22);
        aaFill(p, path, c);
        QPainterPath ring;
        ring.addEllipse(QPointF(cx, cy), n * 0.34, n * 0.34);
        aaStroke(p, ring, withAlpha(c, 110), 1.0);
        break;
    }
    case Glyph::Stop: {
        const int side = (n * 2 / 5) | (n & 1 ? 1 : 0);
        p.fillRect(QRect(x0 + (n - side) / 2, y0 + (n - side) / 2, side, side), c);
        break;
    }
    case Glyph::Check: {
        QPainterPath path;
        path.moveTo(cx - arm, cy + 0.5);
        path.lineTo(cx - arm / 3.0, cy + arm * 0.75);
        path.lineTo(cx + arm + 0.5, cy - arm * 0.7);
        aaStroke(p, path, c, 2.0);
        break;
    }
    case Glyph::Reset: {
        const qreal r = arm + 0.5;
        QPainterPath arc;
        arc.arcMoveTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 110);
        arc.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), 110, 290);
        aaStroke(p, arc, c, 1.8);
        // Arrow head at the open end of the arc, pointing along it.
        const qreal ang = qDegreesToRadians(110.0);
        const QPointF tip(cx + r * qCos(ang), cy - r * qSin(ang));
        QPainterPath head;
        head.moveTo(tip + QPointF(-3.6, -2.2));
        head.lineTo(tip + QPointF(2.2, -3.4));
        head.lineTo(tip + QPointF(0.6, 2.6));
        head.closeSubpath();
        aaFill(p, head, c);
        break;
    }
    case Glyph::Gear: {
        QPainterPath teeth;
        const qreal ro = n * 0.40, ri = n * 0.29, hole = n * 0.13;
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(cx, cy);
            t.rotate(i * 45.0);
            QPainterPath tooth;
            tooth.addRect(QRectF(-n * 0.075, -ro, n * 0.15, ro - ri + 1));
            teeth = teeth.united(t.map(tooth));
        }
        QPainterPath body;
        body.addEllipse(QPointF(cx, cy), ri, ri);
        QPainterPath holeP;
        holeP.addEllipse(QPointF(cx, cy), hole, hole);
        aaFill(p, teeth.united(body).subtracted(holeP), c);
        break;
    }
    case Glyph::Scissors: {
        const qreal r = n * 0.13;
        const QPointF a(cx - n * 0.17, cy + n * 0.24), b(cx + n * 0.17, cy + n * 0.24);
        QPainterPath rings;
        rings.addEllipse(a, r, r);
        rings.addEllipse(b, r, r);
        aaStroke(p, rings, c, 1.4);
        QPainterPath blades;
        blades.moveTo(a + QPointF(r * 0.6, -r * 0.8));
        blades.lineTo(QPointF(cx + n * 0.16, cy - n * 0.36));
        blades.moveTo(b + QPointF(-r * 0.6, -r * 0.8));
        blades.lineTo(QPointF(cx - n * 0.16, cy - n * 0.36));
        aaStroke(p, blades, c, 1.5);
        break;
    }
    case Glyph::Copy: {
        const int w = n * 2 / 5, h = n / 2;
        const QRect back(x0 + n / 2 - w / 2 - 2, y0 + n / 2 - h / 2 - 2, w, h);
        const QRect front = back.translated(3, 3);
        // Only the parts of the back sheet that the front one leaves uncovered (with a
        // one-pixel gap), so the glyph can be drawn straight onto any surface.
        const QColor dim = withAlpha(c, 150);
        hline(p, back.left(), back.right(), back.top(), dim);
        vline(p, back.left(), back.top() + 1, back.bottom(), dim);
        vline(p, back.right(), back.top() + 1, front.top() - 2, dim);
        hline(p, back.left() + 1, front.left() - 2, back.bottom(), dim);
        frameRect(p, front, c);
        hline(p, front.left() + 2, front.right() - 2, front.top() + 3, withAlpha(c, 160));
        hline(p, front.left() + 2, front.right() - 3, front.top() + 5, withAlpha(c, 160));
        break;
    }
    case Glyph::Paste: {
        const int w = n / 2 | 1, h = n * 3 / 5;
        const QRect board(x0 + (n - w) / 2, y0 + (n - h) / 2 + 1, w, h);
        frameRect(p, board, c);
        p.fillRect(QRect(board.left() + w / 2 - 2, board.top() - 1, 5, 3), c);
        hline(p, board.left() + 2, board.right() - 2, board.top() + 4, withAlpha(c, 160));
        hline(p, board.left() + 2, board.right() - 2, board.top() + 6, withAlpha(c, 160));
        hline(p, board.left() + 2, board.right() - 3, board.top() + 8, withAlpha(c, 160));
        break;
    }
    case Glyph::Trash: {
        const int w = n * 2 / 5 | 1, h = n * 2 / 5;
        const int left = x0 + (n - w) / 2, top = y0 + n / 2 - h / 2 + 1;
        hline(p, left - 2, left + w + 1, top - 2, c);       // lid
        hline(p, left + w / 2 - 1, left + w / 2 + 1, top - 3, c); // handle
        frameRect(p, QRect(left, top, w, h), c);
        for (int x = left + 2; x < left + w - 1; x += 2) vline(p, x, top + 2, top + h - 3, withAlpha(c, 170));
        break;
    }
    case Glyph::Mouse: {
        const QRectF body(cx - n * 0.25, cy - n * 0.36, n * 0.5, n * 0.72);
        QPainterPath path;
        path.addRoundedRect(body, n * 0.25, n * 0.22);
        aaStroke(p, path, c, 1.4);
        vline(p, int(cx), int(body.top()) + 1, int(cy - n * 0.05), c);
        hline(p, int(body.left()) + 1, int(body.right()) - 1, int(cy - n * 0.05), withAlpha(c, 150));
        break;
    }
    case Glyph::Macro: {
        const int left = x0 + n / 5;
        hline(p, left, left + n * 3 / 5, y0 + n * 3 / 10, c);
        hline(p, left, left + n * 2 / 5, y0 + n / 2, c);
        hline(p, left, left + n / 3, y0 + n * 7 / 10, c);
        QPainterPath tri;
        const qreal tx = x0 + n * 0.62, ty = y0 + n * 0.6;
        tri.moveTo(tx, ty - n * 0.16);
        tri.lineTo(tx + n * 0.2, ty);
        tri.lineTo(tx, ty + n * 0.16);
        tri.closeSubpath();
        aaFill(p, tri, c);
        break;
    }
    case Glyph::Palette: {
        const qreal r = n * 0.2;
        QPainterPath rings;
        rings.addEllipse(QPointF(cx, cy - r * 0.75), r, r);
        rings.addEllipse(QPointF(cx - r * 0.8, cy + r * 0.55), r, r);
        rings.addEllipse(QPointF(cx + r * 0.8, cy + r * 0.55), r, r);
        aaStroke(p, rings, c, 1.3);
        break;
    }
    case Glyph::Target: {
        QPainterPath ring;
        ring.addEllipse(QPointF(cx, cy), n * 0.3, n * 0.3);
        aaStroke(p, ring, c, 1.3);
        const int ccx = x0 + n / 2, ccy = y0 + n / 2;
        vline(p, ccx, y0 + 1, y0 + n / 4, c);
        vline(p, ccx, y0 + n - n / 4, y0 + n - 2, c);
        hline(p, x0 + 1, x0 + n / 4, ccy, c);
        hline(p, x0 + n - n / 4, x0 + n - 2, ccy, c);
        p.fillRect(QRect(ccx - 1, ccy - 1, 2, 2), c);
        break;
    }
    case Glyph::Pistol: {
        QPainterPath gun;
        const qreal u = n / 22.0;
        gun.moveTo(x0 + 3 * u, y0 + 6 * u);
        gun.lineTo(x0 + 19 * u, y0 + 6 * u);
        gun.lineTo(x0 + 19 * u, y0 + 10 * u);
        gun.lineTo(x0 + 11 * u, y0 + 10 * u);
        gun.lineTo(x0 + 10 * u, y0 + 12 * u);
        gun.lineTo(x0 + 8 * u, y0 + 12 * u);
        gun.lineTo(x0 + 8 * u, y0 + 17 * u);
        gun.lineTo(x0 + 4 * u, y0 + 17 * u);
        gun.lineTo(x0 + 5 * u, y0 + 10 * u);
        gun.lineTo(x0 + 3 * u, y0 + 10 * u);
        gun.closeSubpath();
        aaStroke(p, gun, c, 1.2);
        hline(p, int(x0 + 12 * u), int(x0 + 17 * u), int(y0 + 8 * u), withAlpha(c, 150));
        break;
    }
    case Glyph::Grid: {
        const int cell = n * 3 / 10, gap = 2;
        const int left = x0 + (n - 2 * cell - gap) / 2, top = y0 + (n - 2 * cell - gap) / 2;
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
                frameRect(p, QRect(left + i * (cell + gap), top + j * (cell + gap), cell, cell), c);
        p.fillRect(QRect(left + 2, top + 2, cell - 4, cell - 4), withAlpha(c, 140));
        break;
    }
    }
}

QImage iconButton(int w, int h, const Skin &s, Glyph g, bool lit, const QColor &litColour)
{
    QImage img = blank(w, h);
    const QRect r(0, 0, w, h);
    const Chamfer ch{3, 0, 3, 0};
    {
        QPainter p(&img);
        fillChamfer(p, r, ch, vgrad(0, h, s.bg3, s.bg1));
        if (lit) fillChamfer(p, r.adjusted(1, 1, -1, -1), Chamfer{2, 0, 2, 0},
                             vgrad(0, h, withAlpha(litColour, 46), withAlpha(litColour, 14)));
        hline(p, 4, w - 2, 1, withAlpha(s.lineBright, lit ? 90 : 160));
        strokeChamfer(p, r, ch, lit ? litColour : s.edge);
    }
    QImage glyph = blank(w, h);
    {
        QPainter p(&glyph);
        drawGlyph(p, g, r.adjusted(3, 3, -3, -3), lit ? litColour : s.line);
    }
    if (lit) {
        // Glow of the glyph in the accent, then the crisp glyph over it.
        QImage halo = glyph;
        glowUnder(halo, glyph, litColour, 4, 1.2);
        QPainter p(&img);
        p.drawImage(0, 0, halo);
    } else {
        QPainter p(&img);
        p.drawImage(0, 0, glyph);
    }
    return img;
}
