// SPDX-License-Identifier: MIT
// The subcommands, each on a Context: values are checked here, so a command handed to a
// running window is checked the same way. Nothing is changed when a value is refused.
#pragma once
#include "Context.h"
#include "Result.h"
#include <QStringList>

namespace Cli {

// ---- the mouse (DeviceCommands.cpp) ----
Result status(Context &context, bool json);
Result profile(Context &context, const QString &number);
Result dpi(Context &context, const QString &list, const QString &stage);
Result rate(Context &context, const QString &perSecond);
Result light(Context &context, const QString &effect, const QString &speed, const QString &brightness);

// ---- files (FileCommands.cpp) ----
Result exportProfile(Context &context, const QString &number, const QString &file);
Result importProfile(Context &context, const QString &file, const QString &number);
Result macroList();
Result macroExport(const QString &name, const QString &file);
Result macroImport(Context &context, const QString &file, const QString &name);

// ---- shared checks ----
// Profile number 1-10 as typed; -1 (and a message in result) when it is not one.
int profileIndex(const QString &number, Result &result);
// After a change of the files: exit status 1 and the message when no mouse took it.
void noteWithoutMouse(Context &context, Result &result, const QString &what);

} // namespace Cli
