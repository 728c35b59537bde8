// SPDX-License-Identifier: MIT
// Recoil tables of the press-gun page. The files ship with the program; a file that went
// missing or was damaged is rebuilt from the copy built into the program, so the page's
// edits always have a file to go to.
#include "RecoilStore.h"
#include "FileSafety.h"
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

namespace {
const QString kSelGun = QStringLiteral("./modules/gun/selGunData.bin");
}

// The file ready for use: true when it exists and is sound (or was made so).
static bool ready(const QString &path, IniCheck::Kind kind)
{
    if (path.isEmpty())
        return false;
    FileSafety::ensureSound(path, {kind, FileSafety::shippedCopy(path)});
    return QFileInfo(path).isFile();
}

RecoilStore::RecoilStore(QObject *parent) : QObject(parent) {}

QString RecoilStore::gamePath(const QVariant &gameNo)
{
    // The number becomes part of a path: digits only, so it cannot leave the folder.
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,9}$"));
    const QString game = gameNo.toString();
    if (!digits.match(game).hasMatch())
        return QString();
    return QStringLiteral("./modules/gun/gunData") + game + QStringLiteral(".bin");
}

void RecoilStore::saveGundata(const QVariant &gameNo, const QVariantList &gunData)
{
    const QString path = gamePath(gameNo);
    // A short list would leave the table half old, half missing: write all or nothing.
    if (gunData.size() < kGuns * kFields || !ready(path, IniCheck::Kind::GunTable))
        return;
    QSettings s(path, QSettings::IniFormat);
    for (int k = 0; k < kGuns; ++k)
        s.setValue(QStringLiteral("gunData/%1").arg(k), gunData.mid(k * kFields, kFields));
    FileSafety::save(s);
}

QVariantList RecoilStore::getGundata(const QVariant &gameNo) const
{
    const QString path = gamePath(gameNo);
    if (!ready(path, IniCheck::Kind::GunTable))
        return {};
    QSettings s(path, QSettings::IniFormat);
    QVariantList result;
    for (int k = 0; k < kGuns; ++k)
        result += s.value(QStringLiteral("gunData/%1").arg(k)).toList();
    return result;
}

void RecoilStore::saveSelGundata(const QVariant &selGun, const QVariantList &gunData)
{
    if (!ready(kSelGun, IniCheck::Kind::GunChoice))
        return;
    QSettings s(kSelGun, QSettings::IniFormat);
    s.setValue(QStringLiteral("gunData/%1").arg(selGun.toInt()), gunData);
    FileSafety::save(s);
}

QVariantList RecoilStore::getSelGundata(const QVariant &selGun) const
{
    if (!ready(kSelGun, IniCheck::Kind::GunChoice))
        return {};
    QSettings s(kSelGun, QSettings::IniFormat);
    return s.value(QStringLiteral("gunData/%1").arg(selGun.toInt())).toList();
}
