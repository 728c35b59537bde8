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

int pageInt(const QVariant &v, int fallback)
{
    const QString text = v.toString().trimmed();
    int i = 0;
    const bool negative = i < text.size() && text.at(i) == QLatin1Char('-');
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+')))
        ++i;
    const int digitsFrom = i;
    qint64 n = 0;
    while (i < text.size() && text.at(i).isDigit() && n < 0x7FFFFFFF)
        n = n * 10 + text.at(i++).digitValue();
    if (i == digitsFrom)
        return fallback;
    return int(negative ? -n : n);
}

} // namespace DeviceBytes
