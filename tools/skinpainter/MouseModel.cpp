// SPDX-License-Identifier: MIT
// Top views of the mouse for the key page (every button outlined in the accent) and
// for the colour page (buttons at rest, light zones lit).
#include "Paint.h"
#include <QPainterPathStroker>

namespace {

// Shapes of the mouse in the 102 x 191 picture, nose up.
struct MouseShapes {
    QPainterPath body, leftBtn, rightBtn, wheelSlot, wheel, dpiUp, dpiDown, mode;
    QPainterPath thumbFwd, thumbBack, sideA, sideB, sideC, rightSide, logo;
    QPainterPath lightLeft, lightRight;
};

QPainterPath roundRect(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}

MouseShapes shapes()
{
    MouseShapes m;
    QPainterPath b;
    b.moveTo(51, 7);
    b.cubicTo(66, 7, 74, 14, 77, 30);
    b.cubicTo(80, 50, 77, 72, 79, 96);
    b.cubicTo(82, 126, 85, 150, 80, 168);
    b.cubicTo(74, 183, 62, 186, 51, 186);
    b.cubicTo(40, 186, 28, 183, 22, 168);
    b.cubicTo(16, 150, 19, 126, 23, 96);
    b.cubicTo(25, 72, 22, 50, 25, 30);
    b.cubicTo(28, 14, 36, 7, 51, 7);
    b.closeSubpath();
    m.body = b;

    // Main buttons: the body above a shallow arc, split by a groove down the middle.
    QPainterPath top;
    top.moveTo(0, 0);
    top.lineTo(102, 0);
    top.lineTo(102, 78);
    top.quadTo(51, 92, 0, 78);
    top.closeSubpath();
    QPainterPath leftHalf, rightHalf;
    leftHalf.addRect(QRectF(0, 0, 50, 100));
    rightHalf.addRect(QRectF(52, 0, 50, 100));
    const QPainterPath inner = QTransform().translate(51, 96).scale(0.94, 0.97).translate(-51, -96).map(b);
    m.wheelSlot = roundRect(45.5, 19.5, 11, 30, 5);
    m.leftBtn = inner.intersected(top).intersected(leftHalf).subtracted(m.wheelSlot);
    m.rightBtn = inner.intersected(top).intersected(rightHalf).subtracted(m.wheelSlot);
    m.wheel = roundRect(47.5, 22, 7, 25, 3.5);
    m.dpiUp = roundRect(47, 54, 8, 9, 2.5);
    m.dpiDown = roundRect(47, 65, 8, 9, 2.5);
    m.mode = QPainterPath();
    m.mode.addEllipse(QPointF(51, 102), 4, 4);
    // Thumb buttons stand out of the left flank; three small keys sit along the left
    // button's outer edge and one on the right flank.
    m.thumbFwd = roundRect(14, 86, 9, 23, 4);
    m.thumbBack = roundRect(14.5, 111, 9, 23, 4);
    m.sideA = roundRect(29, 30, 6, 9, 2.5);
    m.sideB = roundRect(28.5, 42, 6, 9, 2.5);
    m.sideC = roundRect(28.5, 54, 6, 9, 2.5);
    m.rightSide = roundRect(80, 100, 7, 16, 3);
    // Palm emblem and the two light strips along the flanks.
    QPainterPath emb;
    emb.moveTo(51, 136); emb.lineTo(59, 141); emb.lineTo(57, 153); emb.lineTo(51, 158);
    emb.lineTo(45, 153); emb.lineTo(43, 141); emb.closeSubpath();
    m.logo = emb;
    QPainterPathStroker st;
    st.setWidth(3.2);
    st.setCapStyle(Qt::RoundCap);
    QPainterPath stripL;
    stripL.moveTo(26, 100);
    stripL.cubicTo(22, 130, 21, 155, 27, 170);
    stripL.cubicTo(33, 180, 42, 181, 46, 181);
    m.lightLeft = st.createStroke(stripL);
    m.lightRight = QTransform().translate(102, 0).scale(-1, 1).map(m.lightLeft);
    return m;
}

void bodyShading(QPainter &p, const MouseShapes &m, const Skin &s)
{
    QLinearGradient across(18, 0, 86, 0);
    across.setColorAt(0, s.metalLo);
    across.setColorAt(0.42, s.metalHi);
    across.setColorAt(1, mix(s.metalLo, s.bg0, 0.3));
    p.fillPath(m.body, across);
    QLinearGradient down(0, 7, 0, 186);
    down.setColorAt(0, QColor(255, 255, 255, 18));
    down.setColorAt(0.5, QColor(0, 0, 0, 0));
    down.setColorAt(1, QColor(0, 0, 0, 110));
    p.fillPath(m.body, down);
    // Specular sheen on the palm.
    QRadialGradient sheen(QPointF(44, 120), 30);
    sheen.setColorAt(0, QColor(255, 255, 255, 34));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(m.body, sheen);
}

void drawModel(QImage &img, const Skin &s, bool keyView)
{
    const MouseShapes m = shapes();
    const QList<QPainterPath> buttons = {m.leftBtn, m.rightBtn, m.wheel, m.dpiUp, m.dpiDown, m.mode,
                                         m.thumbFwd, m.thumbBack, m.sideA, m.sideB, m.sideC, m.rightSide};
    // Soft shadow under the mouse.
    QImage shadow = blank(img.width(), img.height());
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillPath(QTransform().translate(2, 3).map(m.body), QColor(0, 0, 0, 200));
    }
    blur(shadow, 6);
    QImage light = blank(img.width(), img.height());
    {
        QPainter p(&img);
        p.drawImage(0, 0, shadow);
        p.setRenderHint(QPainter::Antialiasing);
        // Side buttons first: they sit under the flank.
        for (const auto &b : {m.thumbFwd, m.thumbBack, m.rightSide})
            p.fillPath(b, vgrad(80, 140, s.metalHi, s.metalLo));
        bodyShading(p, m, s);
        p.fillPath(m.wheelSlot, s.bg0);
        p.fillPath(m.wheel, vgrad(22, 47, mix(s.metalHi, Qt::white, 0.15), s.metalLo));
        for (int y = 24; y < 46; y += 3) {
            p.setRenderHint(QPainter::Antialiasing, false);
            hline(p, 48, 53, y, withAlpha(s.bg0, 150));
            p.setRenderHint(QPainter::Antialiasing);
        }
        for (const auto &b : {m.dpiUp, m.dpiDown, m.sideA, m.sideB, m.sideC, m.mode})
            p.fillPath(b, vgrad(0, 191, mix(s.metalHi, Qt::white, 0.08), s.metalLo));
        // Seams between the parts.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(withAlpha(s.bg0, 230), 1.2));
        p.drawPath(m.leftBtn);
        p.drawPath(m.rightBtn);
        p.setPen(QPen(withAlpha(mix(s.line, Qt::white, 0.2), 170), 1.0));
        p.drawPath(m.body);
        p.setPen(QPen(withAlpha(s.line, 110), 0.8));
        p.drawPath(m.logo);

        QPainter q(&light);
        q.setRenderHint(QPainter::Antialiasing);
        if (keyView) {
            // Every button in the accent: these are the positions the key list names.
            q.setBrush(withAlpha(s.accent, 20));
            q.setPen(QPen(s.accent, 1.1));
            for (const auto &b : buttons) q.drawPath(b);
            // Wheel direction marks for scroll up and scroll down.
            q.setPen(Qt::NoPen);
            q.setBrush(s.accent);
            QPolygonF up, dn;
            up << QPointF(51, 13.5) << QPointF(54, 17.5) << QPointF(48, 17.5);
            dn << QPointF(51, 55.5 - 4) << QPointF(54, 51.5 - 4) << QPointF(48, 51.5 - 4);
            q.drawPolygon(up);
            q.drawPolygon(QTransform().translate(0, 3).map(dn));
        } else {
            // Light zones: two flank strips in a spectrum, the wheel and the emblem.
            QLinearGradient sheen(0, 96, 0, 186);
            sheen.setColorAt(0.0, QColor(255, 40, 60));
            sheen.setColorAt(0.3, QColor(255, 0, 200));
            sheen.setColorAt(0.55, QColor(60, 80, 255));
            sheen.setColorAt(0.8, QColor(0, 220, 255));
            sheen.setColorAt(1.0, QColor(40, 255, 140));
            q.fillPath(m.lightLeft, sheen);
            q.fillPath(m.lightRight, sheen);
            q.fillPath(m.wheel, vgrad(22, 47, QColor(255, 60, 80), QColor(255, 0, 200)));
            q.fillPath(m.logo, vgrad(136, 158, mix(s.accent, Qt::white, 0.6), s.accent));
            q.setPen(QPen(withAlpha(s.line, 120), 0.9));
            q.setBrush(Qt::NoBrush);
            for (int i = 0; i < buttons.size(); ++i)
                if (i != 2) q.drawPath(buttons[i]); // the wheel is lit, not outlined
        }
    }
    if (!keyView) {
        // Colour the halo of the strips by the strips themselves rather than white.
        QImage tint = light;
        blur(tint, 7);
        QPainter p(&img);
        p.setOpacity(0.9);
        p.drawImage(0, 0, tint);
        p.setOpacity(1);
        p.drawImage(0, 0, light);
        return;
    }
    QImage glow = light;
    glowUnder(glow, light, s.accent, 3, 0.7);
    QPainter p(&img);
    p.drawImage(0, 0, glow);
}

} // namespace

void paintMouseModels(Writer &w, const Skin &s)
{
    QImage key = w.canvas("model_ms/model_R5_KeyDefine.png");
    drawModel(key, s, true);
    w.save("model_ms/model_R5_KeyDefine.png", key);
    QImage col = w.canvas("model_ms/model_R5_Color.png");
    drawModel(col, s, false);
    w.save("model_ms/model_R5_Color.png", col);
}
