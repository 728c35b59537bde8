// SPDX-License-Identifier: MIT
// Application settings and the ten profile files. Settings objects stay open for the run;
// import and reset swap one of them for a fresh object on the replaced file.
#include "ProfileFiles.h"
#include "UserDialogs.h"
#include "myQQuickView.h"
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace {
const QString kSettingDir = QStringLiteral("./modules/setting/");
const QString kApConfig = QStringLiteral("./modules/setting/apConfig.bin");
const QString kApConfigFactory = QStringLiteral("./modules/setting/apConfigD.bin");
const QString kProfileFactory = QStringLiteral("./modules/setting/pD.bin");
constexpr int kProfileCount = 10;
// The settings page stores 32 entries; anything near this bound is a damaged file.
constexpr int kMaxApConfigEntries = 1024;

int familyOverride = ProfileFiles::kNoOverride;

// Groups a profile of either family holds; an imported file without any is not a profile.
const QStringList kProfileGroups = {"sensor", "color_R5", "keydefine_R5", "keydefine", "color", "userPicture"};

QVariantList listValue(const QSettings &s, const QString &key)
{
    return s.value(key, 0).toList();
}
}

// ---------------------------------------------------------------------------------------
// Whole-file helpers

bool FileSafety::readFile(const QString &path, QByteArray *contents, qint64 maxSize)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || f.size() > maxSize || !f.open(QIODevice::ReadOnly))
        return false;
    *contents = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool FileSafety::replaceFile(const QString &path, const QByteArray &contents)
{
    const QFileInfo before(path);
    const bool existed = before.exists();
    const qint64 oldSize = before.size();
    const QDateTime oldTime = before.lastModified();

    if (!existed)
        forgetCached(path);
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(contents) != contents.size() || !out.commit())
        return false;

    // QSettings caches parsed files per path and re-reads only when size or time changed.
    // A new file of the same size written in the same millisecond would look unchanged,
    // so move its time away from the one the cache may hold.
    const QFileInfo after(path);
    if (existed && after.size() == oldSize && after.lastModified() == oldTime) {
        QFile touch(path);
        if (touch.open(QIODevice::ReadWrite))
            touch.setFileTime(oldTime.addSecs(-1), QFileDevice::FileModificationTime);
    }
    return true;
}

void FileSafety::forgetCached(const QString &path)
{
    // Opening a settings object on a missing file empties the cached entry, and an empty
    // entry is dropped from the cache when the object goes.
    if (!QFileInfo::exists(path))
        QSettings(path, QSettings::IniFormat);
}

bool FileSafety::isIniWithGroup(const QByteArray &contents, const QStringList &groups)
{
    if (contents.contains('\0'))
        return false;
    QTemporaryFile probe(QDir::tempPath() + QStringLiteral("/r5probe-XXXXXX.ini"));
    if (!probe.open() || probe.write(contents) != contents.size() || !probe.flush())
        return false;
    probe.close();
    QSettings s(probe.fileName(), QSettings::IniFormat);
    if (s.status() != QSettings::NoError)
        return false;
    const QStringList present = s.childGroups();
    for (const QString &g : groups)
        if (present.contains(g))
            return true;
    return false;
}

// ---------------------------------------------------------------------------------------

ProfileFiles::ProfileFiles(myQQuickView *view) : QObject(view), view(view)
{
    openAll();
}

ProfileFiles::~ProfileFiles()
{
    // Flush what the last pass of the event loop has not written yet.
    for (QSettings *s : qAsConst(profiles)) {
        if (s)
            s->sync();
        delete s;
    }
    if (ap)
        ap->sync();
    delete ap;
}

QString ProfileFiles::profilePath(int index)
{
    return kSettingDir + QStringLiteral("p%1.bin").arg(index + 1);
}

QString ProfileFiles::factoryProfilePath() { return kProfileFactory; }

// Keys a cut-off file lost are taken from the factory file (never the factory-only
// default key matrices), so the pages do not read empty lists as all-zero keys.
static void completeFromFactory(QSettings *target, const QString &factory)
{
    QSettings defaults(factory, QSettings::IniFormat);
    for (const QString &key : defaults.allKeys())
        if (!key.startsWith(QLatin1String("dKey")) && !target->contains(key))
            target->setValue(key, defaults.value(key));
    target->sync();
}

// A file cut off in the middle of a line: its last line is incomplete, so drop it.
static QByteArray withoutCutLine(QByteArray contents)
{
    if (!contents.isEmpty() && !contents.endsWith('\n'))
        contents.truncate(contents.lastIndexOf('\n') + 1);
    return contents;
}

static void keepDamagedCopy(const QString &path)
{
    const QString keep = path + QStringLiteral(".damaged-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"));
    QFile::copy(path, keep);
    qDebug().noquote() << "Damaged settings file kept as" << keep;
}

// A damaged working file is kept beside itself before the program writes to it, and the
// keys it lost are taken from the factory file so the pages get complete values.
static void openWorkingFile(QSettings *&slot, const QString &path, const QString &factory)
{
    if (!QFileInfo::exists(path) && QFileInfo::exists(factory)) {
        QByteArray bytes;
        if (FileSafety::readFile(factory, &bytes))
            FileSafety::replaceFile(path, bytes);
    }
    QByteArray raw;
    const bool readable = FileSafety::readFile(path, &raw) && !raw.isEmpty();
    bool damaged = readable && (raw.contains('\0') || !raw.endsWith('\n'));
    if (damaged) {
        keepDamagedCopy(path);
        if (!raw.endsWith('\n'))
            FileSafety::replaceFile(path, withoutCutLine(raw));
    }
    slot = new QSettings(path, QSettings::IniFormat);
    if (readable && !damaged && (slot->status() != QSettings::NoError || slot->allKeys().isEmpty())) {
        damaged = true;
        keepDamagedCopy(path);
    }
    if (damaged)
        completeFromFactory(slot, factory);
}

void ProfileFiles::openAll()
{
    QDir().mkpath(kSettingDir);
    openWorkingFile(ap, kApConfig, kApConfigFactory);
    for (int i = 0; i < kProfileCount; ++i) {
        QSettings *s = nullptr;
        openWorkingFile(s, profilePath(i), kProfileFactory);
        profiles.append(s);
    }
}

QSettings *ProfileFiles::apConfig() const { return ap; }
QSettings *ProfileFiles::currentProfile() const { return profiles.value(current); }
QSettings *ProfileFiles::profile(int index) const { return profiles.value(index); }
int ProfileFiles::currentIndex() const { return current; }

void ProfileFiles::setCurrentIndex(int index)
{
    if (index >= 0 && index < kProfileCount)
        current = index;
}

int ProfileFiles::deviceFamily() const
{
    if (familyOverride != kNoOverride)
        return familyOverride;
    return view->deviceFamily();
}

void ProfileFiles::setFamilyOverrideForTests(int family) { familyOverride = family; }

// ---------------------------------------------------------------------------------------
// Application settings

void ProfileFiles::saveApConfig(const QVariantList &apConfigs)
{
    ap->setValue(QStringLiteral("common/total"), apConfigs.size());
    for (int i = 0; i < apConfigs.size(); ++i)
        ap->setValue(QStringLiteral("common/%1").arg(i), apConfigs.at(i));
}

QVariantList ProfileFiles::loadApConfig() const
{
    const int total = qBound(0, ap->value(QStringLiteral("common/total"), 0).toInt(), kMaxApConfigEntries);
    QVariantList result;
    result.reserve(total);
    for (int i = 0; i < total; ++i)
        result.append(ap->value(QStringLiteral("common/%1").arg(i), 0));
    return result;
}

QVariantList ProfileFiles::loadDeviceApConfig() const
{
    return {ap->value(QStringLiteral("R5/colorMaxStage"), 8).toInt()};
}

void ProfileFiles::resetApconfig()
{
    QByteArray factory;
    if (!FileSafety::readFile(kApConfigFactory, &factory)
        || !FileSafety::isIniWithGroup(factory, {QStringLiteral("common")})) {
        qDebug().noquote() << "resetApconfig: factory settings missing or unreadable, nothing changed";
        return;
    }
    const QString path = ap->fileName();
    // The old object is flushed and destroyed here, not later, so it can never write
    // its content over the restored file.
    ap->sync();
    delete ap;
    ap = nullptr;
    if (!FileSafety::replaceFile(path, factory))
        qDebug().noquote() << "resetApconfig: could not write" << path;
    ap = new QSettings(kApConfig, QSettings::IniFormat);
}

bool ProfileFiles::getIsSkinShow() const
{
    return QDir(QStringLiteral("./modules/img")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 1;
}

QString ProfileFiles::getCustomFilePath()
{
    const QString path = UserDialogs::getOpenFileName(
        view, tr("Open File"), UserDialogs::startPath(QStandardPaths::PicturesLocation), tr("Image Files(*.png)"));
    if (path.isEmpty())
        return QString();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        UserDialogs::warning(nullptr, tr("%1").arg(view->messageTexts.value(2)),
                             QStringLiteral("%1%2").arg(view->messageTexts.value(3), path), QMessageBox::Ok);
        return QString();
    }
    return path;
}

// ---------------------------------------------------------------------------------------
// Profiles

QVariantList ProfileFiles::loadDefaultProfile(uchar uiPageId) const
{
    QSettings pd(kProfileFactory, QSettings::IniFormat);
    QVariantList result;
    switch (uiPageId) {
    case 0:
        for (int i = 0; i < 16; ++i)
            result += listValue(pd, QStringLiteral("keydefine_R5/%1").arg(i));
        break;
    case 2:
        result += listValue(pd, QStringLiteral("color_R5/type0"));
        result += listValue(pd, QStringLiteral("color_R5/ledEffect"));
        break;
    case 3:
        result.append(pd.value(QStringLiteral("sensor/reportRate_R5"), 2).toInt());
        result.append(pd.value(QStringLiteral("sensor/cursorSpeed_R5"), 5u).toUInt());
        result.append(pd.value(QStringLiteral("sensor/verticalScrollLines_R5"), 2u).toUInt());
        result.append(pd.value(QStringLiteral("sensor/doubleClickSpeed_R5"), 5u).toUInt());
        result += listValue(pd, QStringLiteral("sensor/dpi_R5"));
        result.append(pd.value(QStringLiteral("sensor/stage_R5"), 2).toInt());
        result += listValue(pd, QStringLiteral("color_R5/type1"));
        result += listValue(pd, QStringLiteral("color_R5/type2"));
        break;
    default:
        break;
    }
    return result;
}

QVariantList ProfileFiles::loadDefaultKeyMatrix(uchar uiPageId) const
{
    QSettings pd(kProfileFactory, QSettings::IniFormat);
    QVariantList result;
    for (int i = 0; i < 16; ++i)
        result += listValue(pd, QStringLiteral("dKey%1/%2").arg(uiPageId).arg(i));
    return result;
}

QVariantList ProfileFiles::getKeydefine(const QVariant &matrixId) const
{
    QSettings *p = currentProfile();
    if (!p)
        return {};
    switch (deviceFamily()) {
    case 0:
        return listValue(*p, QStringLiteral("keydefine/") + matrixId.toString());
    case 1:
        return listValue(*p, QStringLiteral("keydefine_R5/") + matrixId.toString());
    default:
        return {};
    }
}

bool ProfileFiles::replaceProfile(int index, const QByteArray &contents)
{
    QSettings *&slot = profiles[index];
    const QString path = slot ? slot->fileName() : profilePath(index);
    // Flush and destroy the old object now: deleted later it could still write its
    // stale content over the copied file.
    if (slot) {
        slot->sync();
        delete slot;
        slot = nullptr;
    }
    const bool cut = !contents.endsWith('\n');
    const bool ok = FileSafety::replaceFile(path, withoutCutLine(contents));
    slot = new QSettings(profilePath(index), QSettings::IniFormat);
    if (ok && cut)   // a cut-off file: complete what it lost
        completeFromFactory(slot, kProfileFactory);
    return ok;
}

void ProfileFiles::saveProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    // Offered under the name the profile menu shows ("P03.pf").
    const QString name = QStringLiteral("P%1.pf").arg(profile + 1, 2, 10, QLatin1Char('0'));
    const QString target = UserDialogs::getSaveFileName(
        view, tr("Save File"), UserDialogs::startPath(QStandardPaths::DesktopLocation, name), tr("Profile(*.pf)"));
    if (target.isEmpty())
        return;
    // The export should hold the latest edits, not only what the event loop flushed.
    if (QSettings *s = profiles.value(profile))
        s->sync();
    QByteArray bytes;
    if (!FileSafety::readFile(profilePath(profile), &bytes) || !FileSafety::replaceFile(target, bytes))
        qDebug().noquote() << "saveProfile: could not copy profile" << profile + 1 << "to" << target;
}

void ProfileFiles::loadProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    const QString source = UserDialogs::getOpenFileName(
        view, tr("Open File"), UserDialogs::startPath(QStandardPaths::DesktopLocation), tr("Profile(*.pf)"));
    if (source.isEmpty())
        return;
    QByteArray bytes;
    // Only a readable settings file that holds profile keys replaces the profile, so a
    // wrong or damaged file cannot wipe it.
    if (!FileSafety::readFile(source, &bytes) || !FileSafety::isIniWithGroup(bytes, kProfileGroups)) {
        qDebug().noquote() << "loadProfile: not a profile file:" << source;
        return;
    }
    if (!replaceProfile(profile, bytes))
        qDebug().noquote() << "loadProfile: could not write" << profilePath(profile);
}

void ProfileFiles::resetProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    QByteArray bytes;
    if (!FileSafety::readFile(kProfileFactory, &bytes) || !FileSafety::isIniWithGroup(bytes, kProfileGroups)) {
        qDebug().noquote() << "resetProfile: factory profile missing or unreadable, nothing changed";
        return;
    }
    if (!replaceProfile(profile, bytes))
        qDebug().noquote() << "resetProfile: could not write" << profilePath(profile);
}
