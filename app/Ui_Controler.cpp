// SPDX-License-Identifier: MIT
// Window-control object: window set-up and the slots QML calls on "ui_Ctl".
#include "Ui_Controler.h"
#include "DiskLayout.h"
#include "ProfileFiles.h"
#include "Widget.h"
#include "myQQuickView.h"
#include <QQmlContext>
#include <QQuickItem>
#include <QSettings>

Ui_Controler::Ui_Controler(QObject *parent) : QObject(parent) {}

QUrl Ui_Controler::sceneUrl(const QString &url)
{
    QUrl result(url);
    if (result.scheme() == QLatin1String("qrc") && !result.path().startsWith(QLatin1Char('/')))
        result.setPath(QLatin1Char('/') + result.path());
    return result;
}

static QString windowTitleFromSettings(myQQuickView *view)
{
    if (QSettings *ap = view->files ? view->files->apConfig() : nullptr)
        return ap->value(DiskLayout::Key::kWindowTitle).toString();
    QSettings ap(DiskLayout::appSettingsPath(), QSettings::IniFormat);
    ap.setIniCodec("UTF-8");
    return ap.value(DiskLayout::Key::kWindowTitle).toString();
}

void Ui_Controler::setupUi(Widget *w)
{
    if (w->objectName().isEmpty())
        w->setObjectName(QStringLiteral("Widget"));
    window = w;

    w->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    w->setWindowOpacity(1.0);
    w->setAttribute(Qt::WA_TranslucentBackground);
    // Only the window itself: an unqualified rule would cascade into every dialog parented
    // to it and leave file dialogs black and unreadable.
    w->setStyleSheet(QStringLiteral("#%1 { background: transparent; }").arg(w->objectName()));

    view = new myQQuickView(w);
    view->setObjectName(QStringLiteral("ui_View"));
    // A frameless translucent window shows through the view only with these two.
    view->setClearColor(Qt::transparent);
    view->setAttribute(Qt::WA_AlwaysStackOnTop);
    view->setResizeMode(QQuickWidget::SizeViewToRootObject);
    view->setSource(sceneUrl());

    QQmlContext *context = view->rootContext();
    context->setContextProperty(QStringLiteral("ui_View"), view.data());
    context->setContextProperty(QStringLiteral("hid"), &w->hid);
    context->setContextProperty(QStringLiteral("ui_Ctl"), this);

    w->resize(view->size());
    w->setWindowTitle(windowTitleFromSettings(view));
}

void Ui_Controler::onMinimize()
{
    if (window)
        window->close();
}

void Ui_Controler::onXChanged(int dx)
{
    if (window)
        window->move(window->x() + dx, window->y());
}

void Ui_Controler::onYChanged(int dy)
{
    if (window)
        window->move(window->x(), window->y() + dy);
}

void Ui_Controler::setBusy(int busyTime)
{
    if (QObject *root = view ? view->rootObject() : nullptr)
        QMetaObject::invokeMethod(root, "setProtectUI", Qt::DirectConnection,
                                  Q_ARG(QVariant, QVariant(busyTime)));
}

void Ui_Controler::setBusy() { setBusy(0); }
