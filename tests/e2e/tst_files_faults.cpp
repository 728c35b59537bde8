// SPDX-License-Identifier: MIT
// Fault matrix: every file the program reads, each given one fault (missing, empty, cut
// off, editor line ends, garbage, huge, read-only, a folder in its place); the program
// must start, open every page, keep valid content, keep damaged content aside, tell the
// user at most once per file, and save complete files afterwards.
#include "DiskLayout.h"
#include "IniCheck.h"
#include "SceneRig.h"
#include <QRandomGenerator>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using namespace SceneRig;

namespace {

enum class Fault {
    Missing, Empty, CutMidLine, NoFinalNewline, Crlf, Bom, Garbage, Huge, BadUtf8, ReadOnlyFile, ReadOnlyFolder,
    FolderInPlace
};

struct Target {
    const char *name;
    QString path;   // relative to the run folder
    IniCheck::Kind kind;
    bool isImport = false;   // read through the import dialog, never written
};

QList<Target> targets()
{
    using K = IniCheck::Kind;
    return {
        {"apConfig", "modules/setting/apConfig.bin", K::AppSettings},
        {"p1", "modules/setting/p1.bin", K::Profile},
        {"p10", "modules/setting/p10.bin", K::Profile},
        {"import", "import/profile.pf", K::Profile, true},
        {"macro", "modules/macro/Burst..v2.bin", K::Macro},
        {"gunData0", "modules/gun/gunData0.bin", K::GunTable},
        {"gunData2", "modules/gun/gunData2.bin", K::GunTable},
        {"selGunData", "modules/gun/selGunData.bin", K::GunChoice},
        {"language", "modules/i18n/lang_031000.ini", K::Language},
    };
}

bool keepsValidContent(Fault f)
{
    return f == Fault::NoFinalNewline || f == Fault::Crlf || f == Fault::Bom || f == Fault::BadUtf8
        || f == Fault::ReadOnlyFile || f == Fault::ReadOnlyFolder;
}
bool isDamage(Fault f)
{
    return f == Fault::Empty || f == Fault::CutMidLine || f == Fault::Garbage || f == Fault::Huge
        || f == Fault::FolderInPlace;
}
bool isReadOnly(Fault f) { return f == Fault::ReadOnlyFile || f == Fault::ReadOnlyFolder; }

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

// Keys and values as a settings object reads them (formatting aside).
QVariantMap contentOf(const QByteArray &bytes, bool utf8)
{
    QTemporaryFile tmp;
    if (!tmp.open())
        return {};
    tmp.write(bytes);
    tmp.close();
    QSettings s(tmp.fileName(), QSettings::IniFormat);
    if (utf8)
        s.setIniCodec("UTF-8");
    QVariantMap out;
    for (const QString &k : s.allKeys())
        out.insert(k, s.value(k));
    return out;
}

// The file cut in the middle of the line at the middle of the file.
QByteArray cutMidLine(const QByteArray &bytes)
{
    const int mid = bytes.size() / 2;
    const int start = bytes.lastIndexOf('\n', mid) + 1;
    int end = bytes.indexOf('\n', mid);
    if (end < 0)
        end = bytes.size();
    return bytes.left(start + qMax(1, (end - start) / 2));
}

// Read-only for the test even as root: without write bits, and immutable where the
// owner could write anyway. Undone when the guard goes.
class ReadOnly
{
public:
    ~ReadOnly()
    {
        for (auto it = paths.crbegin(); it != paths.crend(); ++it) {
            setImmutable(*it, false);
            QFile::setPermissions(*it, QFileInfo(*it).isDir() ? QFileDevice::Permissions(0x7700) : QFileDevice::Permissions(0x6600));
        }
    }
    bool add(const QString &path)
    {
        paths.append(path);
        const bool dir = QFileInfo(path).isDir();
        QFile::setPermissions(path, dir ? QFileDevice::ReadOwner | QFileDevice::ExeOwner : QFileDevice::ReadOwner);
        return geteuid() != 0 || setImmutable(path, true);
    }

private:
    static bool setImmutable(const QString &path, bool on)
    {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        if (ok) {
            flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
            ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        }
        ::close(fd);
        return ok;
    }
    QStringList paths;
};

QStringList damagedCopies(const QString &path)
{
    const QFileInfo info(path);
    return QDir(info.path()).entryList({info.fileName() + QStringLiteral(".damaged-*")},
                                       QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
}

const QStringList kMacroSteps = {"A    [Down]", "50   [Delay]", "A      [Up]", "B    [Down]", "B      [Up]",
                                 "C    [Down]", "C      [Up]", "D    [Down]", "D      [Up]"};

} // namespace

Q_DECLARE_METATYPE(Fault)

class tst_files_faults : public QObject
{
    Q_OBJECT
    Run run;

private slots:
    void everyFileEveryFault_data();
    void everyFileEveryFault();
};

void tst_files_faults::everyFileEveryFault_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::newRow("missing") << Fault::Missing;
    QTest::newRow("empty") << Fault::Empty;
    QTest::newRow("cut off mid-line") << Fault::CutMidLine;
    QTest::newRow("no final newline") << Fault::NoFinalNewline;
    QTest::newRow("CRLF line ends") << Fault::Crlf;
    QTest::newRow("UTF-8 BOM") << Fault::Bom;
    QTest::newRow("binary garbage") << Fault::Garbage;
    QTest::newRow("50 MB") << Fault::Huge;
    QTest::newRow("invalid UTF-8 in a value") << Fault::BadUtf8;
    QTest::newRow("read-only file") << Fault::ReadOnlyFile;
    QTest::newRow("read-only folder") << Fault::ReadOnlyFolder;
    QTest::newRow("a folder in its place") << Fault::FolderInPlace;
}

void tst_files_faults::everyFileEveryFault()
{
    QFETCH(Fault, fault);
    run.prepare();
    const QString root = run.folder + QLatin1Char('/');
    QDir().mkpath(root + "import");
    // A macro whose name holds "..", and a profile to import that differs from p2.
    writeMacro(run.folder, "Burst..v2", kMacroSteps);
    {
        QByteArray pf = readAll(root + "modules/setting/pD.bin");
        pf.replace("stage_R5=2", "stage_R5=4");
        writeAll(root + "import/profile.pf", pf);
    }
    const QByteArray p2Before = readAll(root + "modules/setting/p2.bin");

    // Originals, then the fault on every file at once.
    QMap<QString, QByteArray> original, before;
    ReadOnly readOnly;
    QRandomGenerator random(12);
    for (const Target &t : targets()) {
        const QString path = root + t.path;
        original[t.name] = readAll(path);
        QVERIFY2(original[t.name].endsWith('\n'), t.name);
        QByteArray bytes = original[t.name];
        switch (fault) {
        case Fault::Missing: QVERIFY(QFile::remove(path)); break;
        case Fault::Empty: bytes.clear(); break;
        case Fault::CutMidLine: bytes = cutMidLine(bytes); break;
        case Fault::NoFinalNewline: while (bytes.endsWith('\n')) bytes.chop(1); break;
        case Fault::Crlf: bytes.replace("\n", "\r\n"); break;
        case Fault::Bom: bytes.prepend("\xEF\xBB\xBF"); break;
        case Fault::Garbage:
            bytes.resize(4096);
            for (char &c : bytes)
                c = char(random.bounded(256));
            break;
        case Fault::Huge: bytes += QByteArray(50 * 1024 * 1024, 'A'); break;
        case Fault::BadUtf8:
            // In a value the program keeps: a step of the macro, else a note of its own.
            if (t.kind == IniCheck::Kind::Macro)
                bytes.replace("0=A    [Down]", "0=A\xE9\xFF    [Down]");
            else
                bytes += "note=caf\xE9 \xFF\xFE\xC3 end\n";
            break;
        case Fault::ReadOnlyFile:
        case Fault::ReadOnlyFolder:
        case Fault::FolderInPlace: break;
        }
        if (fault == Fault::FolderInPlace) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QDir().mkpath(path));
            writeAll(path + "/inside.txt", "kept");
        } else if (fault != Fault::Missing) {
            writeAll(path, bytes);
        }
        // 50 MB are compared by size.
        before[t.name] = fault == Fault::Huge || fault == Fault::Missing ? QByteArray() : bytes;
    }
    if (fault == Fault::ReadOnlyFile || fault == Fault::ReadOnlyFolder) {
        QSet<QString> done;
        for (const Target &t : targets()) {
            const QString what = fault == Fault::ReadOnlyFile ? root + t.path : QFileInfo(root + t.path).path();
            if (!done.contains(what) && !readOnly.add(what))
                QSKIP("files cannot be made read-only for root here (no immutable flag)");
            done.insert(what);
        }
    }

    QStringList notices;
    const QString importPath = root + "import/profile.pf", exportPath = root + "import/export.pf";
    QStringList fileAnswers = {importPath, exportPath};
    run.dialogs = [&](const DialogRequest &r) {
        DialogAnswer a;
        if (r.kind == DialogRequest::Warning)
            notices << r.text;
        else if (!fileAnswers.isEmpty())
            a.fileName = fileAnswers.takeFirst();
        return a;
    };
    QStringList listedMacros;
    QStringList macroAfter;
    run.scenario = [&](Scene &s) {
        for (int page = 0; page < 5; ++page)
            QVERIFY2(s.openPage(page), qPrintable(QString("page %1").arg(page)));
        myQQuickView *v = s.view;
        // Saves of every kind, as the pages make them.
        QVariantList ap = v->loadApConfig();
        if (ap.size() > 30) {
            ap[30] = 5;
            v->saveApConfig(ap);
        }
        v->ui_01H_SetReportRate(4);                // p1
        v->ui_02H_SetCurrentProfile(9);
        v->ui_01H_SetReportRate(8);                // p10
        v->ui_02H_SetCurrentProfile(0);
        v->loadProfile(1);                         // import into p2
        v->saveProfile(1);                         // export p2
        for (const QString &file : v->getMacroIniNames()) {
            const QString name = file.chopped(4);
            listedMacros << name;
            const QStringList steps = v->loadMacroIni(name);
            macroAfter = steps;
            QVERIFY(v->saveMacroIni(name, steps + QStringList{"E    [Down]", "E      [Up]"}).toBool()
                    || isReadOnly(fault));
        }
        for (int game : {0, 2}) {
            QVariantList table = v->getGundata(game);
            if (table.size() == 84) {
                table[3] = 9;
                v->saveGundata(game, table);
            }
        }
        v->saveSelGundata(1, ints({0, 3, 0, 20}));
        v->getGlobalStrings("031000");
        // Written and told within a few passes of the event loop.
        QTest::qWait(100);
        for (int page = 4; page >= 0; --page)
            QVERIFY2(s.openPage(page), qPrintable(QString("page %1 again").arg(page)));
    };
    run.start();
    QVERIFY(run.scenarioDone);

    // ---- what the files hold now ----
    const bool canWrite = !isReadOnly(fault);
    for (const Target &t : targets()) {
        const QString path = root + t.path;
        const QString shown = QFileInfo(path).absoluteFilePath();
        const QByteArray now = readAll(path);
        const QStringList kept = damagedCopies(path);
        int told = 0;
        for (const QString &n : notices)
            told += n.count(shown);
        const QString what = QStringLiteral("%1: ").arg(t.name);
        QVERIFY2(told <= 1, qPrintable(what + notices.join(" | ")));

        if (t.isImport) {
            // The user's file is never changed; p2 took it when it was sound enough.
            if (fault == Fault::FolderInPlace)
                QVERIFY2(QFileInfo(path).isDir(), qPrintable(what));
            else if (fault != Fault::Huge)
                QCOMPARE(now, before[t.name]);
            QVERIFY2(kept.isEmpty(), qPrintable(what));
            const QByteArray p2 = readAll(root + "modules/setting/p2.bin");
            QVERIFY2(!IniCheck::check(p2, t.kind).damaged, qPrintable(what));
            const int stage = QSettings(root + "modules/setting/p2.bin", QSettings::IniFormat).value(DiskLayout::Key::kDpiStage).toInt();
            if (fault == Fault::ReadOnlyFolder) {
                // The profile folder is read-only too: p2 stays, and the user is told once.
                QCOMPARE(p2, p2Before);
                const QString p2Shown = QFileInfo(root + "modules/setting/p2.bin").absoluteFilePath();
                QCOMPARE(notices.join(" | ").count(p2Shown), 1);
            } else if (keepsValidContent(fault) || fault == Fault::CutMidLine) {
                QCOMPARE(stage, 4);
            } else {
                QCOMPARE(p2, p2Before);
            }
            if (fault != Fault::ReadOnlyFolder)
                QVERIFY2(!IniCheck::check(readAll(exportPath), t.kind).damaged, "export.pf");
            continue;
        }

        if (t.kind == IniCheck::Kind::Macro && (fault == Fault::Missing || fault == Fault::FolderInPlace)) {
            // Not a macro file: not listed, not touched.
            QVERIFY2(!listedMacros.contains("Burst..v2"), qPrintable(what));
            QCOMPARE(QFileInfo(path).isDir(), fault == Fault::FolderInPlace);
            QCOMPARE(told, 0);
            continue;
        }
        if (t.kind == IniCheck::Kind::Language && fault == Fault::Missing) {
            QVERIFY2(!QFileInfo::exists(path), qPrintable(what));
            continue;
        }

        // Whatever happened, the file is a sound one now.
        QVERIFY2(QFileInfo(path).isFile(), qPrintable(what + "not a file"));
        QVERIFY2(!IniCheck::check(now, t.kind).damaged,
                 qPrintable(what + IniCheck::check(now, t.kind).reason));

        if (keepsValidContent(fault)) {
            QVERIFY2(kept.isEmpty(), qPrintable(what + kept.join(", ")));
            const bool utf8 = t.kind == IniCheck::Kind::Language;
            const QVariantMap was = contentOf(before[t.name], utf8), is = contentOf(now, utf8);
            if (!canWrite || t.kind == IniCheck::Kind::Language) {
                QCOMPARE(now, before[t.name]);   // never written, byte for byte
            } else {
                // Saved since: every key kept with its value, but for the one the save changed.
                for (auto it = was.cbegin(); it != was.cend(); ++it) {
                    if (QStringList{"common/30", DiskLayout::Key::kReportRate, "macro/9", "macro/10", DiskLayout::Key::kMacroTotal,
                                    "gunData/0", "gunData/1"}.contains(it.key()))
                        continue;
                    QVERIFY2(is.value(it.key()) == it.value(), qPrintable(what + it.key()));
                }
            }
            if (isReadOnly(fault) && t.kind != IniCheck::Kind::Language)
                QVERIFY2(told == 1, qPrintable(what + "no notice of the failed save: " + notices.join(" | ")));
            else
                QVERIFY2(told == 0, qPrintable(what + notices.join(" | ")));
        } else if (isDamage(fault)) {
            QVERIFY2(told == 1, qPrintable(what + notices.join(" | ")));
            if (fault == Fault::Empty) {
                QVERIFY2(kept.isEmpty(), qPrintable(what));
            } else {
                QCOMPARE(kept.size(), 1);
                const QString keptPath = QFileInfo(path).path() + QLatin1Char('/') + kept.first();
                if (fault == Fault::FolderInPlace)
                    QCOMPARE(readAll(keptPath + "/inside.txt"), QByteArray("kept"));
                else if (fault == Fault::Huge)
                    QCOMPARE(QFileInfo(keptPath).size(), qint64(original[t.name].size() + 50 * 1024 * 1024));
                else
                    QCOMPARE(readAll(keptPath), before[t.name]);
            }
        } else {   // missing
            QVERIFY2(kept.isEmpty(), qPrintable(what));
            QCOMPARE(told, 0);
        }

        // Complete again: what the factory holds is there (the language file is the factory's).
        const QByteArray factory = t.kind == IniCheck::Kind::Profile ? readAll(root + "modules/setting/pD.bin")
                                   : t.kind == IniCheck::Kind::AppSettings
                                       ? readAll(root + "modules/setting/apConfigD.bin")
                                       : readAll(TestSupport::sourceDir() + "/" + t.path);
        if (t.kind == IniCheck::Kind::Language && isDamage(fault)) {
            QCOMPARE(now, factory);
        } else if (t.kind != IniCheck::Kind::Macro && t.kind != IniCheck::Kind::Language) {
            const QVariantMap is = contentOf(now, false);
            for (const QString &key : contentOf(factory, false).keys())
                QVERIFY2(key.startsWith("dKey") || is.contains(key), qPrintable(what + "lost " + key));
        }
        // The saves of the scenario reached the files that can be written.
        if (canWrite) {
            QSettings s(path, QSettings::IniFormat);
            switch (t.kind) {
            case IniCheck::Kind::AppSettings: QCOMPARE(s.value("common/30").toInt(), 5); break;
            case IniCheck::Kind::Profile:
                QCOMPARE(s.value(DiskLayout::Key::kReportRate).toInt(), t.path.endsWith("p1.bin") ? 4 : 8);
                break;
            case IniCheck::Kind::Macro: {
                const QStringList steps = macroLines("Burst..v2");
                QCOMPARE(steps.mid(steps.size() - 2), QStringList({"E    [Down]", "E      [Up]"}));
                // A cut macro keeps the steps before the cut, in order.
                if (fault != Fault::BadUtf8)
                    QCOMPARE(kMacroSteps.mid(0, macroAfter.size()), macroAfter);
                if (fault == Fault::BadUtf8)
                    QCOMPARE(macroAfter.size(), kMacroSteps.size());
                else if (!isDamage(fault))
                    QCOMPARE(macroAfter, kMacroSteps);
                break;
            }
            case IniCheck::Kind::GunTable: QCOMPARE(toInts(s.value("gunData/0")).value(3), 9); break;
            case IniCheck::Kind::GunChoice: QCOMPARE(toInts(s.value("gunData/1")), QList<int>({0, 3, 0, 20})); break;
            case IniCheck::Kind::Language: break;
            }
        }
    }
}

QTEST_MAIN(tst_files_faults)
#include "tst_files_faults.moc"
