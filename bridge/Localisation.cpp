// SPDX-License-Identifier: MIT
// Language files, shipped in the data folder's i18n/. Codes are three digits of language and three of
// country as Qt 4 numbered them; the names shown are QLocale's, upper case.
#include "Localisation.h"
#include "DiskLayout.h"
#include "FileSafety.h"
#include "MessageTexts.h"
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>

namespace {
namespace Key = DiskLayout::Key;

bool isCode(const QString &code)
{
    static const QRegularExpression sixDigits(QStringLiteral("^[0-9]{6}$"));
    return sixDigits.match(code).hasMatch();
}

// A text with an unquoted comma reads back as a list; join it again rather than lose it.
QString text(const QSettings &s, const QString &key)
{
    const QVariant v = s.value(key);
    if (v.type() == QVariant::StringList)
        return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

// The codes count as Qt 4 did. Qt 5.15 keeps those numbers for these entries, but the
// shipped languages are pinned here so their names never depend on the Qt release.
QString languageName(int qt4Language)
{
    switch (qt4Language) {
    case 25: return QStringLiteral("Chinese");
    case 31: return QStringLiteral("English");
    default: return QLocale::languageToString(QLocale::Language(qt4Language));
    }
}
}

// The file a language is read from. A damaged language file (or a shipped one that lost
// keys) of a portable folder is kept aside and replaced by the copy built into the
// program; a language the program does not ship is read as far as it is sound. An
// installed program never writes its shipped data: it reads the built-in copy instead.
static QString readablePath(const QString &code)
{
    const QString path = Localisation::filePath(code);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return path;
    const QString name = DiskLayout::languageName(code);
    FileSafety::Repair repair{IniCheck::Kind::Language, FileSafety::shippedCopy(name), false, false, false, true, {}};
    if (!DiskLayout::isInstalled()) {
        FileSafety::ensureSound(path, repair);
        return path;
    }
    if (repair.factory.isEmpty() || FileSafety::isSound(path, repair))
        return path;
    qDebug().noquote() << "Shipped language file" << path << "is damaged; the program's own copy is used";
    return QStringLiteral(":/factory/") + name;
}

Localisation::Localisation(QStringList *shortTexts, QObject *parent) : QObject(parent), shortTexts(shortTexts) {}

QString Localisation::filePath(const QString &code)
{
    return isCode(code) ? DiskLayout::languagePath(code) : QString();
}

QString Localisation::displayName(const QString &code)
{
    if (!isCode(code))
        return QString();
    const int language = code.left(3).toInt();
    const int country = code.mid(3).toInt();
    QString suffix;
    if (country == 44)
        suffix = QStringLiteral(" (Simp)");
    else if (country == 208)
        suffix = QStringLiteral(" (Trad)");
    else if (country != 0)
        suffix = QStringLiteral(" (") + QLocale::countryToString(QLocale::Country(country)).toUpper()
                 + QStringLiteral(")");
    return languageName(language).toUpper() + suffix;
}

QVariantMap Localisation::chkLanguages() const { return languages(); }

QVariantMap Localisation::languages()
{
    QVariantMap result;
    // Matched with case: the file is opened by its exact name later.
    const QStringList files = QDir(DiskLayout::languageFolder()).entryList({QStringLiteral("lang_*.ini")}, QDir::Files | QDir::CaseSensitive,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QString &file : files) {
        const QString code = file.mid(5, 6);
        const QString name = displayName(code);
        // A file whose name carries no six-digit code cannot be opened by code later.
        if (name.isEmpty() || file != DiskLayout::languageFile(code))
            continue;
        result.insert(name, code);
    }
    return result;
}

QStringList Localisation::getGlobalStrings(const QString &langCode)
{
    const QString path = filePath(langCode);
    shortTexts->clear();
    loadedCode = langCode;
    if (path.isEmpty()) {
        for (int i = 0; i < 6; ++i)
            shortTexts->append(QString());
        return {QString()};
    }
    QSettings s(readablePath(langCode), QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    QStringList result{text(s, Key::kFontFamily)};
    const int total = std::clamp(s.value(Key::kStringTotal, 0).toInt(), 0, kMaxStrings);
    for (int i = 1; i <= total; ++i)
        result.append(text(s, Key::string(i)));
    for (int i = 0; i < 6; ++i)
        shortTexts->append(text(s, Key::message(i)));
    return result;
}

QStringList Localisation::getProductLayoutStrings_R5(const QString &langCode) const
{
    const QString path = filePath(langCode);
    QStringList result;
    if (path.isEmpty()) {
        for (int i = 0; i < 16; ++i)
            result.append(QString());
        return result;
    }
    QSettings s(readablePath(langCode), QSettings::IniFormat);
    s.setIniCodec("UTF-8");
    for (int i = 0; i < 16; ++i)
        result.append(text(s, Key::keyPosition(i)));
    return result;
}

QString Localisation::message(int index) const { return message(loadedCode, index); }

QString Localisation::shortText(int index) const { return shortTexts->value(index); }

QString Localisation::message(const QString &langCode, int index)
{
    const QString path = filePath(langCode);
    if (!path.isEmpty() && QFileInfo(path).isFile()) {
        QSettings s(path, QSettings::IniFormat);
        s.setIniCodec("UTF-8");
        const QString translated = text(s, Key::message(index));
        if (!translated.isEmpty())
            return translated;
    }
    return MessageTexts::english(index);
}
