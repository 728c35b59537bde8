// SPDX-License-Identifier: MIT
// Main window construction, the start event, and the device check.
#include "Widget.h"
#include "DeviceCatalogue.h"
#include "LinkState.h"
#include "UserEvent.h"
#include "Ui_Controler.h"
#include "myQQuickView.h"
#include <QCoreApplication>

Widget::Widget(QWidget *parent) : QWidget(parent)
{
    hid.owner = this;

    controler = new Ui_Controler;
    controler->setupUi(this);

    controler->view->hid = &hid;

    deviceTimer.setInterval(2048);
    deviceTimer.setSingleShot(true);
    connect(&deviceTimer, &QTimer::timeout, this, &Widget::checkDevice);

    connect(&deviceMonitor, &DeviceChangeMonitor::deviceChanged, this, &Widget::onDeviceChanged);
}

Widget::~Widget()
{
    // The watch loop reads the link from a pool thread: stop it before anything goes.
    hid.stopWatch();
    deviceTimer.stop();
    controler->deleteLater();
}

void Widget::onDeviceChanged()
{
    // Restarting the single-shot timer turns a burst of changes into one check.
    deviceTimer.start();
}

void Widget::startUi()
{
    controler->view->initUI();
    QCoreApplication::postEvent(this, new UserEvent(UserEvent::StartUi));
}

void Widget::customEvent(QEvent *event)
{
    if (event->type() != QEvent::User)
        return;
    // Another sender's QEvent::User need not be ours, so the code is only read from a UserEvent.
    const auto *userEvent = dynamic_cast<UserEvent *>(event);
    if (userEvent && userEvent->code == UserEvent::StartUi)
        controler->view->runUI();
}

void Widget::checkDevice()
{
    if (checking) {
        // The running check is still inside its warning box or link wait; a second
        // check here would stack another box. Run it again once this one is over.
        recheckPending = true;
        return;
    }
    checking = true;

    bool isEncode = false;
    const QList<DeviceInfo> catalogue = readCatalogue(&isEncode);
    hid.scanDevices(catalogue);
    encodeOn = isEncode;
    hid.swichCurDevice(hid.currentDevice());
    controler->view->syncFW();

    checking = false;
    if (recheckPending) {
        recheckPending = false;
        deviceTimer.start();
    }
}
