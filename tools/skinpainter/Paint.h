// SPDX-License-Identifier: MIT
// Drawing helpers shared by every part of the skin painter: the two skin palettes,
// crisp one-pixel primitives, chamfered panels, glows and the catalogue of sizes.
#pragma once
#include <QColor>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

// One complete palette; both skins share every geometry and differ only here.
struct Skin {
    int number = 1;
    QColor bg0, bg1, bg2, bg3; // darkest surface .. raised surface
    QColor edge;               // resting border
    QColor line;               // resting glyph grey
    QColor lineBright;         // lit edge on resting surfaces
    QColor accent;             // highlight colour
    QColor accentDeep;         // dark end of accent gradients
    QColor hot;                // record / destructive glyphs when lit
    QColor metalHi, metalLo;   // gun and mouse bodies
    QColor second;             // secondary decorative accent
};
Skin skinPalette(int number);

QColor withAlpha(QColor c, int alpha);
QColor mix(const QColor &a, const QColor &b, double t);

// A transparent premultiplied image of the given size.
QImage blank(int w, int h);

// Box blur (three passes, close to a Gaussian) of a premultiplied image in place.
void blur(QImage &img, int radius);

// Paints `shape` (any colour, only its alpha counts) blurred and tinted `c` onto `target`.
void glowUnder(QImage &target, const QImage &shape, const QColor &c, int radius, double strength);

// Crisp primitives: exact pixel spans, no antialiasing; coordinates are pixel indices.
void hline(QPainter &p, int x1, int x2, int y, const QColor &c);
void vline(QPainter &p, int x, int y1, int y2, const QColor &c);
void frameRect(QPainter &p, const QRect &r, const QColor &c);

// Rectangle with 45-degree cut corners; chamfer sizes for TL, TR, BR, BL.
struct Chamfer {
    int tl = 0, tr = 0, br = 0, bl = 0;
    static Chamfer all(int c) { return {c, c, c, c}; }
};
void fillChamfer(QPainter &p, const QRect &r, Chamfer ch, const QBrush &b);
void strokeChamfer(QPainter &p, const QRect &r, Chamfer ch, const QColor &c);
QPainterPath chamferPath(const QRectF &r, Chamfer ch);

QLinearGradient vgrad(int y0, int y1, const QColor &top, const QColor &bottom);
QLinearGradient hgrad(int x0, int x1, const QColor &left, const QColor &right);

// Small L-shaped brackets in the four corners of r (HUD look).
void cornerBrackets(QPainter &p, const QRect &r, int len, const QColor &c);

// Deterministic pseudo-random numbers so every build paints identical files.
struct Rng {
    quint32 s;
    explicit Rng(quint32 seed) : s(seed ? seed : 1) {}
    quint32 next() { s ^= s << 13; s ^= s >> 17; s ^= s << 5; return s; }
    double unit() { return (next() & 0xFFFFFF) / double(0x1000000); }
};

// The catalogue: every file the painter writes and its pixel size, read from SIZES.md.
class Catalogue
{
public:
    explicit Catalogue(const QString &sizesFile);
    QImage canvas(const QString &path) const;        // blank image of the catalogued size
    QSize size(const QString &path) const;
    const QMap<QString, QSize> &entries() const { return m_sizes; }
private:
    QMap<QString, QSize> m_sizes;
};

// Writes the images of one skin below root/skin<n>/ and remembers what was written.
class Writer
{
public:
    Writer(const QString &skinRoot, const Catalogue &cat) : m_root(skinRoot), m_cat(cat) {}
    void save(const QString &path, const QImage &img);
    QImage canvas(const QString &path) const { return m_cat.canvas(path); }
    int failures() const { return m_failures; }
    QStringList written() const { return m_written; }
private:
    QString m_root;
    const Catalogue &m_cat;
    QStringList m_written;
    int m_failures = 0;
};

// Entry points of the painter's parts.
void paintControls(Writer &w, const Skin &s);
void paintChrome(Writer &w, const Skin &s);
void paintMenus(Writer &w, const Skin &s);
void paintMouseModels(Writer &w, const Skin &s);
void paintGunUi(Writer &w, const Skin &s);
void paintGuns(Writer &w, const Skin &s);

// The application icon (48, 128 and 256 px PNG and an SVG) into folder; the number of
// files that could not be written.
int writeAppIcons(const QString &folder);
