// SPDX-License-Identifier: MIT
// QML face of the key-name rows and step tags (see KeyNameTable.h).
#include "KeyNameTable.h"
#include "KeyNames.h"
#include "KeyTables.h"
#include "MacroStepTags.h"
#include <QQmlEngine>
#include <cmath>

namespace {
// The code a value names as a map key: 4, 4.0 and "4" do; "04", "0x4", 4.5 and true do not.
bool codeOf(const QVariant &value, int *code)
{
    bool ok = false;
    switch (int(value.type())) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        *code = value.toInt(&ok);
        break;
    case QMetaType::Double: {
        const double d = value.toDouble();
        ok = std::isfinite(d) && d == std::floor(d) && std::fabs(d) < 1e9;
        *code = ok ? int(d) : 0;
        break;
    }
    case QMetaType::QString: {
        const QString text = value.toString();
        *code = text.toInt(&ok, 10);
        ok = ok && QString::number(*code) == text;
        break;
    }
    default:
        break;
    }
    return ok && *code >= 0 && *code <= 0xFF;
}

QVariant nameOf(const QVariant &value, bool mouse)
{
    int code = 0;
    if (!codeOf(value, &code) || KeyTables::isMouseCode(uchar(code)) != mouse)
        return {};
    const QString name = KeyTables::nameForCode(uchar(code));
    return name.isEmpty() ? QVariant() : QVariant(name);
}

QVariant codeFor(const QVariant &name, bool mouse)
{
    if (!name.canConvert<QString>() || name.type() == QVariant::Bool)
        return {};
    const uchar code = usageForKeyName(name.toString());
    if (code == 0 || KeyTables::isMouseCode(code) != mouse)
        return {};
    return int(code);
}
}

void KeyNameTable::registerForQml()
{
    static const bool done = [] {
        qmlRegisterSingletonType<KeyNameTable>("R5.Tables", 1, 0, "KeyNameTable",
                                               [](QQmlEngine *, QJSEngine *) -> QObject * { return new KeyNameTable; });
        return true;
    }();
    Q_UNUSED(done)
}

QVariant KeyNameTable::keyName(const QVariant &code) const { return nameOf(code, false); }
QVariant KeyNameTable::mouseName(const QVariant &code) const { return nameOf(code, true); }
QVariant KeyNameTable::keyCode(const QVariant &name) const { return codeFor(name, false); }
QVariant KeyNameTable::mouseCode(const QVariant &name) const { return codeFor(name, true); }

QString KeyNameTable::stepDown() { return MacroStepTags::down(); }
QString KeyNameTable::stepUp() { return MacroStepTags::up(); }
QString KeyNameTable::stepDelay() { return MacroStepTags::delay(); }
int KeyNameTable::stepWidth() { return MacroStepTags::Width; }
