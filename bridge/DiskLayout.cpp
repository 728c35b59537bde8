// SPDX-License-Identifier: MIT
// Folders, file names and keys of the on-disk layout (see DiskLayout.h).
#include "DiskLayout.h"
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
const QString kAppFolder = QStringLiteral("r5config");

DiskLayout::Folders &current()
{
    static DiskLayout::Folders f = DiskLayout::portable(QStringLiteral("."));
    return f;
}

QString numbered(QLatin1String group, int index) { return group + QLatin1Char('/') + QString::number(index); }
} // namespace

DiskLayout::Folders DiskLayout::portable(const QString &root)
{
    Folders f;
    f.mode = Mode::Portable;
    f.dataRoot = root;
    f.shipped = root + QStringLiteral("/modules");
    f.settings = f.shipped + QStringLiteral("/setting");
    f.macros = f.shipped + QStringLiteral("/macro");
    f.recoil = f.shipped + QStringLiteral("/gun");
    return f;
}

DiskLayout::Folders DiskLayout::installed(const QString &dataRoot)
{
    Folders f;
    f.mode = Mode::Installed;
    f.dataRoot = dataRoot;
    f.shipped = dataRoot + QStringLiteral("/modules");
    f.settings = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/') + kAppFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') + kAppFolder;
    f.macros = data + QStringLiteral("/macro");
    f.recoil = data + QStringLiteral("/gun");
    return f;
}

DiskLayout::Folders DiskLayout::decide(const QString &programFolder)
{
    const QString program = QDir(programFolder).absolutePath();
    const QFileInfo modules(program + QStringLiteral("/modules"));
    if (modules.isDir() && modules.isWritable())
        return portable(program);
    const QString shared = QDir::cleanPath(program + QStringLiteral("/../share/") + kAppFolder);
    // A folder of the portable kind that this user may not write (another user's build, a
    // read-only medium) still holds the data: read it there, keep the files in the home.
    if (modules.isDir() && !QFileInfo(shared + QStringLiteral("/modules")).isDir())
        return installed(program);
    return installed(shared);
}

const DiskLayout::Folders &DiskLayout::folders() { return current(); }
void DiskLayout::use(const Folders &f) { current() = f; }
bool DiskLayout::isInstalled() { return current().mode == Mode::Installed; }

// ---- file names ----

QString DiskLayout::profileFile(int index) { return QStringLiteral("p%1.bin").arg(index + 1); }
QString DiskLayout::gunTableFile(const QString &game) { return QStringLiteral("gunData") + game + QStringLiteral(".bin"); }
QString DiskLayout::languageFile(const QString &code) { return QStringLiteral("lang_") + code + QStringLiteral(".ini"); }

// ---- working files ----

QString DiskLayout::Folders::appSettingsPath() const { return settings + QLatin1Char('/') + kAppSettingsFile; }
QString DiskLayout::Folders::profilePath(int index) const { return settings + QLatin1Char('/') + profileFile(index); }
QString DiskLayout::Folders::macroPath(const QString &name) const { return macros + QLatin1Char('/') + name + kMacroSuffix; }
QString DiskLayout::Folders::gunTablePath(const QString &game) const { return recoil + QLatin1Char('/') + gunTableFile(game); }
QString DiskLayout::Folders::gunChoicePath() const { return recoil + QLatin1Char('/') + kGunChoiceFile; }
QString DiskLayout::Folders::shippedPath(const QString &name) const { return shipped + QLatin1Char('/') + name; }

QString DiskLayout::settingsFolder() { return current().settings; }
QString DiskLayout::appSettingsPath() { return current().appSettingsPath(); }
QString DiskLayout::profilePath(int index) { return current().profilePath(index); }
QString DiskLayout::macroFolder() { return current().macros; }
QString DiskLayout::macroPath(const QString &name) { return current().macroPath(name); }
QString DiskLayout::recoilFolder() { return current().recoil; }
QString DiskLayout::gunTablePath(const QString &game) { return current().gunTablePath(game); }
QString DiskLayout::gunChoicePath() { return current().gunChoicePath(); }

// ---- shipped data ----

QString DiskLayout::appSettingsFactoryName() { return QStringLiteral("setting/") + kAppSettingsFactoryFile; }
QString DiskLayout::profileFactoryName() { return QStringLiteral("setting/") + kProfileFactoryFile; }
QString DiskLayout::gunTableName(const QString &game) { return QStringLiteral("gun/") + gunTableFile(game); }
QString DiskLayout::gunChoiceName() { return QStringLiteral("gun/") + kGunChoiceFile; }
QString DiskLayout::languageName(const QString &code) { return QStringLiteral("i18n/") + languageFile(code); }
QString DiskLayout::shippedPath(const QString &name) { return current().shippedPath(name); }
QString DiskLayout::appSettingsFactoryPath() { return shippedPath(appSettingsFactoryName()); }
QString DiskLayout::profileFactoryPath() { return shippedPath(profileFactoryName()); }
QString DiskLayout::languageFolder() { return current().shipped + QStringLiteral("/i18n"); }
QString DiskLayout::languagePath(const QString &code) { return shippedPath(languageName(code)); }
QString DiskLayout::imageFolder() { return current().shipped + QStringLiteral("/img"); }
QString DiskLayout::mediaPath(const QString &file) { return current().shipped + QStringLiteral("/media/") + file; }
QString DiskLayout::fontFolder() { return current().shipped + QStringLiteral("/fonts"); }

// ---- keys ----

QStringList DiskLayout::Key::profileGroups()
{
    return {QStringLiteral("sensor"), QStringLiteral("color_R5"), kMouseKeyGroup, kKeyboardKeyGroup,
            kKeyboardColorGroup, kUserPictureGroup};
}
QString DiskLayout::Key::appEntry(int index) { return numbered(kCommonGroup, index); }
QString DiskLayout::Key::secrecyCode(int entry) { return kSecrecyCodePrefix + QString::number(entry); }
QString DiskLayout::Key::stageColors(int type) { return QStringLiteral("color_R5/type") + QString::number(type); }
QString DiskLayout::Key::mouseKey(int position) { return numbered(kMouseKeyGroup, position); }
QString DiskLayout::Key::mouseKey(const QString &position) { return kMouseKeyGroup + QLatin1Char('/') + position; }
QString DiskLayout::Key::defaultKey(int matrix, int position)
{
    return kDefaultKeyPrefix + QString::number(matrix) + QLatin1Char('/') + QString::number(position);
}
QString DiskLayout::Key::keyboardKey(int position) { return numbered(kKeyboardKeyGroup, position); }
QString DiskLayout::Key::keyboardKey(const QString &position) { return kKeyboardKeyGroup + QLatin1Char('/') + position; }
QString DiskLayout::Key::keyboardColor(int index) { return numbered(kKeyboardColorGroup, index); }
QString DiskLayout::Key::userPicture(int index) { return numbered(kUserPictureGroup, index); }
QString DiskLayout::Key::macroStep(int index) { return numbered(kMacroStepGroup, index); }
QString DiskLayout::Key::gunRow(int index) { return numbered(kGunGroup, index); }
QString DiskLayout::Key::string(int index) { return numbered(kStringGroup, index); }
QString DiskLayout::Key::message(int index) { return numbered(QLatin1String("msg"), index); }
QString DiskLayout::Key::keyPosition(int index) { return numbered(QLatin1String("R5_4D7E0B2"), index); }
