// SPDX-License-Identifier: MIT
// Shared rig of the file-module tests: a fresh run folder, a view without a device link
// (the family pinned), and a dialog seam that records questions and answers from a script.
#pragma once
#include "ProfileFiles.h"
#include "TestSupport.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSettings>
#include <QTest>
#include <memory>

class FilesRig
{
public:
    ~FilesRig() { stop(); }

    // Enters a fresh run folder; prepare() runs before the view is built (files that must
    // exist when the view opens them).
    template <typename Prepare> void start(bool withData, int family, Prepare prepare)
    {
        stop();
        dir.reset(TestSupport::enterFreshRunFolder(withData));
        dialogs.reset(new TestSupport::DialogRecorder);
        ProfileFiles::setFamilyOverrideForTests(family);
        prepare();
        view.reset(new myQQuickView);
    }
    void start(bool withData = true, int family = 1) { start(withData, family, [] {}); }

    void stop()
    {
        view.reset();
        dialogs.reset();
        ProfileFiles::setFamilyOverrideForTests(ProfileFiles::kNoOverride);
        if (dir)
            QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString &path, const QByteArray &bytes)
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    // Digest of every file under ./modules, to show what an operation touched.
    static QMap<QString, QByteArray> snapshot()
    {
        QMap<QString, QByteArray> out;
        QDirIterator it(QStringLiteral("./modules"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            out.insert(p, QCryptographicHash::hash(read(p), QCryptographicHash::Sha1));
        }
        return out;
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<myQQuickView> view;
    // What was asked; fileNames are handed to the next dialogs (none left: cancelled).
    std::unique_ptr<TestSupport::DialogRecorder> dialogs;
};

using TestSupport::ints;
using TestSupport::toInts;
