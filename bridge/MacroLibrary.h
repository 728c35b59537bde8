// SPDX-License-Identifier: MIT
// Macro files under ./modules/macro/, and their step lines read as macro steps for the
// family codecs (device/MouseCodec, device/KeyboardCodec).
#pragma once
#include "MacroBlock.h"
#include <QList>
#include <functional>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class myQQuickView;

class MacroLibrary : public QObject
{
    Q_OBJECT
public:
    explicit MacroLibrary(myQQuickView *view);

    // A name that stays inside ./modules/macro/: not empty, no path separator, no leading
    // dot (so neither "." nor ".."), no control characters.
    static bool isSafeName(const QString &name);
    // The file of a macro, or an empty string when the name is not safe.
    static QString pathFor(const QString &name);

    // Everything a macro file holds, read at once: what the device gets is coded from this.
    struct Macro {
        QString name;
        bool refused = true;    // the name could reach outside the macro folder
        QStringList lines;      // step lines; none when the file is missing
        int index = -1;         // config/index: the device slot it is bound to
        int did = -1;           // config/did: the family it was bound with
        uint repeat = 1;        // config/repeat: play count of the mouse's block
        QVector<MacroBlock::Step> steps() const { return MacroLibrary::steps(lines); }
    };
    static Macro read(const QString &name);

    // Step lines as macro steps: command in the last ten characters, key names looked up.
    static QVector<MacroBlock::Step> steps(const QStringList &lines);
    // Device bytes of the step lines for a device family (0 keyboard, 1 mouse, else no
    // pauses); `events` receives where each coded step lies in them.
    static QList<uchar> encode(const QStringList &macros, int family, QVector<MacroBlock::Event> *events = nullptr);
    static MacroBlock::Pauses pausesOf(int family);

    // Called with a macro whose file changed while it is bound to a slot of the connected
    // family, so the device gets the new steps (family, and the macro as read once).
    using SendBound = std::function<void(int family, const Macro &macro)>;
    void setSendBound(const SendBound &send) { sendBound = send; }

    // Macro files of the folder ("<name>.bin"), sorted without regard to case.
    static QStringList fileNames();
    // Step lines of a macro file; empty when the name is refused or the file is missing.
    static QStringList stepsOf(const QString &name);
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

private:
    // pathFor, with the file (when it exists) checked and repaired before it is used.
    static QString soundPath(const QString &name);
    void resendIfBound(const QString &name);

    myQQuickView *view;
    SendBound sendBound;
};
