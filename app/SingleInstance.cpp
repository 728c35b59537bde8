// SPDX-License-Identifier: MIT
// Lock file and command socket of the running copy (see SingleInstance.h). Each line a
// client sends is a command word and its arguments; each gets exactly one reply line.
#include "SingleInstance.h"
#include <QCryptographicHash>
#include <QDebug>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace {
const QString kLockName = QStringLiteral("r5config.lock");
constexpr int kMaxLine = 4096;   // a command line longer than this is not one
constexpr qint64 kPatienceMs = 10000;   // for a copy that answers nothing, or a subcommand to end
}

SingleInstance::SingleInstance(const QString &settingsFolder, QObject *parent)
    : QObject(parent), folder(settingsFolder)
{
    connect(&server, &QLocalServer::newConnection, this, &SingleInstance::onConnection);
}

SingleInstance::~SingleInstance()
{
    server.close();
    if (lock)
        lock->unlock();
}

QString SingleInstance::serverName(const QString &settingsFolder)
{
    // One name per user and folder: copies started from other folders are other programs.
    const QByteArray where = QFileInfo(settingsFolder).absoluteFilePath().toUtf8() + '\n' + QByteArray::number(getuid());
    return QStringLiteral("r5config-")
           + QString::fromLatin1(QCryptographicHash::hash(where, QCryptographicHash::Sha1).toHex().left(16));
}

SingleInstance::Claim SingleInstance::claim()
{
    QDir().mkpath(folder);
    lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + kLockName);
    // Held for the whole run: only a holder that no longer runs makes it stale.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return listenFirst();
    if (lock->error() != QLockFile::LockFailedError) {
        qDebug().noquote() << "No lock in" << folder << "- a second copy would not be noticed";
        lock.reset();
        return Claim::Unguarded;
    }
    // The running copy may still be starting: its socket follows the lock at once, but
    // give it a few tries before giving up. A subcommand holds the lock without a socket
    // for a moment; once it lets go, this copy runs.
    QElapsedTimer clock;
    clock.start();
    for (int attempt = 0; attempt < 5 || clock.elapsed() < kPatienceMs; ++attempt) {
        if (lock->tryLock(0))
            return listenFirst();
        const QString reply = send(folder, QStringLiteral("raise"));
        if (reply.startsWith(QLatin1String("ok")))
            break;
        QThread::msleep(200);
    }
    qDebug().noquote() << "Another copy is running with the settings in" << folder;
    lock.reset();
    return Claim::Forwarded;
}

SingleInstance::Claim SingleInstance::listenFirst()
{
    const QString name = serverName(folder);
    QLocalServer::removeServer(name);   // left behind by a copy that crashed
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(name))
        qDebug().noquote() << "Command socket not available:" << server.errorString();
    return Claim::First;
}

SingleInstance::Claim SingleInstance::holdQuietly()
{
    QDir().mkpath(folder);
    lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + kLockName);
    lock->setStaleLockTime(0);
    if (lock->tryLock(0))
        return Claim::First;
    const bool held = lock->error() == QLockFile::LockFailedError;
    lock.reset();
    return held ? Claim::Forwarded : Claim::Unguarded;
}

void SingleInstance::setHandler(const QString &command, Handler handler) { handlers.insert(command, std::move(handler)); }

QString SingleInstance::send(const QString &settingsFolder, const QString &commandLine, int timeoutMs)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(settingsFolder));
    if (!socket.waitForConnected(timeoutMs))
        return QString();
    socket.write(commandLine.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return QString();
    QElapsedTimer clock;
    clock.start();
    while (!socket.canReadLine()) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left))
            return QString();
    }
    return QString::fromUtf8(socket.readLine()).trimmed();
}

void SingleInstance::onConnection()
{
    while (QLocalSocket *socket = server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadable(socket); });
        onReadable(socket);
    }
}

void SingleInstance::onReadable(QLocalSocket *socket)
{
    while (socket->canReadLine()) {
        const QString line = QString::fromUtf8(socket->readLine()).trimmed();
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QString reply;
        if (words.isEmpty()) {
            reply = QStringLiteral("error empty command");
        } else {
            const QString command = words.takeFirst();
            const auto handler = handlers.constFind(command);
            reply = handler == handlers.constEnd() ? QStringLiteral("error unknown command %1").arg(command)
                                                   : (*handler)(words);
        }
        socket->write(reply.toUtf8() + '\n');
    }
    if (!socket->canReadLine() && socket->bytesAvailable() > kMaxLine) {
        socket->write("error line too long\n");
        socket->disconnectFromServer();
    }
}
