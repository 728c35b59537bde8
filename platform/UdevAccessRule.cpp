// SPDX-License-Identifier: MIT
// Looks for the mouse's access rule among udev's rules and builds the command that
// installs the shipped copy (see UdevAccessRule.h).
#include "UdevAccessRule.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {
QStringList &overrideFolders()
{
    static QStringList folders;
    return folders;
}

QStringList ruleFolders()
{
    if (!overrideFolders().isEmpty())
        return overrideFolders();
    // Every folder udev reads rules from: administrator, runtime, local and packaged.
    return {QStringLiteral("/etc/udev/rules.d"), QStringLiteral("/run/udev/rules.d"),
            QStringLiteral("/usr/local/lib/udev/rules.d"), QStringLiteral("/usr/lib/udev/rules.d"),
            QStringLiteral("/lib/udev/rules.d")};
}

bool grantsTheMouse(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed().toLower();
        if (line.startsWith(QLatin1Char('#')))
            continue;
        if (line.contains(QLatin1String("04d9")) && line.contains(QLatin1String("a6c2"))
            && line.contains(QLatin1String("uaccess")))
            return true;
    }
    return false;
}

// Quoted for a POSIX shell only when it needs it.
QString shellWord(const QString &word)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    if (plain.match(word).hasMatch())
        return word;
    QString quoted = word;
    quoted.replace(QLatin1Char('\''), QLatin1String("'\\''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'');
}
}

QString UdevAccessRule::fileName() { return QStringLiteral("70-r5config.rules"); }

bool UdevAccessRule::isInstalled()
{
    // As udev does, a file hides any file of the same name in the folders after it
    // (an empty or /dev/null rule in /etc switches a packaged one off).
    QSet<QString> seen;
    for (const QString &folder : ruleFolders()) {
        const QDir dir(folder);
        for (const QString &file : dir.entryList({QStringLiteral("*.rules")}, QDir::Files | QDir::System)) {
            if (seen.contains(file))
                continue;
            seen.insert(file);
            if (grantsTheMouse(dir.filePath(file)))
                return true;
        }
    }
    return false;
}

QString UdevAccessRule::shippedRule()
{
    const QDir here = QDir::current();
    const QStringList candidates = {here.absoluteFilePath(fileName()),
                                    QDir::cleanPath(here.absoluteFilePath(QStringLiteral("../share/r5config/")
                                                                          + fileName()))};
    for (const QString &c : candidates)
        if (QFileInfo(c).isFile())
            return c;
    return candidates.first();
}

QString UdevAccessRule::installCommand()
{
    return QStringLiteral("sudo cp %1 /etc/udev/rules.d/ && sudo udevadm control --reload && sudo udevadm trigger")
        .arg(shellWord(shippedRule()));
}

void UdevAccessRule::setRuleFolders(const QStringList &folders) { overrideFolders() = folders; }
