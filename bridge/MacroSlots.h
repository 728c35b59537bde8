// SPDX-License-Identifier: MIT
// The mouse's twelve macro slots, shared by all ten profiles: which macro file claims
// which slot, which slots the profiles' key records name, the slot a macro gets when it
// is bound, and the claims that no key needs any more.
#pragma once
#include "MouseCodec.h"
#include "Collaborators.h"
#include <QList>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVariantList>

class QSettings;
class Localisation;
class MacroLibrary;
class ProfileFiles;

class MacroSlots : public QObject
{
    Q_OBJECT
public:
    static constexpr int Count = MouseCodec::MacroSlots;
    static constexpr int ProfileCount = 10;

    // ---- pure rules (no view) ----
    // Slot 0-11 each macro file claims on the mouse (bound with the mouse, config/did 1).
    static QMap<QString, int> claims();
    // Claimants of each slot that more than one macro file claims, by name.
    static QMap<int, QStringList> collisions(const QMap<QString, int> &claims);
    // Slots 0-11 that a matrix of 64 values names (macro records 09H, mode, id, 0), ascending.
    static QList<int> namedBy(const QVariantList &matrix);
    // The 64 values of the key records a profile holds; missing records read as zeros.
    static QVariantList storedMatrix(const QSettings &profile);
    // The slot for binding `name` given the slots any profile names: the one it holds
    // unless another file claims that too; else the lowest slot no key names, one no other
    // file claims before one whose claim is stale; -1 when every slot is named.
    static int choose(const QString &name, const QMap<QString, int> &claims, const QSet<int> &named);
    // The macros a matrix binds, in slot order, each slot once with the one file that
    // claims it; slots two files claim go to `unclear` (nobody can tell which was meant).
    struct Bound {
        int slot;
        QString name;
    };
    static QList<Bound> bound(const QVariantList &matrix, const QMap<QString, int> &claims,
                              QList<int> *unclear = nullptr);

    // ---- the key page's bookkeeping ----
    // Reads the profiles of `files`, stores bindings through `macros`; `strings` and
    // `warn` word and show the notices.
    MacroSlots(const ProfileFiles *files, MacroLibrary *macros, const Localisation *strings, Warn warn,
               QObject *parent = nullptr);

    // Slots named by the ten profiles, the current one as the page holds it (`matrix`).
    QSet<int> namedEverywhere(const QVariantList &matrix) const;
    // Binds `name` with play count `repeat`: picks its slot, stores [slot, repeat] in its
    // file and frees stale claims on that slot. -1 (after a warning naming the limit, and
    // nothing stored) when all slots are taken.
    int bind(const QString &name, int repeat, const QVariantList &matrix);
    // Marks as not on the mouse ([-1, 1]) every macro whose slot no profile names; slots
    // that several files claim are left as they are.
    void release(const QVariantList &matrix);
    // Once a run: tells the user about slots that several macro files claim.
    void noticeCollisions();

private:
    const ProfileFiles *files;
    MacroLibrary *macros;
    const Localisation *strings;
    Warn warn;
    bool noticed = false;
};
