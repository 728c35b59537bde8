// SPDX-License-Identifier: MIT
// The layers by their includes, read from the source tree: the device core, the platform
// layer and the input layer reach only down, and the bridge modules do not include the
// view that builds them. The program without a window is built from sources that include
// no header of Qt's window side.
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>
#include <algorithm>

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
        // The view's own parts; every other file is a module, the device settings too.
        static const QRegularExpression viewPart(QStringLiteral("^(myQQuickView\\.(h|cpp)|view_\\w+\\.cpp)$"));
        int modules = 0;
        for (const QString &file : sourcesOf("bridge")) {
            if (viewPart.match(file).hasMatch())
                continue;
            ++modules;
            QVERIFY2(!includesOf(sourceDir() + "/bridge/" + file).contains("myQQuickView.h"), qPrintable(file));
        }
        QVERIFY(modules > 10);
    }

    void theCoreIncludesNoWindowHeader()
    {
        QFile list(QString::fromUtf8(R5_CORE_SOURCES_FILE));
        QVERIFY2(list.open(QIODevice::ReadOnly), R5_CORE_SOURCES_FILE);
        const QStringList sources = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        // The folders of all five core libraries are there, the view's file is not.
        for (const char *folder : {"/device/", "/bridge/", "/input/", "/platform/", "/cli/"})
            QVERIFY2(std::any_of(sources.begin(), sources.end(), [folder](const QString &f) { return f.contains(folder); }),
                     folder);
        QVERIFY(std::none_of(sources.begin(), sources.end(), [](const QString &f) { return f.endsWith("myQQuickView.cpp"); }));

        const QString qt = QString::fromUtf8(R5_QT_INCLUDE_ROOT);
        const QStringList windowModules{"QtGui", "QtWidgets", "QtQml", "QtQuick", "QtQuickWidgets"};
        QVERIFY2(QFileInfo::exists(qt + "/QtWidgets/QWidget"), qPrintable(qt));
        static const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*<([^>]+)>"),
                                                QRegularExpression::MultilineOption);
        for (const QString &path : sources) {
            QFile f(path);
            QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(path));
            auto it = include.globalMatch(QString::fromUtf8(f.readAll()));
            while (it.hasNext()) {
                const QString header = it.next().captured(1);
                const QString module = header.section(QLatin1Char('/'), 0, 0);
                const bool windowSide = header.contains(QLatin1Char('/'))
                    ? windowModules.contains(module)
                    : std::any_of(windowModules.begin(), windowModules.end(), [&](const QString &m) {
                          return QFileInfo::exists(qt + '/' + m + '/' + header);
                      });
                QVERIFY2(!windowSide, qPrintable(path + " includes <" + header + ">"));
            }
        }
    }
};

QTEST_GUILESS_MAIN(tst_layers)
#include "tst_layers.moc"
