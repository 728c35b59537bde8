// SPDX-License-Identifier: MIT
// Application settings and the ten profile files. Settings objects stay open for the run;
// import and reset swap one of them for a fresh object on the replaced file.
#include "ProfileFiles.h"
#include "DiskLayout.h"
#include "Hid_Thread.h"
#include "Localisation.h"
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
using DiskLayout::kProfileCount;
namespace Key = DiskLayout::Key;
// The settings page stores 32 entries; anything near this bound is a damaged file.
constexpr int kMaxApConfigEntries = 1024;

int familyOverride = ProfileFiles::kNoOverride;

// Groups a profile of either family holds; an imported file without any is not a profile.
const QStringList kProfileGroups = DiskLayout::Key::profileGroups();

QVariantList listValue(const QSettings &s, const QString &key)
{
    return s.value(key, 0).toList();
}
}

// ---------------------------------------------------------------------------------------

ProfileFiles::ProfileFiles(LinkSource link, FileDialogs dialogs, const Localisation *strings, Warn warn,
                           QObject *parent)
    : QObject(parent), link(std::move(link)), dialogs(std::move(dialogs)), strings(strings), warn(std::move(warn))
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

QString ProfileFiles::profilePath(int index) { return DiskLayout::profilePath(index); }

QString ProfileFiles::factoryProfilePath() { return DiskLayout::profileFactoryPath(); }

// Before a working file is opened for the run it is made sound: restored when missing
// (so an installed program's first start seeds the user's folder), repaired (and the
// damaged file kept aside) when it does not parse, and given the keys a newer factory
// file brought.
static QSettings *openWorkingFile(const QString &path, const QString &factoryName, IniCheck::Kind kind)
{
    const QByteArray factory = FileSafety::factoryContents(factoryName, kind);
    FileSafety::ensureSound(path, {kind, factory});
    auto *s = new FileSafety::SettingsFile(path);
    if (DiskLayout::isInstalled() && FileSafety::takeNewKeys(*s, factory))
        s->save();
    return s;
}

void ProfileFiles::openAll()
{
    QDir().mkpath(DiskLayout::settingsFolder());
    ap = openWorkingFile(DiskLayout::appSettingsPath(), DiskLayout::appSettingsFactoryName(), IniCheck::Kind::AppSettings);
    for (int i = 0; i < kProfileCount; ++i)
        profiles.append(openWorkingFile(profilePath(i), DiskLayout::profileFactoryName(), IniCheck::Kind::Profile));
}

QSettings *ProfileFiles::apConfig() const { return ap; }
QSettings *ProfileFiles::currentProfile() const { return profiles.value(current); }
QSettings *ProfileFiles::profile(int index) const { return profiles.value(index); }
int ProfileFiles::currentIndex() const { return current; }

void ProfileFiles::setCurrentIndex(int index)
{
    if (index >= 0 && index < kProfileCount) {
        current = index;
        storeCurrentIndex(index);
    }
}

int ProfileFiles::storedCurrentIndex() const
{
    bool ok = false;
    const int index = ap ? ap->value(Key::kCurrentProfile).toInt(&ok) - 1 : -1;
    return ok && index >= 0 && index < kProfileCount ? index : 0;
}

void ProfileFiles::storeCurrentIndex(int index)
{
    if (ap && index >= 0 && index < kProfileCount && storedCurrentIndex() != index) {
        ap->setValue(Key::kCurrentProfile, index + 1);
        FileSafety::save(*ap);
    }
}

int ProfileFiles::deviceFamily() const
{
    if (familyOverride != kNoOverride)
        return familyOverride;
    Hid_Thread *hid = link ? link() : nullptr;
    return hid ? hid->currentFamily() : -1;
}

void ProfileFiles::setFamilyOverrideForTests(int family) { familyOverride = family; }

// ---------------------------------------------------------------------------------------
// Application settings

void ProfileFiles::saveApConfig(const QVariantList &apConfigs)
{
    ap->setValue(Key::kAppTotal, apConfigs.size());
    for (int i = 0; i < apConfigs.size(); ++i)
        ap->setValue(Key::appEntry(i), apConfigs.at(i));
}

QVariantList ProfileFiles::loadApConfig() const
{
    const int total = qBound(0, ap->value(Key::kAppTotal, 0).toInt(), kMaxApConfigEntries);
    QVariantList result;
    result.reserve(total);
    for (int i = 0; i < total; ++i)
        result.append(ap->value(Key::appEntry(i), 0));
    return result;
}

QVariantList ProfileFiles::loadDeviceApConfig() const
{
    return {ap->value(Key::kColorMaxStage, 8).toInt()};
}

void ProfileFiles::resetApconfig()
{
    QByteArray factory;
    if (!FileSafety::readFile(DiskLayout::appSettingsFactoryPath(), &factory)
        || !FileSafety::isIniWithGroup(factory, {Key::kCommonGroup})) {
        qDebug().noquote() << "resetApconfig: factory settings missing or unreadable, nothing changed";
        return;
    }
    const QString path = ap->fileName();
    // The old object is flushed and destroyed here, not later, so it can never write
    // its content over the restored file.
    ap->sync();
    delete ap;
    ap = nullptr;
    if (!FileSafety::replaceFile(path, factory)) {
        qDebug().noquote() << "resetApconfig: could not write" << path;
        FileSafety::report(path, FileSafety::Problem::Unwritable);
    }
    ap = new FileSafety::SettingsFile(DiskLayout::appSettingsPath());
}

bool ProfileFiles::getIsSkinShow() const
{
    return QDir(DiskLayout::imageFolder()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size() > 1;
}

QString ProfileFiles::getCustomFilePath()
{
    const QString path = dialogs.open ? dialogs.open(tr("Open File"), QStandardPaths::PicturesLocation, QString(),
                                                     tr("Image Files(*.png)"))
                                      : QString();
    if (path.isEmpty())
        return QString();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        if (warn)
            warn(strings->shortText(2), strings->shortText(3) + path);
        return QString();
    }
    return path;
}

// ---------------------------------------------------------------------------------------
// Profiles

QVariantList ProfileFiles::loadDefaultProfile(uchar uiPageId) const
{
    QSettings pd(DiskLayout::profileFactoryPath(), QSettings::IniFormat);
    QVariantList result;
    switch (uiPageId) {
    case 0:
        for (int i = 0; i < 16; ++i)
            result += listValue(pd, Key::mouseKey(i));
        break;
    case 2:
        result += listValue(pd, Key::stageColors(0));
        result += listValue(pd, Key::kLedEffect);
        break;
    case 3:
        result.append(pd.value(Key::kReportRate, 2).toInt());
        result.append(pd.value(Key::kCursorSpeed, 5u).toUInt());
        result.append(pd.value(Key::kScrollLines, 2u).toUInt());
        result.append(pd.value(Key::kDoubleClickSpeed, 5u).toUInt());
        result += listValue(pd, Key::kDpi);
        result.append(pd.value(Key::kDpiStage, 2).toInt());
        result += listValue(pd, Key::stageColors(1));
        result += listValue(pd, Key::stageColors(2));
        break;
    default:
        break;
    }
    return result;
}

QVariantList ProfileFiles::loadDefaultKeyMatrix(uchar uiPageId) const
{
    QSettings pd(DiskLayout::profileFactoryPath(), QSettings::IniFormat);
    QVariantList result;
    for (int i = 0; i < 16; ++i)
        result += listValue(pd, Key::defaultKey(uiPageId, i));
    return result;
}

QVariantList ProfileFiles::getKeydefine(const QVariant &matrixId) const
{
    QSettings *p = currentProfile();
    if (!p)
        return {};
    switch (deviceFamily()) {
    case 0:
        return listValue(*p, Key::keyboardKey(matrixId.toString()));
    case 1:
        return listValue(*p, Key::mouseKey(matrixId.toString()));
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
    const bool ok = FileSafety::replaceFile(path, contents);
    if (!ok)
        FileSafety::report(path, FileSafety::Problem::Unwritable);
    slot = new FileSafety::SettingsFile(profilePath(index));
    return ok;
}

void ProfileFiles::saveProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    // Offered under the name the profile menu shows ("P03.pf").
    const QString name = QStringLiteral("P%1.pf").arg(profile + 1, 2, 10, QLatin1Char('0'));
    const QString target =
        dialogs.save ? dialogs.save(tr("Save File"), QStandardPaths::DesktopLocation, name, tr("Profile(*.pf)")) : QString();
    if (!target.isEmpty())
        exportProfile(profile, target);
}

ProfileFiles::Transfer ProfileFiles::exportProfile(int profile, const QString &target)
{
    if (profile < 0 || profile >= kProfileCount)
        return Transfer::Unreadable;
    // The export should hold the latest edits, not only what the event loop flushed.
    if (QSettings *s = profiles.value(profile))
        s->sync();
    QByteArray bytes;
    if (!FileSafety::readFile(profilePath(profile), &bytes)) {
        qDebug().noquote() << "saveProfile: could not read profile" << profile + 1;
        return Transfer::Unreadable;
    }
    if (!FileSafety::replaceFile(target, bytes)) {
        qDebug().noquote() << "saveProfile: could not copy profile" << profile + 1 << "to" << target;
        FileSafety::report(target, FileSafety::Problem::Unwritable);
        return Transfer::Unwritable;
    }
    return Transfer::Done;
}

void ProfileFiles::loadProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    const QString source =
        dialogs.open ? dialogs.open(tr("Open File"), QStandardPaths::DesktopLocation, QString(), tr("Profile(*.pf)")) : QString();
    if (!source.isEmpty())
        importProfile(source, profile);
}

ProfileFiles::Transfer ProfileFiles::importProfile(const QString &source, int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return Transfer::Unwritable;
    QByteArray bytes;
    // Only a readable settings file that holds profile keys replaces the profile, so a
    // wrong or damaged file cannot wipe it. A sound file is taken byte for byte.
    const bool readable = FileSafety::readFile(source, &bytes, FileSafety::kMaxSettingsFile);
    const IniCheck::Result checked = IniCheck::check(bytes, IniCheck::Kind::Profile);
    if (!readable || !FileSafety::isIniWithGroup(checked.cleaned, kProfileGroups)) {
        qDebug().noquote() << "loadProfile: not a profile file:" << source;
        return readable ? Transfer::NotAProfile : Transfer::Unreadable;
    }
    if (!replaceProfile(profile, checked.damaged ? checked.cleaned : bytes)) {
        qDebug().noquote() << "loadProfile: could not write" << profilePath(profile);
        return Transfer::Unwritable;
    }
    if (checked.damaged) {
        // What the damaged file lost is taken from the factory profile; the file itself
        // stays as the user has it.
        QSettings *slot = profiles[profile];
        FileSafety::fillMissing(*slot, FileSafety::factoryContents(DiskLayout::profileFactoryName(), IniCheck::Kind::Profile));
        FileSafety::save(*slot);
        FileSafety::report(source, FileSafety::Problem::ImportRepaired);
        return Transfer::Repaired;
    }
    return Transfer::Done;
}

void ProfileFiles::resetProfile(int profile)
{
    if (profile < 0 || profile >= kProfileCount)
        return;
    QByteArray bytes;
    if (!FileSafety::readFile(DiskLayout::profileFactoryPath(), &bytes) || !FileSafety::isIniWithGroup(bytes, kProfileGroups)) {
        qDebug().noquote() << "resetProfile: factory profile missing or unreadable, nothing changed";
        return;
    }
    if (!replaceProfile(profile, bytes))
        qDebug().noquote() << "resetProfile: could not write" << profilePath(profile);
}
