// SPDX-License-Identifier: MIT
// View construction, calls into the QML root, and the sound slots.
#include "myQQuickView.h"
#include "AllSave.h"
#include "BindingSettings.h"
#include "FileNotices.h"
#include "Hid_Thread.h"
#include "InterfaceSounds.h"
#include "KeyNames.h"
#include "KeyboardSettings.h"
#include "LightingSettings.h"
#include "Localisation.h"
#include "MacroLibrary.h"
#include "MacroRecoilSettings.h"
#include "MacroSlots.h"
#include "PointerSettings.h"
#include "ProfileFiles.h"
#include "RecoilStore.h"
#include "SensorSettings.h"
#include "UserDialogs.h"
#include <QDebug>
#include <QQuickItem>

myQQuickView::myQQuickView(QWidget *parent) : QQuickWidget(parent)
{
    // The macro coder looks names up in this map, so it is filled before anything else.
    buildKeyNameMap();
    sounds = new InterfaceSounds(this);
    // Listening before the first file is opened, so start-up repairs are told too.
    notices = new FileNotices(this);
    files = new ProfileFiles(this);
    macros = new MacroLibrary(this);
    recoil = new RecoilStore(this);
    lang = new Localisation(this);
    pointer = new PointerSettings(this);

    // The device settings get their collaborators here; the link is the one of the moment.
    DeviceSettings::Context device;
    device.link = [this] { return hid; };
    device.files = files;
    device.macros = macros;
    device.recoil = recoil;
    device.messageTexts = &messageTexts;
    device.hold = &deviceWrites;
    device.warn = [](const QString &title, const QString &text) {
        UserDialogs::warning(nullptr, title, text, QMessageBox::Ok);
    };
    device.ask = [](const QString &title, const QString &text) {
        return UserDialogs::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
            == QMessageBox::Ok;
    };
    sensor = new SensorSettings(device, this);
    lighting = new LightingSettings(device, this);
    bindings = new BindingSettings(device, this);
    mouseMacros = new MacroRecoilSettings(device, this);
    keyboard = new KeyboardSettings(device, this);
    // A bound macro whose file changed goes to its slot as read, without a second read.
    macros->setSendBound([this](int family, const MacroLibrary::Macro &macro) {
        if (family == 1)
            mouseMacros->sendMacro(uchar(macro.index + 1), macro);
        else
            keyboard->sendMacro(uchar(macro.index), macro);
    });
    macroSlots = new MacroSlots(this);
    allSaver = new AllSave(this);
    connect(allSaver, &AllSave::progress, this, &myQQuickView::allSaveProgress);
    connect(allSaver, &AllSave::finished, this, &myQQuickView::allSaveFinished);
}

myQQuickView::~myQQuickView() = default;

int myQQuickView::deviceFamily() const { return hid ? hid->currentFamily() : -1; }
uint myQQuickView::currentEntry() const { return hid ? hid->currentDevice() : 1; }

void myQQuickView::invokeDetectKeyboard(bool isDown, int usbCode)
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "detectKeyboard", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)), Q_ARG(QVariant, QVariant(usbCode & 0xFF)));
}

void myQQuickView::invokeDetectMouse(bool isDown, uint code, uint x, uint y)
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "detectMouse", Qt::QueuedConnection,
                                  Q_ARG(QVariant, QVariant(isDown)), Q_ARG(QVariant, QVariant(code)),
                                  Q_ARG(QVariant, QVariant(x)), Q_ARG(QVariant, QVariant(y)));
}

void myQQuickView::initUI()
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    if (QObject *root = rootObject())
        QMetaObject::invokeMethod(root, "run", Qt::QueuedConnection);
    // Macro files from before slots were kept apart across profiles may share a slot;
    // the user hears of it once, when the window is up.
    QMetaObject::invokeMethod(macroSlots, &MacroSlots::noticeCollisions, Qt::QueuedConnection);
}

// Sound slots: QML addresses the players by number; the sequencing lives in InterfaceSounds.
void myQQuickView::setEnableAudio(bool isEnable) { sounds->setEnableAudio(isEnable); }
void myQQuickView::playMedia_Index(uchar index) { sounds->playIndex(index); }
void myQQuickView::playMedia_Background() { sounds->playBackground(); }
void myQQuickView::clearAllMedia() { sounds->clearAll(); }
