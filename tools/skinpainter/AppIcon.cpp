// SPDX-License-Identifier: MIT
// The application icon: a mouse on a graphite tile in the first skin's palette, drawn
// once as vector paths so the PNG sizes and the scalable SVG are the same picture.
#include "Paint.h"
#include <QDir>
#include <QSvgGenerator>

namespace {

constexpr int kUnits = 256;   // the icon is drawn in a 256 x 256 box and scaled

QPainterPath mouseBody()
{
    QPainterPath b;
    b.moveTo(128, 40);
    b.cubicTo(163, 40, 182, 62, 184, 104);
    b.cubicTo(186, 140, 186, 170, 180, 190);
    b.cubicTo(172, 214, 152, 224, 128, 224);
    b.cubicTo(104, 224, 84, 214, 76, 190);
    b.cubicTo(70, 170, 70, 140, 72, 104);
    b.cubicTo(74, 62, 93, 40, 128, 40);
    b.closeSubpath();
    return b;
}

void drawIcon(QPainter &p, const Skin &s)
{
    p.setRenderHint(QPainter::Antialiasing);

    // Tile: chamfered like the window, lit from the top.
    const QRectF tile(12, 12, 232, 232);
    const QPainterPath tilePath = chamferPath(tile, Chamfer::all(36));
    QLinearGradient tileFill(0, 12, 0, 244);
    tileFill.setColorAt(0, s.bg3);
    tileFill.setColorAt(1, s.bg0);
    p.fillPath(tilePath, tileFill);
    p.setPen(QPen(withAlpha(s.accent, 150), 4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(chamferPath(tile.adjusted(4, 4, -4, -4), Chamfer::all(33)));

    // Halo behind the mouse, then the body in metal.
    const QPainterPath body = mouseBody();
    QRadialGradient halo(QPointF(128, 132), 110);
    halo.setColorAt(0, withAlpha(s.accent, 90));
    halo.setColorAt(1, withAlpha(s.accent, 0));
    p.fillPath(tilePath, halo);
    QLinearGradient metal(72, 0, 184, 0);
    metal.setColorAt(0, s.metalLo);
    metal.setColorAt(0.42, s.metalHi);
    metal.setColorAt(1, mix(s.metalLo, s.bg0, 0.3));
    p.fillPath(body, metal);

    // Button split, wheel and the DPI lamp in the accent.
    p.setPen(QPen(s.bg0, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(128, 44), QPointF(128, 70));
    QPainterPath split;
    split.moveTo(74, 112);
    split.quadTo(128, 128, 182, 112);
    p.drawPath(split);
    p.setPen(Qt::NoPen);
    p.setBrush(s.bg0);
    p.drawRoundedRect(QRectF(116, 62, 24, 48), 12, 12);
    QLinearGradient wheel(0, 68, 0, 104);
    wheel.setColorAt(0, mix(s.accent, Qt::white, 0.5));
    wheel.setColorAt(1, s.accent);
    p.setBrush(wheel);
    p.drawRoundedRect(QRectF(121, 68, 14, 36), 7, 7);
    p.setBrush(s.accent);
    p.drawRoundedRect(QRectF(120, 134, 16, 8), 4, 4);

    // Outline last, crisp in the accent.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(s.accent, 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
}

} // namespace

int writeAppIcons(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return 1;
    const Skin s = skinPalette(1);
    int failures = 0;
    for (int px : {48, 128, 256}) {
        QImage img = blank(px, px);
        QPainter p(&img);
        p.scale(px / double(kUnits), px / double(kUnits));
        drawIcon(p, s);
        p.end();
        if (!img.save(QString("%1/r5config-%2.png").arg(folder).arg(px)))
            ++failures;
    }
    QSvgGenerator svg;
    svg.setFileName(folder + "/r5config.svg");
    svg.setSize(QSize(kUnits, kUnits));
    svg.setViewBox(QRect(0, 0, kUnits, kUnits));
    svg.setTitle("r5config");
    {
        QPainter p(&svg);
        drawIcon(p, s);
    }
    if (!QFileInfo(folder + "/r5config.svg").size())
        ++failures;
    return failures;
}
