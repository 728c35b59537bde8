// SPDX-License-Identifier: MIT
// Recoil store: the shipped tables, round trips, short lists and missing files.
#include "tst_files_support.h"
#include <QtTest>

namespace {
const QString kSel = "./modules/gun/selGunData.bin";
QString gameFile(int g) { return QString("./modules/gun/gunData%1.bin").arg(g); }
}

class tst_files_recoil : public QObject
{
    Q_OBJECT
    FilesRig rig;

private slots:
    void cleanup() { rig.stop(); }

    // The press-gun page's built-in values, as the shipped files hold them.
    void shippedTablesMatchThePage()
    {
        rig.start();
        const QStringList names0 = {"VECTOR", "MICRO", "TMX", "UNP9", "AKM", "M16A4", "Mini14", "SCAR-L", "", "", "", ""};
        for (int game = 0; game < 3; ++game) {
            const QVariantList v = rig.view->getGundata(game);
            QCOMPARE(v.size(), 84);
            for (int gun = 0; gun < 12; ++gun) {
                const QVariantList r = v.mid(gun * 7, 7);
                QCOMPARE(r.at(0).toString(), game == 0 ? names0.at(gun) : QString());
                QCOMPARE(toInts(r.mid(1)), QList<int>({qMin(gun, 3), 0, gun < 3 ? 5 + gun : 7, 1, 1, 1}));
            }
        }
        for (int slot = 0; slot < 3; ++slot) {
            const QList<int> sel = toInts(rig.view->getSelGundata(slot));
            QCOMPARE(sel.size(), 4);
            QVERIFY(sel.at(2) >= 0 && sel.at(2) <= 255);
            QVERIFY(sel.at(3) >= 10 && sel.at(3) <= 100);
        }
    }

    void gameNumberAsNumberOrText()
    {
        rig.start();
        QSettings(gameFile(1), QSettings::IniFormat).setValue("gunData/0", QVariantList{"X", 9, 0, 5, 1, 1, 1});
        QCOMPARE(rig.view->getGundata(1).at(0).toString(), QString("X"));
        QCOMPARE(rig.view->getGundata("1"), rig.view->getGundata(1));
        QCOMPARE(rig.view->getGundata(1.0), rig.view->getGundata(1));
        QVERIFY(rig.view->getGundata(7).isEmpty());
        QVERIFY(rig.view->getGundata("../setting/p1").isEmpty());
    }

    void saveWritesTwelveRecordsAndReadsBack()
    {
        rig.start();
        QVariantList values;
        for (int gun = 0; gun < 12; ++gun)
            values << QString("Gun, %1").arg(gun) << gun << -gun << gun * 2 << 3 << gun % 2 << 1;
        values << 999;   // beyond 84: ignored
        rig.view->saveGundata(2, values);
        QCOMPARE(rig.view->getGundata(2).size(), 84);
        QSettings file(gameFile(2), QSettings::IniFormat);
        QCOMPARE(file.childGroups(), QStringList({"gunData"}));
        file.beginGroup("gunData");
        QCOMPARE(file.childKeys().size(), 12);
        file.endGroup();
        const QVariantList back = rig.view->getGundata(2);
        for (int i = 0; i < 84; ++i)
            QCOMPARE(back.at(i).toString(), values.at(i).toString());
    }

    void shortListWritesNothing()
    {
        rig.start();
        const QByteArray before = FilesRig::read(gameFile(0));
        QVariantList values;
        for (int i = 0; i < 83; ++i)
            values << 1;
        rig.view->saveGundata(0, values);
        rig.view->saveGundata(0, {});
        QCOMPARE(FilesRig::read(gameFile(0)), before);
    }

    // A shipped file that went missing is rebuilt from the copy in the program, so the
    // page's edits are kept; a game the program does not ship stays without a file.
    void missingShippedFilesAreRebuilt()
    {
        rig.start(false, 1);
        QVariantList values;
        for (int i = 0; i < 84; ++i)
            values << 1;
        rig.view->saveGundata(0, values);
        rig.view->saveSelGundata(2, ints({0, 5, 0, 10}));
        QCOMPARE(toInts(rig.view->getGundata(0)), toInts(values));
        QCOMPARE(toInts(rig.view->getSelGundata(2)), QList<int>({0, 5, 0, 10}));
        QCOMPARE(rig.view->getSelGundata(0).size(), 4);   // the rest from the shipped file
        rig.view->saveGundata(7, values);
        QVERIFY(!QFile::exists("./modules/gun/gunData7.bin"));
        QVERIFY(rig.view->getGundata(7).isEmpty());
    }

    void fireKeyChoiceRoundTrip()
    {
        rig.start();
        rig.view->saveSelGundata(2, ints({0, 5, 0, 10}));
        QCOMPARE(toInts(rig.view->getSelGundata(2)), QList<int>({0, 5, 0, 10}));
        QCOMPARE(toInts(rig.view->getSelGundata("2")), QList<int>({0, 5, 0, 10}));
        QVERIFY(rig.view->getSelGundata(5).isEmpty());
    }
};

QTEST_MAIN(tst_files_recoil)
#include "tst_files_recoil.moc"
