// SPDX-License-Identifier: MIT
// Application settings and profile files: vectors, factory reads, import, export, reset,
// and the shipped factory files themselves.
#include "DiskLayout.h"
#include "tst_files_support.h"
#include <QStandardPaths>
#include <QtTest>

namespace {
const QString kAp = DiskLayout::appSettingsPath();
const QString kApD = DiskLayout::appSettingsFactoryPath();
const QString kPD = DiskLayout::profileFactoryPath();
QString profileFile(int index) { return DiskLayout::profilePath(index); }

// The key page's built-in factory assignment, by key id.
const QList<int> kBuiltInKeys = {1, 0, 0xF0, 0, 1, 0, 0xF1, 0, 1, 0, 0xF2, 0, 1, 0, 0xF4, 0,
                                 1, 0, 0xF3, 0, 7, 0, 3, 0, 0x0B, 0, 0, 0, 7, 0, 3, 0,
                                 5, 0, 3, 0, 3, 0, 0x8A, 1, 3, 0, 0x23, 2, 3, 0, 0x94, 1,
                                 0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0, 4, 0, 2, 0};
}

class tst_files_profiles : public QObject
{
    Q_OBJECT
    FilesRig rig;

private slots:
    void cleanup() { rig.stop(); }

    void saveApConfigShrinkingKeepsOldTail()
    {
        rig.start();
        QVariantList forty, thirtyTwo;
        for (int i = 0; i < 40; ++i)
            forty.append(100 + i);
        for (int i = 0; i < 32; ++i)
            thirtyTwo.append(i);
        rig.view->saveApConfig(forty);
        rig.view->saveApConfig(thirtyTwo);
        rig.view->files->apConfig()->sync();

        QSettings file(kAp, QSettings::IniFormat);
        QCOMPARE(file.value("common/total").toInt(), 32);
        QCOMPARE(file.value("common/39").toInt(), 139);
        QCOMPARE(toInts(rig.view->loadApConfig()).size(), 32);
        QCOMPARE(rig.view->loadApConfig().at(31).toInt(), 31);
    }

    void loadApConfigWithoutTotalOrWithAbsurdTotal()
    {
        rig.start(true, 1, [] { FilesRig::write(kAp, "[common]\nname=X\n"); });
        QCOMPARE(rig.view->loadApConfig(), QVariantList());

        // Entries without their count are what is left of a cut file: the count is restored.
        rig.start(true, 1, [] { FilesRig::write(kAp, "[common]\nname=X\n0=7\n"); });
        QCOMPARE(rig.view->loadApConfig().size(), 32);
        QCOMPARE(rig.view->loadApConfig().at(0).toInt(), 7);

        // An absurd count is damage: the count and the entries it lost come from the factory.
        rig.start(true, 1, [] { FilesRig::write(kAp, "[common]\ntotal=2000000000\n0=7\n"); });
        const QVariantList repaired = rig.view->loadApConfig();
        QCOMPARE(repaired.size(), 32);
        QCOMPARE(repaired.at(0).toInt(), 7);
        QCOMPARE(repaired.at(1).toInt(), 1);
    }

    void deviceApConfigReadsColourStagesOrEight()
    {
        rig.start(true, 1, [] { FilesRig::write(kAp, "[R5]\ncolorMaxStage=4\n"); });
        QCOMPARE(rig.view->loadDeviceApConfig(), QVariantList({4}));
        rig.start(true, 1, [] { FilesRig::write(kAp, "[common]\nname=X\n"); });
        QCOMPARE(rig.view->loadDeviceApConfig(), QVariantList({8}));
    }

    void resetApconfigRestoresFactoryAndOldObjectNeverWritesBack()
    {
        rig.start();
        QVariantList mine;
        for (int i = 0; i < 32; ++i)
            mine.append(9);
        rig.view->saveApConfig(mine);   // pending in the old object, not yet on disk
        rig.view->resetApconfig();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        const QByteArray factory = FilesRig::read(kApD);
        QCOMPARE(FilesRig::read(kAp), factory);
        QCOMPARE(rig.view->loadApConfig().at(1).toInt(), 1);
        QCOMPARE(rig.view->files->apConfig()->value("common/name").toString(), QString("R5 Mouse Configurator"));
        rig.view.reset();
        QCOMPARE(FilesRig::read(kAp), factory);
    }

    void resetApconfigWithoutFactoryKeepsSettings()
    {
        rig.start();
        QFile::remove(kApD);
        const QByteArray before = FilesRig::read(kAp);
        rig.view->resetApconfig();
        QCOMPARE(FilesRig::read(kAp), before);
        QCOMPARE(rig.view->loadApConfig().size(), 32);
    }

    void skinChoiceNeedsTwoFolders()
    {
        rig.start();
        QVERIFY(!rig.view->getIsSkinShow());
        QDir().mkpath("./modules/img/skin1");
        FilesRig::write("./modules/img/readme.png", "x");
        QVERIFY(!rig.view->getIsSkinShow());
        QDir().mkpath("./modules/img/skin2");
        QVERIFY(rig.view->getIsSkinShow());
    }

    void defaultProfileSensorPositions()
    {
        rig.start();
        const QVariantList l = rig.view->loadDefaultProfile(3);
        QCOMPARE(l.size(), 45);
        QCOMPARE(toInts(l.mid(0, 4)), QList<int>({2, 5, 2, 5}));
        QCOMPARE(toInts(l.mid(4, 8)), QList<int>({800, 1600, 2000, 3200, 6400, 0, 0, 0}));
        QCOMPARE(l.at(12).toInt(), 2);
        QCOMPARE(l.at(13).toInt(), 255);   // stage 1 red
        QCOMPARE(toInts(l.mid(37, 8)), QList<int>({0, 2, 1, 3, 5, 4, 6, 7}));

        // A factory file without the DPI list shifts the stage to position 4.
        QSettings pd(kPD, QSettings::IniFormat);
        pd.remove(DiskLayout::Key::kDpi);
        pd.sync();
        const QVariantList shifted = rig.view->loadDefaultProfile(3);
        QCOMPARE(shifted.size(), 37);
        QCOMPARE(shifted.at(4).toInt(), 2);

        QVERIFY(rig.view->loadDefaultProfile(1).isEmpty());
        QVERIFY(rig.view->loadDefaultProfile(4).isEmpty());
    }

    void defaultProfileSensorDefaultsWhenKeysMissing()
    {
        rig.start(true, 1, [] { FilesRig::write(kPD, "[color_R5]\ntype0=1, 2, 3\n"); });
        QCOMPARE(toInts(rig.view->loadDefaultProfile(3)), QList<int>({2, 5, 2, 5, 2}));
        QCOMPARE(toInts(rig.view->loadDefaultProfile(2)), QList<int>({1, 2, 3}));
    }

    // The factory files must agree with the pages that read them.
    void shippedFactoryProfileMatchesPages()
    {
        rig.start();
        QCOMPARE(toInts(rig.view->loadDefaultProfile(0)), kBuiltInKeys);
        QCOMPARE(toInts(rig.view->loadDefaultKeyMatrix(0)), kBuiltInKeys);
        for (int m = 1; m <= 3; ++m) {
            const QList<int> matrix = toInts(rig.view->loadDefaultKeyMatrix(uchar(m)));
            QCOMPARE(matrix.size(), 64);
            const QList<int> sel = toInts(rig.view->getSelGundata(m - 1));
            QCOMPARE(matrix.mid(0, 4), QList<int>({0x0B, m - 1, sel.at(3), sel.at(2)}));
            QCOMPARE(matrix.mid(4), kBuiltInKeys.mid(4));
        }
        QVERIFY(rig.view->loadDefaultKeyMatrix(4).isEmpty());

        const QVariantList colour = rig.view->loadDefaultProfile(2);
        QCOMPARE(colour.size(), 27);
        QVERIFY(colour.at(24).toInt() > 0 && colour.at(24).toInt() < 10);   // light on, a listed effect

        // Stage values come from the sensor page's menu; the ids match the RGB of each stage.
        const QList<int> menu = {0, 600, 800, 1000, 1200, 1600, 1800, 2000, 2500, 3000, 3200, 3500,
                                 4000, 4500, 5000, 6000, 6400, 12000};
        const QList<int> fixed = {0xFF0000, 0x00FF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFF00, 0xFFFFFF, 0xFF7F00};
        const QList<int> sensor = toInts(rig.view->loadDefaultProfile(3));
        for (int i = 0; i < 8; ++i) {
            QVERIFY(menu.contains(sensor.at(4 + i)));
            const int rgb = sensor.at(13 + 3 * i) << 16 | sensor.at(14 + 3 * i) << 8 | sensor.at(15 + 3 * i);
            QCOMPARE(rgb, fixed.at(sensor.at(37 + i)));
        }

        QSettings pd(kPD, QSettings::IniFormat);
        using namespace DiskLayout::Key;
        for (QLatin1String key : {kReportRate, kCursorSpeed, kScrollLines, kDoubleClickSpeed, kDpiStage, kScrollSwap})
            QVERIFY2(pd.contains(key), key.data());
    }

    void shippedApplicationSettings()
    {
        rig.start();
        const QVariantList v = rig.view->loadApConfig();
        QCOMPARE(v.size(), 32);
        QCOMPARE(v.at(0).toInt(), 1);
        QCOMPARE(v.at(1).toInt(), 1);
        QCOMPARE(toInts(v.mid(8, 21)), QList<int>({0, 255, 255, 255, 200, 150, 255, 180, 0, 200, 200, 100,
                                                   200, 170, 255, 255, 180, 180, 160, 190, 160}));
        QVERIFY(v.at(31).toString().startsWith("https://"));
        // The stored language position points at English in the list the page builds.
        QCOMPARE(rig.view->chkLanguages().keys().value(v.at(4).toInt()), QString("ENGLISH"));

        QSettings *ap = rig.view->files->apConfig();
        QCOMPARE(ap->value("common/product_name").toStringList().size(), 2);
        QVERIFY(ap->value("common/product_name").toStringList().at(1).startsWith("R5 "));
        QCOMPARE(ap->value("common/sCode0").toString(), QString("583120"));
        QCOMPARE(ap->value("common/sCode1").toString(), QString("583120"));
        QVERIFY(!ap->value("common/name").toString().isEmpty());
    }

    void importIntoIndexFourTouchesOnlyP5()
    {
        rig.start();
        const QString source = rig.dir->path() + "/mine.pf";
        FilesRig::write(source, "[sensor]\nstage_R5=7\ncursorSpeed_R5=9\n");
        rig.view->files->profile(4)->setValue(DiskLayout::Key::kDpiStage, 3);   // pending in the old object
        rig.view->ui_02H_SetCurrentProfile(2);
        const auto before = FilesRig::snapshot();

        rig.dialogs->fileNames << source;
        rig.view->loadProfile(4);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].kind, DialogRequest::OpenFile);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Open File"));
        QCOMPARE(rig.dialogs->requests[0].filter, QString("Profile(*.pf)"));
        QCOMPARE(rig.dialogs->requests[0].text, UserDialogs::startPath(QStandardPaths::DesktopLocation));

        const auto after = FilesRig::snapshot();
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            if (!it.key().endsWith("/p5.bin"))
                QVERIFY2(after.value(it.key()) == it.value(), qPrintable(it.key()));
        QCOMPARE(FilesRig::read(profileFile(4)), FilesRig::read(source));
        QCOMPARE(rig.view->files->profile(4)->value(DiskLayout::Key::kDpiStage).toInt(), 7);
        QCOMPARE(rig.view->files->currentIndex(), 2);
        rig.view.reset();
        QCOMPARE(FilesRig::read(profileFile(4)), FilesRig::read(source));
    }

    void importRefusesWhatIsNotAProfile()
    {
        rig.start();
        const QByteArray p5 = FilesRig::read(profileFile(4));
        QByteArray binary(300, '\0');
        binary[10] = 'x';
        FilesRig::write("bin.pf", binary);
        FilesRig::write("text.pf", "hello world\nnot settings at all\n");
        FilesRig::write("other.pf", "[gunData]\n0=1, 2\n");
        for (const QString &name : {"bin.pf", "text.pf", "other.pf", "missing.pf"}) {
            rig.dialogs->fileNames << QDir::current().absoluteFilePath(name);
            rig.view->loadProfile(4);
            QCOMPARE(FilesRig::read(profileFile(4)), p5);
        }
        QCOMPARE(rig.view->files->profile(4)->value(DiskLayout::Key::kDpiStage).toInt(), 2);

        rig.view->loadProfile(4);   // cancelled
        rig.view->loadProfile(10);  // no such profile: no dialog either
        rig.view->loadProfile(-1);
        QCOMPARE(rig.dialogs->requests.size(), 5);
        QCOMPARE(FilesRig::read(profileFile(4)), p5);
    }

    void cutOffImportIsCompletedFromFactory()
    {
        rig.start();
        const QString source = rig.dir->path() + "/cut.pf";
        FilesRig::write(source, "[keydefine_R5]\n0=1, 0, 241, 0\n1=1, 0, 24");
        rig.dialogs->fileNames << source;
        rig.view->loadProfile(4);
        QSettings *p5 = rig.view->files->profile(4);
        QCOMPARE(toInts(p5->value("keydefine_R5/0").toList()), QList<int>({1, 0, 0xF1, 0}));
        QCOMPARE(toInts(p5->value("keydefine_R5/1").toList()), QList<int>({1, 0, 0xF1, 0}));   // cut line dropped
        QCOMPARE(toInts(p5->value("keydefine_R5/15").toList()), QList<int>({4, 0, 2, 0}));
        QCOMPARE(p5->value(DiskLayout::Key::kDpiStage).toInt(), 2);
        QVERIFY(!p5->contains("dKey0/0"));
        QSettings onDisk(profileFile(4), QSettings::IniFormat);
        QVERIFY(onDisk.contains(DiskLayout::Key::kDpi));
    }

    void resetProfileCopiesFactoryOverPendingEdits()
    {
        rig.start();
        QSettings *p = rig.view->files->profile(0);
        p->setValue(DiskLayout::Key::kDpiStage, 6);
        p->sync();
        p->setValue(DiskLayout::Key::kCursorSpeed, 1u);   // pending
        rig.view->resetProfile(0);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(FilesRig::read(profileFile(0)), FilesRig::read(kPD));
        QCOMPARE(rig.view->files->currentProfile()->value(DiskLayout::Key::kDpiStage).toInt(), 2);
        QCOMPARE(rig.view->getCursorSpeed(), 5u);
        rig.view.reset();
        QCOMPARE(FilesRig::read(profileFile(0)), FilesRig::read(kPD));
    }

    // Same size, same millisecond: the settings cache must still see the new file.
    void resetRereadsFileOfEqualSize()
    {
        rig.start();
        QSettings *p = rig.view->files->profile(1);
        p->setValue(DiskLayout::Key::kDpiStage, 5);   // factory holds 2: equal length
        p->sync();
        QCOMPARE(FilesRig::read(profileFile(1)).size(), FilesRig::read(kPD).size());
        rig.view->resetProfile(1);
        QCOMPARE(rig.view->files->profile(1)->value(DiskLayout::Key::kDpiStage).toInt(), 2);
    }

    void resetProfileWithoutFactoryKeepsProfile()
    {
        rig.start();
        QFile::remove(kPD);
        const QByteArray p1 = FilesRig::read(profileFile(0));
        rig.view->resetProfile(0);
        QCOMPARE(FilesRig::read(profileFile(0)), p1);
    }

    void exportCopiesTheChosenProfileWithLatestEdits()
    {
        rig.start();
        rig.view->files->profile(2)->setValue(DiskLayout::Key::kDpiStage, 4);   // not yet flushed
        const QString target = rig.dir->path() + "/out.pf";
        FilesRig::write(target, "old content that is longer than nothing");
        rig.dialogs->fileNames << target;
        rig.view->saveProfile(2);
        QCOMPARE(rig.dialogs->requests.size(), 1);
        QCOMPARE(rig.dialogs->requests[0].kind, DialogRequest::SaveFile);
        QCOMPARE(rig.dialogs->requests[0].caption, QString("Save File"));
        QCOMPARE(rig.dialogs->requests[0].filter, QString("Profile(*.pf)"));
        QCOMPARE(FilesRig::read(target), FilesRig::read(profileFile(2)));
        QCOMPARE(QSettings(target, QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt(), 4);

        rig.view->saveProfile(3);   // cancelled: nothing written
        QCOMPARE(QSettings(target, QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt(), 4);
    }

    void keydefineFollowsFamily()
    {
        rig.start(true, 1);
        QCOMPARE(toInts(rig.view->getKeydefine(9)), QList<int>({3, 0, 0x8A, 1}));
        QCOMPARE(toInts(rig.view->getKeydefine(QVariant("0"))), QList<int>({1, 0, 0xF0, 0}));
        QVERIFY(rig.view->getKeydefine(16).isEmpty());
        rig.view->files->currentProfile()->setValue("keydefine/3", ints({0, 0, 4, 0}));
        ProfileFiles::setFamilyOverrideForTests(0);
        QCOMPARE(toInts(rig.view->getKeydefine(3)), QList<int>({0, 0, 4, 0}));
        ProfileFiles::setFamilyOverrideForTests(-1);
        QVERIFY(rig.view->getKeydefine(3).isEmpty());
    }

    void damagedProfileIsKeptAndCompleted()
    {
        QByteArray truncated;
        rig.start(true, 1, [&] {
            truncated = FilesRig::read(kPD);
            truncated.truncate(truncated.indexOf("[keydefine_R5]") + 36);   // cut in the middle of a line
            FilesRig::write(profileFile(1), truncated);
            QByteArray zeros(200, '\0');
            FilesRig::write(profileFile(2), zeros);
        });
        const QStringList kept = QDir("./modules/setting").entryList({"p2.bin.damaged-*"});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(FilesRig::read("./modules/setting/" + kept[0]), truncated);
        QCOMPARE(QDir("./modules/setting").entryList({"p3.bin.damaged-*"}).size(), 1);
        QVERIFY(QDir("./modules/setting").entryList({"p1.bin.damaged-*"}).isEmpty());

        rig.view->ui_02H_SetCurrentProfile(1);
        QCOMPARE(toInts(rig.view->getKeydefine(15)), QList<int>({4, 0, 2, 0}));   // filled from the factory file
        QCOMPARE(toInts(rig.view->getKeydefine(1)), QList<int>({1, 0, 0xF1, 0}));  // the cut line is not kept
        QCOMPARE(rig.view->files->profile(1)->value(DiskLayout::Key::kDpiStage).toInt(), 2); // kept from the file
        rig.view->ui_02H_SetCurrentProfile(2);
        QCOMPARE(toInts(rig.view->getKeydefine(0)), QList<int>({1, 0, 0xF0, 0}));
    }

    void missingWorkingFilesStartFromFactory()
    {
        rig.start(true, 1, [] {
            QFile::remove(kAp);
            QFile::remove(profileFile(6));
        });
        QCOMPARE(FilesRig::read(kAp), FilesRig::read(kApD));
        QCOMPARE(FilesRig::read(profileFile(6)), FilesRig::read(kPD));
    }

    void customBackgroundPath()
    {
        rig.start();
        rig.view->getGlobalStrings("031000");
        QCOMPARE(rig.view->getCustomFilePath(), QString());   // cancelled
        QCOMPARE(rig.dialogs->requests.last().caption, QString("Open File"));
        QCOMPARE(rig.dialogs->requests.last().filter, QString("Image Files(*.png)"));
        QCOMPARE(rig.dialogs->requests.last().text, UserDialogs::startPath(QStandardPaths::PicturesLocation));

        const QString missing = rig.dir->path() + "/gone.png";
        rig.dialogs->fileNames << missing;
        QCOMPARE(rig.view->getCustomFilePath(), QString());
        QCOMPARE(rig.dialogs->requests.last().kind, DialogRequest::Warning);
        QCOMPARE(rig.dialogs->requests.last().caption, rig.view->messageTexts.at(2));
        QCOMPARE(rig.dialogs->requests.last().text, rig.view->messageTexts.at(3) + missing);

        const QString picture = rig.dir->path() + "/bg.png";
        FilesRig::write(picture, "png");
        rig.dialogs->fileNames << picture;
        QCOMPARE(rig.view->getCustomFilePath(), picture);
    }

    void customBackgroundWarningBeforeAnyLanguage()
    {
        rig.start();
        rig.dialogs->fileNames << rig.dir->path() + "/gone.png";
        QCOMPARE(rig.view->getCustomFilePath(), QString());
        QCOMPARE(rig.dialogs->requests.last().kind, DialogRequest::Warning);
    }
};

QTEST_MAIN(tst_files_profiles)
#include "tst_files_profiles.moc"
