// SPDX-License-Identifier: MIT
// Macro files in the macro folder of the on-disk layout (DiskLayout), and their step lines
// read as macro steps for the family codecs (device/MouseCodec, device/KeyboardCodec).
// It tells whoever listens when a macro bound to a device slot changes (boundMacroChanged)
// and never sends anything itself.
#pragma once
#include "Collaborators.h"
#include "MacroBlock.h"
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class ProfileFiles;

class MacroLibrary : public QObject
{
    Q_OBJECT
public:
    // `files` tells the device family; `dialogs` ask for the import and export files.
    MacroLibrary(const ProfileFiles *files, FileDialogs dialogs, QObject *parent = nullptr);

    // A name that stays inside the macro folder: not empty, no path separator, no leading
    // dot (so neither "." nor ".."), no control characters.
    static bool isSafeName(const QString &name);
    // The file of a macro, or an empty string when the name is not safe.
    static QString pathFor(const QString &name);

    // Step lines as macro steps: command in the last ten characters, key names looked up.
    static QVector<MacroBlock::Step> parseSteps(const QStringList &lines);
    // How a device family (0 keyboard, 1 mouse, else none) codes pauses.
    static MacroBlock::Pauses pausesOf(int family);
    // Device bytes of the step lines for a device family (0 keyboard, 1 mouse, else no
    // pauses); `events` receives where each coded step lies in them.
    static QList<uchar> encode(const QStringList &macros, int family, QVector<MacroBlock::Event> *events = nullptr);

    // Macro files of the folder ("<name>.bin"), sorted without regard to case.
    static QStringList fileNames();
    // Step lines of a macro file; empty when the name is refused or the file is missing.
    static QStringList stepsOf(const QString &name);
    // What a sender needs of a macro file, read once: its step lines and play count.
    struct Stored {
        QStringList steps;
        uint repeat = 1;
    };
    static Stored read(const QString &name);
    // Copies a macro to a file and takes the steps of a file into a macro, without
    // asking: the dialogs of saveMacroIniToFile and loadMacroIniFromFile end here, and so
    // does the command line. An import keeps the macro's binding (slot, family, count)
    // and tells listeners when the macro is bound.
    enum class Transfer {
        Done,
        Repaired,      // taken in as far as the file was sound
        Unreadable,    // the source could not be read (or the macro does not exist)
        NotAMacro,     // read, but not a macro file: nothing changed
        Unwritable,    // the target could not be written: nothing changed
    };
    static Transfer exportMacro(const QString &name, const QString &target);
    Transfer importMacro(const QString &source, const QString &name);
    // Device family the coder works for: the connected one (0 keyboard, 1 mouse, -1 none).
    int family() const;

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
    // [bytes the coded steps take, size of a macro slot] on the connected family's device
    // (the keyboard's slots are larger; everything else counts as the mouse).
    QVariantList bytesUsed(const QStringList &macros) const;

signals:
    // The steps of `name`, bound to `slot` (0-based) of a device of `family`, changed
    // in its file: the device copy is stale until it is sent again.
    void boundMacroChanged(int family, int slot, const QString &name);

private:
    // pathFor, with the file (when it exists) checked and repaired before it is used.
    static QString soundPath(const QString &name);
    void tellIfBound(const QString &name, int slot, int boundFamily);

    const ProfileFiles *files;
    FileDialogs dialogs;
};
