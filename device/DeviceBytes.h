// SPDX-License-Identifier: MIT
// Conversions between the values QML and the profiles hand over (variant lists) and the
// byte buffers of the device commands. Qt Core only, used by the family codecs.
#pragma once
#include <QByteArray>
#include <QVariant>
#include <QVariantList>

namespace DeviceBytes {
// Element i becomes the low 8 bits of toInt(); the buffer is `size` bytes, zero-filled,
// so missing elements stay 0 and surplus elements are ignored.
QByteArray fromList(const QVariantList &list, int size);
// One int per byte, in order.
QVariantList toList(const uchar *bytes, int size);
// Element i of a list, 0 when the list is shorter.
QVariant element(const QVariantList &list, int i);
// Low 8 bits of toUInt() of element i, 0 when missing.
uchar byteAt(const QVariantList &list, int i);
// A profile list value with every element replaced by its toUInt().
QVariantList unsignedList(const QVariant &stored);
// A stored value parsed as the pages parse it (parseInt): leading blanks, sign and
// digits; `fallback` when there are no digits.
int pageInt(const QVariant &v, int fallback);
}
