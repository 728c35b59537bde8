// SPDX-License-Identifier: MIT
// Language files under ./modules/i18n/: the language list, the interface strings with
// the font and message texts, and the key labels of the mouse. It is the string table the
// other modules are handed: the six short texts of the chosen language (the list it is
// given to fill) and the longer messages.
#pragma once
#include <QObject>
#include <QStringList>
#include <QVariantMap>

class Localisation : public QObject
{
    Q_OBJECT
public:
    // `shortTexts` receives msg/0..msg/5 of each language getGlobalStrings loads; its
    // owner may also set it outright.
    explicit Localisation(QStringList *shortTexts, QObject *parent = nullptr);

    // A language file never holds more strings than this; larger totals are damage.
    static constexpr int kMaxStrings = 1000;

    // Display name of a six-digit code ("031000" -> "ENGLISH"), empty for a bad code.
    static QString displayName(const QString &code);
    // "./modules/i18n/lang_<code>.ini", or empty when the code is not six digits.
    static QString filePath(const QString &code);

    QVariantMap chkLanguages() const;
    // The same list without a view, for texts needed before the interface exists.
    static QVariantMap languages();
    QStringList getGlobalStrings(const QString &langCode);
    QStringList getProductLayoutStrings_R5(const QString &langCode) const;

    // Message text msg/<index> (6 onward) in the language that getGlobalStrings loaded
    // last, or in langCode; English where the file lacks it or no language is loaded.
    QString message(int index) const;
    // Short text msg/<index> (0-5) of the loaded language; empty before one is loaded.
    QString shortText(int index) const;
    static QString message(const QString &langCode, int index);

private:
    QStringList *shortTexts;
    QString loadedCode;   // language of the last getGlobalStrings
};
