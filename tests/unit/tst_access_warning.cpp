// SPDX-License-Identifier: MIT
// The window's side of a rejected device: the settings the check reads, whether the
// udev rule is installed and the command that installs it, and the warning text per
// reason and language.
#include "DeviceCheckSettings.h"
#include "DiskLayout.h"
#include "DeviceWarning.h"
#include "Localisation.h"
#include "TestSupport.h"
#include "UdevAccessRule.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QtTest>

using TestSupport::writeApConfig;

namespace {
const QString kAbsent = QStringLiteral("Can not detect R5 Gaming Mouse !");

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

HandshakeOutcome rejected(DeviceFault reason)
{
    HandshakeOutcome o;
    o.verdict = HandshakeOutcome::Rejected;
    o.reason = reason;
    o.productName = QStringLiteral("R5 Gaming Mouse");
    return o;
}

QString secondLine(const QString &text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    return lines.size() == 2 ? lines.at(1) : QString();
}
}

class tst_access_warning : public QObject
{
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    QString rules;   // a udev rules folder of the test's own

private slots:
    void init()
    {
        dir.reset(TestSupport::enterFreshRunFolder());
        rules = dir->path() + "/rules.d";
        QDir().mkpath(rules);
        UdevAccessRule::setRuleFolders({rules});
    }
    void cleanup()
    {
        UdevAccessRule::setRuleFolders({});
        QDir::setCurrent(QDir::tempPath());
        dir.reset();
    }

    void settingsOfTheCheck()
    {
        // The shipped settings: both product names, the factory code, English.
        DeviceCheckSettings s = DeviceCheckSettings::read();
        QCOMPARE(s.productNames, QStringList({"R4 Gaming Keyboard", "R5 Gaming Mouse"}));
        QCOMPARE(s.codeText(1), QString("583120"));
        QCOMPARE(s.languageCode, QString("031000"));

        writeApConfig({{"common/sCode0", "kbkbkb"}, {"common/sCode1", "m-corbel"}, {"common/sCode2", "zzzzzz"}});
        s = DeviceCheckSettings::read();
        QCOMPARE(s.codeText(0), QString("kbkbkb"));
        QCOMPARE(s.codeText(1), QString("m-corbel"));
        QCOMPARE(s.codeText(2), QString());   // only the keyboard and mouse entries have codes

        // Without a settings file: no names, the factory code, no language.
        QVERIFY(QFile::remove(DiskLayout::appSettingsPath()));
        s = DeviceCheckSettings::read();
        QVERIFY(s.productNames.isEmpty());
        QCOMPARE(s.codeText(0), QString("583120"));
        QCOMPARE(s.codeText(1), QString("583120"));
        QCOMPARE(s.languageCode, QString());
    }

    // The language is the settings page's position in the language list, by name.
    void languageOfTheWarning_data()
    {
        QTest::addColumn<QVariant>("total");
        QTest::addColumn<QVariant>("position");
        QTest::addColumn<QString>("code");
        QTest::newRow("first: Simplified") << QVariant(32) << QVariant(0) << "025044";
        QTest::newRow("second: Traditional") << QVariant(32) << QVariant("1") << "025208";
        QTest::newRow("third: English") << QVariant(32) << QVariant(2) << "031000";
        QTest::newRow("past the list") << QVariant(32) << QVariant(3) << "";
        QTest::newRow("negative") << QVariant(32) << QVariant(-1) << "";
        QTest::newRow("not a number") << QVariant(32) << QVariant("x") << "";
        QTest::newRow("vector too short") << QVariant(4) << QVariant(0) << "";
    }
    void languageOfTheWarning()
    {
        QFETCH(QVariant, total);
        QFETCH(QVariant, position);
        QFETCH(QString, code);
        writeApConfig({{"common/total", total}, {"common/4", position}});
        QCOMPARE(DeviceCheckSettings::read().languageCode, code);
    }

    void ruleDetection()
    {
        QVERIFY(!UdevAccessRule::isInstalled());

        // The rule this program ships counts as installed wherever udev reads rules.
        QVERIFY(QFile::copy(TestSupport::sourceDir() + "/packaging/70-r5config.rules", rules + "/70-r5config.rules"));
        QVERIFY(UdevAccessRule::isInstalled());

        // A file of the same name in an earlier folder hides it, as udev does.
        const QString etc = dir->path() + "/etc";
        writeFile(etc + "/70-r5config.rules", "");
        UdevAccessRule::setRuleFolders({etc, rules});
        QVERIFY(!UdevAccessRule::isInstalled());

        // Another name that grants the mouse counts too; a commented line, another
        // product or a rule without uaccess does not.
        writeFile(etc + "/60-other.rules",
                  "# KERNEL==\"hidraw*\", ATTRS{idVendor}==\"04d9\", ATTRS{idProduct}==\"a6c2\", TAG+=\"uaccess\"\n"
                  "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"04d9\", ATTRS{idProduct}==\"a6c3\", TAG+=\"uaccess\"\n"
                  "KERNEL==\"hidraw*\", ATTRS{idVendor}==\"04d9\", ATTRS{idProduct}==\"a6c2\", MODE=\"0600\"\n");
        QVERIFY(!UdevAccessRule::isInstalled());
        writeFile(etc + "/61-mine.rules",
                  "SUBSYSTEM==\"hidraw\", ATTRS{idVendor}==\"04D9\", ATTRS{idProduct}==\"A6C2\", TAG+=\"uaccess\"\n");
        QVERIFY(UdevAccessRule::isInstalled());

        // Folders that do not exist are no error.
        UdevAccessRule::setRuleFolders({dir->path() + "/none"});
        QVERIFY(!UdevAccessRule::isInstalled());
    }

    void installCommandNamesTheShippedRule()
    {
        const QString tail = " /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger";
        // Beside the program (the working directory is the program's folder).
        const QString here = QDir::current().absoluteFilePath("70-r5config.rules");
        writeFile(here, "rule");
        QCOMPARE(UdevAccessRule::installCommand(), "sudo cp " + here + tail);

        // Installed layout: the data folder next to the program's.
        QVERIFY(QFile::remove(here));
        QDir().mkpath("bin");
        QDir::setCurrent("bin");
        const QString shared = QDir::cleanPath(dir->path() + "/share/r5config/70-r5config.rules");
        writeFile(shared, "rule");
        QCOMPARE(UdevAccessRule::shippedRule(), shared);

        // A folder name with blanks and quotes comes out as one word of the shell.
        const QString odd = dir->path() + "/it's a \"run\" folder";
        QDir().mkpath(odd);
        QDir::setCurrent(odd);
        writeFile("70-r5config.rules", "rule");
        const QString command = UdevAccessRule::installCommand();
        QVERIFY(command.startsWith("sudo cp ") && command.endsWith(tail));
        const QString word = command.mid(8, command.size() - 8 - tail.size());
        QProcess sh;
        sh.start("sh", {"-c", "printf '%s' " + word});
        QVERIFY(sh.waitForFinished());
        QCOMPARE(QString::fromUtf8(sh.readAllStandardOutput()), odd + "/70-r5config.rules");
    }

    // Each reason gets its own line under the old text; an absent mouse keeps the old
    // text alone, in every language.
    void warningTextPerReason()
    {
        QCOMPARE(deviceWarningText(rejected(DeviceFault::Absent), "031000"), kAbsent);
        QCOMPARE(deviceWarningText(rejected(DeviceFault::Absent), "025044"), kAbsent);
        QCOMPARE(deviceWarningText(rejected(DeviceFault::Absent), ""), kAbsent);

        const QString noRule = deviceWarningText(rejected(DeviceFault::NoAccess), "031000");
        QVERIFY(QFile::copy(TestSupport::sourceDir() + "/packaging/70-r5config.rules", rules + "/70-r5config.rules"));
        const QString replug = deviceWarningText(rejected(DeviceFault::NoAccess), "031000");
        const QString busy = deviceWarningText(rejected(DeviceFault::Busy), "031000");
        const QString refused = deviceWarningText(rejected(DeviceFault::Refused), "031000");
        const QStringList lines = {secondLine(noRule), secondLine(replug), secondLine(busy), secondLine(refused)};
        for (const QString &text : {noRule, replug, busy, refused})
            QVERIFY2(text.startsWith(kAbsent + "\n") && !secondLine(text).isEmpty(), qPrintable(text));
        for (int i = 0; i < lines.size(); ++i)
            for (int j = i + 1; j < lines.size(); ++j)
                QVERIFY(lines.at(i) != lines.at(j));

        // Cause and fix: the rule and its install command, the replug, the other
        // program, the settings.
        QVERIFY2(lines[0].contains("no rights") && lines[0].endsWith(UdevAccessRule::installCommand()),
                 qPrintable(lines[0]));
        QVERIFY(lines[1].contains("unplug and replug") && !lines[1].contains("sudo"));
        QVERIFY(lines[2].contains("another program"));
        QVERIFY(lines[3].contains("did not accept the secrecy code") && lines[3].contains("not the cable"));
    }

    void warningTextLanguages()
    {
        // The shipped Chinese texts, with the command in place of %1.
        const QString zh = secondLine(deviceWarningText(rejected(DeviceFault::NoAccess), "025044"));
        QVERIFY2(zh.contains(QString::fromUtf8("权限")) && zh.endsWith(UdevAccessRule::installCommand()),
                 qPrintable(zh));
        QVERIFY(secondLine(deviceWarningText(rejected(DeviceFault::Busy), "025208")).contains(QString::fromUtf8("程式")));

        // A language file without the text falls back to English; one whose translation
        // lost its place holder still shows the command.
        writeFile("./modules/i18n/lang_031226.ini", "[msg]\n6=Keine Rechte.\n");
        const QString english = secondLine(deviceWarningText(rejected(DeviceFault::Busy), "031000"));
        QCOMPARE(secondLine(deviceWarningText(rejected(DeviceFault::Busy), "031226")), english);
        QCOMPARE(secondLine(deviceWarningText(rejected(DeviceFault::NoAccess), "031226")),
                 "Keine Rechte. " + UdevAccessRule::installCommand());
    }

    void shippedLanguagesCarryTheAccessTexts()
    {
        for (const QString &code : {"031000", "025044", "025208"}) {
            for (int i = 6; i <= 9; ++i) {
                QSettings s("./modules/i18n/lang_" + code + ".ini", QSettings::IniFormat);
                s.setIniCodec("UTF-8");
                const QVariant v = s.value(QString("msg/%1").arg(i));
                // One text each, not a list split at a comma.
                QVERIFY2(v.type() == QVariant::String && !v.toString().isEmpty(), qPrintable(code));
                if (code != "031000")
                    QVERIFY(v.toString() != Localisation::message("031000", i));
            }
            QVERIFY(Localisation::message(code, 6).contains("%1"));
        }
    }
};

QTEST_MAIN(tst_access_warning)
#include "tst_access_warning.moc"
