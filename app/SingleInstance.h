// SPDX-License-Identifier: MIT
// One copy of the program per settings folder: a lock file in that folder, and a local
// socket on which the running copy takes commands, one line each way ("raise" -> "ok").
#pragma once
#include <QHash>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QLocalSocket;

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // A command's reply: "ok", "ok <text>" or "error <text>", one line without its newline.
    using Handler = std::function<QString(const QStringList &arguments)>;

    explicit SingleInstance(const QString &settingsFolder, QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Claim {
        First,       // this copy runs and takes commands
        Forwarded,   // another copy runs and was asked to come to the front: exit
        Unguarded,   // the folder cannot hold a lock (read-only): run without the guard
    };
    Claim claim();
    // For a short run that must not overlap a window (a subcommand): takes the lock but
    // serves no commands. Forwarded means another copy holds it; nothing was sent to it.
    Claim holdQuietly();

    // Commands are words; further words on the line are the arguments.
    void setHandler(const QString &command, Handler handler);

    // Name of the local socket of the copy that uses settingsFolder.
    static QString serverName(const QString &settingsFolder);
    // Sends one command line to the running copy and returns its reply line, empty when
    // no copy answers within timeoutMs. Blocks; never call it on the running copy's thread.
    static QString send(const QString &settingsFolder, const QString &commandLine, int timeoutMs = 3000);

private:
    Claim listenFirst();
    void onConnection();
    void onReadable(QLocalSocket *socket);

    QString folder;
    std::unique_ptr<QLockFile> lock;
    QLocalServer server;
    QHash<QString, Handler> handlers;
};
