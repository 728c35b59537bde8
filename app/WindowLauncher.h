// SPDX-License-Identifier: MIT
// The window is a program of its own, so that a subcommand loads none of its libraries.
// `r5config` without a subcommand puts the window program in its place (exec): the
// process keeps its id, arguments and environment.
#pragma once
#include <QString>

namespace WindowLauncher {

// Names the launcher's folder for the window program, which lies elsewhere once installed.
constexpr const char *kFolderVariable = "R5_PROGRAM_FOLDER";

// The window program of the launcher at `self`: "<self>-window" beside it (the build
// folder), else "r5config-window" in the installed private folder `installedRelative`
// (relative to the launcher's folder). Empty when neither exists.
QString windowProgram(const QString &self, const QString &installedRelative);

// Runs the window program in this process's place. Returns only when that failed, with
// the exit status to end with (after a message on standard error).
int exec(int argc, char *argv[]);

// The launcher's folder handed over by exec(), or `ownFolder` when started directly.
// Read once: the variable is removed, so programs the window starts do not inherit it.
QString takeLauncherFolder(const QString &ownFolder);

} // namespace WindowLauncher
