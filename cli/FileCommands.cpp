// SPDX-License-Identifier: MIT
// Subcommands on files: profile export and import, and the macro library. They run the
// checks of the window's import and export (a file that is no profile or macro replaces
// nothing) and write only through the atomic file helpers.
#include "Commands.h"
#include "MacroLibrary.h"
#include "ProfileFiles.h"
#include <QFileInfo>

namespace Cli {

namespace {
bool isTaken(ProfileFiles::Transfer t) { return t == ProfileFiles::Transfer::Done || t == ProfileFiles::Transfer::Repaired; }
bool isTaken(MacroLibrary::Transfer t) { return t == MacroLibrary::Transfer::Done || t == MacroLibrary::Transfer::Repaired; }

bool isMacro(const QString &name)
{
    const QString path = MacroLibrary::pathFor(name);
    return !path.isEmpty() && QFileInfo(path).isFile();
}
} // namespace

Result exportProfile(Context &context, const QString &number, const QString &file)
{
    Result result;
    const int index = profileIndex(number, result);
    if (index < 0)
        return result;
    switch (context.files().exportProfile(index, file)) {
    case ProfileFiles::Transfer::Done:
    case ProfileFiles::Transfer::Repaired: break;
    case ProfileFiles::Transfer::Unwritable:
        result.fail(FileFault, QStringLiteral("could not write %1").arg(file));
        break;
    default:
        result.fail(FileFault, QStringLiteral("could not read profile %1").arg(index + 1));
        break;
    }
    return result;
}

Result importProfile(Context &context, const QString &file, const QString &number)
{
    Result result;
    const int index = profileIndex(number, result);
    if (index < 0)
        return result;
    ProfileFiles &files = context.files();
    const ProfileFiles::Transfer taken = files.importProfile(file, index);
    switch (taken) {
    case ProfileFiles::Transfer::Done:
    case ProfileFiles::Transfer::Repaired: break;   // the file notice has said so
    case ProfileFiles::Transfer::NotAProfile:
        result.fail(BadInput, QStringLiteral("%1 is not a profile file: profile %2 is unchanged").arg(file).arg(index + 1));
        break;
    case ProfileFiles::Transfer::Unreadable:
        result.fail(FileFault, QStringLiteral("could not read %1: profile %2 is unchanged").arg(file).arg(index + 1));
        break;
    case ProfileFiles::Transfer::Unwritable:
        result.fail(FileFault, QStringLiteral("could not write profile %1: it is unchanged").arg(index + 1));
        break;
    }
    // The profile menu reloads the profile shown when it is the one replaced; the mouse
    // gets it with the next ALL SAVE (or "r5config profile").
    if (isTaken(taken) && index == files.currentIndex())
        context.switchProfile(index);
    return result;
}

Result macroList()
{
    Result result;
    for (const QString &file : MacroLibrary::fileNames())
        result.print(file.chopped(4));
    return result;
}

Result macroExport(const QString &name, const QString &file)
{
    Result result;
    if (!isMacro(name)) {
        result.fail(BadInput, QStringLiteral("no macro \"%1\" (\"r5config macro list\" names them)").arg(name));
        return result;
    }
    switch (MacroLibrary::exportMacro(name, file)) {
    case MacroLibrary::Transfer::Done:
    case MacroLibrary::Transfer::Repaired: break;
    case MacroLibrary::Transfer::Unwritable: result.fail(FileFault, QStringLiteral("could not write %1").arg(file)); break;
    default: result.fail(FileFault, QStringLiteral("could not read macro \"%1\"").arg(name)); break;
    }
    return result;
}

Result macroImport(Context &context, const QString &file, const QString &name)
{
    Result result;
    const QString target = name.isEmpty() ? QFileInfo(file).completeBaseName() : name;
    if (!MacroLibrary::isSafeName(target)) {
        result.fail(BadInput, QStringLiteral("\"%1\" cannot name a macro: no '/', no leading '.', no control characters")
                                  .arg(target));
        return result;
    }
    if (!QFileInfo(file).isFile()) {
        result.fail(FileFault, QStringLiteral("could not read %1").arg(file));
        return result;
    }
    // A new macro is made as the macro page makes one: a fresh file, then its name.
    const bool existed = isMacro(target);
    MacroLibrary &library = context.macros();
    if (!existed) {
        const QString made = library.createMacroIni();
        if (made.isEmpty()) {
            result.fail(FileFault, QStringLiteral("could not create macro \"%1\"").arg(target));
            return result;
        }
        library.renameMacroIniFile(made, target);
        if (!isMacro(target)) {
            library.deleteMacroIni(made);
            result.fail(FileFault, QStringLiteral("could not create macro \"%1\"").arg(target));
            return result;
        }
    }
    // A macro a button plays goes to its slot again, as after an import on the macro page.
    const MacroLibrary::Transfer taken = library.importMacro(file, target);
    if (!isTaken(taken)) {
        if (!existed)
            library.deleteMacroIni(target);
        if (taken == MacroLibrary::Transfer::NotAMacro)
            result.fail(BadInput, QStringLiteral("%1 is not a macro file: nothing changed").arg(file));
        else if (taken == MacroLibrary::Transfer::Unreadable)
            result.fail(FileFault, QStringLiteral("could not read %1: nothing changed").arg(file));
        else
            result.fail(FileFault, QStringLiteral("could not write macro \"%1\": nothing changed").arg(target));
        return result;
    }
    result.print(target);
    context.changed(Context::Shown::Macros);
    return result;
}

} // namespace Cli
