// SPDX-License-Identifier: MIT
// View construction, calls into the QML root, and the sound slots.
#include "myQQuickView.h"
#include "AllSave.h"
#include "BindingSettings.h"
#include "FileNotices.h"
#include "Hid_Thread.h"
#include "InterfaceSounds.h"
#include "KeyCapture.h"
#include "KeyNameTable.h"
#include "KeyNames.h"
#include "KeyboardSettings.h"
#include "LightingSettings.h"
#include "Localisation.h"
#include "MacroLibrary.h"
#include "MacroRecoilSettings.h"
#include "MacroSlots.h"
#include "PointerBackend.h"
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
    // The pages read key names and step tags from the same table as the coder.
    KeyNameTable::registerForQml();
    // The view builds every module and hands each what it needs; no module reaches back.
    const LinkSource link = [this] { return hid; };
    const Warn warn = [](const QString &title, const QString &text) {
        UserDialogs::warning(nullptr, title, text, QMessageBox::Ok);
    };
    sounds = new InterfaceSounds(this);
    lang = new Localisation(&messageTexts, this);
    // Listening before the first file is opened, so start-up repairs are told too.
    notices = new FileNotices(lang, this, link, warn, this);
    files = new ProfileFiles(link, UserDialogs::fileDialogs(this), lang, warn, this);
    // The window always opens on profile 1: from then on that is the current one for the
    // command line too.
    files->storeCurrentIndex(files->currentIndex());
    macros = new MacroLibrary(files, UserDialogs::fileDialogs(this), this);
    recoil = new RecoilStore(this);
    pointer = new PointerSettings(files, &PointerBackend::createForDesktop, this);

    // The device settings get their collaborators here; the link is the one of the moment.
    DeviceSettings::Context device;
    device.link = link;
    device.files = files;
    device.macros = macros;
    device.recoil = recoil;
    device.messageTexts = &messageTexts;
    device.hold = &deviceWrites;
    device.warn = warn;
    device.ask = [](const QString &title, const QString &text) {
        return UserDialogs::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
            == QMessageBox::Ok;
    };
    sensor = new SensorSettings(device, this);
    lighting = new LightingSettings(device, this);
    bindings = new BindingSettings(device, this);
    mouseMacros = new MacroRecoilSettings(device, this);
    keyboard = new KeyboardSettings(device, this);
    macroSlots = new MacroSlots(files, macros, lang, warn, this);
    AllSave::Parts parts;
    parts.link = link;
    parts.files = files;
    parts.recoil = recoil;
    parts.pointer = pointer;
    parts.strings = lang;
    parts.holdDeviceWrites = [this](bool hold) { deviceWrites.held = hold; };
    parts.captions = [this] {
        QQuickItem *root = rootObject();
        return root ? root->property("globalSetting_stringList").toStringList() : QStringList();
    };
    parts.warn = warn;
    allSaver = new AllSave(std::move(parts), this);
    capture = new KeyCapture(lang, this, warn, this);
    connect(allSaver, &AllSave::progress, this, &myQQuickView::allSaveProgress);
    connect(allSaver, &AllSave::finished, this, &myQQuickView::allSaveFinished);
    // A bound macro edited on the macro page goes to the device slot it is bound to.
    connect(macros, &MacroLibrary::boundMacroChanged, this, [this](int family, int slot, const QString &name) {
        if (family == 1)
            ui_13H_SetMacroKey(slot + 1, name);
        else if (family == 0)
            ui_11H_SetMacroKey(slot, name);
    });
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
