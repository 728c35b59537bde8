// SPDX-License-Identifier: MIT
// Main window construction, the start event, and the device check.
#include "Widget.h"
#include "DeviceCheck.h"
#include "DeviceCheckSettings.h"
#include "DeviceWarning.h"
#include "LinkState.h"
#include "StartupMarks.h"
#include "UserDialogs.h"
#include "UserEvent.h"
#include "Ui_Controler.h"
#include "myQQuickView.h"
#include <QCoreApplication>
#include <QPointer>

Widget::Widget(QWidget *parent) : QWidget(parent)
{
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
    if (userEvent && userEvent->code == UserEvent::StartUi) {
        StartupMarks::mark("opening animation");
        controler->view->runUI();
    }
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

    // The link knows bytes only: the settings are read here and the outcome shown here.
    const DeviceCheckSettings settings = DeviceCheckSettings::read();
    const HandshakeOutcome outcome = ::checkDevice(hid, settings);
    if (outcome.verdict == HandshakeOutcome::Rejected) {
        QPointer<Widget> self = this;
        warnAndClose(outcome, settings.languageCode);
        if (!self)
            return;
    }
    controler->view->syncFW();

    checking = false;
    if (recheckPending) {
        recheckPending = false;
        deviceTimer.start();
    }
}

void Widget::warnAndClose(const HandshakeOutcome &outcome, const QString &langCode)
{
    // No parent: at start-up the window is not shown yet. The box runs a nested event
    // loop; a check that comes meanwhile waits for this one (see checkDevice).
    UserDialogs::warning(nullptr, windowTitle(), deviceWarningText(outcome, langCode), QMessageBox::Ok);
    // Queued, as a posted close would be: it happens once the event loop runs.
    QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
}
