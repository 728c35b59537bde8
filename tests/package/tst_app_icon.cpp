// SPDX-License-Identifier: MIT
// The application icon: each PNG has its size, a transparent outside and a drawn middle,
// and the SVG renders to the same picture as the largest PNG.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest>

class TestAppIcon : public QObject
{
    Q_OBJECT
    // The build's icon folder, or R5_ICON_DIR from the environment.
    static QString folder()
    {
        const QByteArray env = qgetenv("R5_ICON_DIR");
        return env.isEmpty() ? QStringLiteral(R5_ICON_DIR) : QString::fromLocal8Bit(env);
    }

private slots:
    void pngsHaveTheirSizesAndShape_data()
    {
        QTest::addColumn<int>("px");
        for (int px : {48, 128, 256})
            QTest::newRow(qPrintable(QString::number(px))) << px;
    }
    void pngsHaveTheirSizesAndShape()
    {
        QFETCH(int, px);
        const QString path = QString("%1/r5config-%2.png").arg(folder()).arg(px);
        const QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable("cannot read " + path));
        QCOMPARE(img.size(), QSize(px, px));
        QVERIFY(img.hasAlphaChannel());
        // The chamfered corner stays clear; the middle (the mouse) is opaque.
        QCOMPARE(qAlpha(img.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(img.pixel(px / 2, px / 2)), 255);
    }

    void svgIsTheSamePicture()
    {
        QSvgRenderer svg(folder() + "/r5config.svg");
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 256, 256));
        QImage drawn(256, 256, QImage::Format_ARGB32_Premultiplied);
        drawn.fill(Qt::transparent);
        {
            QPainter p(&drawn);
            svg.render(&p);
        }
        const QImage png = QImage(folder() + "/r5config-256.png").convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(png.size(), drawn.size());
        // Antialiasing may differ at edges; the pictures must agree almost everywhere.
        qint64 diff = 0;
        for (int y = 0; y < 256; ++y)
            for (int x = 0; x < 256; ++x) {
                const QRgb a = drawn.pixel(x, y), b = png.pixel(x, y);
                diff += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b))
                        + qAbs(qAlpha(a) - qAlpha(b));
            }
        const double mean = diff / (256.0 * 256.0 * 4.0);
        QVERIFY2(mean < 4.0, qPrintable(QString("mean difference %1").arg(mean)));
    }
};

QTEST_MAIN(TestAppIcon)
#include "tst_app_icon.moc"
