// SPDX-License-Identifier: MIT
// Two copies at once: the command socket's line protocol in process, and the real program
// started twice on one run folder (the second brings the first forward and ends), then
// once more after the first was killed and left its lock behind.
#include "SingleInstance.h"
#include "TestSupport.h"
#include <QLocalSocket>
#include <QProcess>
#include <QtConcurrent>
#include <QtTest>
#include <csignal>
#include <unistd.h>

namespace {
// A blocking client must not run on the thread that serves the socket.
QString sendFromWorker(const QString &folder, const QString &line)
{
    QFuture<QString> reply = QtConcurrent::run([=] { return SingleInstance::send(folder, line, 5000); });
    while (!reply.isFinished())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return reply.result();
}

// True once the copy in `folder` answers on its socket.
bool answers(const QString &settings)
{
    return QTest::qWaitFor([&] { return !SingleInstance::send(settings, "hello", 300).isEmpty(); }, 30000);
}
} // namespace

class tst_single_instance : public QObject
{
    Q_OBJECT

private slots:
    void commandsAreLinesWithOneReplyEach()
    {
        QTemporaryDir dir;
        const QString settings = dir.path() + "/modules/setting";
        SingleInstance first(settings);
        QCOMPARE(first.claim(), SingleInstance::Claim::First);
        QVERIFY(QFile::exists(settings + "/r5config.lock"));
        int raised = 0;
        first.setHandler("raise", [&](const QStringList &) { ++raised; return QStringLiteral("ok"); });
        first.setHandler("echo", [](const QStringList &args) { return "ok " + args.join(' '); });

        QCOMPARE(sendFromWorker(settings, "raise"), QString("ok"));
        QCOMPARE(raised, 1);
        QCOMPARE(sendFromWorker(settings, "echo a  b"), QString("ok a b"));
        QCOMPARE(sendFromWorker(settings, "open profile"), QString("error unknown command open"));
        QCOMPARE(sendFromWorker(settings, "   "), QString("error empty command"));

        // Several commands on one connection, each answered in order.
        QFuture<QByteArray> replies = QtConcurrent::run([=] {
            QLocalSocket s;
            s.connectToServer(SingleInstance::serverName(settings));
            if (!s.waitForConnected(5000))
                return QByteArray();
            s.write("raise\necho x\nraise\n");
            QByteArray got;
            while (got.count('\n') < 3 && s.waitForReadyRead(5000))
                got += s.readAll();
            return got;
        });
        while (!replies.isFinished())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCOMPARE(replies.result(), QByteArray("ok\nok x\nok\n"));
        QCOMPARE(raised, 3);

        // Another folder is another program: nobody answers there.
        QCOMPARE(SingleInstance::send(dir.path() + "/elsewhere", "raise", 300), QString());
    }

    void secondCopyBringsTheFirstForwardAndEnds()
    {
        QTemporaryDir dir;
        QVERIFY(TestSupport::layOutProgram(dir.path()));
        const QString exe = dir.path() + "/r5config-sim";
        const QString settings = dir.path() + "/modules/setting";

        QProcess first;
        first.setProcessChannelMode(QProcess::MergedChannels);
        first.start(exe, QStringList());
        QVERIFY(first.waitForStarted(10000));
        QVERIFY2(answers(settings), "the first copy never opened its command socket");

        QProcess second;
        second.setProcessChannelMode(QProcess::MergedChannels);
        second.start(exe, QStringList());
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY2(second.readAll().contains("Another copy is running"), "the second copy did not notice the first");
        QCOMPARE(first.state(), QProcess::Running);
        QByteArray log;
        QVERIFY(QTest::qWaitFor([&] { log += first.readAll(); return log.contains("Raised by another copy"); }, 10000));

        // Killed, the first leaves its lock behind; the next copy takes it over and runs.
        ::kill(pid_t(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished(10000));
        QVERIFY(QFile::exists(settings + "/r5config.lock"));
        QProcess third;
        third.setProcessChannelMode(QProcess::MergedChannels);
        third.start(exe, QStringList());
        QVERIFY(third.waitForStarted(10000));
        QVERIFY2(answers(settings), "a stale lock kept the next copy from running");
        QCOMPARE(third.state(), QProcess::Running);
        ::kill(pid_t(third.processId()), SIGKILL);
        QVERIFY(third.waitForFinished(10000));
    }
};

QTEST_GUILESS_MAIN(tst_single_instance)
#include "tst_single_instance.moc"
