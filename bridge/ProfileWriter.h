// SPDX-License-Identifier: MIT
// Writes one whole profile to the mouse, every command as the page that owns the setting
// sends it (values coded by device/MouseCodec), and finds out which of them reached the mouse. Needs no view or window: it
// gets its collaborators handed in and reports through signals.
#pragma once
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantList>

class Hid_Thread;
class HostPointerSettings;
class QSettings;
class RecoilStore;

class ProfileWriter : public QObject
{
    Q_OBJECT
public:
    struct Sources {
        Hid_Thread *link = nullptr;          // the mouse; none: nothing reaches it
        QSettings *profile = nullptr;        // read once, when run() starts
        RecoilStore *recoil = nullptr;       // fire-key slots of gun-loop keys; none: zeros
        HostPointerSettings *pointer = nullptr;  // host pointer settings; none: left alone
    };

    // One setting as the writer sends it, in sending order.
    enum class Item {
        ReportRate,        // 01H
        DpiSet,            // 91H read, 11H
        DpiStage,          // 0BH
        IndicatorColors,   // 87H read, 10H type 1 or 2
        LightColors,       // 10H type 0
        LightEffect,       // 0DH
        Macro,             // 13H, one per bound slot
        KeyMatrix,         // 12H, one or four matrices
        ScrollSwap,        // 83H and 81H read, 03H
        HostPointer,       // the desktop's pointer settings, no mouse command
    };
    struct Step {
        Item item;
        int slot = -1;          // Macro: slot 0-11
        QStringList macros;     // Macro: the file sent, or the files that share the slot
        QString text() const;   // English name, for logs and the command line
    };

    explicit ProfileWriter(const Sources &sources, QObject *parent = nullptr);

    // Sends the profile; true when every command reached the mouse. Events are processed
    // while the transfers run, so a window stays responsive; call it on the GUI thread.
    bool run();
    // The steps that did not reach the mouse in the last run, in sending order.
    QList<Step> failed() const { return failures; }
    // True when not one command of the last run reached the mouse.
    bool nothingReached() const { return !anyReached; }

signals:
    void progress(int done, int total);
    // A notice the user must see (a macro cut to fit its slot), title and text.
    void notice(const QString &title, const QString &text);
    void finished(bool ok);

private:
    Sources sources;
    QList<Step> failures;
    bool anyReached = false;
    bool running = false;
};
