// SPDX-License-Identifier: MIT
// Global, observe-only capture of keys and mouse buttons through the X RECORD extension,
// on its own X connections and thread; events reach the sinks queued on the GUI thread.
#pragma once
#include "InputScanCodes.h"
#include <QByteArray>
#include <QObject>
#include <memory>

class X11InputRecorder : public QObject
{
    Q_OBJECT
public:
    // The sinks are called on the thread this object lives in (the GUI thread).
    X11InputRecorder(InputScanCodes::KeySink keySink, InputScanCodes::ButtonSink buttonSink,
                     QObject *parent = nullptr);
    ~X11InputRecorder() override;

    // Empty: the DISPLAY of the environment.
    void setDisplayName(const QByteArray &name);
    // Connects and starts recording; false when there is no X server or it lacks RECORD.
    // Returns once the server has confirmed that recording runs, so no later key is missed.
    bool start();
    // Stops recording and waits for the recorder thread; safe to call twice.
    void stop();
    bool isRunning() const;
    // The server's id of the recording context while one exists, else 0 (tests).
    quint32 recordContext() const;

    // Whether an X server is reachable and offers RECORD, asked on a short-lived
    // connection that records nothing. Empty: the DISPLAY of the environment.
    static bool isAvailable(const QByteArray &displayName = QByteArray());

private:
    struct Private;
    std::unique_ptr<Private> d;
};
