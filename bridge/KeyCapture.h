// SPDX-License-Identifier: MIT
// Input capture on demand for the pages: an armed key field or a running recording claims
// capture while it needs keys; without global capture the user is told once a run that
// keys are read only while the window has focus.
#pragma once
#include "Collaborators.h"
#include <QObject>

class Localisation;
class QWidget;

class KeyCapture : public QObject
{
    Q_OBJECT
public:
    // `window` names the notice that `strings` words and `warn` shows.
    KeyCapture(const Localisation *strings, QWidget *window, Warn warn, QObject *parent = nullptr);

    // Whether keys are being read now.
    bool claim(QObject *consumer);
    void release(QObject *consumer);
    // 0 no capture, 1 global (the whole desktop), 2 only while the window has focus.
    static int mode();

private:
    const Localisation *strings;
    QWidget *window;
    Warn warn;
    bool noticeShown = false;   // the in-window notice, once per run
};
