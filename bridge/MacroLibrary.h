// SPDX-License-Identifier: MIT
// Macro files under ./modules/macro/ and the coder that turns step lines into device bytes.
#pragma once
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class myQQuickView;

class MacroLibrary : public QObject
{
    Q_OBJECT
public:
    explicit MacroLibrary(myQQuickView *view);

    // The file of a macro, or an empty string when the name is not a plain file name that
    // stays inside ./modules/macro/ (empty, a path separator, "..", a leading dot).
    static QString pathFor(const QString &name);

    // Device bytes of the step lines for a device family (0 keyboard, 1 mouse).
    static QList<uchar> encode(const QStringList &macros, int family);

    // Slot bodies (see view_files.cpp).
    QString createMacroIni();
    bool deleteMacroIni(const QString &name);
    QStringList getMacroIniNames() const;
    bool saveMacroIni(const QString &name, const QStringList &macros);
    QStringList loadMacroIni(const QString &name) const;
    QVariantList loadMacroIniConfig(const QString &name) const;
    void setMacroIniConfig(const QString &name, const QVariantList &config);
    void renameMacroIniFile(const QString &oldName, const QString &newName);
    void saveMacroIniToFile(const QString &name);
    void loadMacroIniFromFile(const QString &name);
    QList<uchar> macroIncode(const QStringList &macros) const;

private:
    int family() const;
    void resendIfBound(const QString &name);

    myQQuickView *view;
};
