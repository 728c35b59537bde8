// SPDX-License-Identifier: MIT
// Runner for the Qt Quick Test suites in this folder. Offscreen there is no OpenGL, so
// the scenes are drawn with the software renderer.
#include "KeyNameTable.h"
#include <QDir>
#include <QObject>
#include <QtQuickTest>

class QmlTestSetup : public QObject
{
    Q_OBJECT
public:
    QmlTestSetup()
    {
        if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
            qputenv("QT_QUICK_BACKEND", "software");
        // Run on its own from elsewhere, it still finds the skin pictures of the run folder.
        if (!QDir(QStringLiteral("modules/img")).exists()) {
            const QString run = qEnvironmentVariable("R5_RUN_DIR");
            if (!QDir(run + QStringLiteral("/modules/img")).exists())
                qFatal("No skin pictures under %s/modules/img: build the program first (cmake --build build)",
                       qPrintable(run));
            QDir::setCurrent(run);
        }
        // The key names the scene imports, as the program registers them.
        KeyNameTable::registerForQml();
    }
};

QUICK_TEST_MAIN_WITH_SETUP(r5qml, QmlTestSetup)

#include "tst_qml.moc"
