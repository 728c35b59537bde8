// SPDX-License-Identifier: MIT
// Recoil tables of the press-gun page: per game twelve weapons of seven values, and the
// three fire-key choices, in the recoil folder of the layout (seeded from the shipped files).
#pragma once
#include <QObject>
#include <QVariant>
#include <QVariantList>

class RecoilStore : public QObject
{
    Q_OBJECT
public:
    explicit RecoilStore(QObject *parent = nullptr);

    static constexpr int kGuns = 12;
    static constexpr int kFields = 7;

    // gunData<game>.bin in the recoil folder, or empty when the game number is not a number.
    static QString gamePath(const QVariant &gameNo);

    void saveGundata(const QVariant &gameNo, const QVariantList &gunData);
    void saveSelGundata(const QVariant &selGun, const QVariantList &gunData);
    QVariantList getGundata(const QVariant &gameNo) const;
    QVariantList getSelGundata(const QVariant &selGun) const;
};
