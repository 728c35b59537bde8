// SPDX-License-Identifier: MIT
// "r5config SUBCOMMAND ...": which arguments ask for the command line rather than the
// window, the parsing of each subcommand and its help, and the run of a process that
// either hands the command to a running window or carries it out itself.
#pragma once
#include "Context.h"
#include "Result.h"
#include <QStringList>
#include <functional>

namespace Cli {

// True when the arguments name a subcommand or ask for help or the version.
bool wanted(int argc, char **argv);

// Parses one command line (without the program name) and runs it on the context, which
// is only built when there is a command to run. File names count from `base`.
Result execute(const QStringList &arguments, const QString &base, const std::function<Context &()> &context);

// The whole run of a command-line process in the program folder `folder`: exit status.
int run(const QString &folder, const QStringList &arguments);

} // namespace Cli
