// SPDX-License-Identifier: MIT
// The parts of the mouse settings that still go through the view: its construction from
// the view, the profile menu, the key matrix with the fire keys of the gun page, recoil
// and the fool-proofing question. The rest works without a window (MouseSettings.cpp).
#include "Hid_Thread.h"
#include "MacroLibrary.h"
#include "MouseCommands.h"
#include "MouseSettings.h"
#include "ProfileFiles.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QDebug>
#include <QSettings>

using namespace DeviceBytes;

namespace {
constexpr uchar RecoilOnBit = 0x08;
const char *const KeyPrefix = "keydefine_R5/";
}

MouseSettings::MouseSettings(myQQuickView *view) : QObject(view), view(view)
{
    parts.profile = [view] { return view->files ? view->files->currentProfile() : nullptr; };
    parts.linkSource = [view] { return view->hid; };
    parts.entry = [view] { return view->currentEntry(); };
    parts.family = [view] { return view->macros ? view->macros->family() : view->deviceFamily(); };
    parts.warn = [](const QString &title, const QString &text) {
        UserDialogs::warning(nullptr, title, text, QMessageBox::Ok);
    };
}

void MouseSettings::ui_02H_SetCurrentProfile(int profile)
{
    if (!view || !view->files || view->files->currentIndex() == profile)
        return;
    // Only ten profile files exist; another index would leave every later read and
    // write without a profile.
    if (profile < 0 || profile > 9) {
        qDebug() << "ui_02H_SetCurrentProfile: no profile" << profile;
        return;
    }
    view->files->setCurrentIndex(profile);
    if (currentEntry() == 0)
        if (Hid_Thread *h = link())
            h->hid_02H_SetCurrentProfile(uchar(profile));
}

void MouseSettings::ui_12H_SetKeyMatrix(const QVariantList &src64)
{
    QList<QVariantList> fireKeys;
    for (int s = 0; s < 3; ++s)
        fireKeys.append(view->getSelGundata(s));

    if (QSettings *p = profile()) {
        for (int k = 0; k < 16; ++k) {
            QVariantList key;
            for (int i = 0; i < 4; ++i)
                key.append(element(src64, 4 * k + i));
            p->setValue(KeyPrefix + QString::number(k), key);
        }
    }

    // The buttons play what the mouse holds in the slots they name, so the macros this
    // matrix binds go first, from their files.
    Hid_Thread *h = writeLink();
    if (!h)
        return;
    MouseCommands::sendBoundMacros(h, src64, macroFamily(), warnBox());
    MouseCommands::sendKeyMatrices(h, src64, fireKeys);
}

void MouseSettings::r5_0CH_SetPressGun(uchar a1, uchar a2, uchar a3, uchar a4, uchar a5, uchar a6)
{
    // Through the view's slots, so the same four-byte form as QML sees is used.
    const QVariantList option = view->ui_83H_GetKeyboardoption();
    const uchar type = byteAt(option, 0);
    const uchar rate = byteAt(option, 1);
    const uchar option1 = byteAt(option, 2);
    uchar option2 = byteAt(option, 3);
    option2 = a4 ? uchar(option2 | RecoilOnBit) : uchar(option2 & ~RecoilOnBit);
    view->ui_03H_SetKeyboardoption(type, rate, option1, option2);

    // option1 set means the device counts the vertical offset the other way round.
    const uchar vertical = option1 ? uchar(-a2) : a2;
    view->ui_04H_SetButtonSensitivity(a5, a3, a1, vertical, a6);
}

bool MouseSettings::getMsgAns_FoolProofing()
{
    // The texts may not be loaded yet; value() keeps a short list from being read past its end.
    const QString title = tr("%1").arg(view->messageTexts.value(4));
    const QString text = QString("%1").arg(view->messageTexts.value(5));
    return UserDialogs::warning(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        == QMessageBox::Ok;
}
