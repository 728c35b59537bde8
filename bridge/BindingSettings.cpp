// SPDX-License-Identifier: MIT
// Mouse button bindings (see BindingSettings.h).
#include "BindingSettings.h"
#include "DiskLayout.h"
#include "DeviceBytes.h"
#include "Hid_Thread.h"
#include "MouseCodec.h"
#include "MouseCommands.h"
#include "RecoilStore.h"
#include <QSettings>

namespace Key = DiskLayout::Key;

using namespace DeviceBytes;

namespace {
}

void BindingSettings::ui_12H_SetKeyMatrix(const QVariantList &src64)
{
    QList<QVariantList> fireKeys;
    for (int s = 0; s < MouseCodec::Matrices - 1; ++s)
        fireKeys.append(context.recoil ? context.recoil->getSelGundata(s) : QVariantList());

    if (QSettings *p = profile()) {
        for (int k = 0; k < MouseCodec::Keys; ++k) {
            QVariantList key;
            for (int i = 0; i < MouseCodec::KeyRecordBytes; ++i)
                key.append(element(src64, MouseCodec::KeyRecordBytes * k + i));
            p->setValue(Key::mouseKey(k), key);
        }
    }

    // The buttons play what the mouse holds in the slots they name, so the macros this
    // matrix binds go first, from their files.
    Hid_Thread *h = writeLink();
    if (!h)
        return;
    MouseCommands::sendBoundMacros(h, src64, macroFamily(), context.warn);
    MouseCommands::sendKeyMatrices(h, src64, fireKeys);
}

void BindingSettings::ui_12H_SetDefaultKeyMatrix(const QVariantList &src64, uint index)
{
    QByteArray m = fromList(src64, MouseCodec::MatrixBytes);
    if (Hid_Thread *h = writeLink())
        h->hid_12H_SetKeyMatrix(reinterpret_cast<uchar *>(m.data()), uchar((index + 1) & 0xFF));
}

QVariantList BindingSettings::ui_92H_GetKeyMatrix()
{
    uchar m[MouseCodec::MatrixBytes] = {};
    if (Hid_Thread *h = link())
        h->hid_92H_GetKeyMatrix(m);
    return toList(m, MouseCodec::MatrixBytes);
}

void BindingSettings::ui_02H_SetKeymatrix(uchar index)
{
    if (Hid_Thread *h = writeLink())
        h->hid_02H_SetCurrentProfile(index);
}

void BindingSettings::setScrollPinSwap(bool isSwap)
{
    if (QSettings *p = profile())
        p->setValue(Key::kScrollSwap, isSwap);
    MouseCommands::sendScrollSwap(writeLink(), isSwap);
}

bool BindingSettings::getScrollPinSwap()
{
    QSettings *p = profile();
    return p ? p->value(Key::kScrollSwap, false).toBool() : false;
}

bool BindingSettings::getMsgAns_FoolProofing()
{
    const QString title = tr("%1").arg(messageText(4));
    const QString text = QString("%1").arg(messageText(5));
    return context.ask && context.ask(title, text);
}
