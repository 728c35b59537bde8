// SPDX-License-Identifier: MIT
// Mouse commands built from setting values, with the link handed in rather than the view:
// the pages' slots and the profile writer both send through these, so the mouse gets the
// same bytes from either. The values are coded by device/MouseCodec.
#pragma once
#include "Collaborators.h"
#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariantList>
#include <functional>

class Hid_Thread;

namespace MouseCommands {

// ---- commands (a null link sends nothing) ----
// 10H: colours of a type from their values.
void sendStageColors(Hid_Thread *link, uchar type, const QVariantList &values);
// 11H: stage count and eight DPI codes.
void sendDpiSet(Hid_Thread *link, uchar stages, const QVariantList &codes);
// 12H: the key matrix, as four matrices when a key is a gun loop.
void sendKeyMatrices(Hid_Thread *link, const QVariantList &src64, const QList<QVariantList> &fireKeys);
// 13H: macro `name` from its file (read once) into macro id 1-12, coded for `family`,
// cut to fit (warn is told once when it is); false when the name is refused.
bool sendMacro(Hid_Thread *link, uchar macroId, const QString &name, int family, const Warn &warn);
// 13H for every macro the matrix binds, in slot order, each once, before the matrix goes.
void sendBoundMacros(Hid_Thread *link, const QVariantList &src64, int family, const Warn &warn);
// 83H and 81H read, then 03H with the scroll direction bit.
void sendScrollSwap(Hid_Thread *link, bool isSwap);

// ---- reads ----
// 91H: the number of DPI stages the mouse offers; false when it did not answer.
bool readDpiStageCount(Hid_Thread *link, uchar *count);
// 87H: true in *works when the indicator takes eight fixed colours; false: no answer.
bool readLogoLedWorks(Hid_Thread *link, bool *works);

} // namespace MouseCommands
