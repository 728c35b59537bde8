// SPDX-License-Identifier: MIT
// Macro files in the macro folder of the layout, and their step lines read as macro steps.
// Every slot that takes a name refuses names that could reach outside the macro folder.
#include "MacroLibrary.h"
#include "CommandTable.h"
#include "DiskLayout.h"
#include "KeyNames.h"
#include "KeyboardCodec.h"
#include "MacroStepTags.h"
#include "MouseCodec.h"
#include "ProfileFiles.h"
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>

namespace {
namespace Key = DiskLayout::Key;
const QString kDown = MacroStepTags::down();
const QString kUp = MacroStepTags::up();
// What a new macro holds, and what a macro is rebuilt from when nothing of it is sound.
const QByteArray kNewMacro = "[config]\nindex=-1\ntotal=0\nrepeat=1\ndid=-1\n";
const QString kDelay = MacroStepTags::delay();
constexpr int kCommandWidth = MacroStepTags::Width;
}

// One past the highest step number the file holds: the count its steps can back.
static int stepLines(QSettings &s)
{
    s.beginGroup(Key::kMacroStepGroup);
    int lines = 0;
    for (const QString &key : s.childKeys()) {
        bool ok = false;
        const int i = key.toInt(&ok);
        if (ok && i >= 0)
            lines = std::max(lines, i + 1);
    }
    s.endGroup();
    return lines;
}

// After a repair the steps that survived are all kept, and the count follows them; an
// imported file keeps its count unless the steps cannot back it.
static void countSurvivingSteps(QSettings &s, bool repaired)
{
    const int lines = stepLines(s);
    const int total = s.value(Key::kMacroTotal, -1).toInt();
    if (repaired || total < 0 || total > lines || (total > 0 && !s.contains(Key::macroStep(total - 1))))
        s.setValue(Key::kMacroTotal, lines);
}

MacroLibrary::MacroLibrary(const ProfileFiles *files, FileDialogs dialogs, QObject *parent)
    : QObject(parent), files(files), dialogs(std::move(dialogs))
{
}

int MacroLibrary::family() const { return files ? files->deviceFamily() : -1; }

bool MacroLibrary::isSafeName(const QString &name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('.')) || name.contains(QLatin1Char('/'))
        || name.contains(QLatin1Char('\\')))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

QString MacroLibrary::pathFor(const QString &name)
{
    // "." and ".." start with a dot; dots elsewhere ("Burst..v2") stay in the folder.
    if (!isSafeName(name))
        return QString();
    const QString path = DiskLayout::macroPath(name);
    // Belt and braces: the resolved file must sit directly in the macro folder.
    const QString folder = QDir(DiskLayout::macroFolder()).absolutePath();
    if (QFileInfo(path).absolutePath() != folder)
        return QString();
    return path;
}

// ---------------------------------------------------------------------------------------
// Files

QString MacroLibrary::createMacroIni()
{
    QDir().mkpath(DiskLayout::macroFolder());
    QString name;
    for (int n = 1;; ++n) {
        name = QStringLiteral("Macro. %1").arg(n, 3, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(pathFor(name)))
            break;
    }
    {
        QSettings s(pathFor(name), QSettings::IniFormat);
        s.setValue(Key::kMacroSlot, -1);
        s.setValue(Key::kMacroTotal, 0);
        s.setValue(Key::kMacroRepeat, 1);
        s.setValue(Key::kMacroFamily, -1);
        if (!FileSafety::save(s)) {
            qDebug().noquote() << "createMacroIni: could not create" << name;
            return QString();
        }
    }
    return name;
}

bool MacroLibrary::deleteMacroIni(const QString &name)
{
    const QString path = pathFor(name);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !QFile::remove(path))
        return false;
    FileSafety::forgetCached(path);
    return true;
}

QStringList MacroLibrary::fileNames()
{
    // Only what every other slot accepts is listed, so a listed macro always works.
    QStringList names;
    for (const QString &file :
         QDir(DiskLayout::macroFolder()).entryList({QLatin1Char('*') + DiskLayout::kMacroSuffix}, QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (isSafeName(file.chopped(4)))
            names.append(file);
    return names;
}

QString MacroLibrary::soundPath(const QString &name)
{
    const QString path = pathFor(name);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    FileSafety::Repair repair{IniCheck::Kind::Macro, kNewMacro, false, true, true, false, {}};
    repair.finish = [](QSettings &s) { countSurvivingSteps(s, true); };
    FileSafety::ensureSound(path, repair);
    return path;
}

QStringList MacroLibrary::getMacroIniNames() const { return fileNames(); }

bool MacroLibrary::saveMacroIni(const QString &name, const QStringList &macros)
{
    const QString path = soundPath(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;
    int index = -1, did = -1;
    {
        QSettings s(path, QSettings::IniFormat);
        s.remove(Key::kMacroStepGroup);
        s.setValue(Key::kMacroTotal, macros.size());
        for (int i = 0; i < macros.size(); ++i)
            s.setValue(Key::macroStep(i), macros.at(i));
        index = s.value(Key::kMacroSlot, -1).toInt();
        did = s.value(Key::kMacroFamily, -1).toInt();
        // Written before listeners hear of it: they send what the file holds.
        if (!FileSafety::save(s))
            return false;
    }
    tellIfBound(name, index, did);
    return true;
}

void MacroLibrary::tellIfBound(const QString &name, int slot, int boundFamily)
{
    const int fam = family();
    // A binding made on the other family names a slot of that device; sending it here
    // would overwrite whatever macro this device holds in that slot.
    if (slot < 0 || boundFamily != fam)
        return;
    if ((fam == 1 && slot < MouseCodec::MacroSlots) || (fam == 0 && slot < KeyboardCodec::MacroSlots))
        emit boundMacroChanged(fam, slot, name);
}

QStringList MacroLibrary::loadMacroIni(const QString &name) const { return stepsOf(name); }

QStringList MacroLibrary::stepsOf(const QString &name) { return read(name).steps; }

MacroLibrary::Stored MacroLibrary::read(const QString &name)
{
    const QString path = soundPath(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QSettings s(path, QSettings::IniFormat);
    // A damaged total is bounded by the step lines the file holds, so it cannot make
    // this loop run for ever; gaps still read as the default, as they always did.
    const int total = std::min(s.value(Key::kMacroTotal, 0).toInt(), stepLines(s));
    Stored stored;
    for (int i = 0; i < total; ++i)
        stored.steps.append(s.value(Key::macroStep(i), 0).toString());
    stored.repeat = s.value(Key::kMacroRepeat, 1).toUInt();
    return stored;
}

QVariantList MacroLibrary::loadMacroIniConfig(const QString &name) const
{
    const QString path = soundPath(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    QSettings s(path, QSettings::IniFormat);
    const int index = s.value(Key::kMacroSlot, -1).toInt();
    const int repeat = s.value(Key::kMacroRepeat, 1).toInt();
    const int did = s.value(Key::kMacroFamily, -1).toInt();
    return {did == family() ? index : -1, repeat};
}

void MacroLibrary::setMacroIniConfig(const QString &name, const QVariantList &config)
{
    const QString path = soundPath(name);
    if (path.isEmpty() || !QFileInfo(path).isFile() || config.size() < 2)
        return;
    QSettings s(path, QSettings::IniFormat);
    s.setValue(Key::kMacroSlot, config.at(0));
    s.setValue(Key::kMacroRepeat, config.at(1));
    s.setValue(Key::kMacroFamily, family());
    FileSafety::save(s);
}

void MacroLibrary::renameMacroIniFile(const QString &oldName, const QString &newName)
{
    const QString from = pathFor(oldName), to = pathFor(newName);
    if (from.isEmpty() || to.isEmpty())
        return;
    // An earlier macro of the new name may still sit in the settings cache.
    if (!QFileInfo::exists(to))
        FileSafety::forgetCached(to);
    if (QFile::rename(from, to))
        FileSafety::forgetCached(from);
}

void MacroLibrary::saveMacroIniToFile(const QString &name)
{
    const QString path = pathFor(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    const QString target = dialogs.save ? dialogs.save(tr("Save File"), QStandardPaths::DesktopLocation,
                                                       name + QStringLiteral(".mc"), tr("Macro(*.mc)"))
                                        : QString();
    if (!target.isEmpty())
        exportMacro(name, target);
}

MacroLibrary::Transfer MacroLibrary::exportMacro(const QString &name, const QString &target)
{
    const QString path = pathFor(name);
    QByteArray bytes;
    if (path.isEmpty() || !QFileInfo(path).isFile() || !FileSafety::readFile(path, &bytes))
        return Transfer::Unreadable;
    if (!FileSafety::replaceFile(target, bytes)) {
        qDebug().noquote() << "saveMacroIniToFile: could not write" << target;
        FileSafety::report(target, FileSafety::Problem::Unwritable);
        return Transfer::Unwritable;
    }
    return Transfer::Done;
}

void MacroLibrary::loadMacroIniFromFile(const QString &name)
{
    const QString path = pathFor(name);
    if (path.isEmpty())
        return;
    const QString source =
        dialogs.open ? dialogs.open(tr("Open File"), QStandardPaths::DesktopLocation, QString(), tr("Macro(*.mc)")) : QString();
    if (!source.isEmpty())
        importMacro(source, name);
}

MacroLibrary::Transfer MacroLibrary::importMacro(const QString &source, const QString &name)
{
    const QString path = pathFor(name);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return Transfer::Unwritable;
    QByteArray bytes;
    // A file that is not a macro must not replace one; of a damaged one the sound lines count.
    const bool readable = FileSafety::readFile(source, &bytes, FileSafety::kMaxSettingsFile);
    const IniCheck::Result checked = IniCheck::check(bytes, IniCheck::Kind::Macro);
    if (!readable || !FileSafety::isIniWithGroup(checked.cleaned, {Key::kMacroConfigGroup, Key::kMacroStepGroup})) {
        qDebug().noquote() << "loadMacroIniFromFile: not a macro file:" << source;
        return readable ? Transfer::NotAMacro : Transfer::Unreadable;
    }
    if (checked.damaged) {
        bytes = checked.cleaned;
        FileSafety::report(source, FileSafety::Problem::ImportRepaired);
    }
    // The binding (slot, family, play count) describes this device's slot and the keys
    // that use it, so it stays with the macro; an imported binding could claim a slot
    // that holds another macro. Only the steps come from the file.
    QVariant index, did, repeat;
    {
        QSettings old(path, QSettings::IniFormat);
        index = old.value(Key::kMacroSlot, -1);
        did = old.value(Key::kMacroFamily, -1);
        repeat = old.value(Key::kMacroRepeat, 1);
    }
    if (!FileSafety::replaceFile(path, bytes)) {
        qDebug().noquote() << "loadMacroIniFromFile: could not write" << path;
        FileSafety::report(path, FileSafety::Problem::Unwritable);
        return Transfer::Unwritable;
    }
    {
        QSettings s(path, QSettings::IniFormat);
        s.setValue(Key::kMacroSlot, index);
        s.setValue(Key::kMacroFamily, did);
        s.setValue(Key::kMacroRepeat, repeat);
        countSurvivingSteps(s, false);
        FileSafety::save(s);
    }
    tellIfBound(name, index.toInt(), did.toInt());
    return checked.damaged ? Transfer::Repaired : Transfer::Done;
}

// ---------------------------------------------------------------------------------------
// Steps for the family codecs (device/MouseCodec, device/KeyboardCodec)

QList<uchar> MacroLibrary::macroIncode(const QStringList &macros) const { return encode(macros, family()); }

QVariantList MacroLibrary::bytesUsed(const QStringList &macros) const
{
    const bool keyboardFamily = family() == 0;
    const QList<uchar> coded = encode(macros, keyboardFamily ? 0 : 1);
    return {coded.size(), keyboardFamily ? KeyboardCodec::MacroBytes : MouseCodec::MacroBytes};
}

MacroBlock::Pauses MacroLibrary::pausesOf(int family)
{
    switch (family) {
    case 0: return MacroBlock::Pauses::Keyboard;
    case 1: return MacroBlock::Pauses::Mouse;
    default: return MacroBlock::Pauses::None;
    }
}

QVector<MacroBlock::Step> MacroLibrary::parseSteps(const QStringList &lines)
{
    using MacroBlock::Step;
    QVector<Step> out;
    out.reserve(lines.size());
    for (const QString &line : lines) {
        const QString command = line.right(kCommandWidth);
        const QString value = line.size() >= kCommandWidth ? line.left(line.size() - kCommandWidth) : QString();
        Step step;
        if (command == kDown || command == kUp) {
            step.kind = command == kDown ? Step::Down : Step::Up;
            step.usage = usageForKeyName(value);
        } else if (command == kDelay) {
            bool ok = false;
            const qint64 ms = value.toLongLong(&ok, 10);
            step.kind = Step::Delay;
            step.ms = ok ? ms : 0;
        }
        out.append(step);
    }
    return out;
}

QList<uchar> MacroLibrary::encode(const QStringList &macros, int family, QVector<MacroBlock::Event> *events)
{
    return MacroBlock::encode(parseSteps(macros), pausesOf(family), events);
}
