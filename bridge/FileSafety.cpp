// SPDX-License-Identifier: MIT
// Whole-file helpers, damage repair and failed-write reports shared by every module that
// keeps files (see FileSafety.h).
#include "FileSafety.h"
#include "DiskLayout.h"
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace {
FileSafety::Reporter &reporter()
{
    static FileSafety::Reporter r;
    return r;
}

// "<path>.damaged-<time>", never an existing name.
QString keepName(const QString &path)
{
    const QString base = path + QStringLiteral(".damaged-")
                         + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmsszzz"));
    QString name = base;
    for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

// Moves what sits at path aside (a folder, a huge file) or keeps a copy of its bytes.
QString keepAside(const QString &path, const QByteArray *bytes)
{
    const QString keep = keepName(path);
    const bool ok = bytes ? FileSafety::replaceFile(keep, *bytes) : QDir().rename(path, keep);
    if (!ok)
        return QString();
    qDebug().noquote() << "Damaged settings file kept as" << keep;
    return keep;
}

} // namespace

// Adds what defaults hold and target lacks; returns how many keys were added.
static int addMissing(QSettings &target, const QSettings &defaults)
{
    int added = 0;
    for (const QString &key : defaults.allKeys())
        if (!key.startsWith(DiskLayout::Key::kDefaultKeyPrefix) && !target.contains(key)) {
            target.setValue(key, defaults.value(key));
            ++added;
        }
    return added;
}

// Runs use() on the factory contents read as settings; false when they cannot be.
template<class Use>
static bool withFactory(const QByteArray &factory, Use use)
{
    QTemporaryFile probe(QDir::tempPath() + QStringLiteral("/r5factory-XXXXXX.ini"));
    if (factory.isEmpty() || !probe.open() || probe.write(factory) != factory.size() || !probe.flush())
        return false;
    probe.close();
    const QSettings defaults(probe.fileName(), QSettings::IniFormat);
    use(defaults);
    return true;
}

void FileSafety::fillMissing(QSettings &target, const QByteArray &factory)
{
    withFactory(factory, [&](const QSettings &defaults) { addMissing(target, defaults); });
}

bool FileSafety::takeNewKeys(QSettings &target, const QByteArray &factory)
{
    bool changed = false;
    withFactory(factory, [&](const QSettings &defaults) {
        changed = addMissing(target, defaults) > 0;
        // The settings page's vector is read up to its count: entries a newer release
        // added count only once the count covers them.
        using DiskLayout::Key::kAppTotal;
        const int newTotal = defaults.value(kAppTotal, 0).toInt();
        if (target.contains(kAppTotal) && target.value(kAppTotal).toInt() < newTotal) {
            target.setValue(kAppTotal, newTotal);
            changed = true;
        }
    });
    return changed;
}

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

QByteArray FileSafety::shippedCopy(const QString &name)
{
    if (name.isEmpty() || name.contains(QLatin1String("..")))
        return {};
    QFile f(QStringLiteral(":/factory/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray FileSafety::factoryContents(const QString &name, IniCheck::Kind kind)
{
    QByteArray bytes;
    if (FileSafety::readFile(DiskLayout::shippedPath(name), &bytes, kMaxSettingsFile)
        && !IniCheck::check(bytes, kind).damaged)
        return bytes;
    return shippedCopy(name);
}

void FileSafety::setReporter(Reporter r) { reporter() = std::move(r); }

void FileSafety::report(const QString &path, Problem problem, const QString &keptAs)
{
    static const char *const words[] = {"damaged", "unreadable", "not writable", "imported damaged"};
    qDebug().noquote() << "File" << words[int(problem)] << path;
    if (reporter())
        reporter()(path, problem, keptAs);
}

// The check of a file's bytes, with the keys the factory holds where the file must have them.
static IniCheck::Result checkAgainst(const QByteArray &bytes, const FileSafety::Repair &repair)
{
    IniCheck::Result checked = IniCheck::check(bytes, repair.kind);
    if (!checked.damaged && repair.needsFactoryKeys && !repair.factory.isEmpty()) {
        // Shipped data that lost keys was cut short, even where each line looks whole.
        for (const QString &key : IniCheck::check(repair.factory, repair.kind).keys)
            if (!checked.keys.contains(key)) {
                checked.damaged = true;
                checked.reason = QStringLiteral("%1 is missing").arg(key);
                break;
            }
    }
    return checked;
}

bool FileSafety::isSound(const QString &path, const Repair &repair)
{
    QByteArray bytes;
    return readFile(path, &bytes, kMaxSettingsFile) && !checkAgainst(bytes, repair).damaged;
}

bool FileSafety::ensureSound(const QString &path, const Repair &repair)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        if (repair.restoreMissing && !repair.factory.isEmpty())
            return replaceFile(path, repair.factory);
        return false;
    }

    QByteArray bytes;
    QString keptAs;
    IniCheck::Result checked;
    if (!info.isFile() || info.size() > kMaxSettingsFile) {
        // A folder in its place, or a file no settings file could grow to: moved aside whole.
        keptAs = keepAside(path, nullptr);
        if (keptAs.isEmpty()) {
            report(path, Problem::Unreadable);
            return false;
        }
    } else {
        if (!readFile(path, &bytes, kMaxSettingsFile)) {
            report(path, Problem::Unreadable);
            return false;
        }
        checked = checkAgainst(bytes, repair);
        if (!checked.damaged)
            return true;
        qDebug().noquote() << "Settings file" << path << "is damaged:" << checked.reason;
        // An empty file holds nothing to keep.
        if (!bytes.trimmed().isEmpty()) {
            keptAs = keepAside(path, &bytes);
            if (keptAs.isEmpty()) {
                // Never overwrite what could not be kept.
                report(path, Problem::Unreadable);
                return false;
            }
        }
    }

    bool ok = true;
    if (repair.factory.isEmpty() && !repair.rewriteWithoutFactory) {
        ok = true;   // left as it is, read as far as it goes
    } else {
        const bool whole = checked.cleaned.isEmpty() || !repair.fillFromFactory;
        ok = replaceFile(path, whole ? repair.factory : checked.cleaned);
        if (ok && (repair.finish || (!whole && !repair.factory.isEmpty()))) {
            QSettings s(path, QSettings::IniFormat);
            if (!whole)
                fillMissing(s, repair.factory);
            if (repair.finish)
                repair.finish(s);
            s.sync();
            ok = s.status() == QSettings::NoError;
        }
    }
    report(path, ok ? Problem::Damaged : Problem::Unwritable, keptAs);
    return ok;
}

FileSafety::SettingsFile::SettingsFile(const QString &path, QObject *parent)
    : QSettings(path, QSettings::IniFormat, parent)
{
}

bool FileSafety::SettingsFile::save() { return FileSafety::save(*this); }

bool FileSafety::SettingsFile::event(QEvent *e)
{
    // Qt writes pending changes when this event arrives; a failure is only visible after.
    const bool flush = e->type() == QEvent::UpdateRequest;
    const bool result = QSettings::event(e);
    if (flush && status() == QSettings::AccessError)
        report(fileName(), Problem::Unwritable);
    return result;
}

bool FileSafety::save(QSettings &settings)
{
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        report(settings.fileName(), Problem::Unwritable);
        return false;
    }
    return true;
}
