// SPDX-License-Identifier: MIT
// The on-disk layout in one place: which folders the program uses (beside the executable,
// or the user's own folders when installed), every file name in them, the factory files
// the working files come from, and the sections and keys inside the files. Qt Core only,
// so the window, the command line and the tests share it.
#pragma once
#include <QLatin1String>
#include <QString>
#include <QStringList>

namespace DiskLayout {

enum class Mode {
    Portable,    // everything below a writable modules/ beside the executable
    Installed,   // shipped data read-only; the user's files in the user's own folders
};

struct Folders {
    Mode mode = Mode::Portable;
    QString dataRoot;   // the folder holding the shipped modules/ (the scene's pictures resolve against it)
    QString shipped;    // <dataRoot>/modules: factory settings, languages, recoil tables, pictures, sounds
    QString settings;   // application settings, the ten profiles, the single-instance lock
    QString macros;     // one file per macro
    QString recoil;     // the recoil tables and fire-key choices the press-gun page edits

    QString appSettingsPath() const;
    QString profilePath(int index) const;   // index 0..9
    QString macroPath(const QString &name) const;   // joins only: callers check the name first
    QString gunTablePath(const QString &game) const;
    QString gunChoicePath() const;
    QString shippedPath(const QString &name) const;   // a name below modules/: "setting/pD.bin"
};

// The one decision. A program folder holding a writable modules/ runs portable with every
// file there. Otherwise the program is installed: shipped data in ../share/r5config
// relative to the program's folder, settings and profiles in $XDG_CONFIG_HOME/r5config,
// macros and the recoil store in $XDG_DATA_HOME/r5config (the usual defaults
// ~/.config and ~/.local/share apply when the variables are not set). A modules/ this user
// cannot write, with no shared data folder, is read as the shipped data.
Folders decide(const QString &programFolder);
// Portable folders below root/modules.
Folders portable(const QString &root);
Folders installed(const QString &dataRoot);

// The layout this process uses. Until use() is called: portable in the working directory
// (relative paths), which is what test programs that never start the window rely on.
const Folders &folders();
void use(const Folders &folders);
bool isInstalled();

// ---- file names ----
constexpr QLatin1String kAppSettingsFile("apConfig.bin");
constexpr QLatin1String kAppSettingsFactoryFile("apConfigD.bin");
constexpr QLatin1String kProfileFactoryFile("pD.bin");
constexpr QLatin1String kGunChoiceFile("selGunData.bin");
constexpr QLatin1String kLockFile("r5config.lock");
constexpr QLatin1String kMacroSuffix(".bin");
constexpr int kProfileCount = 10;
constexpr int kGameCount = 3;   // recoil tables gunData0.bin .. gunData2.bin

QString profileFile(int index);          // "p<index+1>.bin"
QString gunTableFile(const QString &game);   // "gunData<game>.bin"
QString languageFile(const QString &code);   // "lang_<code>.ini"

// ---- working files (the user's), in the layout in use ----
QString settingsFolder();
QString appSettingsPath();
QString profilePath(int index);   // index 0..9
QString macroFolder();
QString macroPath(const QString &name);   // joins only: callers check the name first
QString recoilFolder();
QString gunTablePath(const QString &game);
QString gunChoicePath();

// ---- shipped data (read-only once installed) ----
// Names below modules/, as the built-in factory copies are named too ("setting/pD.bin").
QString appSettingsFactoryName();
QString profileFactoryName();
QString gunTableName(const QString &game);
QString gunChoiceName();
QString languageName(const QString &code);
QString shippedPath(const QString &name);   // <shipped>/<name>
QString appSettingsFactoryPath();
QString profileFactoryPath();
QString languageFolder();
QString languagePath(const QString &code);
QString imageFolder();
QString mediaPath(const QString &file);   // "01.wav" ... "04.wav", "00.mp3"
QString fontFolder();   // the interface's own font cuts

// ---- sections and keys ----
namespace Key {
// Application settings (apConfig.bin).
constexpr QLatin1String kCommonGroup("common");
constexpr QLatin1String kWindowTitle("common/name");
constexpr QLatin1String kProductNames("common/product_name");
constexpr QLatin1String kSecrecyCodePrefix("common/sCode");   // followed by the catalogue entry
constexpr QLatin1String kAppTotal("common/total");
QString appEntry(int index);   // "common/<index>": the settings page's vector
QString secrecyCode(int entry);
constexpr QLatin1String kColorMaxStage("R5/colorMaxStage");
constexpr QLatin1String kCurrentProfile("R5/currentProfile");   // number 1-10 of the profile last made current

// Profiles (p1.bin ... p10.bin, pD.bin). A file holding none of these groups is no profile.
QStringList profileGroups();
constexpr QLatin1String kReportRate("sensor/reportRate_R5");
constexpr QLatin1String kCursorSpeed("sensor/cursorSpeed_R5");
constexpr QLatin1String kScrollLines("sensor/verticalScrollLines_R5");
constexpr QLatin1String kDoubleClickSpeed("sensor/doubleClickSpeed_R5");
constexpr QLatin1String kDpi("sensor/dpi_R5");
constexpr QLatin1String kDpiStage("sensor/stage_R5");
QString stageColors(int type);   // "color_R5/type<type>": 0, 1 colours, 2 their order
constexpr QLatin1String kLedEffect("color_R5/ledEffect");
constexpr QLatin1String kLedPower("color_R5/ledPower");
constexpr QLatin1String kScrollSwap("keydefine_R5/scrollswap");
constexpr QLatin1String kMouseKeyGroup("keydefine_R5");
QString mouseKey(int position);     // "keydefine_R5/<position>"
QString mouseKey(const QString &position);
QString defaultKey(int matrix, int position);   // "dKey<matrix>/<position>": factory only
constexpr QLatin1String kDefaultKeyPrefix("dKey");
// Keyboard family.
constexpr QLatin1String kKeyboardKeyGroup("keydefine");
QString keyboardKey(int position);   // "keydefine/<position>"
QString keyboardKey(const QString &position);
constexpr QLatin1String kKeyboardLedType("color/ledType");
constexpr QLatin1String kKeyboardColorGroup("color");
QString keyboardColor(int index);    // "color/<index>"
constexpr QLatin1String kUserPictureGroup("userPicture");
QString userPicture(int index);      // "userPicture/<index>"

// Macro files.
constexpr QLatin1String kMacroConfigGroup("config");
constexpr QLatin1String kMacroSlot("config/index");
constexpr QLatin1String kMacroTotal("config/total");
constexpr QLatin1String kMacroRepeat("config/repeat");
constexpr QLatin1String kMacroFamily("config/did");
constexpr QLatin1String kMacroStepGroup("macro");
QString macroStep(int index);   // "macro/<index>"

// Recoil files.
constexpr QLatin1String kGunGroup("gunData");
QString gunRow(int index);   // "gunData/<index>"

// Language files.
constexpr QLatin1String kFontFamily("font/family");
constexpr QLatin1String kStringTotal("font/total");
constexpr QLatin1String kStringGroup("strings");
QString string(int index);        // "strings/<index>", counted from 1
QString message(int index);       // "msg/<index>"
QString keyPosition(int index);   // "R5_4D7E0B2/<index>": names of the mouse's key positions
} // namespace Key

} // namespace DiskLayout
