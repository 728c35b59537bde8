// SPDX-License-Identifier: MIT
// The layers by their includes, read from the source tree: the device core, the platform
// layer and the input layer reach only down, and the bridge modules do not include the
// view that builds them.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {
QString sourceDir() { return qEnvironmentVariable("R5_SOURCE_DIR"); }

QStringList sourcesOf(const QString &folder)
{
    return QDir(sourceDir() + QLatin1Char('/') + folder)
        .entryList({QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files, QDir::Name);
}

// The project headers a file includes by a quoted name.
QStringList includesOf(const QString &path)
{
    static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*\"([^\"]+)\""),
                                            QRegularExpression::MultilineOption);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QStringList names;
    auto it = include.globalMatch(QString::fromUtf8(f.readAll()));
    while (it.hasNext())
        names.append(QFileInfo(it.next().captured(1)).fileName());
    return names;
}
}

class tst_layers : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(QDir(sourceDir() + "/bridge").exists(), qPrintable(sourceDir())); }

    void lowerFoldersIncludeOnlyWhatLiesBelow_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QStringList>("allowed");   // folders whose headers it may include
        QTest::newRow("device") << "device" << QStringList{"device"};
        QTest::newRow("platform") << "platform" << QStringList{"platform"};
        QTest::newRow("input") << "input" << QStringList{"input", "platform"};
    }
    void lowerFoldersIncludeOnlyWhatLiesBelow()
    {
        QFETCH(QString, folder);
        QFETCH(QStringList, allowed);
        QSet<QString> permitted;
        for (const QString &f : allowed)
            for (const QString &name : sourcesOf(f))
                permitted.insert(name);
        QSet<QString> elsewhere;
        for (const QString &f : {"app", "bridge", "device", "input", "platform", "sim"})
            for (const QString &name : sourcesOf(f))
                if (!permitted.contains(name))
                    elsewhere.insert(name);
        QVERIFY(!sourcesOf(folder).isEmpty());
        for (const QString &file : sourcesOf(folder))
            for (const QString &name : includesOf(sourceDir() + '/' + folder + '/' + file))
                QVERIFY2(!elsewhere.contains(name), qPrintable(folder + '/' + file + " includes " + name));
    }

    void bridgeModulesDoNotIncludeTheView()
    {
        // The view's own parts, and the device settings that are still handed the view.
        static const QRegularExpression viewPart(QStringLiteral("^(myQQuickView\\.(h|cpp)|view_\\w+\\.cpp)$"));
        const QSet<QString> stillHandedTheView{"MouseSettings.cpp", "MouseSettings.h", "KeyboardSettings.cpp",
                                               "KeyboardSettings.h"};
        int modules = 0;
        for (const QString &file : sourcesOf("bridge")) {
            if (viewPart.match(file).hasMatch() || stillHandedTheView.contains(file))
                continue;
            ++modules;
            QVERIFY2(!includesOf(sourceDir() + "/bridge/" + file).contains("myQQuickView.h"), qPrintable(file));
        }
        QVERIFY(modules > 10);
    }
};

QTEST_GUILESS_MAIN(tst_layers)
#include "tst_layers.moc"
