// SPDX-License-Identifier: MIT
// Native dialogs behind a replaceable responder (see UserDialogs.h).
#include "UserDialogs.h"
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>

namespace {
UserDialogs::Responder &responder()
{
    static UserDialogs::Responder r;
    return r;
}
}

void UserDialogs::setResponder(Responder r) { responder() = std::move(r); }

QString UserDialogs::startPath(QStandardPaths::StandardLocation where, const QString &defaultName)
{
    QString folder = QStandardPaths::writableLocation(where);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return defaultName.isEmpty() ? folder : QDir(folder).filePath(defaultName);
}

FileDialogs UserDialogs::fileDialogs(QWidget *parent)
{
    FileDialogs dialogs;
    dialogs.open = [parent](const QString &caption, QStandardPaths::StandardLocation where, const QString &name,
                            const QString &filter) { return getOpenFileName(parent, caption, startPath(where, name), filter); };
    dialogs.save = [parent](const QString &caption, QStandardPaths::StandardLocation where, const QString &name,
                            const QString &filter) { return getSaveFileName(parent, caption, startPath(where, name), filter); };
    return dialogs;
}

QString UserDialogs::getOpenFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (responder())
        return responder()({DialogRequest::OpenFile, caption, dir, filter}).fileName;
    return QFileDialog::getOpenFileName(parent, caption, dir, filter);
}

QString UserDialogs::getSaveFileName(QWidget *parent, const QString &caption, const QString &dir, const QString &filter)
{
    if (responder())
        return responder()({DialogRequest::SaveFile, caption, dir, filter}).fileName;
    return QFileDialog::getSaveFileName(parent, caption, dir, filter);
}

QMessageBox::StandardButton UserDialogs::warning(QWidget *parent, const QString &title, const QString &text,
                                                 QMessageBox::StandardButtons buttons,
                                                 QMessageBox::StandardButton defaultButton)
{
    if (responder())
        return responder()({DialogRequest::Warning, title, text, QString(), buttons, defaultButton}).button;
    return QMessageBox::warning(parent, title, text, buttons, defaultButton);
}
