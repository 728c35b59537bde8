// SPDX-License-Identifier: MIT
// A command handed to the running window over its single-instance socket: one line
// "cli =<folder> =<argument>..." with every field percent-encoded, answered by
// "ok <status> =<output> =<messages>". The window runs it on its own modules and pages.
#pragma once
#include "Result.h"
#include <QStringList>

class SingleInstance;
class Widget;

namespace Cli {

// How long a command line waits for a window (or another command line) to take a
// command or let go of the settings folder.
constexpr int kHandOffPatienceMs = 10000;

// Sends the command; false when no window answered (nothing was done).
bool handOff(const QString &settingsFolder, const QString &base, const QStringList &arguments, Result *result);

// The window's side: carries out "cli" lines through its own modules and pages.
void installWindowCommands(SingleInstance &instance, Widget *window);

// The line format, both ways.
QString encodeCommand(const QString &base, const QStringList &arguments);
bool decodeCommand(const QStringList &words, QString *base, QStringList *arguments);
QString encodeReply(const Result &result);
bool decodeReply(const QString &line, Result *result);

} // namespace Cli
