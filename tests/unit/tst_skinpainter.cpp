// SPDX-License-Identifier: MIT
// Checks the generated assets in the run folder: every image the catalogue and the QML
// files name exists in both skins at its size, twins match, and the sounds are sane.
#include "TestSupport.h"
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJSEngine>
#include <QRegularExpression>
#include <QtEndian>
#include <QtTest>
#include <cmath>

class TestSkinPainter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogueImagesHaveTheirSizes();
    void highlightedTwinsMatchTheirNormalImage();
    void everyImageTheQmlNamesExists();
    void colourBarFollowsThePickRule();
    void keyAreasLieOnTheLitButtons();
    void interfaceSoundsAreShortQuietAndAudible();

private:
    QString skinDir(int n) const { return m_run + QString("/modules/img/skin%1/").arg(n); }
    QMap<QString, QSize> m_catalogue; // relative path -> size, from SIZES.md
    QString m_run;
    QScopedPointer<QTemporaryDir> m_tmp;
};

// Reads the table rows "| path | W x H | note |" of SIZES.md; the gun row names a range.
static QMap<QString, QSize> readCatalogue(const QString &file)
{
    QMap<QString, QSize> out;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return out;
    const QRegularExpression row(R"(^\|\s*([^|]+?\.png)\s*\|\s*(\d+)\s*x\s*(\d+)\s*\|)");
    const QRegularExpression range(R"(^gun/(\d+)/(\d+)\.png … gun/(\d+)/(\d+)\.png$)");
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        const auto m = row.match(line);
        if (!m.hasMatch()) continue;
        const QSize size(m.captured(2).toInt(), m.captured(3).toInt());
        const auto r = range.match(m.captured(1));
        if (r.hasMatch()) {
            for (int g = r.captured(1).toInt(); g <= r.captured(3).toInt(); ++g)
                for (int i = r.captured(2).toInt(); i <= r.captured(4).toInt(); ++i)
                    out.insert(QString("gun/%1/%2.png").arg(g).arg(i), size);
        } else {
            out.insert(m.captured(1), size);
        }
    }
    return out;
}

void TestSkinPainter::initTestCase()
{
    m_tmp.reset(TestSupport::enterFreshRunFolder(false));
    m_run = TestSupport::runDir();
    QVERIFY2(!m_run.isEmpty(), "R5_RUN_DIR not set");
    m_catalogue = readCatalogue(TestSupport::sourceDir() + "/tools/skinpainter/SIZES.md");
    // 84 named images, 13 lit key positions and 36 gun pictures.
    QCOMPARE(m_catalogue.size(), 133);
}

void TestSkinPainter::catalogueImagesHaveTheirSizes()
{
    for (int skin = 1; skin <= 2; ++skin)
        for (auto it = m_catalogue.cbegin(); it != m_catalogue.cend(); ++it) {
            const QString file = skinDir(skin) + it.key();
            QImage img(file);
            QVERIFY2(!img.isNull(), qPrintable("missing or unreadable: " + file));
            QVERIFY2(img.size() == it.value(),
                     qPrintable(QString("%1 is %2x%3").arg(file).arg(img.width()).arg(img.height())));
            // Something must be drawn: at least a few pixels that are not fully transparent.
            img = img.convertToFormat(QImage::Format_ARGB32);
            int visible = 0;
            for (int y = 0; y < img.height() && visible < 8; ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (qAlpha(img.pixel(x, y)) > 16) ++visible;
            QVERIFY2(visible >= qMin(8, img.width() * img.height()), qPrintable("blank image: " + file));
        }
    // The two skins differ: same geometry, another palette.
    QVERIFY(QImage(skinDir(1) + "list_fn/listFnBtn_1.png") != QImage(skinDir(2) + "list_fn/listFnBtn_1.png"));
}

void TestSkinPainter::highlightedTwinsMatchTheirNormalImage()
{
    // Normal / highlighted pairs by their naming conventions.
    const QList<QPair<QRegularExpression, QString>> rules = {
        {QRegularExpression("_0\\.png$"), "_1.png"},
        {QRegularExpression("(?<=apply_gun)0\\.png$"), "1.png"},
        {QRegularExpression("fireKey\\.png$"), "fireKey_H.png"},
        {QRegularExpression("gunFrame\\.png$"), "gunFrame_s.png"},
    };
    int pairs = 0;
    for (auto it = m_catalogue.cbegin(); it != m_catalogue.cend(); ++it)
        for (const auto &rule : rules) {
            if (!rule.first.match(it.key()).hasMatch()) continue;
            const QString twin = QString(it.key()).replace(rule.first, rule.second);
            QVERIFY2(m_catalogue.contains(twin), qPrintable("no highlighted twin for " + it.key()));
            QCOMPARE(m_catalogue.value(twin), it.value());
            for (int skin = 1; skin <= 2; ++skin) {
                const QImage a(skinDir(skin) + it.key()), b(skinDir(skin) + twin);
                QCOMPARE(a.size(), b.size());
                QVERIFY2(a != b, qPrintable("highlighted twin looks the same as " + it.key()));
            }
            ++pairs;
        }
    QCOMPARE(pairs, 28);
}

// Every string literal of the QML tree that names a skin image must resolve in both skins:
// full paths ("/common/slider_BASE.png"), prefixes joined to a suffix ("/frame/web_" +
// x + ".png") and folders joined to names ("/gun/" + game + "/" + gun + ".png").
void TestSkinPainter::everyImageTheQmlNamesExists()
{
    const QString qmlRoot = TestSupport::sourceDir() + "/modules/qml";
    QStringList files;
    QDirIterator it(qmlRoot, {"*.qml"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) files << it.next();
    if (files.isEmpty()) QSKIP("no QML files yet");

    QStringList tree[3];
    for (int skin = 1; skin <= 2; ++skin) {
        QDirIterator f(skinDir(skin), QDir::Files, QDirIterator::Subdirectories);
        while (f.hasNext()) tree[skin] << f.next().mid(skinDir(skin).size());
    }
    const QRegularExpression literal(R"re("((?:[^"\\\n]|\\.)*)")re");
    const QRegularExpression joined(R"re("([^"\n]*)"\s*\+\s*[^"\n]+?\+\s*"([^"\n]*\.png)")re");
    const QString skinPrefix = "modules/img/skin";
    auto relative = [&](QString s) {
        s.remove(QRegularExpression("^(file:)?(\\./)?"));
        if (s.startsWith(skinPrefix)) s = s.mid(skinPrefix.size());
        if (s.startsWith('/')) s = s.mid(1);
        return s;
    };
    int checked = 0;
    for (const QString &file : files) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(f.readAll());
        auto lit = literal.globalMatch(text);
        while (lit.hasNext()) {
            const QString value = lit.next().captured(1);
            if (!value.endsWith(".png") || !value.contains('/')) continue;
            if (value.contains(':') && !value.startsWith("file:")) continue; // qrc or remote
            const QString rel = relative(value);
            for (int skin = 1; skin <= 2; ++skin)
                QVERIFY2(tree[skin].contains(rel),
                         qPrintable(QString("%1 names %2, missing in skin%3").arg(file, rel).arg(skin)));
            ++checked;
        }
        // Folder literals on lines that build image paths ("/list_fn/", "/gun/").
        for (const QString &line : text.split('\n')) {
            if (!line.contains(".png")) continue;
            auto fl = literal.globalMatch(line);
            while (fl.hasNext()) {
                const QString value = fl.next().captured(1);
                const QString rel = relative(value);
                if (!value.endsWith('/') || rel.isEmpty() || !QRegularExpression("^[\\w\\-/]+/$").match(rel).hasMatch())
                    continue;
                for (int skin = 1; skin <= 2; ++skin)
                    QVERIFY2(QDir(skinDir(skin) + rel).exists(),
                             qPrintable(QString("%1 names folder %2, missing in skin%3").arg(file, rel).arg(skin)));
                ++checked;
            }
        }
        auto join = joined.globalMatch(text);
        while (join.hasNext()) {
            const auto m = join.next();
            const QString head = relative(m.captured(1)), tail = m.captured(2);
            // Only file-name prefixes inside a skin folder; a bare skin root is a full path,
            // already checked above.
            if (!m.captured(1).contains('/') || head.isEmpty() || head.endsWith('/')) continue;
            for (int skin = 1; skin <= 2; ++skin) {
                bool found = false;
                for (const QString &p : tree[skin])
                    if (p.startsWith(head) && p.endsWith(tail) && p.size() > head.size() + tail.size()) found = true;
                QVERIFY2(found, qPrintable(QString("%1 builds %2…%3, nothing in skin%4 matches")
                                               .arg(file, head, tail).arg(skin)));
            }
            ++checked;
        }
    }
    QVERIFY(checked > 0);
}

// The colour bar is picked by row: black, red, yellow, green, cyan, blue, magenta, white,
// black at eighths of its height. A drawn gradient that drifts from that gives the user
// another colour than the one under the pointer.
void TestSkinPainter::colourBarFollowsThePickRule()
{
    const QColor anchors[9] = {Qt::black, Qt::red, Qt::yellow, Qt::green, Qt::cyan,
                               Qt::blue, Qt::magenta, Qt::white, Qt::black};
    for (int skin = 1; skin <= 2; ++skin) {
        const QImage bar(skinDir(skin) + "common/draw_palette.png");
        QVERIFY(!bar.isNull());
        const int h = bar.height();
        for (int k = 0; k <= 8; ++k) {
            // The row whose pick rate is nearest to level k; its colour is within one row's
            // step (255 / 5.875 per channel here) of the anchor.
            const int y = int(std::lround(k * 0.125 * (h - 1)));
            const QColor c = bar.pixelColor(bar.width() / 2, y);
            const double step = 255.0 / (0.125 * (h - 1)) + 1;
            QVERIFY2(std::abs(c.red() - anchors[k].red()) <= step && std::abs(c.green() - anchors[k].green()) <= step &&
                         std::abs(c.blue() - anchors[k].blue()) <= step,
                     qPrintable(QString("skin%1 row %2 is %3").arg(skin).arg(y).arg(c.name())));
            QCOMPARE(bar.pixelColor(0, y), bar.pixelColor(bar.width() - 1, y)); // flat across
        }
        QCOMPARE(bar.pixelColor(0, h - 1), QColor(Qt::black));
    }
}

// The click areas of the key picture (KeyPositionAreas.js, in picture pixels) and the lit
// images the painter draws per position describe the same buttons: most of a lit button
// answers to its own position (the small buttons on it answer to theirs), and most of an
// area lies on its lit button.
void TestSkinPainter::keyAreasLieOnTheLitButtons()
{
    QFile f(TestSupport::sourceDir() + "/modules/qml/R5/KeyPositionAreas.js");
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    QString code = QString::fromUtf8(f.readAll());
    code.remove(QRegularExpression("^\\.pragma library$", QRegularExpression::MultilineOption));
    QJSEngine js;
    const QJSValue done = js.evaluate(code);
    QVERIFY2(!done.isError(), qPrintable(done.toString()));
    QJSValue keyAt = js.globalObject().property("keyAt");
    QJSValue hasArea = js.globalObject().property("hasArea");
    const QSize size = m_catalogue.value("model_ms/model_R5_KeyDefine.png");
    QVector<int> at(size.width() * size.height());
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            at[y * size.width() + x] = keyAt.call({x + 0.5, y + 0.5}).toInt();

    int checked = 0;
    for (int id = 0; id < 16; ++id) {
        const QString path = QString("model_ms/keyLit%1.png").arg(id, 2, 10, QLatin1Char('0'));
        // A position is clickable exactly when it has a lit image.
        QCOMPARE(hasArea.call({id}).toBool(), m_catalogue.contains(path));
        if (!m_catalogue.contains(path))
            continue;
        QCOMPARE(m_catalogue.value(path), size);
        for (int skin = 1; skin <= 2; ++skin) {
            const QImage lit = QImage(skinDir(skin) + path).convertToFormat(QImage::Format_ARGB32);
            QCOMPARE(lit.size(), size);
            // The core of a lit button: well lit, and so are its neighbours two pixels away
            // (the glow and the outline's outer edge are not).
            auto alpha = [&](int x, int y) {
                return lit.rect().contains(x, y) ? qAlpha(lit.pixel(x, y)) : 0;
            };
            int core = 0, coreHit = 0, area = 0, areaLit = 0;
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x) {
                    const int a = alpha(x, y);
                    const bool mine = at[y * size.width() + x] == id;
                    if (qMin(qMin(a, alpha(x - 2, y)), qMin(alpha(x + 2, y), qMin(alpha(x, y - 2), alpha(x, y + 2)))) >= 150) {
                        ++core;
                        coreHit += mine;
                    }
                    if (mine) {
                        ++area;
                        areaLit += a >= 60;
                    }
                }
            const QString what = QString("skin%1 position %2: %3 of %4 lit pixels in the area, %5 of %6 area pixels lit")
                                     .arg(skin).arg(id).arg(coreHit).arg(core).arg(areaLit).arg(area);
            QVERIFY2(core >= 10 && coreHit >= 0.85 * core && areaLit >= 0.75 * area, qPrintable(what));
            ++checked;
        }
    }
    QCOMPARE(checked, 26);
}

struct Wav {
    bool ok = false;
    int channels = 0, rate = 0, bits = 0;
    double seconds = 0, peakDb = -200;
};

static Wav readWav(const QString &file)
{
    Wav w;
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) return w;
    const QByteArray d = f.readAll();
    if (d.size() < 44 || !d.startsWith("RIFF") || d.mid(8, 4) != "WAVE") return w;
    int pos = 12;
    QByteArray pcm;
    while (pos + 8 <= d.size()) {
        const QByteArray id = d.mid(pos, 4);
        const quint32 len = qFromLittleEndian<quint32>(d.constData() + pos + 4);
        if (id == "fmt ") {
            if (qFromLittleEndian<quint16>(d.constData() + pos + 8) != 1) return w; // PCM only
            w.channels = qFromLittleEndian<quint16>(d.constData() + pos + 10);
            w.rate = int(qFromLittleEndian<quint32>(d.constData() + pos + 12));
            w.bits = qFromLittleEndian<quint16>(d.constData() + pos + 22);
        } else if (id == "data") {
            pcm = d.mid(pos + 8, int(len));
        }
        pos += 8 + int(len) + int(len & 1);
    }
    if (w.channels <= 0 || w.rate <= 0 || w.bits != 16 || pcm.isEmpty()) return w;
    const int samples = pcm.size() / 2;
    int peak = 0;
    for (int i = 0; i < samples; ++i)
        peak = qMax(peak, std::abs(int(qFromLittleEndian<qint16>(pcm.constData() + 2 * i))));
    w.seconds = double(samples / w.channels) / w.rate;
    w.peakDb = peak ? 20 * std::log10(peak / 32768.0) : -200;
    w.ok = true;
    return w;
}

void TestSkinPainter::interfaceSoundsAreShortQuietAndAudible()
{
    const QString media = m_run + "/modules/media/";
    // Longest reasonable length of each sound: start-up, page, logo, click.
    const double maxSeconds[5] = {0, 3.0, 1.0, 1.5, 0.2};
    for (int n = 1; n <= 4; ++n) {
        const QString file = media + QString("0%1.wav").arg(n);
        const Wav w = readWav(file);
        QVERIFY2(w.ok, qPrintable("not a 16-bit PCM WAV: " + file));
        QVERIFY2(w.seconds > 0.01 && w.seconds <= maxSeconds[n], qPrintable(QString("%1 lasts %2 s").arg(file).arg(w.seconds)));
        QVERIFY2(w.peakDb < -6 && w.peakDb > -30, qPrintable(QString("%1 peaks at %2 dBFS").arg(file).arg(w.peakDb)));
    }
    // The loop is an MP3: an ID3 tag or a frame sync at the start, and about 30 s of audio
    // at a moderate bit rate is well over 100 kB.
    QFile mp3(media + "00.mp3");
    QVERIFY2(mp3.open(QIODevice::ReadOnly), "00.mp3 missing (is lame installed?)");
    const QByteArray head = mp3.read(4);
    QVERIFY(head.startsWith("ID3") || (quint8(head[0]) == 0xFF && (quint8(head[1]) & 0xE0) == 0xE0));
    QVERIFY(mp3.size() > 100 * 1024);
}

QTEST_MAIN(TestSkinPainter)
#include "tst_skinpainter.moc"
