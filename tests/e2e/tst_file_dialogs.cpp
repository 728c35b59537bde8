// SPDX-License-Identifier: MIT
// The program's own dialogs over the real main window: each file dialog (and a message
// box) is grabbed while open and must be opaque with readable labels and file names; a
// missing Desktop folder opens the dialogs in the home folder with a sensible name.
#include "SceneRig.h"
#include "UserDialogs.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QFileDialog>
#include <QHash>
#include <QLabel>
#include <QMessageBox>

using namespace SceneRig;

namespace {

double luminance(QRgb c)
{
    auto lin = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * lin(qRed(c)) + 0.7152 * lin(qGreen(c)) + 0.0722 * lin(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// Contrast between the commonest colour of `area` (its background) and the colour in it
// that stands out most (its text).
double textContrast(const QImage &img, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect r = area.intersected(img.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ++counts[img.pixel(x, y) | 0xFF000000u];
    QRgb background = 0;
    int most = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    double best = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, contrast(background, it.key()));
    return best;
}

// What one grab of an open dialog showed.
struct Look {
    QString kind;
    QSize size;
    int seeThrough = -1;          // pixels that are not fully opaque
    QStringList unreadable;       // labels or views whose text hardly differs from their background
    int labels = 0;
    int fileRows = -1;
};

// Grabs the dialog once it has laid out (and listed its folder), then closes it.
Look inspect(QWidget *dlg, int wantRows)
{
    Look look;
    look.kind = QString::fromLatin1(dlg->metaObject()->className());
    QAbstractItemView *files = nullptr;
    for (QAbstractItemView *v : dlg->findChildren<QAbstractItemView *>())
        if (v->isVisible() && v->objectName() != QLatin1String("sidebar"))
            if (!files || v->width() * v->height() > files->width() * files->height())
                files = v;
    // A folder is listed in the background; a dialog that never lists it fails below.
    if (files && wantRows > 0)
        (void)QTest::qWaitFor([&] { return files->model()->rowCount(files->rootIndex()) >= wantRows; }, 5000);
    QTest::qWait(100);   // one more pass for the view to paint its rows
    const QImage img = dlg->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    look.size = img.size();
    look.seeThrough = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) < 255)
                ++look.seeThrough;
    for (QLabel *l : dlg->findChildren<QLabel *>()) {
        if (!l->isVisible() || l->text().trimmed().isEmpty() || l->text().startsWith(QLatin1Char('<')))
            continue;
        ++look.labels;
        const QRect r(l->mapTo(dlg, QPoint(0, 0)), l->size());
        if (textContrast(img, r) < 4.5)
            look.unreadable << l->text();
    }
    if (files) {
        look.fileRows = files->model()->rowCount(files->rootIndex());
        const QRect r(files->viewport()->mapTo(dlg, QPoint(0, 0)), files->viewport()->size());
        if (wantRows > 0 && textContrast(img, r) < 4.5)
            look.unreadable << QStringLiteral("file list");
    }
    return look;
}

// Runs `open` (which shows one modal dialog) and inspects that dialog from a timer.
Look openAndInspect(const std::function<void()> &open, int wantRows)
{
    Look look;
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *dlg = QApplication::activeModalWidget();
        if (seen || !dlg || !dlg->isVisible())
            return;
        seen = true;
        poll.stop();
        look = inspect(dlg, wantRows);
        if (auto *d = qobject_cast<QDialog *>(dlg))
            d->reject();
    });
    poll.start();
    open();
    poll.stop();
    return look;
}

void writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[sensor]\nstage_R5=1\n");
}

} // namespace

class tst_file_dialogs : public QObject
{
    Q_OBJECT
    Run run;
    QTemporaryDir home;
    QByteArray oldHome;

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        oldHome = qgetenv("HOME");
        // The dialogs start in the desktop and pictures folders of this home.
        qputenv("HOME", home.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
    }

    void cleanupTestCase() { qputenv("HOME", oldHome); }

    // Every file dialog of the program and one message box, opened for real over the main
    // window: opaque, labels and file names clearly apart from their background.
    void dialogsAreOpaqueAndReadable()
    {
        QDir(home.path()).removeRecursively();
        QDir().mkpath(home.path());
        writeFile(home.path() + QStringLiteral("/Desktop/alpha.pf"));
        writeFile(home.path() + QStringLiteral("/Desktop/beta.mc"));
        writeFile(home.path() + QStringLiteral("/shot.png"));   // no Pictures folder: home
        run.prepare();
        QList<Look> looks;
        run.scenario = [&](Scene &s) {
            const QString macro = s.view->createMacroIni().toString();
            QVERIFY(!macro.isEmpty());
            UserDialogs::setResponder({});   // the real dialogs, not the test's answers
            const QList<QPair<std::function<void()>, int>> dialogs = {
                {[&] { s.view->saveProfile(2); }, 1},
                {[&] { s.view->loadProfile(2); }, 1},
                {[&] { s.view->saveMacroIniToFile(macro); }, 1},
                {[&] { s.view->loadMacroIniFromFile(macro); }, 1},
                {[&] { s.view->getCustomFilePath(); }, 1},
                {[&] { s.view->getMsgAns_FoolProofing(); }, 0},
            };
            for (const auto &d : dialogs)
                looks << openAndInspect(d.first, d.second);
            UserDialogs::setResponder([](const DialogRequest &) { return DialogAnswer{}; });
        };
        run.start();
        QVERIFY(run.scenarioDone);
        QCOMPARE(looks.size(), 6);
        for (int i = 0; i < looks.size(); ++i) {
            const Look &l = looks[i];
            const QString what = QStringLiteral("dialog %1 (%2)").arg(i).arg(l.kind);
            QVERIFY2(l.size.width() > 100 && l.size.height() > 50, qPrintable(what + " was not seen"));
            QVERIFY2(l.seeThrough == 0, qPrintable(what + QStringLiteral(": %1 pixels see-through").arg(l.seeThrough)));
            QVERIFY2(l.labels >= 1, qPrintable(what + " has no label"));
            QVERIFY2(l.unreadable.isEmpty(), qPrintable(what + " unreadable: " + l.unreadable.join(", ")));
            if (i < 5) {
                QCOMPARE(l.kind, QStringLiteral("QFileDialog"));
                QVERIFY2(l.fileRows >= 1, qPrintable(what + " lists no file"));
            } else {
                QCOMPARE(l.kind, QStringLiteral("QMessageBox"));
            }
        }
    }

    // Without a Desktop (or Pictures) folder every dialog starts in the home folder; a
    // save dialog offers the profile's or macro's own name, never a folder's.
    void missingDesktopStartsInHomeWithTheFilesName()
    {
        QDir(home.path()).removeRecursively();
        QDir().mkpath(home.path());
        run.prepare();
        QList<DialogRequest> asked;
        QString macro;
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) {
            macro = s.view->createMacroIni().toString();
            s.view->saveProfile(2);
            s.view->saveProfile(9);
            s.view->loadProfile(0);
            s.view->saveMacroIniToFile(macro);
            s.view->loadMacroIniFromFile(macro);
            s.view->getCustomFilePath();
        };
        run.start();
        QVERIFY(run.scenarioDone);
        const QString h = QDir(home.path()).absolutePath();
        QCOMPARE(asked.size(), 6);
        QCOMPARE(asked[0].text, h + QStringLiteral("/P03.pf"));
        QCOMPARE(asked[1].text, h + QStringLiteral("/P10.pf"));
        QCOMPARE(asked[2].text, h);
        QCOMPARE(asked[3].text, h + QLatin1Char('/') + macro + QStringLiteral(".mc"));
        QCOMPARE(asked[4].text, h);
        QCOMPARE(asked[5].text, h);

        // With the folder there, the same name is offered inside it.
        QVERIFY(QDir().mkpath(h + QStringLiteral("/Desktop")));
        run.prepare();
        asked.clear();
        run.dialogs = [&](const DialogRequest &r) {
            asked << r;
            return DialogAnswer{};
        };
        run.scenario = [&](Scene &s) { s.view->saveProfile(0); };
        run.start();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].text, h + QStringLiteral("/Desktop/P01.pf"));
    }
};

QTEST_MAIN(tst_file_dialogs)
#include "tst_file_dialogs.moc"
