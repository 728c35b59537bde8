// SPDX-License-Identifier: MIT
// The one seam for modal questions: file dialogs and warning boxes. Production shows
// native dialogs; tests install a responder that answers them and records what was asked.
#pragma once
#include "Collaborators.h"
#include <QMessageBox>
#include <QStandardPaths>
#include <QString>
#include <functional>

class QWidget;

struct DialogRequest {
    enum Kind { OpenFile, SaveFile, Warning } kind;
    QString caption;   // dialog caption or box title
    QString text;      // box text, or where a file dialog starts (folder, or folder/default name)
    QString filter;    // file filter
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

struct DialogAnswer {
    QString fileName;                                     // empty: cancelled
    QMessageBox::StandardButton button = QMessageBox::Ok;
};

namespace UserDialogs {
using Responder = std::function<DialogAnswer(const DialogRequest &)>;
// Installs a responder for tests; an empty one restores the native dialogs.
void setResponder(Responder responder);

// Where a file dialog starts: the folder `where` when it exists, else the home folder (a
// missing folder would otherwise end up as the file name); a save dialog's default file
// name is joined to it.
QString startPath(QStandardPaths::StandardLocation where, const QString &defaultName = QString());

// The file dialogs handed to the modules, shown over `parent`.
FileDialogs fileDialogs(QWidget *parent);

QString getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QString getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter);
QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                    QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
}
