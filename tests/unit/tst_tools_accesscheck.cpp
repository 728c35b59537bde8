// SPDX-License-Identifier: MIT
// tools/check-access.sh, which tools/run.sh runs before the real program: a fake /sys and
// /dev with the mouse's hidraw nodes, the advice it prints, and its exit status.
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>
#include <unistd.h>

namespace {
void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// One hidraw node of the fake system: its uevent names the device, its node has `mode`.
void addNode(const QString &root, const QString &name, const QByteArray &hidId, QFile::Permissions mode)
{
    writeFile(root + "/sys/class/hidraw/" + name + "/device/uevent",
              "DRIVER=hid-generic\nHID_ID=" + hidId + "\nHID_NAME=Some Device\n");
    writeFile(root + "/dev/" + name, "");
    QVERIFY(QFile::setPermissions(root + "/dev/" + name, mode));
}

const QFile::Permissions kOpen = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther;
// Not even its owner may read or write it: the test may run as the superuser or not.
const QFile::Permissions kClosed = {};
}

class tst_tools_accesscheck : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString root;

    // Runs the check as a user who is not the nodes' owner: as the superuser every node
    // is readable and writable, so then the check runs as "nobody".
    int check(QString *output)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("R5_ACCESS_ROOT", root);
        p.setProcessEnvironment(env);
        const QString script = TestSupport::sourceDir() + "/tools/check-access.sh";
        if (::geteuid() == 0)
            p.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "bash", script});
        else
            p.start("bash", {script});
        if (!p.waitForFinished(30000))
            return -1;
        *output = QString::fromUtf8(p.readAll());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

private slots:
    void initTestCase()
    {
        if (::geteuid() != 0)
            return;
        QProcess probe;
        probe.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups", "true"});
        if (!probe.waitForFinished(10000) || probe.exitCode() != 0)
            QSKIP("running as the superuser, and no other user to run the check as");
    }

    void init()
    {
        dir.reset(new QTemporaryDir);
        root = dir->path() + "/root";
        QDir().mkpath(root);
        // "nobody" must be able to walk the fake tree (a temporary folder is the owner's only).
        QFile::setPermissions(dir->path(), QFile::permissions(dir->path()) | QFile::ReadOther | QFile::ExeOther);
    }

    void noMouseOrAUsableMousePasses()
    {
        QString out;
        QCOMPARE(check(&out), 0);
        QCOMPARE(out, QString());

        // Another device's closed node is none of its business; the mouse's nodes are open.
        addNode(root, "hidraw0", "0003:0000046D:0000C52B", kClosed);
        addNode(root, "hidraw1", "0003:000004D9:0000A6C2", kOpen);
        addNode(root, "hidraw2", "0003:000004D9:0000A6C2", kOpen);
        QCOMPARE(check(&out), 0);
        QCOMPARE(out, QString());
    }

    void mouseWithoutRightsGetsTheFix()
    {
        addNode(root, "hidraw1", "0003:000004D9:0000A6C2", kOpen);
        addNode(root, "hidraw2", "0003:000004D9:0000A6C2", kClosed);

        // No rule yet: the command that installs the shipped one.
        QString out;
        QCOMPARE(check(&out), 1);
        QVERIFY2(out.contains("no rights to use it (" + root + "/dev/hidraw2)"), qPrintable(out));
        const QString rule = QDir(TestSupport::sourceDir()).canonicalPath() + "/packaging/70-r5config.rules";
        QVERIFY2(out.contains("  sudo cp " + rule + " /etc/udev/rules.d/ && sudo udevadm control --reload"
                              " && sudo udevadm trigger\n"),
                 qPrintable(out));

        // A rule that only names another product is no rule for the mouse.
        writeFile(root + "/etc/udev/rules.d/60-other.rules",
                  "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"04d9\", ATTRS{idProduct}==\"8b31\", TAG+=\"uaccess\"\n");
        QCOMPARE(check(&out), 1);
        QVERIFY(out.contains("sudo cp "));

        // The rule installed: replug or log in again.
        QDir().mkpath(root + "/usr/lib/udev/rules.d");
        QVERIFY(QFile::copy(TestSupport::sourceDir() + "/packaging/70-r5config.rules",
                            root + "/usr/lib/udev/rules.d/70-r5config.rules"));
        QCOMPARE(check(&out), 1);
        QVERIFY2(out.contains("unplug and replug the mouse, or log out and in again"), qPrintable(out));
        QVERIFY(!out.contains("sudo"));

        // ...unless an empty file of its name in /etc switches it off.
        writeFile(root + "/etc/udev/rules.d/70-r5config.rules", "");
        QCOMPARE(check(&out), 1);
        QVERIFY(out.contains("sudo cp "));
    }
};

QTEST_MAIN(tst_tools_accesscheck)
#include "tst_tools_accesscheck.moc"
