// SPDX-License-Identifier: MIT
// The compiled-in device catalogue (":/DevInfo.ini") and what the link keeps per entry.
#pragma once
#include <QList>
#include <QString>
#include <QStringList>

struct DeviceInfo {
    int type = -1;            // 0 keyboard, 1 mouse
    quint16 vid = 0, pid = 0;
    quint16 usagePage = 0, usage = 0;     // command interface
    quint16 usagePage2 = 0, usage2 = 0;   // event interface
    QString name;
    uint reportLength = 0;
};

struct DeviceEntry {
    uint index = 0;
    QString name;
    int type = -1;
    QString path;    // command interface, empty when not found or lost
    QString path2;   // event interface, empty when not found or lost
    uint reportLength = 0;
};

// Reads the catalogue at cataloguePath. Entry i takes element i of productNames as its
// name (the settings' product_name list, read by the caller), empty when there is none.
QList<DeviceInfo> readCatalogue(bool *isEncode, const QStringList &productNames = {},
                                const QString &cataloguePath = QStringLiteral(":/DevInfo.ini"));
