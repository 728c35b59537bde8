// SPDX-License-Identifier: MIT
// Where files live: the one decision between the portable and the installed layout, an
// installed program's first start seeding the user's folders (the shipped data never
// written), and a newer factory file's keys joining the user's files without touching
// what the user set.
#include "DiskLayout.h"
#include "MacroLibrary.h"
#include "RecoilStore.h"
#include "tst_files_support.h"
#include <optional>
#include <unistd.h>

namespace {
// Environment variables set for one test and put back after it.
class EnvGuard
{
public:
    void set(const char *name, const QByteArray &value)
    {
        if (!saved.contains(name))
            saved.insert(name, qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt);
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~EnvGuard()
    {
        for (auto it = saved.cbegin(); it != saved.cend(); ++it)
            it.value() ? qputenv(it.key().constData(), *it.value()) : qunsetenv(it.key().constData());
    }

private:
    QMap<QByteArray, std::optional<QByteArray>> saved;
};

QMap<QString, QByteArray> digests(const QString &root)
{
    QMap<QString, QByteArray> out;
    QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        out.insert(p.mid(root.size()), QCryptographicHash::hash(FilesRig::read(p), QCryptographicHash::Sha1));
    }
    return out;
}

// Every file and folder below root read-only (as a package installs it), or writable again.
void setWritable(const QString &root, bool writable)
{
    const QFile::Permissions read = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther | QFile::ExeOwner
                                    | QFile::ExeGroup | QFile::ExeOther;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        QFile::setPermissions(it.next(), writable ? read | QFile::WriteOwner : read);
}
} // namespace

class tst_files_layout : public QObject
{
    Q_OBJECT

    FilesRig rig;
    QString home;   // the user's home of an installed run, inside the run folder

    // The run folder laid out as an installed program finds it: the shipped data only
    // (no working copies), read-only, with the user's folders below `home`.
    void enterInstalled(EnvGuard &env)
    {
        home = QDir::currentPath() + "/home";
        env.set("HOME", home.toUtf8());
        env.set("XDG_CONFIG_HOME", (home + "/cfg").toUtf8());
        env.set("XDG_DATA_HOME", (home + "/data").toUtf8());
        const DiskLayout::Folders shipped = DiskLayout::portable(QDir::currentPath());
        QFile::remove(shipped.appSettingsPath());
        for (int i = 0; i < DiskLayout::kProfileCount; ++i)
            QFile::remove(shipped.profilePath(i));
        DiskLayout::use(DiskLayout::installed(QDir::currentPath()));
    }

private slots:
    void cleanup()
    {
        if (rig.dir)
            setWritable(rig.dir->path(), true);   // so the folder can go, whatever failed
        rig.stop();
        DiskLayout::use(DiskLayout::portable(QStringLiteral(".")));
    }

    void oneDecisionFromTheProgramFolder()
    {
        QTemporaryDir dir;
        EnvGuard env;
        env.set("XDG_CONFIG_HOME", (dir.path() + "/cfg").toUtf8());
        env.set("XDG_DATA_HOME", (dir.path() + "/data").toUtf8());

        // A folder holding a writable modules/: everything there.
        QVERIFY(QDir().mkpath(dir.path() + "/portable/modules"));
        const DiskLayout::Folders portable = DiskLayout::decide(dir.path() + "/portable");
        QCOMPARE(portable.mode, DiskLayout::Mode::Portable);
        QCOMPARE(portable.appSettingsPath(), dir.path() + "/portable/modules/setting/apConfig.bin");
        QCOMPARE(portable.macroPath("Burst"), dir.path() + "/portable/modules/macro/Burst.bin");
        QCOMPARE(portable.gunTablePath("1"), dir.path() + "/portable/modules/gun/gunData1.bin");
        QCOMPARE(portable.shipped, dir.path() + "/portable/modules");

        // No modules/ beside the program: installed, data found from the program's folder.
        QVERIFY(QDir().mkpath(dir.path() + "/usr/bin"));
        const DiskLayout::Folders installed = DiskLayout::decide(dir.path() + "/usr/bin");
        QCOMPARE(installed.mode, DiskLayout::Mode::Installed);
        QCOMPARE(installed.dataRoot, dir.path() + "/usr/share/r5config");
        QCOMPARE(installed.shippedPath("setting/pD.bin"), dir.path() + "/usr/share/r5config/modules/setting/pD.bin");
        QCOMPARE(installed.appSettingsPath(), dir.path() + "/cfg/r5config/apConfig.bin");
        QCOMPARE(installed.profilePath(9), dir.path() + "/cfg/r5config/p10.bin");
        QCOMPARE(installed.macroPath("Burst"), dir.path() + "/data/r5config/macro/Burst.bin");
        QCOMPARE(installed.gunChoicePath(), dir.path() + "/data/r5config/gun/selGunData.bin");

        // Without the XDG variables the usual folders of the home.
        env.set("HOME", (dir.path() + "/home").toUtf8());
        env.set("XDG_CONFIG_HOME", QByteArray());
        env.set("XDG_DATA_HOME", QByteArray());
        const DiskLayout::Folders plain = DiskLayout::decide(dir.path() + "/usr/bin");
        QCOMPARE(plain.settings, dir.path() + "/home/.config/r5config");
        QCOMPARE(plain.macros, dir.path() + "/home/.local/share/r5config/macro");

        // A file named modules is no data folder.
        QVERIFY(QDir().mkpath(dir.path() + "/odd"));
        FilesRig::write(dir.path() + "/odd/modules", "x");
        QCOMPARE(DiskLayout::decide(dir.path() + "/odd").mode, DiskLayout::Mode::Installed);
        if (getuid() != 0) {
            // A modules/ the user cannot write is a shipped one.
            QVERIFY(QDir().mkpath(dir.path() + "/ro/modules"));
            QFile::setPermissions(dir.path() + "/ro/modules", QFile::ReadOwner | QFile::ExeOwner);
            const DiskLayout::Folders readOnly = DiskLayout::decide(dir.path() + "/ro");
            QCOMPARE(readOnly.mode, DiskLayout::Mode::Installed);
            QCOMPARE(readOnly.shipped, dir.path() + "/ro/modules");   // no share/ beside it
            QCOMPARE(readOnly.settings, dir.path() + "/home/.config/r5config");
            QFile::setPermissions(dir.path() + "/ro/modules", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
    }

    void installedFirstStartSeedsTheUserFolders()
    {
        EnvGuard env;
        QMap<QString, QByteArray> shippedBefore;
        rig.start(true, 1, [&] {
            enterInstalled(env);
            setWritable(DiskLayout::folders().shipped, false);
            shippedBefore = digests(DiskLayout::folders().shipped);
        });
        const QString cfg = home + "/cfg/r5config/";
        const QString data = home + "/data/r5config/";
        const DiskLayout::Folders &f = DiskLayout::folders();

        // Settings and profiles seeded from the factory files.
        QCOMPARE(FilesRig::read(cfg + "apConfig.bin"), FilesRig::read(f.shippedPath("setting/apConfigD.bin")));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(FilesRig::read(cfg + QString("p%1.bin").arg(i)), FilesRig::read(f.shippedPath("setting/pD.bin")));
        QCOMPARE(rig.view->loadApConfig().size(), 32);

        // Changes go to the user's folders.
        QVariantList entries;
        for (int i = 0; i < 32; ++i)
            entries.append(1);
        rig.view->saveApConfig(entries);
        rig.view->files->currentProfile()->setValue(DiskLayout::Key::kDpiStage, 4);
        rig.view->files->currentProfile()->sync();
        QCOMPARE(QSettings(cfg + "p1.bin", QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt(), 4);
        const QString macro = rig.view->createMacroIni().toString();
        QVERIFY(QFile::exists(data + "macro/" + macro + ".bin"));
        QVERIFY(rig.view->saveMacroIni(macro, {"A    [Down]", "A      [Up]"}).toBool());
        QCOMPARE(MacroLibrary::stepsOf(macro).size(), 2);

        // The recoil store is seeded on first use and edited in the user's copy.
        QVariantList table = rig.view->getGundata(1);
        QCOMPARE(table.size(), RecoilStore::kGuns * RecoilStore::kFields);
        QVERIFY(QFile::exists(data + "gun/gunData1.bin"));
        table[1] = table.at(1).toInt() + 1;
        rig.view->saveGundata(1, table);
        QCOMPARE(toInts(rig.view->getGundata(1)).at(1), table.at(1).toInt());
        QCOMPARE(rig.view->getSelGundata(0).size(), 4);
        QVERIFY(QFile::exists(data + "gun/selGunData.bin"));

        // Import and export dialogs start in the user's home, not in the program's folders.
        rig.view->saveProfile(0);
        rig.view->loadMacroIniFromFile(macro);
        QCOMPARE(rig.dialogs->requests.size(), 2);
        for (const DialogRequest &asked : qAsConst(rig.dialogs->requests))
            QVERIFY2(asked.text == home || asked.text.startsWith(home + "/"), qPrintable(asked.text));

        // Languages come from the shipped data.
        QVERIFY(!rig.view->chkLanguages().isEmpty());
        QCOMPARE(rig.view->getGlobalStrings("031000").value(0).isEmpty(), false);

        rig.view.reset();
        QCOMPARE(digests(f.shipped), shippedBefore);
    }

    void installedNeverRepairsShippedData()
    {
        // Even a user who may write there (root) leaves the package's files alone: a damaged
        // shipped language is read from the program's own copy.
        EnvGuard env;
        rig.start(true, 1, [&] { enterInstalled(env); });
        const QString language = DiskLayout::languagePath("031000");
        const QStringList intact = rig.view->getGlobalStrings("031000");
        const QStringList places = rig.view->getProductLayoutStrings_R5("031000");
        QVERIFY(intact.size() > 10);
        const QByteArray whole = FilesRig::read(language);
        FilesRig::write(language, whole.left(whole.size() / 2));   // cut short
        const QMap<QString, QByteArray> shippedBefore = digests(DiskLayout::folders().shipped);

        QCOMPARE(rig.view->getGlobalStrings("031000"), intact);
        QCOMPARE(rig.view->getProductLayoutStrings_R5("031000"), places);
        QCOMPARE(digests(DiskLayout::folders().shipped), shippedBefore);
    }

    void upgradeTakesNewKeysAndKeepsTheUsers()
    {
        EnvGuard env;
        rig.start(true, 1, [&] {
            enterInstalled(env);
            const DiskLayout::Folders &f = DiskLayout::folders();
            // The user's files from the older release: own values, an older, shorter vector.
            QDir().mkpath(f.settings);
            QFile::copy(f.shippedPath("setting/apConfigD.bin"), f.appSettingsPath());
            QFile::copy(f.shippedPath("setting/pD.bin"), f.profilePath(2));
            {
                QSettings ap(f.appSettingsPath(), QSettings::IniFormat);
                ap.setValue(DiskLayout::Key::kAppTotal, 30);
                ap.remove(DiskLayout::Key::appEntry(30));
                ap.remove(DiskLayout::Key::appEntry(31));
                ap.setValue(DiskLayout::Key::appEntry(4), 1);   // the user's language
                QSettings p3(f.profilePath(2), QSettings::IniFormat);
                p3.setValue(DiskLayout::Key::kDpiStage, 6);
                p3.remove(DiskLayout::Key::kLedEffect);
            }
            // The newer release's factory files: a new profile key, a longer vector.
            QSettings pd(f.shippedPath("setting/pD.bin"), QSettings::IniFormat);
            pd.setValue("sensor/liftOff_R5", 2);
            pd.setValue(DiskLayout::Key::kDpiStage, 1);
            QSettings apd(f.shippedPath("setting/apConfigD.bin"), QSettings::IniFormat);
            apd.setValue(DiskLayout::Key::kAppTotal, 33);
            apd.setValue(DiskLayout::Key::appEntry(32), 7);
        });
        const DiskLayout::Folders &f = DiskLayout::folders();
        QSettings p3(f.profilePath(2), QSettings::IniFormat);
        QCOMPARE(p3.value("sensor/liftOff_R5").toInt(), 2);
        QCOMPARE(p3.value(DiskLayout::Key::kDpiStage).toInt(), 6);   // the user's
        QCOMPARE(toInts(p3.value(DiskLayout::Key::kLedEffect)), QList<int>({2, 7, 4}));

        const QVariantList ap = rig.view->loadApConfig();
        QCOMPARE(ap.size(), 33);
        QCOMPARE(ap.at(4).toInt(), 1);
        QCOMPARE(ap.at(30).toInt(), 7);   // factory entry that was missing
        QCOMPARE(ap.at(32).toInt(), 7);
        // Profiles the user never had are seeded whole from the newer factory file.
        QCOMPARE(QSettings(f.profilePath(0), QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt(), 1);

        // A second start finds nothing to add and leaves the files alone.
        rig.view.reset();
        const QMap<QString, QByteArray> settled = digests(f.settings);
        rig.view.reset(new myQQuickView);
        rig.view.reset();
        QCOMPARE(digests(f.settings), settled);
    }

    void portableKeepsFilesWhereTheyAre()
    {
        // The build folder's layout: working files beside the shipped ones, never the home.
        EnvGuard env;
        rig.start(true, 1, [&] {
            env.set("XDG_CONFIG_HOME", (QDir::currentPath() + "/cfg").toUtf8());
            env.set("XDG_DATA_HOME", (QDir::currentPath() + "/data").toUtf8());
            DiskLayout::use(DiskLayout::decide(QDir::currentPath()));
        });
        QCOMPARE(DiskLayout::folders().mode, DiskLayout::Mode::Portable);
        rig.view->files->currentProfile()->setValue(DiskLayout::Key::kDpiStage, 5);
        rig.view->files->currentProfile()->sync();
        const QString macro = rig.view->createMacroIni().toString();
        rig.view->getGundata(0);
        QCOMPARE(QSettings("modules/setting/p1.bin", QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt(), 5);
        QVERIFY(QFile::exists("modules/macro/" + macro + ".bin"));
        QVERIFY(!QFileInfo::exists("cfg"));
        QVERIFY(!QFileInfo::exists("data"));
    }
};

QTEST_MAIN(tst_files_layout)
#include "tst_files_layout.moc"
