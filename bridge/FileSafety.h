// SPDX-License-Identifier: MIT
// Files that never lose data: whole-file reads and atomic replacement, damaged files kept
// aside and repaired from their factory copy, and settings objects that report failed writes.
#pragma once
#include "IniCheck.h"
#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <functional>

namespace FileSafety {

// Settings files are a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxSettingsFile = 4 * 1024 * 1024;

// Reads a whole file of at most maxSize bytes; false when missing, unreadable or larger.
bool readFile(const QString &path, QByteArray *contents, qint64 maxSize = 16 * 1024 * 1024);
// Replaces path with contents in one atomic step (the old file stays intact on failure),
// and makes sure a settings object opened on path afterwards reads the new contents.
bool replaceFile(const QString &path, const QByteArray &contents);
// Drops what the settings cache may still hold for a path whose file no longer exists,
// so a later file of that name is read from disk.
void forgetCached(const QString &path);
// True when contents parse as a settings file holding at least one of the given groups.
bool isIniWithGroup(const QByteArray &contents, const QStringList &groups);

// The copy of a shipped data file built into the program, by its name below modules/
// ("gun/gunData0.bin"); empty when the program ships no such file.
QByteArray shippedCopy(const QString &name);
// What a working file starts from: the shipped file on disk when it is sound, otherwise
// the copy built into the program.
QByteArray factoryContents(const QString &name, IniCheck::Kind kind);

// What happened to a file, for the one message the user sees about it.
enum class Problem {
    Damaged,      // kept aside as keptAs and repaired
    Unreadable,   // could neither be read nor put aside: used as far as possible
    Unwritable,   // a save failed; the file on disk is what it was
    ImportRepaired,   // an imported file was damaged: taken as far as it was sound
};
using Reporter = std::function<void(const QString &path, Problem problem, const QString &keptAs)>;
// Where problems go (the view shows them); without one they are only logged.
void setReporter(Reporter reporter);
void report(const QString &path, Problem problem, const QString &keptAs = QString());

struct Repair {
    IniCheck::Kind kind;
    QByteArray factory;          // sound contents to start from; empty when there are none
    bool restoreMissing = true;  // a missing file is written from the factory contents
    bool fillFromFactory = true; // keys a damaged file lost are taken from the factory
    bool rewriteWithoutFactory = true;   // without factory contents, keep the sound lines
    bool needsFactoryKeys = false;       // shipped data: a key the factory holds must be there
    std::function<void(QSettings &)> finish;   // last touches of a rebuilt file (counts)
};
// Makes path a sound settings file before anything reads it: a missing file is restored
// from the factory, a damaged one (or a folder in its place, or a huge file) is kept aside
// as "<path>.damaged-<time>" and rebuilt from its sound lines and the factory. Valid files
// are never touched. Returns false when the file is still not sound.
bool ensureSound(const QString &path, const Repair &repair);
// The same check without touching anything: true when path is a sound file.
bool isSound(const QString &path, const Repair &repair);

// Adds the keys the factory contents hold and settings lack (never the factory-only
// default key matrices).
void fillMissing(QSettings &settings, const QByteArray &factory);
// After an upgrade: the keys a newer factory file gained join the user's file, whose own
// values stay; a settings vector that grew is counted to its new length. True when
// anything was added.
bool takeNewKeys(QSettings &settings, const QByteArray &factory);

// A settings object that tells the reporter when one of its writes fails (read-only file
// or folder, full disk). Qt writes it through a temporary file and a rename.
class SettingsFile : public QSettings
{
public:
    explicit SettingsFile(const QString &path, QObject *parent = nullptr);
    // Writes pending changes now; false (and reported) when they could not be written.
    bool save();

protected:
    bool event(QEvent *e) override;
};

// Writes pending changes of a short-lived settings object; reports a failure.
bool save(QSettings &settings);

} // namespace FileSafety
