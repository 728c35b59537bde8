// SPDX-License-Identifier: MIT
// "ALL SAVE": the pages first store what they show in the current profile with their
// device writes held back, then the profile writer writes the whole profile to the mouse.
// Progress and the outcome go to QML; a failure is told to the user once.
#pragma once
#include <QObject>

class myQQuickView;
class ProfileWriter;

class AllSave : public QObject
{
    Q_OBJECT
public:
    explicit AllSave(myQQuickView *view);

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

    myQQuickView *view;
    bool running = false;
};
