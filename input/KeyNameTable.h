// SPDX-License-Identifier: MIT
// The key-name rows and the macro step tags as QML sees them (singleton "KeyNameTable" of
// "R5.Tables 1.0"), so the pages and the macro coder read one table. A lookup without an
// entry answers undefined, as a plain JavaScript map would.
#pragma once
#include <QObject>
#include <QString>
#include <QVariant>

class KeyNameTable : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString stepDown READ stepDown CONSTANT)
    Q_PROPERTY(QString stepUp READ stepUp CONSTANT)
    Q_PROPERTY(QString stepDelay READ stepDelay CONSTANT)
    Q_PROPERTY(int stepWidth READ stepWidth CONSTANT)   // characters every tag takes
public:
    using QObject::QObject;

    // Makes the singleton known to every QML engine of the process; call before the
    // first scene that imports it is loaded. Later calls do nothing.
    static void registerForQml();

    // A code is taken the way a JavaScript map key is: a whole number, or its decimal text.
    Q_INVOKABLE QVariant keyName(const QVariant &code) const;     // keyboard usages only
    Q_INVOKABLE QVariant mouseName(const QVariant &code) const;   // mouse codes only
    Q_INVOKABLE QVariant keyCode(const QVariant &name) const;
    Q_INVOKABLE QVariant mouseCode(const QVariant &name) const;

    static QString stepDown();
    static QString stepUp();
    static QString stepDelay();
    static int stepWidth();
};
