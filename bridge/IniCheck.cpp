// SPDX-License-Identifier: MIT
// Line-by-line check of settings files. Each line must be blank, a comment, a [group] or
// key=value; known keys must hold values of their shape, and counts a file states
// (totals) must be backed by the keys they promise. Only the last line can be cut off.
#include "IniCheck.h"
#include "DiskLayout.h"
#include <QHash>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {
namespace Key = DiskLayout::Key;

enum class Shape { Any, Int, Bool, Ints, GunRow };
struct Rule {
    Shape shape = Shape::Any;
    int count = 0;   // elements of a list shape
};

bool isInt(const QByteArray &v)
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9]{1,10}$"));
    return re.match(QString::fromLatin1(v.trimmed())).hasMatch();
}

// Elements of a list value, split at commas outside quotes.
QList<QByteArray> elements(const QByteArray &value)
{
    QList<QByteArray> out;
    QByteArray cur;
    bool quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == '\\' && i + 1 < value.size()) {
            cur += c;
            cur += value.at(++i);
            continue;
        }
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted) {
            out.append(cur.trimmed());
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.append(cur.trimmed());
    return out;
}

bool fits(const Rule &rule, const QByteArray &value)
{
    switch (rule.shape) {
    case Shape::Any:
        return true;
    case Shape::Int:
        return isInt(value);
    case Shape::Bool: {
        const QByteArray v = value.trimmed();
        return v == "true" || v == "false" || isInt(v);
    }
    case Shape::Ints: {
        const QList<QByteArray> e = elements(value);
        if (e.size() != rule.count)
            return false;
        for (const QByteArray &x : e)
            if (!isInt(x))
                return false;
        return true;
    }
    case Shape::GunRow: {
        const QList<QByteArray> e = elements(value);
        if (e.size() != rule.count)
            return false;
        for (int i = 1; i < e.size(); ++i)
            if (!isInt(e.at(i)))
                return false;
        return true;
    }
    }
    return true;
}

bool numbered(const QString &key, const QString &group, int *n = nullptr)
{
    if (!key.startsWith(group + QLatin1Char('/')))
        return false;
    bool ok = false;
    const int v = key.mid(group.size() + 1).toInt(&ok);
    if (n)
        *n = v;
    return ok && v >= 0;
}

Rule ruleFor(IniCheck::Kind kind, const QString &key)
{
    using K = IniCheck::Kind;
    switch (kind) {
    case K::AppSettings:
        if (key == Key::kAppTotal || key == Key::kColorMaxStage)
            return {Shape::Int};
        break;
    case K::Profile: {
        static const QHash<QString, Rule> fixed = {
            {Key::kReportRate, {Shape::Int}},
            {Key::kCursorSpeed, {Shape::Int}},
            {Key::kScrollLines, {Shape::Int}},
            {Key::kDoubleClickSpeed, {Shape::Int}},
            {Key::kDpiStage, {Shape::Int}},
            {Key::kDpi, {Shape::Ints, 8}},
            {Key::stageColors(0), {Shape::Ints, 24}},
            {Key::stageColors(1), {Shape::Ints, 24}},
            {Key::stageColors(2), {Shape::Ints, 8}},
            {Key::kLedEffect, {Shape::Ints, 3}},
            {Key::kScrollSwap, {Shape::Bool}},
            {Key::kKeyboardLedType, {Shape::Ints, 5}},
        };
        if (fixed.contains(key))
            return fixed.value(key);
        if (numbered(key, Key::kMouseKeyGroup) || numbered(key, Key::kKeyboardKeyGroup))
            return {Shape::Ints, 4};
        static const QRegularExpression defaultKey(QStringLiteral("^") + Key::kDefaultKeyPrefix + QStringLiteral("[0-9]+/[0-9]+$"));
        if (defaultKey.match(key).hasMatch())
            return {Shape::Ints, 4};
        if (numbered(key, Key::kKeyboardColorGroup))
            return {Shape::Ints, 3};
        if (numbered(key, Key::kUserPictureGroup))
            return {Shape::Ints, 512};
        break;
    }
    case K::Macro:
        if (key.startsWith(Key::kMacroConfigGroup + QLatin1Char('/')))
            return {Shape::Int};
        break;
    case K::GunTable:
        if (numbered(key, Key::kGunGroup))
            return {Shape::GunRow, 7};
        break;
    case K::GunChoice:
        if (numbered(key, Key::kGunGroup))
            return {Shape::Ints, 4};
        break;
    case K::Language:
        if (key == Key::kStringTotal)
            return {Shape::Int};
        break;
    }
    return {};
}

// Quotes must pair up and an escape must have its character: otherwise the value was cut.
bool valueComplete(const QByteArray &value)
{
    bool quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        const char c = value.at(i);
        if (c == '\\') {
            if (i + 1 >= value.size())
                return false;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        }
    }
    return !quoted;
}

bool hasControlBytes(const QByteArray &line)
{
    for (char ch : line) {
        const uchar c = uchar(ch);
        if ((c < 0x20 && c != '\t') || c == 0x7F)
            return true;
    }
    return false;
}

} // namespace

bool IniCheck::isStepLine(const QString &line)
{
    static const QStringList commands = {QStringLiteral("    [Down]"), QStringLiteral("      [Up]"),
                                         QStringLiteral("   [Delay]")};
    return commands.contains(line.right(10)) && line.size() > 10;
}

IniCheck::Result IniCheck::check(const QByteArray &contents, Kind kind)
{
    Result r;
    auto fail = [&r](const QString &why) {
        if (!r.damaged)
            r.reason = why;
        r.damaged = true;
    };

    QByteArray text = contents;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const bool endsWithNewline = text.endsWith('\n');
    QList<QByteArray> lines = text.split('\n');
    if (endsWithNewline)
        lines.removeLast();

    QHash<QString, QByteArray> values;   // full key -> value of the lines kept
    QString group;
    int keyLines = 0;
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        const bool last = i == lines.size() - 1;
        const int number = i + 1;
        if (hasControlBytes(line)) {
            fail(QStringLiteral("line %1 holds binary bytes").arg(number));
            continue;
        }
        const QByteArray t = line.trimmed();
        if (t.isEmpty() || t.startsWith(';') || t.startsWith('#')) {
            r.cleaned += line + '\n';
            continue;
        }
        if (t.startsWith('[')) {
            if (!t.endsWith(']') || t.size() < 3) {
                fail(QStringLiteral("line %1 is a cut-off group").arg(number));
                group = QString();   // its keys cannot be placed
                continue;
            }
            group = QString::fromUtf8(t.mid(1, t.size() - 2)).trimmed();
            r.cleaned += line + '\n';
            continue;
        }
        const int eq = t.indexOf('=');
        if (eq <= 0) {
            fail(QStringLiteral("line %1 is not key=value").arg(number));
            continue;
        }
        QString key = QString::fromUtf8(t.left(eq)).trimmed();
        key.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QByteArray value = t.mid(eq + 1).trimmed();
        const QString full = (group.isEmpty() || group == QLatin1String("General")) ? key : group + QLatin1Char('/') + key;
        if (!valueComplete(value)) {
            fail(QStringLiteral("line %1 has a cut-off value").arg(number));
            continue;
        }
        if (!fits(ruleFor(kind, full), value)) {
            fail(QStringLiteral("line %1 (%2) has a value of the wrong shape").arg(number).arg(full));
            continue;
        }
        // A step line is only ever written whole; an unfinished one is the end of a cut file.
        if (kind == Kind::Macro && last && !endsWithNewline && full.startsWith(Key::kMacroStepGroup + QLatin1Char('/'))
            && !isStepLine(QString::fromUtf8(value))) {
            fail(QStringLiteral("the last step is cut off"));
            continue;
        }
        values.insert(full, value);
        r.keys.append(full);
        ++keyLines;
        r.cleaned += line + '\n';
    }
    if (keyLines == 0)
        fail(QStringLiteral("no settings in the file"));

    // Counts the file states itself must be backed by the keys they promise.
    auto promised = [&](const QString &totalKey, const QString &lastKey, int offset, int limit) {
        if (!values.contains(totalKey))
            return;
        const int total = values.value(totalKey).trimmed().toInt();
        if (total < 0 || total > limit)
            fail(QStringLiteral("%1 is out of range").arg(totalKey));
        else if (total > 0 && !values.contains(lastKey + QString::number(total - offset)))
            fail(QStringLiteral("%1 promises more than the file holds").arg(totalKey));
        else
            return;
        // Drop the count so the repair takes a sound one.
        QByteArray kept;
        QString g;
        for (const QByteArray &l : r.cleaned.split('\n')) {
            const QByteArray t = l.trimmed();
            if (t.startsWith('['))
                g = QString::fromUtf8(t.mid(1, t.size() - 2));
            const int e = t.indexOf('=');
            if (e > 0 && g + QLatin1Char('/') + QString::fromUtf8(t.left(e)).trimmed() == totalKey)
                continue;
            kept += l + '\n';
        }
        kept.chop(1);
        r.cleaned = kept;
    };
    switch (kind) {
    case Kind::AppSettings: {
        promised(Key::kAppTotal, Key::kCommonGroup + QLatin1Char('/'), 1, 1024);
        // Entries of the settings vector without their count: the count was cut off.
        bool entries = false;
        for (auto it = values.cbegin(); it != values.cend() && !entries; ++it)
            entries = numbered(it.key(), Key::kCommonGroup);
        if (entries && !values.contains(Key::kAppTotal))
            fail(Key::kAppTotal + QStringLiteral(" is missing"));
        break;
    }
    case Kind::Macro:
        promised(Key::kMacroTotal, Key::kMacroStepGroup + QLatin1Char('/'), 1, 1 << 20);
        break;
    case Kind::Language:
        promised(Key::kStringTotal, Key::kStringGroup + QLatin1Char('/'), 0, 1000);
        break;
    case Kind::GunTable:
    case Kind::GunChoice: {
        const int rows = kind == Kind::GunTable ? 12 : 3;
        for (int k = 0; k < rows; ++k)
            if (!values.contains(Key::gunRow(k)))
                fail(Key::gunRow(k) + QStringLiteral(" is missing"));
        break;
    }
    case Kind::Profile:
        break;
    }
    return r;
}
