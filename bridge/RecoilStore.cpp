// SPDX-License-Identifier: MIT
// Recoil tables of the press-gun page. The files ship with the program; the working copy
// in the recoil folder that went missing or was damaged is rebuilt from the shipped file
// (or the copy built into the program), so the page's edits always have a file to go to.
#include "RecoilStore.h"
#include "DiskLayout.h"
#include "FileSafety.h"
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

// The file ready for use: true when it exists and is sound (or was made so). An installed
// program seeds the user's copy from the shipped file and brings it keys a newer one has.
static bool ready(const QString &path, const QString &shippedName, IniCheck::Kind kind)
{
    if (path.isEmpty())
        return false;
    const QByteArray factory = FileSafety::factoryContents(shippedName, kind);
    QDir().mkpath(DiskLayout::recoilFolder());   // the user's folder before the first seed
    FileSafety::ensureSound(path, {kind, factory});
    static QSet<QString> upgraded;   // once a run is enough
    if (DiskLayout::isInstalled() && QFileInfo(path).isFile() && !upgraded.contains(path)) {
        upgraded.insert(path);
        QSettings s(path, QSettings::IniFormat);
        if (FileSafety::takeNewKeys(s, factory))
            FileSafety::save(s);
    }
    return QFileInfo(path).isFile();
}

// The number of a game as it appears in file names, or empty when it is not a number.
static QString gameNumber(const QVariant &gameNo)
{
    // The number becomes part of a path: digits only, so it cannot leave the folder.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const QString game = gameNo.toString();
    return digits.match(game).hasMatch() ? game : QString();
}

RecoilStore::RecoilStore(QObject *parent) : QObject(parent) {}

QString RecoilStore::gamePath(const QVariant &gameNo)
{
    const QString game = gameNumber(gameNo);
    return game.isEmpty() ? QString() : DiskLayout::gunTablePath(game);
}

void RecoilStore::saveGundata(const QVariant &gameNo, const QVariantList &gunData)
{
    const QString path = gamePath(gameNo);
    // A short list would leave the table half old, half missing: write all or nothing.
    if (gunData.size() < kGuns * kFields
        || !ready(path, DiskLayout::gunTableName(gameNumber(gameNo)), IniCheck::Kind::GunTable))
        return;
    QSettings s(path, QSettings::IniFormat);
    for (int k = 0; k < kGuns; ++k)
        s.setValue(DiskLayout::Key::gunRow(k), gunData.mid(k * kFields, kFields));
    FileSafety::save(s);
}

QVariantList RecoilStore::getGundata(const QVariant &gameNo) const
{
    const QString path = gamePath(gameNo);
    if (!ready(path, DiskLayout::gunTableName(gameNumber(gameNo)), IniCheck::Kind::GunTable))
        return {};
    QSettings s(path, QSettings::IniFormat);
    QVariantList result;
    for (int k = 0; k < kGuns; ++k)
        result += s.value(DiskLayout::Key::gunRow(k)).toList();
    return result;
}

void RecoilStore::saveSelGundata(const QVariant &selGun, const QVariantList &gunData)
{
    const QString path = DiskLayout::gunChoicePath();
    if (!ready(path, DiskLayout::gunChoiceName(), IniCheck::Kind::GunChoice))
        return;
    QSettings s(path, QSettings::IniFormat);
    s.setValue(DiskLayout::Key::gunRow(selGun.toInt()), gunData);
    FileSafety::save(s);
}

QVariantList RecoilStore::getSelGundata(const QVariant &selGun) const
{
    const QString path = DiskLayout::gunChoicePath();
    if (!ready(path, DiskLayout::gunChoiceName(), IniCheck::Kind::GunChoice))
        return {};
    QSettings s(path, QSettings::IniFormat);
    return s.value(DiskLayout::Key::gunRow(selGun.toInt())).toList();
}
