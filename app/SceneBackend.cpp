// SPDX-License-Identifier: MIT
// Qt Quick renderer choice (see SceneBackend.h).
#include "SceneBackend.h"
#include <QDebug>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QSGRendererInterface>

static bool decide()
{
    const QString platform = QGuiApplication::platformName();
    bool software = platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    if (!software) {
        // QQuickWidget gives up on the whole program when it cannot get a context.
        QOpenGLContext probe;
        software = !probe.create();
    }
    if (software) {
        QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
        qDebug() << "Scene: software renderer";
    }
    return software;
}

bool chooseSceneBackend()
{
    // The renderer is fixed once the first scene exists; later calls keep the first answer.
    static const bool software = decide();
    return software;
}
