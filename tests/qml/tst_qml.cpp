// SPDX-License-Identifier: MIT
// Runner for the Qt Quick Test suites in this folder. Offscreen there is no OpenGL, so
// the scenes are drawn with the software renderer.
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
    }
};

QUICK_TEST_MAIN_WITH_SETUP(r5qml, QmlTestSetup)

#include "tst_qml.moc"
