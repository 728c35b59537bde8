// SPDX-License-Identifier: MIT
// Renderer choice (see SceneBackend.h).
#include "SceneBackend.h"
#include <QCoreApplication>
#include <QQuickWindow>
#include <QSGRendererInterface>

static bool rendererFromEnvironment()
{
    return qEnvironmentVariableIsSet("QT_QUICK_BACKEND") || qEnvironmentVariableIsSet("QMLSCENE_DEVICE");
}

void chooseRasterRendering()
{
    if (rendererFromEnvironment())
        return;
    // Without this every top-level widget gets a GL-capable surface on X11, and picking
    // its visual loads the OpenGL driver even though nothing draws with it.
    QCoreApplication::setAttribute(Qt::AA_ForceRasterWidgets);
    chooseSceneBackend();
}

static bool decide()
{
    if (rendererFromEnvironment())
        return QQuickWindow::sceneGraphBackend() == QLatin1String("software");
    QQuickWindow::setSceneGraphBackend(QSGRendererInterface::Software);
    return true;
}

bool chooseSceneBackend()
{
    // The renderer is fixed once the first scene exists; later calls keep the first answer.
    static const bool software = decide();
    return software;
}
