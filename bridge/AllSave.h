// SPDX-License-Identifier: MIT
// "ALL SAVE": the pages first store what they show in the current profile with their
// device writes held back, then the profile writer writes the whole profile to the mouse.
// Progress and the outcome go to QML; a failure is told to the user once.
#pragma once
#include "Collaborators.h"
#include <QObject>
#include <QStringList>

class Localisation;
class PointerSettings;
class ProfileFiles;
class ProfileWriter;
class RecoilStore;

class AllSave : public QObject
{
    Q_OBJECT
public:
    struct Parts {
        LinkSource link;
        ProfileFiles *files = nullptr;
        RecoilStore *recoil = nullptr;
        PointerSettings *pointer = nullptr;
        const Localisation *strings = nullptr;
        std::function<void(bool)> holdDeviceWrites;   // the pages' device writes
        std::function<QStringList()> captions;        // the names the pages show
        Warn warn;
    };
    explicit AllSave(Parts parts, QObject *parent = nullptr);

    // The pages are about to store their values: hold their device writes (until
    // start(), or the next pass of the event loop at the latest). False, after telling
    // the user, when the mouse cannot be reached: then nothing is to be stored or sent,
    // so no file changes.
    bool begin();
    // Writes the current profile to the mouse from the event loop; false while a run
    // is still going.
    bool start();
    bool isRunning() const { return running; }

signals:
    void progress(int done, int total);
    void finished(bool ok, int profile);

private:
    void run(int profile);
    QString failureText(const ProfileWriter &writer) const;

    void hold(bool on) const;
    void tell(const QString &text) const;

    Parts parts;
    bool running = false;
};
