// SPDX-License-Identifier: MIT
// Skin painter: draws every skin image of both skins into <out>/skin1 and <out>/skin2.
// Run by the build; exits non-zero when an image is missing or has the wrong size.
// With --icons it draws the application icon instead.
#include "Paint.h"
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSet>
#include <QtConcurrent>
#include <cstdio>

static int paintSkin(const QString &out, int number, const Catalogue &cat)
{
    const Skin s = skinPalette(number);
    Writer w(QString("%1/skin%2").arg(out).arg(number), cat);
    paintChrome(w, s);
    paintMenus(w, s);
    paintControls(w, s);
    paintMouseModels(w, s);
    paintGunUi(w, s);
    paintGuns(w, s);
    const QStringList written = w.written();
    const QSet<QString> done(written.begin(), written.end());
    int missing = 0;
    for (auto it = cat.entries().cbegin(); it != cat.entries().cend(); ++it)
        if (!done.contains(it.key())) {
            std::fprintf(stderr, "skinpainter: skin%d lacks %s\n", number, qPrintable(it.key()));
            ++missing;
        }
    return w.failures() + missing;
}

int main(int argc, char **argv)
{
    // Offscreen: the painter needs fonts but never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "--icons")
        return writeAppIcons(args[2]) ? 1 : 0;
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: r5skinpainter <modules/img folder> <SIZES.md>\n"
                             "       r5skinpainter --icons <folder>\n");
        return 2;
    }
    QElapsedTimer t;
    t.start();
    const Catalogue cat(args[2]);
    if (cat.entries().size() <= 36) {
        std::fprintf(stderr, "skinpainter: no image sizes read from %s\n", qPrintable(args[2]));
        return 2;
    }
    // The two skins share nothing but the catalogue, so they are painted side by side.
    QFuture<int> second = QtConcurrent::run(paintSkin, args[1], 2, std::cref(cat));
    const int bad = paintSkin(args[1], 1, cat) + second.result();
    std::printf("skinpainter: %d images per skin in %lld ms%s\n", int(cat.entries().size()),
                t.elapsed(), bad ? ", with errors" : "");
    return bad ? 1 : 0;
}
