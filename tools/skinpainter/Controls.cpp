// SPDX-License-Identifier: MIT
// The common/ images: field faces, slider steps, button groups, check boxes, icon
// buttons, the colour bar and the frames of the macro page.
#include "Glyphs.h"
#include <QtMath>

// Recessed field face: dark well, one-pixel border, shadow under the top edge.
static void fieldFace(QPainter &p, const QRect &r, const Skin &s)
{
    p.fillRect(r, vgrad(r.top(), r.bottom(), s.bg0, s.bg1));
    hline(p, r.left() + 1, r.right() - 1, r.top() + 1, QColor(0, 0, 0, 140));
    hline(p, r.left() + 1, r.right() - 1, r.bottom() - 1, withAlpha(s.lineBright, 70));
    frameRect(p, r, s.edge);
}

// One lamp of a segmented bar; lit lamps are accent with a halo inside the cell.
static QImage lamp(int w, int h, const QRect &core, const Skin &s, bool lit)
{
    QImage img = blank(w, h);
    if (lit) {
        QImage shape = blank(w, h);
        {
            QPainter q(&shape);
            q.fillRect(core, Qt::white);
        }
        glowUnder(img, shape, s.accent, 4, 0.9);
    }
    QPainter p(&img);
    if (lit) {
        p.fillRect(core, vgrad(core.top(), core.bottom(), mix(s.accent, Qt::white, 0.15), mix(s.accent, s.accentDeep, 0.55)));
        hline(p, core.left(), core.right(), core.top(), mix(s.accent, Qt::white, 0.55));
    } else {
        p.fillRect(core, vgrad(core.top(), core.bottom(), s.bg3, s.bg2));
        hline(p, core.left(), core.right(), core.top(), withAlpha(s.lineBright, 150));
        hline(p, core.left(), core.right(), core.bottom(), QColor(0, 0, 0, 120));
    }
    return img;
}

static void sliders(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("common/slider_BASE.png");
        QPainter p(&img);
        fieldFace(p, img.rect(), s);
        // Small grip marks at both ends, visible beside the seven steps of a slider.
        for (int x : {2, img.width() - 3}) vline(p, x, 6, 16, withAlpha(s.lineBright, 200));
        w.save("common/slider_BASE.png", img);
    }
    for (int lit = 0; lit < 2; ++lit)
        w.save(QString("common/slider_FILLER_%1.png").arg(lit), lamp(21, 21, QRect(3, 4, 15, 13), s, lit));
    {
        QImage img = w.canvas("common/slider_11_BASE.png");
        QPainter p(&img);
        const QRect groove(2, 6, 311, 12);
        p.fillRect(groove, vgrad(groove.top(), groove.bottom(), s.bg0, s.bg1));
        frameRect(p, groove, s.edge);
        for (int i = 0; i < 11; ++i) {
            const int cx = 3 + i * 28 + 13;
            const bool major = (i % 5 == 0);
            vline(p, cx, major ? 0 : 2, 4, major ? s.line : s.lineBright);
            vline(p, cx, 19, major ? 23 : 21, major ? s.line : s.lineBright);
        }
        w.save("common/slider_11_BASE.png", img);
    }
    for (int lit = 0; lit < 2; ++lit)
        w.save(QString("common/slider_11_FILLER_%1.png").arg(lit), lamp(26, 10, QRect(1, 1, 24, 8), s, lit));
}

// The colour of one row of the colour bar: the same rule the page uses on a click.
static QColor paletteRow(int y, int h)
{
    const double rate = double(y) / double(h - 1) / 0.125;
    const int level = int(std::floor(rate));
    const int v = int(std::lround((rate - level) * 255.0));
    switch (level) {
    case 0: return QColor(v, 0, 0);
    case 1: return QColor(255, v, 0);
    case 2: return QColor(255 - v, 255, 0);
    case 3: return QColor(0, 255, v);
    case 4: return QColor(0, 255 - v, 255);
    case 5: return QColor(v, 0, 255);
    case 6: return QColor(255, v, 255);
    case 7: return QColor(255 - v, 255 - v, 255 - v);
    default: return QColor(0, 0, 0);
    }
}

static void palette(Writer &w, const Skin &s)
{
    {
        QImage img = w.canvas("common/draw_palette.png");
        QPainter p(&img);
        for (int y = 0; y < img.height(); ++y) hline(p, 0, img.width() - 1, y, paletteRow(y, img.height()));
        w.save("common/draw_palette.png", img);
    }
    {
        QImage img = w.canvas("common/draw_paletteIndex.png");
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 200), 3));
        p.drawEllipse(QPointF(5.5, 5.5), 3.8, 3.8);
        p.setPen(QPen(Qt::white, 1.2));
        p.drawEllipse(QPointF(5.5, 5.5), 3.8, 3.8);
        w.save("common/draw_paletteIndex.png", img);
    }
    {
        QImage img = w.canvas("common/draw_inputValue.png");
        QPainter p(&img);
        fieldFace(p, img.rect(), s);
        w.save("common/draw_inputValue.png", img);
    }
    {
        // One flat colour, so the pages can stretch it to any length or use it upright.
        QImage img = w.canvas("common/draw_line.png");
        img.fill(mix(s.edge, s.accent, 0.22));
        w.save("common/draw_line.png", img);
    }
    {
        QImage img = w.canvas("common/filelist_BASE.png");
        QPainter p(&img);
        p.fillRect(img.rect(), vgrad(0, img.height(), withAlpha(s.bg1, 240), withAlpha(s.bg0, 240)));
        frameRect(p, img.rect(), s.edge);
        cornerBrackets(p, img.rect(), 6, mix(s.edge, s.accent, 0.45));
        w.save("common/filelist_BASE.png", img);
    }
}

static void checkbox(Writer &w, const Skin &s)
{
    for (int lit = 0; lit < 2; ++lit) {
        const QString name = QString("common/checkbox_%1.png").arg(lit);
        QImage img = w.canvas(name);
        {
            QPainter p(&img);
            fieldFace(p, img.rect(), s);
            if (lit) frameRect(p, img.rect(), s.accent);
        }
        if (lit) {
            QImage dot = blank(15, 15);
            {
                QPainter q(&dot);
                q.fillRect(QRect(4, 4, 7, 7), vgrad(4, 10, mix(s.accent, Qt::white, 0.3), s.accent));
            }
            QImage halo = dot;
            glowUnder(halo, dot, s.accent, 4, 1.2);
            QPainter p(&img);
            p.drawImage(0, 0, halo);
        } else {
            QPainter p(&img);
            p.fillRect(QRect(4, 4, 7, 7), withAlpha(s.bg3, 255));
            hline(p, 4, 10, 4, withAlpha(s.lineBright, 200));
        }
        w.save(name, img);
    }
}

static void buttons(Writer &w, const Skin &s)
{
    struct B { const char *name; Glyph g; int size; bool hot; };
    const B list[] = {
        {"reset", Glyph::Reset, 26, false}, {"apply", Glyph::Check, 26, false},
        {"add", Glyph::Plus, 21, false}, {"delete", Glyph::Minus, 21, false},
        {"record", Glyph::Record, 21, true}, {"stop", Glyph::Stop, 21, false},
        {"solid-delete", Glyph::Trash, 21, false}, {"solid-cut", Glyph::Scissors, 21, false},
        {"solid-paste", Glyph::Paste, 21, false}, {"solid-copy", Glyph::Copy, 21, false},
    };
    for (const B &b : list)
        for (int lit = 0; lit < 2; ++lit) {
            const QString name = QString("common/%1_%2.png").arg(b.name).arg(lit);
            w.save(name, iconButton(b.size, b.size, s, b.g, lit, b.hot ? s.hot : s.accent));
        }
    {
        QImage img = w.canvas("common/fram_2btn.png");
        QPainter p(&img);
        const QRect r = img.rect();
        fillChamfer(p, r, Chamfer{5, 0, 5, 0}, vgrad(0, r.height(), s.bg2, s.bg1));
        strokeChamfer(p, r, Chamfer{5, 0, 5, 0}, s.edge);
        p.fillRect(QRect(3, 3, 58, 28), s.bg0);
        frameRect(p, QRect(2, 2, 60, 30), withAlpha(s.lineBright, 120));
        for (int y = 8; y <= 25; y += 3) p.fillRect(QRect(31, y, 2, 1), s.lineBright);
        hline(p, 8, 24, r.height() - 1, mix(s.edge, s.accent, 0.5));
        w.save("common/fram_2btn.png", img);
    }
    {
        QImage img = w.canvas("common/btnFrame.png");
        QPainter p(&img);
        frameRect(p, img.rect(), withAlpha(s.edge, 200));
        cornerBrackets(p, img.rect(), 4, s.line);
        w.save("common/btnFrame.png", img);
    }
}

// A cell of the button groups: 76 pixels wide with a transparent last column as gap.
static QImage groupCell(const Skin &s, bool lit, bool colourSlot)
{
    QImage img = blank(77, 19);
    const QRect r(0, 0, 76, 19);
    {
        QPainter p(&img);
        p.fillRect(r, vgrad(0, 18, s.bg3, s.bg2));
        if (lit) p.fillRect(r, vgrad(0, 18, withAlpha(s.accent, 70), withAlpha(s.accent, 18)));
        hline(p, 1, 74, 1, lit ? withAlpha(mix(s.accent, Qt::white, 0.4), 150) : withAlpha(s.lineBright, 160));
        frameRect(p, r, lit ? s.accent : s.edge);
        if (colourSlot) {
            p.fillRect(QRect(5, 5, 67, 8), s.bg0);
            frameRect(p, QRect(5, 5, 67, 8), lit ? mix(s.accent, s.bg0, 0.4) : s.edge);
        }
        if (lit) hline(p, 2, 73, 17, s.accent);
    }
    return img;
}

static void groups(Writer &w, const Skin &s)
{
    auto base = [&](const QString &name, const QList<int> &rows) {
        QImage img = w.canvas(name);
        QPainter p(&img);
        const QRect r = img.rect();
        const Chamfer ch{0, 5, 0, 5};
        fillChamfer(p, r, ch, vgrad(0, r.height(), s.bg1, s.bg0));
        strokeChamfer(p, r, ch, s.edge);
        for (int row : rows) p.fillRect(QRect(2, row - 1, 310, 21), withAlpha(Qt::black, 110));
        if (rows.size() > 1)
            for (int i = 0; i < 4; ++i) hline(p, 3 + i * 77, 3 + i * 77 + 10, 3, mix(s.edge, s.accent, 0.4));
        w.save(name, img);
    };
    base("common/btnGroup_4_BASE.png", {4});
    base("common/btnGroup_8_BASE.png", {8, 27});
    for (int lit = 0; lit < 2; ++lit) {
        w.save(QString("common/btnGroup_FILLER_%1.png").arg(lit), groupCell(s, lit, false));
        w.save(QString("common/btnGroup2_FILLER_%1.png").arg(lit), groupCell(s, lit, true));
    }
}

static void listFrame(Writer &w, const Skin &s)
{
    QImage img = w.canvas("common/btnFileListFrame.png");
    QPainter p(&img);
    const QRect r = img.rect();
    const Chamfer ch{2, 2, 2, 2};
    fillChamfer(p, r, ch, vgrad(0, r.height(), withAlpha(s.bg2, 235), withAlpha(s.bg0, 235)));
    strokeChamfer(p, r, ch, s.edge);
    hline(p, 1, 141, 24, s.edge);
    hline(p, 3, 30, 0, mix(s.edge, s.accent, 0.6));
    hline(p, r.width() - 31, r.width() - 4, r.height() - 1, mix(s.edge, s.accent, 0.6));
    w.save("common/btnFileListFrame.png", img);
}

void paintControls(Writer &w, const Skin &s)
{
    sliders(w, s);
    palette(w, s);
    checkbox(w, s);
    buttons(w, s);
    groups(w, s);
    listFrame(w, s);
}
