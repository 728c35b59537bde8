// SPDX-License-Identifier: MIT
// Tells the user about files that were damaged, unreadable or could not be saved: one
// message naming each file, once a run, gathered into one box when several come at once.
#pragma once
#include "Collaborators.h"
#include "FileSafety.h"
#include <QObject>
#include <QSet>
#include <QStringList>

class Localisation;
class QWidget;

class FileNotices : public QObject
{
    Q_OBJECT
public:
    // `strings` words the notices (English without it); `window` names them and, while a
    // device link exists but the window is not shown yet, holds them back.
    FileNotices(const Localisation *strings, QWidget *window, LinkSource link, Warn warn, QObject *parent = nullptr);
    ~FileNotices() override;

    // The text of one notice in the current language.
    QString text(const QString &path, FileSafety::Problem problem, const QString &keptAs) const;

private:
    void add(const QString &path, FileSafety::Problem problem, const QString &keptAs);
    void show();

    const Localisation *strings;
    QWidget *window;
    LinkSource link;
    Warn warn;
    QSet<QString> told;     // files the user has heard about this run
    QStringList pending;    // texts waiting for the next pass of the event loop
    bool showing = false;   // a box is open
};
