// SPDX-License-Identifier: MIT
// Top views of the mouse for the key page (every button outlined in the accent) and
// for the colour page (buttons at rest, light zones lit), and for the key page one lit
// overlay per key position, drawn over the picture when that position is chosen.
#include "Paint.h"
#include <QPainterPathStroker>

namespace {

// Shapes of the mouse in the 102 x 191 picture, nose up.
struct MouseShapes {
    QPainterPath body, leftBtn, rightBtn, wheelSlot, wheel, dpiUp, dpiDown, mode;
    QPainterPath thumbFwd, thumbBack, sideA, sideB, sideC, logo;
    QPainterPath wheelUp, wheelDown;   // the scroll marks above and below the wheel
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
    // Room between the wheel and the DPI buttons for the scroll-down mark.
    m.dpiUp = roundRect(47, 57, 8, 9, 2.5);
    m.dpiDown = roundRect(47, 68, 8, 9, 2.5);
    m.mode = QPainterPath();
    m.mode.addEllipse(QPointF(51, 102), 4, 4);
    // Thumb buttons stand out of the left flank; three small keys sit along the left
    // button's outer edge.
    m.thumbFwd = roundRect(14, 86, 9, 23, 4);
    m.thumbBack = roundRect(14.5, 111, 9, 23, 4);
    m.sideA = roundRect(29, 30, 6, 9, 2.5);
    m.sideB = roundRect(28.5, 42, 6, 9, 2.5);
    m.sideC = roundRect(28.5, 54, 6, 9, 2.5);
    QPolygonF up, dn;
    up << QPointF(51, 12.5) << QPointF(55, 17.5) << QPointF(47, 17.5);
    dn << QPointF(51, 55.5) << QPointF(55, 50.5) << QPointF(47, 50.5);
    m.wheelUp.addPolygon(up);
    m.wheelUp.closeSubpath();
    m.wheelDown.addPolygon(dn);
    m.wheelDown.closeSubpath();
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
                                         m.thumbFwd, m.thumbBack, m.sideA, m.sideB, m.sideC};
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
        for (const auto &b : {m.thumbFwd, m.thumbBack})
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
            q.drawPath(m.wheelUp);
            q.drawPath(m.wheelDown);
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

// The shape of each key position on the picture, by key id (the order of the key-name
// list); positions this model does not have are empty.
QPainterPath keyShape(const MouseShapes &m, int keyId)
{
    // The main buttons without the small ones that sit on them.
    const QPainterPath onTop = m.dpiUp.united(m.dpiDown).united(m.sideA).united(m.sideB).united(m.sideC);
    switch (keyId) {
    case 0: return m.leftBtn.subtracted(onTop);
    case 1: return m.rightBtn.subtracted(onTop);
    case 2: return m.wheel;
    case 3: return m.thumbFwd;
    case 4: return m.thumbBack;
    case 5: return m.dpiUp;
    case 6: return m.mode;
    case 7: return m.dpiDown;
    case 9: return m.sideA;
    case 10: return m.sideB;
    case 11: return m.sideC;
    case 14: return m.wheelUp;
    case 15: return m.wheelDown;
    default: return QPainterPath();
    }
}

// One position lit over the key picture: the button filled and edged in the accent with
// a glow around it. The scroll marks are small, so they are drawn larger and brighter.
void drawLitKey(QImage &img, const MouseShapes &m, const Skin &s, int keyId)
{
    QPainterPath shape = keyShape(m, keyId);
    const bool mark = keyId == 14 || keyId == 15;
    if (mark) {
        const QPointF c = shape.boundingRect().center();
        shape = QTransform().translate(c.x(), c.y()).scale(1.35, 1.35).translate(-c.x(), -c.y()).map(shape);
    }
    QImage lit = blank(img.width(), img.height());
    {
        QPainter p(&lit);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = shape.boundingRect();
        p.fillPath(shape, vgrad(int(r.top()), int(r.bottom()) + 1, withAlpha(mix(s.accent, Qt::white, 0.25), mark ? 255 : 170),
                                withAlpha(s.accent, mark ? 255 : 110)));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(mix(s.accent, Qt::white, 0.45), mark ? 0.8 : 1.4));
        p.drawPath(shape);
    }
    img = lit;
    glowUnder(img, lit, s.accent, mark ? 5 : 4, mark ? 1.6 : 1.1);
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
    const MouseShapes m = shapes();
    for (int id = 0; id < 16; ++id) {
        if (keyShape(m, id).isEmpty())
            continue;
        const QString path = QString("model_ms/keyLit%1.png").arg(id, 2, 10, QLatin1Char('0'));
        QImage lit = w.canvas(path);
        drawLitKey(lit, m, s, id);
        w.save(path, lit);
    }
}
