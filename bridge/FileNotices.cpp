// SPDX-License-Identifier: MIT
// File notices: gathered while files are opened and shown from the event loop, so a
// start-up with several damaged files shows one box, after the window is up.
#include "FileNotices.h"
#include "Localisation.h"
#include "MessageTexts.h"
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QWidget>

FileNotices::FileNotices(const Localisation *strings, QWidget *window, LinkSource link, Warn warn, QObject *parent)
    : QObject(parent), strings(strings), window(window), link(std::move(link)), warn(std::move(warn))
{
    FileSafety::setReporter([this](const QString &path, FileSafety::Problem problem, const QString &keptAs) {
        add(path, problem, keptAs);
    });
}

FileNotices::~FileNotices() { FileSafety::setReporter({}); }

QString FileNotices::text(const QString &path, FileSafety::Problem problem, const QString &keptAs) const
{
    int index = MessageTexts::FileUnreadable;
    switch (problem) {
    case FileSafety::Problem::Damaged: index = keptAs.isEmpty() ? MessageTexts::FileRebuilt : MessageTexts::FileDamaged; break;
    case FileSafety::Problem::Unreadable: index = MessageTexts::FileUnreadable; break;
    case FileSafety::Problem::Unwritable: index = MessageTexts::FileUnwritable; break;
    case FileSafety::Problem::ImportRepaired: index = MessageTexts::ImportRepaired; break;
    }
    const QString message = strings ? strings->message(index) : MessageTexts::english(index);
    auto shown = [](const QString &p) { return QDir::toNativeSeparators(QFileInfo(p).absoluteFilePath()); };
    // Only the text about a kept copy names it (%2).
    return keptAs.isEmpty() ? message.arg(shown(path)) : message.arg(shown(path), QFileInfo(keptAs).fileName());
}

void FileNotices::add(const QString &path, FileSafety::Problem problem, const QString &keptAs)
{
    const QString key = QFileInfo(path).absoluteFilePath();
    if (told.contains(key))
        return;
    told.insert(key);
    pending.append(text(path, problem, keptAs));
    // While a box is open, what comes in waits for it to close: boxes follow each other,
    // never stack.
    if (pending.size() == 1 && !showing)
        QTimer::singleShot(0, this, &FileNotices::show);
}

void FileNotices::show()
{
    // A program that never showed its window (device refused) ends without more boxes.
    if (link && link() && !window->window()->isVisible()) {
        QTimer::singleShot(250, this, &FileNotices::show);
        return;
    }
    showing = true;
    while (!pending.isEmpty()) {
        const QString all = pending.join(QStringLiteral("\n\n"));
        pending.clear();
        // Without a parent, as every box of the program: the frameless window is see-through.
        if (warn)
            warn(window->window()->windowTitle(), all);
    }
    showing = false;
}
