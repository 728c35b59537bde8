// SPDX-License-Identifier: MIT
// Palettes, pixel primitives, blur and the size catalogue of the skin painter.
// Everything here is deterministic so two builds write byte-identical images.
#include "Paint.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtMath>
#include <cstdio>

Skin skinPalette(int number)
{
    Skin s;
    s.number = number;
    if (number == 2) {
        // Ember: warm graphite with amber light and crimson heat.
        s.bg0 = QColor(0x0a, 0x08, 0x07);
        s.bg1 = QColor(0x13, 0x0f, 0x0d);
        s.bg2 = QColor(0x1d, 0x17, 0x14);
        s.bg3 = QColor(0x2a, 0x21, 0x1c);
        s.edge = QColor(0x46, 0x38, 0x30);
        s.line = QColor(0x8c, 0x7e, 0x74);
        s.lineBright = QColor(0x5e, 0x4d, 0x42);
        s.accent = QColor(0xff, 0xa8, 0x26);
        s.accentDeep = QColor(0x8a, 0x3a, 0x08);
        s.hot = QColor(0xff, 0x3a, 0x2e);
        s.metalHi = QColor(0x6a, 0x5c, 0x53);
        s.metalLo = QColor(0x22, 0x1b, 0x17);
        s.second = QColor(0xd8, 0x2a, 0x3a);
    } else {
        // Graphite: near-black surfaces, cyan light.
        s.bg0 = QColor(0x07, 0x09, 0x0b);
        s.bg1 = QColor(0x0e, 0x12, 0x15);
        s.bg2 = QColor(0x16, 0x1b, 0x1f);
        s.bg3 = QColor(0x21, 0x28, 0x2d);
        s.edge = QColor(0x36, 0x41, 0x48);
        s.line = QColor(0x86, 0x92, 0x99);
        s.lineBright = QColor(0x4a, 0x56, 0x5e);
        s.accent = QColor(0x00, 0xf0, 0xff);
        s.accentDeep = QColor(0x00, 0x4e, 0x66);
        s.hot = QColor(0xff, 0x3b, 0x55);
        s.metalHi = QColor(0x5c, 0x68, 0x70);
        s.metalLo = QColor(0x1a, 0x20, 0x24);
        s.second = QColor(0x2a, 0x7f, 0xff);
    }
    return s;
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(qBound(0, alpha, 255));
    return c;
}

QColor mix(const QColor &a, const QColor &b, double t)
{
    auto m = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(m(a.red(), b.red()), m(a.green(), b.green()), m(a.blue(), b.blue()),
                  m(a.alpha(), b.alpha()));
}

QImage blank(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// One horizontal or vertical box-blur pass over the four premultiplied channels.
static void boxPass(QImage &img, int r, bool horizontal)
{
    const int w = img.width(), h = img.height();
    const int n = horizontal ? w : h, lines = horizontal ? h : w;
    QVector<quint32> src(n);
    const int div = 2 * r + 1;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i) {
            const int x = horizontal ? i : l, y = horizontal ? l : i;
            src[i] = reinterpret_cast<const quint32 *>(img.constScanLine(y))[x];
        }
        int sum[4] = {0, 0, 0, 0};
        auto ch = [](quint32 v, int k) { return int((v >> (8 * k)) & 0xFF); };
        auto at = [&](int i) { return (i < 0 || i >= n) ? 0u : src[i]; };
        for (int i = -r; i <= r; ++i)
            for (int k = 0; k < 4; ++k) sum[k] += ch(at(i), k);
        for (int i = 0; i < n; ++i) {
            quint32 out = 0;
            for (int k = 0; k < 4; ++k) out |= quint32(qBound(0, sum[k] / div, 255)) << (8 * k);
            const int x = horizontal ? i : l, y = horizontal ? l : i;
            reinterpret_cast<quint32 *>(img.scanLine(y))[x] = out;
            for (int k = 0; k < 4; ++k) sum[k] += ch(at(i + r + 1), k) - ch(at(i - r), k);
        }
    }
}

void blur(QImage &img, int radius)
{
    if (radius <= 0) return;
    if (img.format() != QImage::Format_ARGB32_Premultiplied)
        img = img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int r = qMax(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(img, r, true);
        boxPass(img, r, false);
    }
}

void glowUnder(QImage &target, const QImage &shape, const QColor &c, int radius, double strength)
{
    QImage tint = blank(shape.width(), shape.height());
    {
        QPainter p(&tint);
        p.drawImage(0, 0, shape);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(tint.rect(), c);
    }
    blur(tint, radius);
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    // DestinationOver keeps what is already there on top; repeat for strength above 1.
    for (double left = strength; left > 0.001; left -= 1.0) {
        p.setOpacity(qMin(1.0, left));
        p.drawImage(0, 0, tint);
    }
}

void hline(QPainter &p, int x1, int x2, int y, const QColor &c)
{
    if (x2 < x1) std::swap(x1, x2);
    p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), c);
}

void vline(QPainter &p, int x, int y1, int y2, const QColor &c)
{
    if (y2 < y1) std::swap(y1, y2);
    p.fillRect(QRect(x, y1, 1, y2 - y1 + 1), c);
}

void frameRect(QPainter &p, const QRect &r, const QColor &c)
{
    hline(p, r.left(), r.right(), r.top(), c);
    hline(p, r.left(), r.right(), r.bottom(), c);
    vline(p, r.left(), r.top() + 1, r.bottom() - 1, c);
    vline(p, r.right(), r.top() + 1, r.bottom() - 1, c);
}

// Horizontal inset of row y of a chamfered rectangle on the left and right side.
static void chamferSpan(const QRect &r, Chamfer ch, int y, int &x1, int &x2)
{
    const int dyTop = y - r.top(), dyBot = r.bottom() - y;
    const int inL = qMax(qMax(0, ch.tl - dyTop), qMax(0, ch.bl - dyBot));
    const int inR = qMax(qMax(0, ch.tr - dyTop), qMax(0, ch.br - dyBot));
    x1 = r.left() + inL;
    x2 = r.right() - inR;
}

void fillChamfer(QPainter &p, const QRect &r, Chamfer ch, const QBrush &b)
{
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int x1, x2;
        chamferSpan(r, ch, y, x1, x2);
        if (x2 >= x1) p.fillRect(QRect(x1, y, x2 - x1 + 1, 1), b);
    }
}

void strokeChamfer(QPainter &p, const QRect &r, Chamfer ch, const QColor &c)
{
    // Each row draws its two end pixels, the top and bottom rows their whole span;
    // rows inside a chamfer join diagonally, so the outline stays one pixel wide.
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int x1, x2;
        chamferSpan(r, ch, y, x1, x2);
        if (y == r.top() || y == r.bottom()) {
            hline(p, x1, x2, y, c);
        } else {
            p.fillRect(QRect(x1, y, 1, 1), c);
            p.fillRect(QRect(x2, y, 1, 1), c);
        }
    }
}

QPainterPath chamferPath(const QRectF &r, Chamfer ch)
{
    QPainterPath path;
    path.moveTo(r.left() + ch.tl, r.top());
    path.lineTo(r.right() - ch.tr, r.top());
    path.lineTo(r.right(), r.top() + ch.tr);
    path.lineTo(r.right(), r.bottom() - ch.br);
    path.lineTo(r.right() - ch.br, r.bottom());
    path.lineTo(r.left() + ch.bl, r.bottom());
    path.lineTo(r.left(), r.bottom() - ch.bl);
    path.lineTo(r.left(), r.top() + ch.tl);
    path.closeSubpath();
    return path;
}

QLinearGradient vgrad(int y0, int y1, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QLinearGradient hgrad(int x0, int x1, const QColor &left, const QColor &right)
{
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, left);
    g.setColorAt(1, right);
    return g;
}

void cornerBrackets(QPainter &p, const QRect &r, int len, const QColor &c)
{
    hline(p, r.left(), r.left() + len - 1, r.top(), c);
    vline(p, r.left(), r.top(), r.top() + len - 1, c);
    hline(p, r.right() - len + 1, r.right(), r.top(), c);
    vline(p, r.right(), r.top(), r.top() + len - 1, c);
    hline(p, r.left(), r.left() + len - 1, r.bottom(), c);
    vline(p, r.left(), r.bottom() - len + 1, r.bottom(), c);
    hline(p, r.right() - len + 1, r.right(), r.bottom(), c);
    vline(p, r.right(), r.bottom() - len + 1, r.bottom(), c);
}

Catalogue::Catalogue(const QString &sizesFile)
{
    // Rows of the table: "| <path>.png | <w> x <h> | <note> |".
    QFile file(sizesFile);
    if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QRegularExpression row(QStringLiteral("^\\| ([A-Za-z0-9_/-]+\\.png) \\| (\\d+) x (\\d+) \\|"));
        while (!file.atEnd()) {
            const QRegularExpressionMatch m = row.match(QString::fromUtf8(file.readLine()));
            if (m.hasMatch())
                m_sizes.insert(m.captured(1), QSize(m.captured(2).toInt(), m.captured(3).toInt()));
        }
    }
    // The gun pictures share one size and are not listed one by one.
    for (int g = 0; g < 3; ++g)
        for (int i = 0; i < 12; ++i)
            m_sizes.insert(QString("gun/%1/%2.png").arg(g).arg(i), QSize(300, 180));
}

QSize Catalogue::size(const QString &path) const { return m_sizes.value(path); }

QImage Catalogue::canvas(const QString &path) const
{
    const QSize sz = m_sizes.value(path);
    if (sz.isEmpty()) {
        std::fprintf(stderr, "skinpainter: %s is not in the catalogue\n", qPrintable(path));
        return blank(1, 1);
    }
    return blank(sz.width(), sz.height());
}

void Writer::save(const QString &path, const QImage &img)
{
    const QSize want = m_cat.size(path);
    if (want.isEmpty() || img.size() != want) {
        std::fprintf(stderr, "skinpainter: %s drawn %dx%d, catalogue says %dx%d\n",
                     qPrintable(path), img.width(), img.height(), want.width(), want.height());
        ++m_failures;
        return;
    }
    const QString file = m_root + "/" + path;
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Straight alpha in the file; fast zlib level keeps the whole run short.
    if (!img.convertToFormat(QImage::Format_ARGB32).save(file, "PNG", 60)) {
        std::fprintf(stderr, "skinpainter: cannot write %s\n", qPrintable(file));
        ++m_failures;
        return;
    }
    m_written << path;
}
