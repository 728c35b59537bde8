// SPDX-License-Identifier: MIT
// Macro slots across the ten profiles (see MacroSlots.h). A key record names only a slot,
// so a slot must mean one macro in every profile.
#include "MacroSlots.h"
#include "DiskLayout.h"
#include "Localisation.h"
#include "MacroLibrary.h"
#include "MessageTexts.h"
#include "MouseCodec.h"
#include "ProfileFiles.h"
#include <QSettings>
#include <algorithm>

namespace {
constexpr int MouseFamily = 1;
using MouseCodec::KeyRecordBytes;

int intAt(const QVariantList &list, int i) { return i < list.size() ? list.at(i).toInt() : 0; }
}

QMap<QString, int> MacroSlots::claims()
{
    QMap<QString, int> result;
    for (const QString &file : MacroLibrary::fileNames()) {
        const QString name = file.left(file.size() - 4);
        const QString path = MacroLibrary::pathFor(name);
        if (path.isEmpty())
            continue;
        QSettings s(path, QSettings::IniFormat);
        const int index = s.value(DiskLayout::Key::kMacroSlot, -1).toInt();
        if (s.value(DiskLayout::Key::kMacroFamily, -1).toInt() == MouseFamily && index >= 0 && index < Count)
            result.insert(name, index);
    }
    return result;
}

QMap<int, QStringList> MacroSlots::collisions(const QMap<QString, int> &claims)
{
    QMap<int, QStringList> bySlot;
    for (auto it = claims.cbegin(); it != claims.cend(); ++it)
        bySlot[it.value()].append(it.key());
    QMap<int, QStringList> result;
    for (auto it = bySlot.cbegin(); it != bySlot.cend(); ++it)
        if (it.value().size() > 1)
            result.insert(it.key(), it.value());
    return result;
}

QList<int> MacroSlots::namedBy(const QVariantList &matrix)
{
    QList<int> found;
    for (int k = 0; k < MouseCodec::Keys; ++k) {
        const int at = KeyRecordBytes * k;
        const int slot = MouseCodec::macroSlotOf(intAt(matrix, at), intAt(matrix, at + 2), intAt(matrix, at + 3));
        if (slot >= 0 && !found.contains(slot))
            found.append(slot);
    }
    std::sort(found.begin(), found.end());
    return found;
}

QVariantList MacroSlots::storedMatrix(const QSettings &profile)
{
    QVariantList matrix;
    for (int k = 0; k < MouseCodec::Keys; ++k) {
        const QVariantList record = profile.value(DiskLayout::Key::mouseKey(k)).toList();
        for (int i = 0; i < KeyRecordBytes; ++i)
            matrix.append(intAt(record, i));
    }
    return matrix;
}

int MacroSlots::choose(const QString &name, const QMap<QString, int> &claims, const QSet<int> &named)
{
    auto claimedByOther = [&](int slot) {
        for (auto it = claims.cbegin(); it != claims.cend(); ++it)
            if (it.value() == slot && it.key() != name)
                return true;
        return false;
    };
    const int held = claims.value(name, -1);
    if (held >= 0 && !claimedByOther(held))
        return held;
    int stale = -1;
    for (int slot = 0; slot < Count; ++slot) {
        if (named.contains(slot))
            continue;
        if (!claimedByOther(slot))
            return slot;
        if (stale < 0)
            stale = slot;
    }
    return stale;
}

QList<MacroSlots::Bound> MacroSlots::bound(const QVariantList &matrix, const QMap<QString, int> &claims,
                                           QList<int> *unclear)
{
    QList<Bound> result;
    for (int slot : namedBy(matrix)) {
        const QStringList names = claims.keys(slot);
        if (names.size() == 1)
            result.append({slot, names.first()});
        else if (names.size() > 1 && unclear)
            unclear->append(slot);
    }
    return result;
}

// ---------------------------------------------------------------------------------------

MacroSlots::MacroSlots(const ProfileFiles *files, MacroLibrary *macros, const Localisation *strings, Warn warn,
                       QObject *parent)
    : QObject(parent), files(files), macros(macros), strings(strings), warn(std::move(warn))
{
}

QSet<int> MacroSlots::namedEverywhere(const QVariantList &matrix) const
{
    QSet<int> named;
    const int current = files ? files->currentIndex() : -1;
    for (int p = 0; p < ProfileCount; ++p) {
        QSettings *profile = files ? files->profile(p) : nullptr;
        const QVariantList m = p == current ? matrix : (profile ? storedMatrix(*profile) : QVariantList());
        for (int slot : namedBy(m))
            named.insert(slot);
    }
    return named;
}

int MacroSlots::bind(const QString &name, int repeat, const QVariantList &matrix)
{
    if (MacroLibrary::pathFor(name).isEmpty())
        return -1;
    const QMap<QString, int> all = claims();
    const QSet<int> named = namedEverywhere(matrix);
    const int slot = choose(name, all, named);
    if (slot < 0) {
        if (warn)
            warn(strings->shortText(4), strings->message(MessageTexts::MacroSlotsFull).arg(Count));
        return -1;
    }
    // A claim on a slot no key names is stale: its macro is on no button any more.
    for (const QString &other : all.keys(slot))
        if (other != name)
            macros->setMacroIniConfig(other, {-1, 1});
    macros->setMacroIniConfig(name, {slot, repeat});
    return slot;
}

void MacroSlots::release(const QVariantList &matrix)
{
    const QMap<QString, int> all = claims();
    const QMap<int, QStringList> shared = collisions(all);
    const QSet<int> named = namedEverywhere(matrix);
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        if (!named.contains(it.value()) && !shared.contains(it.value()))
            macros->setMacroIniConfig(it.key(), {-1, 1});
}

void MacroSlots::noticeCollisions()
{
    if (noticed)
        return;
    noticed = true;
    const QMap<int, QStringList> shared = collisions(claims());
    if (shared.isEmpty())
        return;
    QStringList lines;
    for (auto it = shared.cbegin(); it != shared.cend(); ++it) {
        QStringList quoted;
        for (const QString &n : it.value())
            quoted.append(QStringLiteral("\"%1\"").arg(n));
        lines.append(strings->message(MessageTexts::MacroSlotShared).arg(it.key() + 1).arg(quoted.join(QStringLiteral(", "))));
    }
    if (warn)
        warn(strings->shortText(4), strings->message(MessageTexts::MacroSlotsShared).arg(lines.join(QLatin1Char('\n'))));
}
