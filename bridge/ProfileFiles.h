// SPDX-License-Identifier: MIT
// Application settings and the ten profile files: keys, defaults, import, export, reset.
#pragma once
#include "Collaborators.h"
#include "FileSafety.h"
#include <QList>
#include <QObject>
#include <QVariant>
#include <QVariantList>

class QSettings;
class Localisation;

class ProfileFiles : public QObject
{
    Q_OBJECT
public:
    // `link` tells the device family, `dialogs` ask for the files, `strings`
    // and `warn` word and show what went wrong. Opens (and repairs) every file.
    ProfileFiles(LinkSource link, FileDialogs dialogs, const Localisation *strings, Warn warn,
                 QObject *parent = nullptr);
    ~ProfileFiles() override;

    QSettings *apConfig() const;         // the open application settings
    QSettings *currentProfile() const;   // profile [currentIndex()]
    QSettings *profile(int index) const;
    int currentIndex() const;
    void setCurrentIndex(int index);

    // Family of the connected device (0 keyboard, 1 mouse, -1 none); selects profile keys.
    int deviceFamily() const;
    // Tests pin the family without a device; kNoOverride returns to the device link.
    static constexpr int kNoOverride = -100;
    static void setFamilyOverrideForTests(int family);

    // The profile last made current by the profile menu or the command line (0-9), kept
    // in the application settings so a later run knows which profile the mouse holds.
    int storedCurrentIndex() const;
    void storeCurrentIndex(int index);

    // Copies and takes in profile files without asking: the dialogs of saveProfile and
    // loadProfile end here, and so does the command line.
    enum class Transfer {
        Done,
        Repaired,      // taken in as far as the file was sound
        Unreadable,    // the source could not be read
        NotAProfile,   // read, but not a profile: nothing changed
        Unwritable,    // the target could not be written: nothing changed
    };
    Transfer exportProfile(int index, const QString &target);
    Transfer importProfile(const QString &source, int index);

    static QString profilePath(int index);   // p<index+1>.bin in the settings folder
    static QString factoryProfilePath();     // the shipped pD.bin

    // Slot bodies (see view_files.cpp).
    void saveApConfig(const QVariantList &apConfigs);
    QVariantList loadApConfig() const;
    QVariantList loadDeviceApConfig() const;
    void resetApconfig();
    bool getIsSkinShow() const;
    QVariantList loadDefaultProfile(uchar uiPageId) const;
    QVariantList loadDefaultKeyMatrix(uchar uiPageId) const;
    void loadProfile(int profile);
    void saveProfile(int profile);
    void resetProfile(int profile);
    QString getCustomFilePath();
    QVariantList getKeydefine(const QVariant &matrixId) const;

private:
    bool replaceProfile(int index, const QByteArray &contents);
    void openAll();

    LinkSource link;
    FileDialogs dialogs;
    const Localisation *strings;
    Warn warn;
    QSettings *ap = nullptr;
    QList<QSettings *> profiles;
    int current = 0;
};
