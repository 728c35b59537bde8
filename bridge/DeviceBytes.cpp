// SPDX-License-Identifier: MIT
// Variant lists to command bytes and back (see DeviceBytes.h).
#include "DeviceBytes.h"

namespace DeviceBytes {

QByteArray fromList(const QVariantList &list, int size)
{
    QByteArray bytes(size, '\0');
    const int n = qMin(size, list.size());
    for (int i = 0; i < n; ++i)
        bytes[i] = char(list.at(i).toInt() & 0xFF);
    return bytes;
}

QVariantList toList(const uchar *bytes, int size)
{
    QVariantList list;
    list.reserve(size);
    for (int i = 0; i < size; ++i)
        list.append(QVariant(int(bytes[i])));
    return list;
}

QVariant element(const QVariantList &list, int i)
{
    return i < list.size() ? list.at(i) : QVariant(0);
}

uchar byteAt(const QVariantList &list, int i)
{
    return i < list.size() ? uchar(list.at(i).toUInt() & 0xFF) : uchar(0);
}

QVariantList unsignedList(const QVariant &stored)
{
    QVariantList list = stored.toList();
    for (QVariant &v : list)
        v = QVariant(v.toUInt());
    return list;
}

} // namespace DeviceBytes
