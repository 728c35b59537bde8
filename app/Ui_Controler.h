// SPDX-License-Identifier: MIT
// The window-control object QML sees as "ui_Ctl": builds the frameless window's view,
// publishes the context properties, and lets QML drag, close and lock the window.
#pragma once
#include <QObject>
#include <QPointer>
#include <QUrl>

class Widget;
class myQQuickView;

class Ui_Controler : public QObject
{
    Q_OBJECT
public:
    explicit Ui_Controler(QObject *parent = nullptr);

    // Set-up for the main window: window look, the view and its scene, context
    // properties, window size and title.
    void setupUi(Widget *window);

    // The scene's URL. "qrc:modules/qml/main.qml" has a relative path, against which
    // Qt 5 cannot resolve the scene's directory imports; it is given the root slash.
    static QUrl sceneUrl(const QString &url = QStringLiteral("qrc:modules/qml/main.qml"));

    QPointer<Widget> window;
    QPointer<myQQuickView> view;

public slots:
    void onMinimize();
    void onXChanged(int dx);
    void onYChanged(int dy);
    void setBusy(int busyTime);
    void setBusy();
};
