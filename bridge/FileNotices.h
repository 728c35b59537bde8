// SPDX-License-Identifier: MIT
// Tells the user about files that were damaged, unreadable or could not be saved: one
// message naming each file, once a run, gathered into one box when several come at once.
#pragma once
#include "FileSafety.h"
#include <QObject>
#include <QSet>
#include <QStringList>

class myQQuickView;

class FileNotices : public QObject
{
    Q_OBJECT
public:
    explicit FileNotices(myQQuickView *view);
    ~FileNotices() override;

    // The text of one notice in the current language.
    QString text(const QString &path, FileSafety::Problem problem, const QString &keptAs) const;

private:
    void add(const QString &path, FileSafety::Problem problem, const QString &keptAs);
    void show();

    myQQuickView *view;
    QSet<QString> told;     // files the user has heard about this run
    QStringList pending;    // texts waiting for the next pass of the event loop
    bool showing = false;   // a box is open
};
