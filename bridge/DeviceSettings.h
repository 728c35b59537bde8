// SPDX-License-Identifier: MIT
// Base of the device settings modules of both families (mouse sensor, lighting, bindings,
// macros and recoil; the keyboard): what they are built with, the current profile, the
// link for reads and for writes, the family macros are coded for, and the user's notices.
#pragma once
#include "Collaborators.h"
#include "MacroLibrary.h"
#include <QObject>
#include <QStringList>
#include <functional>

class ProfileFiles;
class QSettings;
class RecoilStore;

class DeviceSettings : public QObject
{
    Q_OBJECT
public:
    // While held, the mouse's setters keep their values in the profile and send nothing:
    // "ALL SAVE" lets every page store what it shows, then writes the whole profile at once.
    struct WriteHold {
        bool held = false;
    };

    struct Context {
        LinkSource link;                             // the link of the moment; none: no device
        ProfileFiles *files = nullptr;               // the current profile
        MacroLibrary *macros = nullptr;              // the family macros are coded for
        RecoilStore *recoil = nullptr;               // fire keys of gun-loop keys
        const QStringList *messageTexts = nullptr;   // msg/0..5 of the chosen language
        const WriteHold *hold = nullptr;             // none: writes are never held
        // A notice the user must see, and a question answered OK (true) or Cancel.
        Warn warn;
        std::function<bool(const QString &title, const QString &text)> ask;
    };

    DeviceSettings(const Context &context, QObject *parent);

protected:
    QSettings *profile() const;
    Hid_Thread *link() const;         // reads
    Hid_Thread *writeLink() const;    // writes: none while held
    uint currentEntry() const;        // catalogue entry of the link, 1 without one
    int macroFamily() const;          // the family macros are coded for, -1 for none
    QString messageText(int i) const; // empty while the texts are not loaded
    void warn(const QString &title, const QString &text) const;

    Context context;
};
