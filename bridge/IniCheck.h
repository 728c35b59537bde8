// SPDX-License-Identifier: MIT
// Tells a settings file that parses as the INI it should be from a damaged one (binary
// bytes, lines that are not key=value, cut-off values, values of the wrong shape).
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace IniCheck {

enum class Kind { AppSettings, Profile, Macro, GunTable, GunChoice, Language };

struct Result {
    bool damaged = false;
    QString reason;       // first problem found, for the debug line
    QByteArray cleaned;   // the lines that passed, LF ends, without a byte-order mark
    QStringList keys;     // group/key of every key line that passed
};

// A missing final newline, CRLF line ends, a UTF-8 byte-order mark and bytes that are not
// UTF-8 inside a value are all fine: editors write such files. An empty file is damaged.
Result check(const QByteArray &contents, Kind kind);

// A macro step: a value followed by one of the three ten-character command fields.
bool isStepLine(const QString &line);

} // namespace IniCheck
