// SPDX-License-Identifier: MIT
// Press-gun page images: the gun grid frames, fire-key tabs, apply button, and the
// stylised gun pictures, built from parametric parts (stock, receiver, magazine, ...).
#include "Glyphs.h"
#include <QPainterPathStroker>
#include <QtMath>

namespace {

enum class Kind { Pistol, Long };
enum Stock { NoStock, Solid, Skeleton, Wire, Thumbhole };
enum Mag { NoMag, Straight, Curved, Drum, Stick, InGrip, Tube, Short };
enum Guard { NoGuard, Rail, Smooth, Vented };
enum Optic { Iron, RedDot, Scope, CarryHandle, Holo };
enum Muzzle { Plain, Brake, Suppressor, FlashHider, Compensator };

struct GunSpec {
    Kind kind = Kind::Long;
    int length = 260;       // stock end to muzzle end
    int recLen = 80, recH = 26;
    int guardLen = 60;
    qreal barrelH = 6;
    Stock stock = Solid;
    Mag mag = Straight;
    Guard guard = Rail;
    Optic optic = Iron;
    Muzzle muzzle = Plain;
    bool foregrip = false, bipod = false;
};

GunSpec archetype(int a)
{
    GunSpec g;
    switch (a) {
    case 0: // compact SMG, large receiver, folding wire stock
        g.length = 200; g.recLen = 92; g.recH = 32; g.guardLen = 26; g.stock = Wire; g.mag = Stick;
        g.guard = Rail; g.optic = RedDot; break;
    case 1: // machine pistol, magazine in the grip
        g.length = 158; g.recLen = 84; g.recH = 26; g.guardLen = 14; g.stock = NoStock; g.mag = InGrip;
        g.guard = NoGuard; g.optic = Iron; g.muzzle = Plain; break;
    case 2: // SMG, skeleton stock, vented guard
        g.length = 214; g.recLen = 78; g.recH = 26; g.guardLen = 44; g.stock = Skeleton; g.mag = Stick;
        g.guard = Vented; g.optic = Iron; g.muzzle = FlashHider; break;
    case 3: // SMG, solid stock, railed, suppressed
        g.length = 236; g.recLen = 76; g.recH = 27; g.guardLen = 40; g.stock = Solid; g.mag = Straight;
        g.guard = Rail; g.optic = RedDot; g.muzzle = Suppressor; break;
    case 4: // assault rifle, banana magazine
        g.length = 268; g.recLen = 82; g.recH = 24; g.guardLen = 52; g.stock = Solid; g.mag = Curved;
        g.guard = Smooth; g.optic = Iron; g.muzzle = Brake; break;
    case 5: // rifle with carry handle
        g.length = 282; g.recLen = 80; g.recH = 25; g.guardLen = 66; g.stock = Solid; g.mag = Straight;
        g.guard = Rail; g.optic = CarryHandle; g.muzzle = FlashHider; break;
    case 6: // sporting rifle
        g.length = 272; g.recLen = 76; g.recH = 22; g.guardLen = 58; g.stock = Thumbhole; g.mag = Short;
        g.guard = Smooth; g.optic = Iron; g.muzzle = Plain; break;
    case 7: // modern carbine with holographic sight and foregrip
        g.length = 262; g.recLen = 84; g.recH = 27; g.guardLen = 62; g.stock = Skeleton; g.mag = Straight;
        g.guard = Rail; g.optic = Holo; g.muzzle = FlashHider; g.foregrip = true; break;
    case 8: // bolt-action sniper rifle
        g.length = 290; g.recLen = 70; g.recH = 22; g.guardLen = 50; g.barrelH = 5; g.stock = Thumbhole;
        g.mag = Short; g.guard = Smooth; g.optic = Scope; g.muzzle = Brake; g.bipod = true; break;
    case 9: // marksman rifle
        g.length = 284; g.recLen = 80; g.recH = 25; g.guardLen = 64; g.stock = Solid; g.mag = Straight;
        g.guard = Rail; g.optic = Scope; g.muzzle = Suppressor; break;
    case 10: // light machine gun
        g.length = 286; g.recLen = 92; g.recH = 28; g.guardLen = 58; g.barrelH = 7; g.stock = Solid;
        g.mag = Drum; g.guard = Vented; g.optic = RedDot; g.muzzle = FlashHider; g.bipod = true; break;
    case 11: // service pistol
        g.kind = Kind::Pistol; g.length = 140; g.optic = Iron; break;
    case 12: // pump shotgun
        g.length = 276; g.recLen = 74; g.recH = 25; g.guardLen = 0; g.barrelH = 8; g.stock = Solid;
        g.mag = Tube; g.guard = NoGuard; g.optic = Iron; g.muzzle = Plain; break;
    default: // heavy pistol with compensator and dot
        g.kind = Kind::Pistol; g.length = 168; g.optic = RedDot; g.muzzle = Compensator; break;
    }
    return g;
}

// Per-game rosters; game 0 follows its named guns, the others mix the archetypes.
const int kRoster[3][12] = {
    {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
    {11, 13, 12, 1, 3, 2, 4, 7, 5, 8, 10, 9},
    {13, 11, 12, 0, 2, 3, 5, 4, 7, 9, 8, 10},
};

GunSpec gunSpec(int game, int gun)
{
    GunSpec g = archetype(kRoster[game][gun]);
    if (game == 0) return g;
    // Other games: the same families with their own fittings.
    Rng rng(quint32(0x9e3779b9u * (game * 16 + gun + 1)));
    rng.next();
    if (g.kind == Kind::Long) {
        g.length = qBound(180, g.length + int(rng.unit() * 20) - 10, 290);
        g.recLen += int(rng.unit() * 10) - 5;
        const double o = rng.unit();
        if (g.optic != Scope && g.optic != CarryHandle) g.optic = o < 0.33 ? Iron : o < 0.66 ? RedDot : Holo;
        if (g.muzzle != Suppressor && rng.unit() < 0.5) g.muzzle = rng.unit() < 0.5 ? FlashHider : Brake;
        if (g.stock == Solid && rng.unit() < 0.35) g.stock = Skeleton;
        if (g.guard == Rail && rng.unit() < 0.4) g.foregrip = true;
    } else {
        g.length += int(rng.unit() * 12) - 6;
        if (rng.unit() < 0.5) g.optic = g.optic == Iron ? RedDot : Iron;
    }
    return g;
}

struct Part {
    QPainterPath path;
    int tone; // 0 metal, 1 polymer, 2 dark steel
};

QPainterPath poly(std::initializer_list<QPointF> pts)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF &pt : pts) {
        if (first) p.moveTo(pt); else p.lineTo(pt);
        first = false;
    }
    p.closeSubpath();
    return p;
}

QPainterPath rrect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

QPainterPath ring(const QPainterPath &centre, qreal width)
{
    QPainterPathStroker st;
    st.setWidth(width);
    st.setJoinStyle(Qt::RoundJoin);
    st.setCapStyle(Qt::RoundCap);
    return st.createStroke(centre);
}

struct Built {
    QList<Part> parts;
    QList<QLineF> accentLines;     // thin accent stripes
    QList<QPointF> lenses;         // glowing optic points
    QList<QRectF> cuts;           // dark detail cut-outs drawn over the parts
    QList<QRectF> teeth;           // rail teeth, drawn lighter
};

void buildLong(const GunSpec &g, Built &b)
{
    const qreal A = 74;                      // bore axis
    const qreal xs = 150 - g.length / 2.0;   // butt
    const qreal xm = 150 + g.length / 2.0;   // muzzle end
    const qreal stockLen = g.stock == NoStock ? 0 : qMax(40.0, g.length * 0.26);
    const qreal xr0 = xs + stockLen, xr1 = xr0 + g.recLen;
    const qreal top = A - g.recH * 0.5, bot = A + g.recH * 0.5;
    const qreal muzzleLen = g.muzzle == Suppressor ? 46 : g.muzzle == Plain ? 4 : 14;
    const qreal xb1 = xm - muzzleLen;        // barrel end / muzzle device start
    const qreal xh1 = qMin(xr1 + g.guardLen, xb1 - 12);

    // Stock.
    if (g.stock == Solid || g.stock == Skeleton || g.stock == Thumbhole) {
        QPainterPath st;
        st.moveTo(xr0 + 2, top + 3);
        st.lineTo(xs + 8, top + 5);
        st.lineTo(xs, top + 5);
        st.lineTo(xs, bot + 16);
        st.lineTo(xs + 12, bot + 17);
        st.quadTo(xr0 - stockLen * 0.45, bot + 4, xr0 + 2, bot - 1);
        st.closeSubpath();
        if (g.stock == Skeleton)
            st = st.subtracted(poly({{xs + 10, top + 10}, {xr0 - 10, top + 9}, {xr0 - 16, bot - 2}, {xs + 10, bot + 9}}));
        if (g.stock == Thumbhole) {
            QPainterPath hole;
            hole.addEllipse(QPointF(xr0 - 16, bot + 2), 9, 5);
            st = st.subtracted(hole);
        }
        b.parts << Part{st, 1};
        b.cuts << QRectF(xs, top + 5, 4, bot + 11 - top);
    } else if (g.stock == Wire) {
        QPainterPath st = rrect(xs + 4, top + 4, xr0 - xs - 2, 4, 1);
        st = st.united(poly({{xs + 4, bot + 6}, {xr0 + 2, bot - 4}, {xr0 + 2, bot - 1}, {xs + 4, bot + 10}}));
        st = st.united(rrect(xs, top + 2, 6, bot - top + 12, 2));
        b.parts << Part{st, 2};
    }

    // Receiver with a chamfered nose and the ejection port.
    QPainterPath rec = poly({{xr0, top}, {xr1 - 8, top}, {xr1, top + 6}, {xr1, bot}, {xr0 + 5, bot}, {xr0, bot - 5}});
    b.parts << Part{rec, 0};
    b.cuts << QRectF(xr0 + g.recLen * 0.45, top + 5, g.recLen * 0.22, 5);
    b.accentLines << QLineF(xr0 + 6, A + 2, xr1 - 6, A + 2);

    // Pistol grip and trigger guard.
    const qreal gx = xr0 + qMin(24.0, g.recLen * 0.28);
    QPainterPath grip;
    grip.moveTo(gx - 2, bot - 2);
    grip.lineTo(gx + 14, bot - 2);
    grip.quadTo(gx + 10, bot + 18, gx + 7, bot + 34);
    grip.lineTo(gx - 9, bot + 32);
    grip.quadTo(gx - 6, bot + 14, gx - 2, bot - 2);
    b.parts << Part{grip, 1};
    QPainterPath guardLine;
    guardLine.moveTo(gx + 14, bot);
    guardLine.lineTo(gx + 16, bot + 11);
    guardLine.lineTo(gx + 33, bot + 11);
    guardLine.lineTo(gx + 35, bot);
    b.parts << Part{ring(guardLine, 2.4), 2};
    QPainterPath trig;
    trig.moveTo(gx + 24, bot);
    trig.quadTo(gx + 25, bot + 5, gx + 22, bot + 8);
    b.parts << Part{ring(trig, 2.0), 2};

    // Magazine ahead of the trigger guard.
    const qreal mx = gx + 38;
    switch (g.mag) {
    case Straight: b.parts << Part{poly({{mx, bot - 2}, {mx + 14, bot - 2}, {mx + 17, bot + 38}, {mx + 3, bot + 38}}), 1}; break;
    case Short: b.parts << Part{poly({{mx, bot - 2}, {mx + 14, bot - 2}, {mx + 15, bot + 18}, {mx + 1, bot + 18}}), 1}; break;
    case Stick: b.parts << Part{poly({{mx, bot - 2}, {mx + 12, bot - 2}, {mx + 12, bot + 54}, {mx, bot + 54}}), 1}; break;
    case Curved: {
        QPainterPath m;
        m.moveTo(mx, bot - 2);
        m.lineTo(mx + 15, bot - 2);
        m.quadTo(mx + 20, bot + 26, mx + 34, bot + 44);
        m.lineTo(mx + 21, bot + 51);
        m.quadTo(mx + 5, bot + 30, mx, bot - 2);
        b.parts << Part{m, 1};
        break;
    }
    case InGrip:
        // The magazine runs through the grip; only its base shows below it.
        b.parts << Part{poly({{gx - 9, bot + 31}, {gx + 7, bot + 33}, {gx + 5, bot + 44}, {gx - 11, bot + 42}}), 2};
        break;
    case Drum: {
        QPainterPath m;
        m.addEllipse(QPointF(mx + 12, bot + 22), 21, 21);
        m = m.united(rrect(mx + 2, bot - 2, 18, 10, 2));
        b.parts << Part{m, 1};
        b.cuts << QRectF(mx + 8, bot + 18, 8, 8);
        break;
    }
    case Tube: {
        b.parts << Part{rrect(xr1 - 4, A + 5, xb1 - xr1 - 4, 9, 4), 2};
        QPainterPath pump = rrect(xr1 + 16, A + 2, 58, 16, 5);
        b.parts << Part{pump, 1};
        for (int i = 0; i < 8; ++i) b.cuts << QRectF(xr1 + 22 + i * 6.5, A + 5, 2, 10);
        break;
    }
    default: break;
    }

    // Handguard, barrel and muzzle device.
    const qreal hh = g.recH * 0.72;
    if (g.guard != NoGuard && xh1 > xr1 + 4) {
        QPainterPath hg = g.guard == Smooth ? rrect(xr1 - 1, A - hh / 2 + 1, xh1 - xr1 + 1, hh, 4)
                                            : poly({{xr1 - 1, A - hh / 2}, {xh1 - 3, A - hh / 2}, {xh1, A - hh / 2 + 3},
                                                    {xh1, A + hh / 2 - 2}, {xh1 - 3, A + hh / 2 + 1}, {xr1 - 1, A + hh / 2 + 1}});
        if (g.guard == Vented)
            for (qreal x = xr1 + 6; x + 8 < xh1 - 4; x += 12) hg = hg.subtracted(rrect(x, A - 3, 8, 6, 3));
        b.parts << Part{hg, g.guard == Smooth ? 1 : 0};
        if (g.guard == Rail)
            for (qreal x = xr1 + 2; x + 3 < xh1 - 2; x += 5) b.teeth << QRectF(x, A - hh / 2 - 2, 3, 2);
        if (g.guard != Vented) b.accentLines << QLineF(xr1 + 4, A + 1, xh1 - 6, A + 1);
    }
    b.parts << Part{rrect(xr1 - 2, A - g.barrelH / 2 - 1, xb1 - xr1 + 3, g.barrelH, 1), 2};
    switch (g.muzzle) {
    case Brake:
        b.parts << Part{rrect(xb1, A - g.barrelH / 2 - 4, muzzleLen, g.barrelH + 6, 1.5), 2};
        for (int i = 0; i < 3; ++i) b.cuts << QRectF(xb1 + 2 + i * 4, A - g.barrelH / 2 - 2, 2, g.barrelH + 2);
        break;
    case Suppressor:
        b.parts << Part{rrect(xb1, A - 8, muzzleLen, 14, 4), 1};
        b.accentLines << QLineF(xb1 + 5, A - 1, xb1 + muzzleLen - 6, A - 1);
        break;
    case FlashHider:
        b.parts << Part{rrect(xb1, A - g.barrelH / 2 - 2, muzzleLen, g.barrelH + 2, 1), 2};
        b.cuts << QRectF(xb1 + 5, A - 1.5, muzzleLen - 5, 2);
        break;
    default:
        b.parts << Part{rrect(xb1, A - g.barrelH / 2 - 2, muzzleLen, g.barrelH + 2, 1), 2};
        break;
    }

    // Sights and optics.
    switch (g.optic) {
    case Iron:
        b.parts << Part{poly({{xb1 - 14, A - g.barrelH / 2}, {xb1 - 6, A - g.barrelH / 2}, {xb1 - 8, A - 13}, {xb1 - 11, A - 13}}), 2};
        b.parts << Part{poly({{xr0 + 6, top + 1}, {xr0 + 18, top + 1}, {xr0 + 16, top - 6}, {xr0 + 8, top - 6}}), 2};
        break;
    case RedDot:
        b.parts << Part{rrect(xr0 + g.recLen * 0.35, top - 5, 24, 6, 1), 2};
        b.parts << Part{rrect(xr0 + g.recLen * 0.35 - 2, top - 17, 28, 14, 4), 0};
        b.lenses << QPointF(xr0 + g.recLen * 0.35 + 24, top - 10);
        break;
    case Holo: {
        QPainterPath h = rrect(xr0 + g.recLen * 0.3, top - 19, 34, 18, 3);
        h = h.subtracted(rrect(xr0 + g.recLen * 0.3 + 6, top - 15, 22, 9, 2));
        b.parts << Part{h, 0};
        b.parts << Part{rrect(xr0 + g.recLen * 0.3 + 2, top - 4, 30, 5, 1), 2};
        b.lenses << QPointF(xr0 + g.recLen * 0.3 + 17, top - 10.5);
        break;
    }
    case Scope: {
        const qreal sx = xr0 - 6, sl = 104, sy = top - 16;
        QPainterPath sc = rrect(sx + 16, sy, sl - 36, 10, 4);
        sc = sc.united(poly({{sx, sy - 2}, {sx + 18, sy}, {sx + 18, sy + 10}, {sx, sy + 12}}));
        sc = sc.united(poly({{sx + sl - 22, sy}, {sx + sl - 8, sy - 4}, {sx + sl, sy - 4}, {sx + sl, sy + 14}, {sx + sl - 8, sy + 14}, {sx + sl - 22, sy + 10}}));
        sc = sc.united(rrect(sx + sl * 0.45, sy - 7, 9, 8, 1.5));
        b.parts << Part{sc, 0};
        b.parts << Part{rrect(sx + 30, sy + 9, 8, top - sy - 8, 1), 2};
        b.parts << Part{rrect(sx + sl - 40, sy + 9, 8, top - sy - 8, 1), 2};
        b.lenses << QPointF(sx + sl, sy + 5);
        b.accentLines << QLineF(sx + 20, sy + 2, sx + sl - 26, sy + 2);
        break;
    }
    case CarryHandle: {
        QPainterPath h = poly({{xr0 + 6, top + 1}, {xr0 + 10, top - 14}, {xr1 - 18, top - 14}, {xr1 - 12, top + 1}});
        h = h.subtracted(rrect(xr0 + 16, top - 9, g.recLen - 36, 8, 2));
        b.parts << Part{h, 0};
        b.parts << Part{poly({{xb1 - 16, A - g.barrelH / 2}, {xb1 - 6, A - g.barrelH / 2}, {xb1 - 9, A - 16}, {xb1 - 12, A - 16}}), 2};
        break;
    }
    }

    if (g.foregrip) {
        const qreal fx = xr1 + (xh1 - xr1) * 0.35;
        b.parts << Part{poly({{fx, A + hh / 2}, {fx + 11, A + hh / 2}, {fx + 9, A + hh / 2 + 24}, {fx - 1, A + hh / 2 + 24}}), 1};
    }
    if (g.bipod) {
        // Deployed bipod: two splayed legs with feet.
        const qreal bx = xh1 - 6, by = A + hh / 2;
        b.parts << Part{rrect(bx - 5, by - 3, 10, 7, 2), 2};
        b.parts << Part{poly({{bx - 1, by + 2}, {bx + 2, by + 2}, {bx + 16, by + 40}, {bx + 13, by + 41}}), 2};
        b.parts << Part{poly({{bx - 2, by + 2}, {bx + 1, by + 2}, {bx - 10, by + 41}, {bx - 13, by + 40}}), 2};
        b.parts << Part{rrect(bx + 11, by + 39, 8, 3, 1), 2};
        b.parts << Part{rrect(bx - 16, by + 39, 8, 3, 1), 2};
    }
}

void buildPistol(const GunSpec &g, Built &b)
{
    const qreal L = g.length * 0.9;              // slide length
    const qreal x0 = 150 - L / 2 - 6, x1 = x0 + L;
    const qreal A = 70;
    QPainterPath slide = poly({{x0, A - 16}, {x1 - 8, A - 16}, {x1, A - 10}, {x1, A + 4}, {x0 + 2, A + 4}, {x0, A}});
    b.parts << Part{slide, 0};
    for (int i = 0; i < 7; ++i) b.cuts << QRectF(x0 + 6 + i * 4, A - 13, 1.6, 13);
    b.cuts << QRectF(x0 + L * 0.5, A - 13, L * 0.16, 4);
    b.accentLines << QLineF(x0 + 40, A - 1, x1 - 8, A - 1);
    QPainterPath frame = poly({{x0 + 8, A + 4}, {x1 - 6, A + 4}, {x1 - 6, A + 13}, {x0 + L * 0.45, A + 13}, {x0 + 8, A + 12}});
    b.parts << Part{frame, 1};
    // Grip raked backwards, magazine base plate at its foot.
    QPainterPath grip;
    grip.moveTo(x0 + 8, A + 8);
    grip.lineTo(x0 + 42, A + 8);
    grip.quadTo(x0 + 36, A + 34, x0 + 32, A + 60);
    grip.lineTo(x0 + 4, A + 58);
    grip.quadTo(x0 + 2, A + 30, x0 + 8, A + 8);
    b.parts << Part{grip, 1};
    b.parts << Part{rrect(x0 + 2, A + 57, 32, 6, 2), 2};
    for (int i = 0; i < 5; ++i) b.cuts << QRectF(x0 + 12, A + 20 + i * 7, 20, 2);
    QPainterPath guardLine;
    guardLine.moveTo(x0 + 42, A + 12);
    guardLine.lineTo(x0 + 44, A + 26);
    guardLine.lineTo(x0 + 66, A + 26);
    guardLine.quadTo(x0 + 72, A + 20, x0 + 70, A + 12);
    b.parts << Part{ring(guardLine, 2.6), 2};
    QPainterPath trig;
    trig.moveTo(x0 + 52, A + 13);
    trig.quadTo(x0 + 54, A + 19, x0 + 50, A + 22);
    b.parts << Part{ring(trig, 2.2), 2};
    b.parts << Part{rrect(x1 - 1, A - 7, 4, 6, 1), 2};
    if (g.muzzle == Compensator) {
        b.parts << Part{poly({{x1, A - 15}, {x1 + 22, A - 15}, {x1 + 24, A - 12}, {x1 + 24, A + 6}, {x1, A + 6}}), 0};
        for (int i = 0; i < 3; ++i) b.cuts << QRectF(x1 + 4 + i * 6, A - 13, 3, 5);
        b.parts << Part{rrect(x0 + L * 0.55, A + 13, L * 0.4, 5, 1), 2};
    }
    if (g.optic == RedDot) {
        b.parts << Part{rrect(x0 + 18, A - 28, 26, 13, 4), 0};
        b.lenses << QPointF(x0 + 44, A - 22);
    } else {
        b.parts << Part{poly({{x1 - 12, A - 16}, {x1 - 6, A - 16}, {x1 - 7, A - 21}, {x1 - 11, A - 21}}), 2};
        b.parts << Part{poly({{x0 + 3, A - 16}, {x0 + 13, A - 16}, {x0 + 12, A - 21}, {x0 + 4, A - 21}}), 2};
    }
}

QImage drawGun(const GunSpec &g, const Skin &s)
{
    Built b;
    if (g.kind == Kind::Pistol) buildPistol(g, b); else buildLong(g, b);
    QPainterPath silhouette;
    for (const Part &p : b.parts) silhouette = silhouette.united(p.path);

    QImage img = blank(300, 180);
    QImage shadow = blank(300, 180);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(QTransform().translate(3, 6).map(silhouette), QColor(0, 0, 0, 220));
    }
    blur(shadow, 8);
    QPainter p(&img);
    p.drawImage(0, 0, shadow);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = silhouette.boundingRect();
    const QColor metalTop = mix(s.metalHi, Qt::white, 0.18);
    const QColor tones[3][2] = {
        {metalTop, s.metalLo},
        {mix(s.metalHi, s.metalLo, 0.45), mix(s.metalLo, s.bg0, 0.4)},
        {mix(s.metalHi, s.metalLo, 0.6), mix(s.metalLo, s.bg0, 0.6)},
    };
    for (const Part &part : b.parts) {
        const QRectF r = part.path.boundingRect();
        QLinearGradient lg(0, r.top(), 0, r.bottom());
        lg.setColorAt(0, tones[part.tone][0]);
        lg.setColorAt(1, tones[part.tone][1]);
        p.fillPath(part.path, lg);
    }
    // Top sheen over the whole gun, then cut-outs and rail teeth.
    QLinearGradient sheen(0, bounds.top(), 0, bounds.bottom());
    sheen.setColorAt(0, QColor(255, 255, 255, 30));
    sheen.setColorAt(0.35, QColor(255, 255, 255, 0));
    p.fillPath(silhouette, sheen);
    for (const QRectF &r : b.cuts) p.fillRect(r, withAlpha(s.bg0, 210));
    for (const QRectF &r : b.teeth) p.fillRect(r, mix(s.metalHi, Qt::white, 0.25));
    p.setPen(QPen(withAlpha(mix(s.line, Qt::white, 0.35), 200), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(silhouette);

    QImage lit = blank(300, 180);
    {
        QPainter q(&lit);
        q.setRenderHint(QPainter::Antialiasing);
        q.setPen(QPen(s.accent, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (const QLineF &l : b.accentLines) q.drawLine(QLineF(l.p1() + QPointF(0, 0.5), l.p2() + QPointF(0, 0.5)));
        q.setPen(Qt::NoPen);
        q.setBrush(s.accent);
        for (const QPointF &c : b.lenses) q.drawEllipse(c, 2.4, 2.4);
    }
    QImage glow = lit;
    glowUnder(glow, lit, s.accent, 5, 1.4);
    p.drawImage(0, 0, glow);
    return img;
}

} // namespace

void paintGuns(Writer &w, const Skin &s)
{
    for (int game = 0; game < 3; ++game)
        for (int gun = 0; gun < 12; ++gun) {
            const QString name = QString("gun/%1/%2.png").arg(game).arg(gun);
            w.save(name, drawGun(gunSpec(game, gun), s));
        }
}

void paintGunUi(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("gun/gunlist.png");
        QImage glyph = blank(40, 40);
        {
            QPainter p(&img);
            p.setRenderHint(QPainter::Antialiasing);
            p.setPen(QPen(s.accent, 1.2));
            p.setBrush(withAlpha(s.bg0, 200));
            p.drawPath(chamferPath(QRectF(2.5, 2.5, 35, 35), Chamfer::all(7)));
            QPainter q(&glyph);
            drawGlyph(q, Glyph::Grid, QRect(8, 8, 24, 24), s.accent);
        }
        glowUnder(glyph, glyph, s.accent, 4, 1.2);
        QPainter p(&img);
        p.drawImage(0, 0, glyph);
        w.save("gun/gunlist.png", img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        // A wide apply button: check mark and a row of chevrons.
        const QString name = QString("gun/apply_gun%1.png").arg(lit);
        QImage img = iconButton(56, 26, s, Glyph::Check, lit, s.accent);
        QPainter p(&img);
        const QColor c = lit ? s.accent : s.lineBright;
        for (int i = 0; i < 3; ++i) {
            const int x = 5 + i * 4;
            for (int k = 0; k < 4; ++k) {
                p.fillRect(QRect(x + k, 9 + k, 1, 1), c);
                p.fillRect(QRect(x + k, 16 - k, 1, 1), c);
            }
        }
        for (int i = 0; i < 3; ++i) {
            const int x = 50 - i * 4;
            for (int k = 0; k < 4; ++k) {
                p.fillRect(QRect(x - k, 9 + k, 1, 1), c);
                p.fillRect(QRect(x - k, 16 - k, 1, 1), c);
            }
        }
        w.save(name, img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = lit ? "gun/gunFrame_s.png" : "gun/gunFrame.png";
        QImage img = w.canvas(name);
        const QRect r(0, 0, 104, 65); // last row and column: the dark gap to the next cell
        {
            // Opaque: the grid opens over the page's fields, which must not show through.
            QPainter p(&img);
            p.fillRect(img.rect(), s.bg0);
            p.fillRect(r, vgrad(0, 65, s.bg2, s.bg0));
            if (lit) p.fillRect(r, vgrad(0, 65, withAlpha(s.accent, 40), withAlpha(s.accent, 8)));
            frameRect(p, r, lit ? s.accent : s.edge);
            cornerBrackets(p, r.adjusted(2, 2, -2, -2), 6, lit ? mix(s.accent, Qt::white, 0.4) : s.lineBright);
        }
        w.save(name, img);
    }
    {
        QImage img = w.canvas("gun/frame.png");
        QPainter p(&img);
        const QRect r = img.rect();
        fillChamfer(p, r, Chamfer{0, 6, 0, 0}, vgrad(0, r.height(), s.bg2, s.bg0));
        strokeChamfer(p, r, Chamfer{0, 6, 0, 0}, s.edge);
        hline(p, 1, r.width() - 2, r.height() - 1, mix(s.edge, s.accent, 0.5));
        w.save("gun/frame.png", img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = lit ? "gun/fireKey_H.png" : "gun/fireKey.png";
        QImage img = w.canvas(name);
        const QRect r = img.rect();
        const Chamfer ch{4, 0, 0, 0};
        {
            QPainter p(&img);
            fillChamfer(p, r, ch, vgrad(0, r.height(), s.bg3, s.bg1));
            if (lit) fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.accent, 80), withAlpha(s.accent, 20)));
            strokeChamfer(p, r, ch, lit ? s.accent : s.edge);
            if (lit) hline(p, 1, r.width() - 2, r.height() - 2, s.accent);
        }
        w.save(name, img);
    }
}
