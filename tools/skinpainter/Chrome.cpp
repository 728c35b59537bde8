// SPDX-License-Identifier: MIT
// Window-level images: the background and its chrome, the HUD decorations, the vendor
// mark, the top and bottom strips, the profile and function menus and the page panels.
#include "Glyphs.h"
#include <QtMath>

static const Chamfer kWindow{18, 10, 18, 10};

static void background(Writer &w, const Skin &s)
{
    QImage img = w.canvas("background.png");
    const QRect r = img.rect();
    {
        QPainter p(&img);
        QRadialGradient g(QPointF(500, 230), 640);
        g.setColorAt(0, s.bg2);
        g.setColorAt(0.55, s.bg1);
        g.setColorAt(1, s.bg0);
        fillChamfer(p, r, kWindow, g);
    }
    QImage tex = blank(r.width(), r.height());
    {
        // Fine diagonal hatching and a sparse dot grid: texture without noise.
        QPainter p(&tex);
        p.setPen(QPen(QColor(255, 255, 255, 7), 1));
        for (int x = 0; x < r.width() + r.height(); x += 5) p.drawLine(x, 0, x - r.height(), r.height());
        for (int y = 8; y < r.height(); y += 16)
            for (int x = 8; x < r.width(); x += 16) p.fillRect(QRect(x, y, 1, 1), QColor(255, 255, 255, 14));
        // Faint circuit traces in the accent along two corners.
        Rng rng(0x5eed + s.number);
        p.setPen(QPen(withAlpha(s.accent, 22), 1));
        for (int i = 0; i < 7; ++i) {
            const int y = 470 + i * 14, x0 = 560 + int(rng.unit() * 140), run = 60 + int(rng.unit() * 120);
            p.drawLine(x0, y, x0 + run, y);
            p.drawLine(x0 + run, y, x0 + run + 10, y - 10);
            p.drawLine(x0 + run + 10, y - 10, x0 + run + 10 + 40 + i * 9, y - 10);
            p.fillRect(QRect(x0 - 1, y - 1, 3, 3), withAlpha(s.accent, 40));
        }
        for (int i = 0; i < 5; ++i) {
            const int y = 60 + i * 12, x0 = 220 + int(rng.unit() * 60), run = 80 + int(rng.unit() * 100);
            p.drawLine(x0, y, x0 + run, y);
            p.drawLine(x0 + run, y, x0 + run + 8, y + 8);
            p.fillRect(QRect(x0 + run + 7, y + 7, 3, 3), withAlpha(s.accent, 40));
        }
        // Vignette towards the edges.
        QRadialGradient v(QPointF(500, 300), 620);
        v.setColorAt(0.6, QColor(0, 0, 0, 0));
        v.setColorAt(1, QColor(0, 0, 0, 150));
        p.fillRect(tex.rect(), v);
        p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QImage mask = blank(r.width(), r.height());
        {
            QPainter q(&mask);
            fillChamfer(q, r, kWindow, Qt::white);
        }
        p.drawImage(0, 0, mask);
    }
    QPainter p(&img);
    p.drawImage(0, 0, tex);
    w.save("background.png", img);
}

static void frame(Writer &w, const Skin &s)
{
    QImage img = w.canvas("frame/frameBackground.png");
    const QRect r = img.rect();
    QPainter p(&img);
    // Shade bands behind the top and bottom strips.
    p.fillRect(QRect(0, 0, r.width(), 44), vgrad(0, 44, QColor(0, 0, 0, 150), QColor(0, 0, 0, 0)));
    p.fillRect(QRect(0, 530, r.width(), 70), vgrad(530, 600, QColor(0, 0, 0, 0), QColor(0, 0, 0, 170)));
    QImage mask = blank(r.width(), r.height());
    {
        QPainter q(&mask);
        fillChamfer(q, r, kWindow, Qt::white);
    }
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    // Double outline: outer edge and an inner line two pixels in.
    strokeChamfer(p, r, kWindow, s.edge);
    strokeChamfer(p, r.adjusted(2, 2, -2, -2), Chamfer{16, 8, 16, 8}, withAlpha(s.edge, 110));
    // Accent on the two long chamfers and short runs leaving them.
    QImage lit = blank(r.width(), r.height());
    {
        QPainter q(&lit);
        for (int i = 0; i <= 18; ++i) {
            q.fillRect(QRect(18 - i, i, 1, 1), s.accent);
            q.fillRect(QRect(r.width() - 19 + i, r.height() - 1 - i, 1, 1), s.accent);
        }
        hline(q, 18, 150, 0, s.accent);
        vline(q, 0, 18, 110, s.accent);
        hline(q, r.width() - 151, r.width() - 19, r.height() - 1, s.accent);
        vline(q, r.width() - 1, r.height() - 111, r.height() - 19, s.accent);
        hline(q, r.width() - 80, r.width() - 30, 0, withAlpha(s.accent, 120));
        hline(q, 30, 80, r.height() - 1, withAlpha(s.accent, 120));
    }
    QImage glow = lit;
    glowUnder(glow, lit, s.accent, 6, 0.8);
    p.drawImage(0, 0, glow);
    // Side rails with ticks, level with the menus.
    for (int y = 200; y <= 400; y += 8) {
        hline(p, 4, y % 40 == 0 ? 8 : 6, y, withAlpha(s.line, 90));
        hline(p, r.width() - (y % 40 == 0 ? 9 : 7), r.width() - 5, y, withAlpha(s.line, 90));
    }
    w.save("frame/frameBackground.png", img);
}

// HUD ring centred in a 100 x 100 image; variant 2 is turned and shaped differently.
static void decoration(Writer &w, const Skin &s, int variant)
{
    const QString name = QString("frame/decoration%1.png").arg(variant);
    QImage img = w.canvas(name);
    QImage lit = blank(100, 100);
    const QPointF c(50, 50);
    const qreal turn = variant == 1 ? 0 : 180;
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(s.line, 110), 1));
        for (int i = 0; i < 4; ++i)
            p.drawArc(QRectF(9, 9, 82, 82), int((turn + i * 90 + 8) * 16), 74 * 16);
        p.setPen(QPen(withAlpha(s.edge, 255), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(16, 16, 68, 68), int((turn + 200) * 16), 140 * 16);
        for (int i = 0; i < 36; ++i) {
            const qreal a = qDegreesToRadians(i * 10.0 + turn);
            const qreal r1 = (i % 3 == 0) ? 44 : 46, r2 = 48;
            p.setPen(QPen(withAlpha(s.line, i % 3 == 0 ? 150 : 70), 1));
            p.drawLine(c + QPointF(r1 * qCos(a), r1 * qSin(a)), c + QPointF(r2 * qCos(a), r2 * qSin(a)));
        }
        // Hexagon core, thin, left open for whatever lies beneath.
        QPolygonF hex;
        for (int i = 0; i < 6; ++i) {
            const qreal a = qDegreesToRadians(60.0 * i + 30 + (variant == 2 ? 30 : 0));
            hex << c + QPointF(18 * qCos(a), 18 * qSin(a));
        }
        p.setPen(QPen(withAlpha(s.line, 120), 1));
        p.drawPolygon(hex);
    }
    {
        QPainter q(&lit);
        q.setRenderHint(QPainter::Antialiasing);
        q.setBrush(Qt::NoBrush);
        q.setPen(QPen(s.accent, 2, Qt::SolidLine, Qt::FlatCap));
        q.drawArc(QRectF(16, 16, 68, 68), int((turn + 20) * 16), 70 * 16);
        q.setPen(QPen(withAlpha(s.accent, 170), 1));
        q.drawArc(QRectF(26, 26, 48, 48), int((turn + 110) * 16), 110 * 16);
        q.drawArc(QRectF(26, 26, 48, 48), int((turn + 290) * 16), 50 * 16);
        q.setPen(Qt::NoPen);
        q.setBrush(s.accent);
        q.drawEllipse(c, 2.2, 2.2);
        QPolygonF tri;
        const qreal a = qDegreesToRadians(turn + 55);
        const QPointF tip = c + QPointF(38 * qCos(a), -38 * qSin(a));
        tri << tip << tip + QPointF(-4, -6) << tip + QPointF(4, -6);
        if (variant == 2) tri = QTransform().translate(tip.x(), tip.y()).rotate(180).translate(-tip.x(), -tip.y()).map(tri);
        q.drawPolygon(tri);
    }
    QImage glow = lit;
    glowUnder(glow, lit, s.accent, 5, 1.0);
    QPainter p(&img);
    p.drawImage(0, 0, glow);
    w.save(name, img);
}

// The emblem of the vendor mark in a 44 x 44 design box: two mirrored blades and a core.
static void emblemParts(QPainterPath &left, QPainterPath &right, QPainterPath &core)
{
    left = QPainterPath();
    left.moveTo(22, 5); left.lineTo(8, 12); left.lineTo(11, 30); left.lineTo(22, 39);
    left.lineTo(22, 31); left.lineTo(15, 26); left.lineTo(14, 16); left.lineTo(22, 12);
    left.closeSubpath();
    right = QTransform().translate(44, 0).scale(-1, 1).map(left);
    core = QPainterPath();
    core.moveTo(22, 15); core.lineTo(28, 20); core.lineTo(22, 30); core.lineTo(16, 20);
    core.closeSubpath();
}

// The vendor mark: a made-up angular emblem and the "R5" word mark.
static void logo(Writer &w, const Skin &s)
{
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = QString("frame/web_%1.png").arg(lit);
        QImage img = w.canvas(name);
        QImage mark = blank(200, 44);
        {
            QPainter p(&mark);
            p.setRenderHint(QPainter::Antialiasing);
            QPainterPath left, right, core;
            emblemParts(left, right, core);
            const QColor face = lit ? s.accent : s.line;
            p.fillPath(left, vgrad(5, 39, mix(face, Qt::white, 0.25), mix(face, Qt::black, 0.25)));
            p.fillPath(right, vgrad(5, 39, mix(face, Qt::white, 0.1), mix(face, Qt::black, 0.4)));
            p.fillPath(core, lit ? QColor(Qt::white) : mix(face, Qt::white, 0.3));
            QFont f("DejaVu Sans", 1, QFont::Black);
            f.setPixelSize(24);
            f.setItalic(true);
            f.setLetterSpacing(QFont::AbsoluteSpacing, 1);
            p.setFont(f);
            p.setPen(lit ? mix(s.accent, Qt::white, 0.55) : mix(s.line, Qt::white, 0.35));
            p.drawText(QRect(52, 2, 60, 30), Qt::AlignLeft | Qt::AlignVCenter, "R5");
            QFont small("DejaVu Sans", 1, QFont::Bold);
            small.setPixelSize(9);
            small.setLetterSpacing(QFont::AbsoluteSpacing, 3);
            p.setFont(small);
            p.setPen(lit ? s.accent : s.line);
            p.drawText(QRect(53, 29, 147, 12), Qt::AlignLeft | Qt::AlignVCenter, "GAMING GEAR");
            p.setRenderHint(QPainter::Antialiasing, false);
            hline(p, 98, 192, 17, lit ? s.accent : s.edge);
            hline(p, 106, 192, 21, lit ? withAlpha(s.accent, 120) : withAlpha(s.edge, 160));
        }
        if (lit) glowUnder(mark, mark, s.accent, 6, 1.2);
        QPainter p(&img);
        p.drawImage(0, 0, mark);
        w.save(name, img);
    }
}

static void strips(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("list_up/listUpContainer.png");
        const QRect r = img.rect();
        QPainter p(&img);
        const Chamfer ch{0, 0, 10, 10};
        fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 235), withAlpha(s.bg1, 235)));
        // Centre recess under the vendor mark.
        const QRect mid(372, 0, 240, 20);
        fillChamfer(p, mid, Chamfer{0, 0, 12, 12}, withAlpha(s.bg0, 235));
        strokeChamfer(p, mid, Chamfer{0, 0, 12, 12}, s.edge);
        hline(p, 386, 598, 19, s.accent);
        strokeChamfer(p, r, ch, s.edge);
        hline(p, 40, 140, r.height() - 1, mix(s.edge, s.accent, 0.5));
        hline(p, r.width() - 141, r.width() - 41, r.height() - 1, mix(s.edge, s.accent, 0.5));
        for (int x = 300; x < 360; x += 4) vline(p, x, 6, 13, withAlpha(s.line, 60));
        for (int x = 626; x < 686; x += 4) vline(p, x, 6, 13, withAlpha(s.line, 60));
        w.save("list_up/listUpContainer.png", img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        w.save(QString("list_up/applicationSetting_%1.png").arg(lit), iconButton(22, 22, s, Glyph::Gear, lit, s.accent));
        w.save(QString("list_up/applicationMinimize_%1.png").arg(lit), iconButton(22, 22, s, Glyph::Close, lit, s.accent));
    }
    {
        QImage img = w.canvas("list_dn/listDnContainer.png");
        const QRect r = img.rect();
        QPainter p(&img);
        const Chamfer ch{12, 12, 0, 0};
        fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 235), withAlpha(s.bg0, 235)));
        strokeChamfer(p, r, ch, s.edge);
        hline(p, 13, 160, 1, withAlpha(s.lineBright, 200));
        hline(p, 24, 120, 0, s.accent);
        hline(p, r.width() - 121, r.width() - 25, 0, s.accent);
        for (int x = 20; x < 90; x += 4) vline(p, x, 16, 24, withAlpha(s.line, 60));
        for (int x = r.width() - 90; x < r.width() - 20; x += 4) vline(p, x, 16, 24, withAlpha(s.line, 60));
        w.save("list_dn/listDnContainer.png", img);
    }
}

// Page and drawer panels; each page gets a faint watermark of its function.
static void panels(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("list_center/globalsettingBackground.png");
        const QRect r = img.rect();
        QPainter p(&img);
        const Chamfer ch{0, 0, 16, 0};
        fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 248), withAlpha(s.bg0, 248)));
        for (int y = 10; y < r.height(); y += 10)
            for (int x = 10; x < r.width(); x += 10) p.fillRect(QRect(x, y, 1, 1), QColor(255, 255, 255, 10));
        strokeChamfer(p, r, ch, s.edge);
        hline(p, 0, 80, 0, s.accent);
        vline(p, 0, 0, 60, s.accent);
        hline(p, r.width() - 60, r.width() - 17, r.height() - 1, mix(s.edge, s.accent, 0.5));
        w.save("list_center/globalsettingBackground.png", img);
    }
    struct P { const char *name; Glyph mark; bool emblem; };
    // Every page shows the common panel; it carries the vendor emblem, the others a
    // pictogram of their function.
    const P pages[] = {{"fnCommonBackground", Glyph::Target, true}, {"fnKeydefineBackground", Glyph::Mouse, false},
                       {"fnMacroBackground", Glyph::Macro, false}, {"fnColorBackground", Glyph::Palette, false}};
    for (const P &pg : pages) {
        const QString name = QString("list_center/%1.png").arg(pg.name);
        QImage img = w.canvas(name);
        const QRect r = img.rect();
        QPainter p(&img);
        const Chamfer ch{14, 0, 14, 0};
        fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 225), withAlpha(s.bg0, 225)));
        for (int y = 12; y < r.height(); y += 12)
            for (int x = 12; x < r.width(); x += 12) p.fillRect(QRect(x, y, 1, 1), QColor(255, 255, 255, 9));
        // Watermark, drawn large and very faint in the lower right.
        if (pg.emblem) {
            QPainterPath left, right, core;
            emblemParts(left, right, core);
            const QTransform t = QTransform().translate(r.width() - 200, r.height() - 214).scale(4.5, 4.5);
            p.setRenderHint(QPainter::Antialiasing);
            p.fillPath(t.map(left.united(right).united(core)), withAlpha(s.line, 9));
            p.setRenderHint(QPainter::Antialiasing, false);
        } else {
            drawGlyph(p, pg.mark, QRect(r.width() - 190, r.height() - 190, 170, 170), withAlpha(s.line, 10));
        }
        strokeChamfer(p, r, ch, s.edge);
        for (int i = 0; i <= 14; ++i) p.fillRect(QRect(14 - i, i, 1, 1), s.accent);
        hline(p, 14, 160, 0, s.accent);
        vline(p, 0, 14, 60, s.accent);
        hline(p, r.width() - 161, r.width() - 15, r.height() - 1, mix(s.edge, s.accent, 0.5));
        hline(p, 20, r.width() - 20, 36, withAlpha(s.edge, 90));
        w.save(name, img);
    }
}

void paintChrome(Writer &w, const Skin &s)
{
    background(w, s);
    frame(w, s);
    decoration(w, s, 1);
    decoration(w, s, 2);
    logo(w, s);
    strips(w, s);
    panels(w, s);
}

void paintMenus(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("list_pf/listPfContainer.png");
        const QRect r = img.rect();
        QPainter p(&img);
        const Chamfer ch{0, 12, 0, 12};
        fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 235), withAlpha(s.bg0, 235)));
        p.fillRect(QRect(1, 1, r.width() - 14, 86), withAlpha(s.bg0, 120));
        strokeChamfer(p, r, ch, s.edge);
        hline(p, 1, r.width() - 2, 87, s.edge);
        hline(p, 8, 40, 87, s.accent);
        vline(p, 12, 97, 356, withAlpha(s.edge, 255));
        for (int i = 0; i < 10; ++i) hline(p, 10, 16, 97 + 13 + i * 26, s.lineBright);
        for (int y = 70; y < 82; y += 3) hline(p, 8, 60, y, withAlpha(s.line, 40));
        hline(p, r.width() - 40, r.width() - 13, r.height() - 1, mix(s.edge, s.accent, 0.5));
        w.save("list_pf/listPfContainer.png", img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = QString("list_pf/profileFW_%1.png").arg(lit);
        QImage img = w.canvas(name);
        QImage shape = blank(16, 26);
        {
            QPainter p(&shape);
            p.setRenderHint(QPainter::Antialiasing);
            QPolygonF d;
            d << QPointF(9, 8) << QPointF(14, 13) << QPointF(9, 18) << QPointF(4, 13);
            p.setPen(QPen(lit ? s.accent : s.line, 1.2));
            p.setBrush(lit ? QBrush(s.accent) : QBrush(Qt::NoBrush));
            p.drawPolygon(d);
            p.setRenderHint(QPainter::Antialiasing, false);
            if (lit) p.fillRect(QRect(0, 4, 2, 18), s.accent);
            else vline(p, 0, 8, 17, s.edge);
        }
        if (lit) glowUnder(shape, shape, s.accent, 4, 1.0);
        QPainter p(&img);
        p.drawImage(0, 0, shape);
        w.save(name, img);
    }
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = QString("list_fn/listFnBtn_%1.png").arg(lit);
        QImage img = w.canvas(name);
        const QRect r = img.rect();
        const Chamfer ch{0, 12, 0, 5};
        {
            QPainter p(&img);
            fillChamfer(p, r, ch, vgrad(0, r.height(), s.bg3, s.bg1));
            if (lit) fillChamfer(p, r, ch, hgrad(0, r.width(), withAlpha(s.accent, 80), withAlpha(s.accent, 6)));
            hline(p, 4, r.width() - 14, 1, lit ? withAlpha(mix(s.accent, Qt::white, 0.4), 120) : withAlpha(s.lineBright, 170));
            strokeChamfer(p, r, ch, lit ? s.accent : s.edge);
            p.fillRect(QRect(1, 3, 3, r.height() - 6), lit ? s.accent : s.lineBright);
            for (int i = 0; i < 3; ++i)
                p.fillRect(QRect(r.width() - 22 + i * 5, r.height() - 7, 3, 2), lit ? s.accent : s.lineBright);
        }
        w.save(name, img);
    }
    struct F { const char *name; Glyph g; };
    const F icons[] = {{"fnKeydefine", Glyph::Mouse}, {"fnMacro", Glyph::Macro}, {"fnColor", Glyph::Palette},
                       {"fnSensor", Glyph::Target}, {"fnPressGun", Glyph::Pistol}};
    for (const F &f : icons)
        for (int lit = 0; lit < 2; ++lit) {
            const QString name = QString("list_fn/%1_%2.png").arg(f.name).arg(lit);
            QImage img = w.canvas(name);
            QImage glyph = blank(22, 22);
            {
                QPainter p(&glyph);
                drawGlyph(p, f.g, QRect(1, 1, 20, 20), lit ? s.accent : s.line);
            }
            if (lit) glowUnder(glyph, glyph, s.accent, 4, 1.4);
            QPainter p(&img);
            p.drawImage(0, 0, glyph);
            w.save(name, img);
        }
}
